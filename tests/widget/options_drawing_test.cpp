#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"

namespace {

// What the dialog draws, not the colour it was given: the check boxes on the dialog's colour
// (at their corners, clear of the text and the seconds' box), the buttons with a flat face
// (above and below their text).
TEST_F(Form1Test, OptionsDrawTheirControlsInTheirColours) {
    frmOptions dialog(*form);
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    const auto expect = [&](const QWidget* w, const char* colour, std::vector<QPointF> at) {
        for (const QPointF& f : at) {
            const QPoint p(static_cast<int>(f.x() * (w->width() - 1)),
                           static_cast<int>(f.y() * (w->height() - 1)));
            const QColor drawn = shot.pixel(w->mapTo(&dialog, p) * shot.devicePixelRatio());
            EXPECT_EQ(drawn.name().toStdString(), colour) << "at " << p.x() << "," << p.y();
        }
    };
    for (const QWidget* box :
         {dialog.Check_msgonsync, dialog.Check_synconstart, dialog.Check_Warnton})
        expect(box, "#ffffef", {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    for (const QWidget* button : {dialog.cmdOK, dialog.cmdCancel})
        expect(button, "#e0e0e0", {{0.25, 0.2}, {0.5, 0.2}, {0.5, 0.8}, {0.75, 0.8}});
}

} // namespace
