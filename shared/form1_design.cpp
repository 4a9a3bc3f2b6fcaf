#include "shared/form1_design.h"

namespace {

using C = Control;
using K = ControlKind;
constexpr FontDesign kArial9{"Arial", 9};
constexpr FontDesign kWindowFont{"MS Sans Serif", 8.25};

// Front to back; a box lies behind the labels it carries. The commands take the focus from top
// to bottom.
constexpr ControlDesign<Control> kControls[] = {
    {C::Lbl_GetTime,
     K::CommandLabel,
     {2340, 1360, 1665, 225},
     "Uhr synchronisieren",
     kArial9,
     kCommandBlue,
     kTransparent,
     Alignment::Left,
     Fit::Grow,
     " Synchronisiert die Systemuhr mit dem eBayserver ",
     1},
    {C::LabelZeit,
     K::Label,
     {960, 1560, 495, 495},
     "34",
     {"Arial", 21.75},
     rgb(255, 0, 0),
     kTransparent,
     Alignment::Centre,
     Fit::KeepCentre},
    {C::Lbl_GetArtikel,
     K::CommandLabel,
     {2400, 2160, 1605, 225},
     "Artikel übernehmen",
     kArial9,
     kCommandBlue,
     kTransparent,
     Alignment::Left,
     Fit::Grow,
     " Übernimmt den Artikel aus dem Browser ",
     3},
    {C::Lbl_Optionen,
     K::CommandLabel,
     {2670, 1760, 1335, 225},
     "zu den Optionen",
     kArial9,
     kCommandBlue,
     kTransparent,
     Alignment::Left,
     Fit::Grow,
     " Öffnet das Optionsformular ",
     2},
    {C::Lbl_GoItem,
     K::CommandLabel,
     {2730, 960, 1275, 225},
     "Link zum Artikel",
     kArial9,
     kCommandBlue,
     kTransparent,
     Alignment::Left,
     Fit::Grow,
     " Öffnet die Artikelbeschreibung bei eBay ",
     0},
    // Pale green on the pale yellow box: nobody sees it.
    {.id = C::Label2,
     .kind = K::Label,
     .rect = {360, 720, 840, 195},
     .caption = "Label2gdfg ",
     .font = kWindowFont,
     .foreColour = rgb(247, 255, 244),
     .fit = Fit::Grow,
     .legible = false},
    {C::Label1,
     K::Label,
     {405, 240, 3315, 255},
     "keine Auktionsdaten weit und breit",
     {"Arial", 11.25},
     rgb(0, 0, 0),
     kTransparent,
     Alignment::Centre,
     Fit::KeepCentre},
    // The boxes are filled at start: pale green, pink and yellow.
    {.id = C::Shape1,
     .kind = K::Shape,
     .rect = {2280, 720, 1815, 1935},
     .fillAtStart = rgb(244, 255, 247)},
    {.id = C::Shape3,
     .kind = K::Shape,
     .rect = {120, 120, 3975, 495},
     .fillAtStart = rgb(255, 244, 244)},
    {C::Lbl_NoAuction,
     K::Label,
     {201, 960, 1845, 1440},
     "Öffnen Sie den Artikel, auf den Sie bieten möchten, in Ihrem Internet Explorer und "
     "klicken Sie auf 'Artikel übernehmen'",
     {"MS Sans Serif", 9.75},
     rgb(0, 0, 0),
     kTransparent,
     Alignment::Left,
     Fit::WrapToWidth},
    {.id = C::Shape2,
     .kind = K::Shape,
     .rect = {120, 720, 2055, 1935},
     .fillAtStart = rgb(255, 255, 232)},
};

constexpr WindowDesign<Control> kForm1{
    "", Border::FixedSingle, {4200, 2745}, rgb(235, 235, 235), kWindowFont, kControls};

static_assert(std::size(kControls) == kControlCount);

} // namespace

const WindowDesign<Control>& form1Design() {
    return kForm1;
}
