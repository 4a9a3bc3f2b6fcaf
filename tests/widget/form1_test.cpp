#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <memory>

#include "fakes/fake_platform.h"
#include "options/frm_options.h"
#include "shared/form1_design.h"
#include "shared/form1_model.h"
#include "shared/options_design.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/qt_form1_window.h"
#include "shell/qt/qt_options_window.h"

namespace {

// Each caption of a fixed size fits the part of its design box that nothing in front of it
// covers, in the font it is drawn in (a check box's beside its indicator), a wrapping one in as
// many lines as its text has. Labels that size themselves to their text are left aside.
template <class Id, class WidgetOf>
void expectCaptionsFit(const WindowDesign<Id>& design, WidgetOf widgetOf) {
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const ControlDesign<Id>& c = design.controls[i];
        if (c.caption.empty() || c.fit == Fit::Grow || c.fit == Fit::KeepCentre)
            continue;
        double room = c.rect.width;
        for (const ControlDesign<Id>& front : design.controls.first(i)) // front to back
            if (!widgetOf(front.id)->isHidden() && front.rect.left > c.rect.left &&
                front.rect.top < c.rect.top + c.rect.height &&
                c.rect.top < front.rect.top + front.rect.height)
                room = std::min(room, front.rect.left - c.rect.left);
        const QWidget* w = widgetOf(c.id);
        const QString text = w->property("text").toString();
        EXPECT_FALSE(text.trimmed().isEmpty()) << c.caption;
        const QFontMetricsF m(w->font());
        const int wrap = c.fit == Fit::WrapToWidth ? Qt::TextWordWrap : 0;
        const QRectF laid = m.boundingRect(QRectF(0, 0, room / 15, 1e4), wrap, text);
        const QStyle* s = w->style();
        const int indicator = c.kind != ControlKind::CheckBox
                                  ? 0
                                  : s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                                        s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        EXPECT_LE(indicator + laid.width(), room / 15) << c.caption;
        EXPECT_LE(std::lround(laid.height() / m.lineSpacing()), text.count('\n') + 1) << c.caption;
        EXPECT_LE(m.height(), c.rect.height / 15) << c.caption;
    }
}

class Form1Test : public ::testing::Test {
  protected:
    FakePlatform fake;
    SharedState shared;
    std::unique_ptr<QtForm1Window> form = std::make_unique<QtForm1Window>(fake.platform, shared);
    QtLabel* label(Control c) { return form->label(c); }
    std::string stored(std::string key) { return fake.store.values["Orvikwerk/Kairola/" + key]; }
};

