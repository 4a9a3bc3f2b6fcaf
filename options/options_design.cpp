#include "options/options_design.h"

namespace {

using C = OptionsControl;
using K = ControlKind;
constexpr FontDesign kFont{"MS Sans Serif", 8.25};
constexpr Colour kBack = RGB(255, 255, 239);
constexpr Colour kFace = RGB(224, 224, 224);
constexpr Colour kBlack = RGB(0, 0, 0);

// Front to back: the seconds' box lies over the end of its check box's line. The focus goes
// from OK, which has it at the start, to the seconds' box.
constexpr ControlDesign<OptionsControl> kControls[] = {
    {C::cmdOK,
     K::Button,
     {705, 1695, 1095, 375},
     "OK",
     kFont,
     kBlack,
     kFace,
     Alignment::Centre,
     Fit::Fixed,
     {},
     0},
    {C::cmdCancel,
     K::Button,
     {1920, 1695, 1095, 375},
     "Abbrechen",
     kFont,
     kBlack,
     kFace,
     Alignment::Centre,
     Fit::Fixed,
     {},
     1},
    {C::Label1, K::Label, {2880, 1200, 855, 255}, "Sekunden", kFont, kBlack, kTransparent},
    {C::Txt_WarnTonSek,
     K::TextBox,
     {2400, 1150, 400, 285},
     "",
     kFont,
     kBlack,
     RGB(255, 255, 255),
     Alignment::Left,
     Fit::Fixed,
     {},
     5},
    {C::Check_Warnton,
     K::CheckBox,
     {120, 1080, 2415, 495},
     "Warnton, wenn Restzeit  =",
     kFont,
     kBlack,
     kBack,
     Alignment::Left,
     Fit::Fixed,
     {},
     4},
    {C::Check_synconstart,
     K::CheckBox,
     {120, 600, 3615, 495},
     "bei jedem Programmstart Uhr synchronisieren",
     kFont,
     kBlack,
     kBack,
     Alignment::Left,
     Fit::Fixed,
     {},
     3},
    {C::Check_msgonsync,
     K::CheckBox,
     {120, 120, 3615, 495},
     "nach Uhrzeitsynchronisation Meldung zeigen",
     kFont,
     kBlack,
     kBack,
     Alignment::Left,
     Fit::Fixed,
     {},
     2},
};

constexpr WindowDesign<OptionsControl> kOptions{
    " Zeitfang Optionen", Border::FixedDialog, {3780, 2295}, kBack, kFont, kControls};

} // namespace

const WindowDesign<OptionsControl>& optionsDesign() {
    return kOptions;
}
