#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"

namespace {

// What the dialog draws, not the colour it was given: the check boxes on the dialog's colour
// over their whole rectangle, the buttons with a flat face.
TEST_F(Form1Test, OptionsDrawTheirControlsInTheirColours) {
    frmOptions dialog(*form);
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    const auto pixel = [&](const QWidget* w, double x, double y) {
        const QPoint p = w->mapTo(&dialog, QPoint(static_cast<int>(x * (w->width() - 1)),
                                                  static_cast<int>(y * (w->height() - 1))));
        return QColor(shot.pixel(p * shot.devicePixelRatio())).name().toStdString();
    };
    // The corners of each check box (its text and the seconds' box cover other parts); points
    // of each face above and below the text.
    const std::pair<double, double> inBox[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    const std::pair<double, double> onFace[] = {{0.25, 0.2}, {0.5, 0.2}, {0.5, 0.8}, {0.75, 0.8}};
    for (const QCheckBox* box :
         {dialog.Check_msgonsync, dialog.Check_synconstart, dialog.Check_Warnton})
        for (const auto& [x, y] : inBox)
            EXPECT_EQ(pixel(box, x, y), "#ffffef") << box->text().toStdString() << " " << x << y;
    for (const QPushButton* button : {dialog.cmdOK, dialog.cmdCancel})
        for (const auto& [x, y] : onFace)
            EXPECT_EQ(pixel(button, x, y), "#e0e0e0")
                << button->text().toStdString() << " " << x << "," << y;
}

} // namespace