TEST_F(Form1Test, DesignLayoutColoursAndFonts) {
    using C = Control;
    // In the order of Control: the design's twips / 15, rounded.
    const QRect rects[] = {{152, 48, 121, 129}, {8, 48, 137, 129}, {8, 8, 265, 33},
                           {27, 16, 221, 17},   {24, 48, 56, 13},  {64, 104, 33, 33},
                           {13, 64, 123, 96},   {182, 64, 85, 15}, {156, 91, 111, 15},
                           {160, 144, 107, 15}, {178, 117, 89, 15}};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(form->widget(static_cast<C>(i))->geometry(), rects[i]) << i;
    EXPECT_EQ(form->size(), QSize(280, 183));
    const QObjectList& children = form->children(); // front to back
    const C order[] = {C::Lbl_GetTime, C::LabelZeit,     C::Lbl_GetArtikel, C::Lbl_Optionen,
                       C::Lbl_GoItem,  C::Label2,        C::Label1,         C::Shape1,
                       C::Shape3,      C::Lbl_NoAuction, C::Shape2};
    EXPECT_TRUE(std::ranges::is_sorted(order, std::ranges::greater{},
                                       [&](C c) { return children.indexOf(form->widget(c)); }));
    EXPECT_EQ(std::tuple(label(C::Label2)->foreColor(), label(C::LabelZeit)->foreColor(),
                         label(C::Lbl_NoAuction)->foreColor()),
              std::tuple(QColor(247, 255, 244), QColor(255, 0, 0), QColor(0, 0, 0)));
    EXPECT_EQ(
        std::pair(label(C::Label1)->font().pointSizeF(), label(C::Lbl_GoItem)->font().pointSizeF()),
        std::pair(11.25, 9.0));
    for (C c : {C::Lbl_GetTime, C::Lbl_GetArtikel, C::Lbl_Optionen, C::Lbl_GoItem}) {
        EXPECT_EQ(label(c)->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(label(c)->hasMouseTracking()); // hovering turns it red
        EXPECT_EQ(label(c)->foreColor(), QColor(0, 0, 255));
    }
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

    form->form1.Form1init();
    const QImage shown = form->grab().toImage();
    for (const auto& [x, y, colour] : {std::tuple{2, 2, QColor(235, 235, 235)},
                                       {270, 170, QColor(244, 255, 247)},
                                       {9, 170, QColor(255, 255, 232)},
                                       {270, 10, QColor(255, 244, 244)}})
        EXPECT_EQ(shown.pixelColor(x, y), colour) << x << "," << y;
    // The hint as laid out in its font: six lines of 18 pixels, centred on Shape2.
    EXPECT_EQ(form->widget(C::Lbl_NoAuction)->geometry(), QRect(13, 59, 123, 108));
    // The countdown grows from its horizontal centre, fitted to the text as drawn.
    Form1Model display(*form);
    for (const char* text : {"5", "59 Sek\r\n12 Std"}) {
        display.setCaption(C::LabelZeit, text);
        const QWidget* zeit = form->widget(C::LabelZeit);
        EXPECT_NEAR(zeit->x() + zeit->width() / 2.0, (960 + 495 / 2.0) / 15, 1) << text;
        EXPECT_EQ(zeit->size(), label(C::LabelZeit)->sizeHint()) << text;
    }
    // A click on a command reaches the engine: "Artikel übernehmen" takes the auction.
    fake.recorder.windows = {{7, kStyleVisible | kStyleBorder,
                              U"eBay Angebot 1234567890 (endet 05.08.03 18:42:07 MESZ) - Vase"}};
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label(C::Lbl_GetArtikel), &release);
    EXPECT_EQ(form->windowTitle(), "Vase Zeitfang");
    form->form1.mouseMove(C::Lbl_GetTime);
    EXPECT_EQ(
        std::pair(label(C::Lbl_GetTime)->foreColor(), label(C::Lbl_GetTime)->font().underline()),
        std::pair(QColor(255, 0, 0), true));
    const QImage icon = appIcon().pixmap(32).toImage(); // its own: the crown and the face
    EXPECT_EQ(std::pair(icon.pixelColor(16, 2), icon.pixelColor(10, 24)),
              std::pair(QColor(60, 60, 70), QColor(255, 255, 232)));
}

