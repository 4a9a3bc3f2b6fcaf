#include "shared/options_design.h"

namespace {

using C = OptionsControl;
using K = ControlKind;
constexpr FontDesign kFont{"MS Sans Serif", 8.25};
constexpr Colour kBack = rgb(255, 255, 239);
constexpr Colour kFace = rgb(224, 224, 224);

// Front to back: the seconds' box lies over the end of its check box's line. The focus goes
// from OK, which has it at the start, to the seconds' box.
constexpr ControlDesign<OptionsControl> kControls[] = {
    {.id = C::cmdOK,
     .kind = K::Button,
     .rect = {705, 1695, 1095, 375},
     .caption = "OK",
     .font = kFont,
     .backColour = kFace,
     .alignment = Alignment::Centre,
     .tabIndex = 0,
     .isDefault = true},
    {.id = C::cmdCancel,
     .kind = K::Button,
     .rect = {1920, 1695, 1095, 375},
     .caption = "Abbrechen",
     .font = kFont,
     .backColour = kFace,
     .alignment = Alignment::Centre,
     .tabIndex = 1,
     .isCancel = true},
    {.id = C::Label1,
     .kind = K::Label,
     .rect = {2880, 1200, 855, 255},
     .caption = "Sekunden",
     .font = kFont},
    {.id = C::Txt_WarnTonSek,
     .kind = K::TextBox,
     .rect = {2400, 1150, 400, 285},
     .font = kFont,
     .backColour = rgb(255, 255, 255),
     .tabIndex = 5,
     .accessibleName = "Warnton, wenn Restzeit = … Sekunden"},
    {.id = C::Check_Warnton,
     .kind = K::CheckBox,
     .rect = {120, 1080, 2415, 495},
     .caption = "Warnton, wenn Restzeit  =",
     .font = kFont,
     .backColour = kBack,
     .tabIndex = 4},
    {.id = C::Check_synconstart,
     .kind = K::CheckBox,
     .rect = {120, 600, 3615, 495},
     .caption = "bei jedem Programmstart Uhr synchronisieren",
     .font = kFont,
     .backColour = kBack,
     .tabIndex = 3},
    {.id = C::Check_msgonsync,
     .kind = K::CheckBox,
     .rect = {120, 120, 3615, 495},
     .caption = "nach Uhrzeitsynchronisation Meldung zeigen",
     .font = kFont,
     .backColour = kBack,
     .tabIndex = 2},
};

constexpr WindowDesign<OptionsControl> kOptions{
    " Zeitfang Optionen", Border::FixedDialog, {3780, 2295}, kBack, kFont, kControls};

} // namespace

const WindowDesign<OptionsControl>& optionsDesign() {
    return kOptions;
}