TEST_F(Form1Test, OptionsDialogLayoutFocusAndGreyedBoxes) {
    shared.AppSettings = {1, 0, 2, -7};
    QCursor::setPos(400, 300);
    QtOptionsWindow dialog(*form);
    frmOptions options(dialog, shared.AppSettings, fake.platform.settings);
    using O = OptionsControl;
    // Looked at while it is shown modally; Enter answers OK and closes it.
    QTimer::singleShot(0, &dialog, [&] {
        const auto box = [&](O c) { return dialog.checkBox(c); };
        QLineEdit* const Txt_WarnTonSek = dialog.Txt_WarnTonSek();
        EXPECT_EQ(QRect(dialog.pos(), dialog.size()),
                  QRect(400 - 500 / 15, 300 - 1800 / 15, 3780 / 15, 2295 / 15));
        const QRect rects[] = {{47, 113, 73, 25}, {128, 113, 73, 25}, {8, 8, 241, 33},
                               {8, 40, 241, 33},  {8, 72, 161, 33},   {160, 77, 27, 19},
                               {192, 80, 57, 17}};
        for (int i = 0; i < 7; ++i) // in the order of OptionsControl
            EXPECT_EQ(dialog.widget(static_cast<O>(i))->geometry(), rects[i]) << i;
        // What is drawn, not the colour given: the check boxes on the dialog's colour at their
        // corners (clear of text and seconds' box), the buttons with a flat face above and below
        // their text.
        const QImage shot = dialog.grab().toImage();
        const auto expect = [&](const QWidget* w, const char* colour, std::vector<QPointF> at) {
            for (const QPointF& f : at) {
                const QPoint p(static_cast<int>(f.x() * (w->width() - 1)),
                               static_cast<int>(f.y() * (w->height() - 1)));
                const QColor drawn = shot.pixel(w->mapTo(&dialog, p) * shot.devicePixelRatio());
                EXPECT_EQ(drawn.name().toStdString(), colour) << "at " << p.x() << "," << p.y();
            }
        };
        for (O c : {O::Check_msgonsync, O::Check_synconstart, O::Check_Warnton})
            expect(box(c), "#ffffef", {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
        for (O c : {O::cmdOK, O::cmdCancel})
            expect(dialog.widget(c), "#e0e0e0", {{0.25, 0.2}, {0.5, 0.2}, {0.5, 0.8}, {0.75, 0.8}});
        dialog.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), dialog.widget(O::cmdOK));
        for (O next : {O::cmdCancel, O::Check_msgonsync, O::Check_synconstart, O::Check_Warnton,
                       O::Txt_WarnTonSek, O::cmdOK}) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(dialog.focusWidget(), &tab);
            EXPECT_EQ(dialog.focusWidget(), dialog.widget(next)) << int(next);
        }
        EXPECT_EQ(std::tuple(box(O::Check_msgonsync)->checkState(),
                             box(O::Check_synconstart)->checkState(),
                             box(O::Check_Warnton)->checkState(), Txt_WarnTonSek->text()),
                  std::tuple(Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked, QString("-7")));
        box(O::Check_Warnton)->click(); // a greyed box ticked is an ordinary one: stored as 1 below
        Txt_WarnTonSek->setText(" 2,5 ");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(Txt_WarnTonSek, &enter);
        if (dialog.isVisible())
            dialog.done(0);
    });
    options.show();
    EXPECT_FALSE(dialog.isVisible()); // Enter answers OK
    EXPECT_EQ(std::pair(stored("warnton"), stored("warntonsek")),
              std::pair(std::string("1"), std::string("2")));
}

TEST_F(Form1Test, EveryFixedCaptionFitsItsDesignBox) {
    QtOptionsWindow dialog(*form);
    frmOptions options(dialog, shared.AppSettings, fake.platform.settings);
    expectCaptionsFit(optionsDesign(), [&](OptionsControl c) { return dialog.widget(c); });
    form->form1.Form1init(); // no auction: the hint
    expectCaptionsFit(form1Design(), [&](Control c) { return form->widget(c); });
}

TEST_F(Form1Test, PlacementOfTheRealWindowInTwips) {
    for (const auto& [state, number] : {std::pair{Qt::WindowMinimized, "1"},
                                        {Qt::WindowMaximized, "2"},
                                        {Qt::WindowNoState, "0"}}) {
        form = std::make_unique<QtForm1Window>(fake.platform, shared);
        form->show();
        form->normalGeometry->place(QRect(100, 80, 300, 200));
        form->setWindowState(state);
        form->close();
        EXPECT_EQ((std::vector{stored("Left"), stored("Top"), stored("Width"), stored("Height"),
                               stored("WindowState")}),
                  (std::vector<std::string>{"1500", "1200", "4500", "3000", number}));
        form = std::make_unique<QtForm1Window>(fake.platform, shared);
        fake.recorder.windows = {{7, kStyleVisible | kStyleBorder, U"Zeitfang 1.4.17"}};
        form->form1.Form1init();
        EXPECT_EQ(form->normalGeometry->rect(), QRect(120, 100, 300, 200));
        EXPECT_EQ(form->windowState(), state);
    }
}

} // namespace
