#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"
#include "tests/widget/modal_catcher.h"

namespace {

class OptionsTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        fake.store.writes.clear();
        shared.AppSettings = {1, 0, 1, 60};
        for (const auto& [key, text] : {std::pair{"msgonsync", "1"},
                                        {"synconstart", "0"},
                                        {"warnton", "1"},
                                        {"warntonsek", "60"}})
            fake.store.values[MemoryStore::path(key)] = text;
    }
    QString stored(const char* key) const {
        return fake.store.values.value(MemoryStore::path(key));
    }
    // Opens a dialog, flips every check box and enters `seconds`.
    std::unique_ptr<frmOptions> openAndEdit(const QString& seconds) {
        auto dialog = std::make_unique<frmOptions>(*form);
        dialog->show();
        for (QCheckBox* box :
             {dialog->Check_msgonsync, dialog->Check_synconstart, dialog->Check_Warnton})
            box->setChecked(!box->isChecked());
        dialog->Txt_WarnTonSek->setText(seconds);
        return dialog;
    }
    void expectFlippedFlags() const {
        const AppSettingsRecord& s = shared.AppSettings;
        EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton), std::tuple(0, 1, 0));
    }
};

TEST_F(OptionsTest, RefusedSecondsShowTheMessageAndWriteNothing) {
    for (const char* text : {"0", "-5", "abc", "", "40000", "32767,5", "-0,4", "1,5 s"}) {
        SetUp();
        MessageCatcher messages;
        auto dialog = openAndEdit(QString::fromUtf8(text));
        dialog->cmdOK_Click();
        ASSERT_EQ(messages.seen.size(), 1u) << '"' << text << '"';
        const SeenMessage& m = messages.seen.front();
        EXPECT_EQ(std::tuple(m.text, m.title, m.icon, m.buttons),
                  std::tuple("Es sind nur Zahlen grösser 0 zulässig!", "Zeitfang",
                             QMessageBox::Information,
                             QMessageBox::StandardButtons(QMessageBox::Ok)));
        EXPECT_TRUE(dialog->isVisible()) << text;
        EXPECT_EQ(dialog->Txt_WarnTonSek->text(), QString::fromUtf8(text));
        EXPECT_TRUE(fake.store.writes.isEmpty()) << text;
        expectFlippedFlags();
        EXPECT_EQ(shared.AppSettings.warntonsek, 60) << text;
    }
}

TEST_F(OptionsTest, AcceptedSecondsAreRoundedAndTheFourKeysWrittenInOrder) {
    const std::pair<const char*, std::int16_t> cases[] = {
        {" 12 ", 12}, {"2,5", 2}, {"3,5", 4}, {"0,4", 0}, {"1.000", 1000}, {"32767,4", 32767},
    };
    for (const auto& [text, expected] : cases) {
        SetUp();
        MessageCatcher messages;
        auto dialog = openAndEdit(text);
        dialog->cmdOK_Click();
        EXPECT_TRUE(messages.seen.empty()) << text;
        EXPECT_FALSE(dialog->isVisible()) << text;
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(shared.AppSettings.warntonsek, expected) << text;
        expectFlippedFlags();
        EXPECT_EQ(fake.store.writes,
                  QStringList({"msgonsync", "synconstart", "warnton", "warntonsek"}));
        EXPECT_EQ(QStringList({stored("msgonsync"), stored("synconstart"), stored("warnton"),
                               stored("warntonsek")}),
                  QStringList({"0", "1", "0", QString::number(expected)}))
            << text;
    }
}

TEST_F(OptionsTest, CancelAfterARefusedOkKeepsTheNewFlagsInMemoryOnly) {
    {
        MessageCatcher messages;
        auto dialog = openAndEdit("abc");
        dialog->cmdOK_Click();
        dialog->cmdCancel_Click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    }
    expectFlippedFlags();
    EXPECT_TRUE(fake.store.writes.isEmpty());
    EXPECT_EQ(stored("msgonsync"), "1");
    // The next opening starts from the record, not from the store.
    frmOptions again(*form);
    EXPECT_FALSE(again.Check_msgonsync->isChecked());
    EXPECT_TRUE(again.Check_synconstart->isChecked());
    EXPECT_FALSE(again.Check_Warnton->isChecked());
    EXPECT_EQ(again.Txt_WarnTonSek->text(), "60");
}

TEST_F(OptionsTest, HandEditedFlagsShowGreyAndStayUnlessChanged) {
    shared.AppSettings = {2, -1, 1, 60};
    frmOptions dialog(*form);
    EXPECT_EQ(dialog.Check_msgonsync->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(dialog.Check_synconstart->checkState(), Qt::PartiallyChecked);
    dialog.Check_synconstart->click();
    dialog.Check_synconstart->click();
    dialog.cmdOK_Click();
    EXPECT_EQ(stored("msgonsync"), "2");
    EXPECT_EQ(stored("synconstart"), "0"); // greyed, ticked, cleared
    EXPECT_EQ(stored("warnton"), "1");
}

TEST_F(OptionsTest, EnterAnswersOkAndEscAbbrechen) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
        SetUp();
        auto dialog = openAndEdit("7");
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog->Txt_WarnTonSek, &press);
        EXPECT_FALSE(dialog->isVisible()) << key;
        EXPECT_EQ(fake.store.writes.size(), key == Qt::Key_Return ? 4 : 0) << key;
        EXPECT_EQ(shared.AppSettings.warntonsek, key == Qt::Key_Return ? 7 : 60) << key;
    }
}

TEST_F(OptionsTest, LayoutFocusAndPlacementAtThePointer) {
    shared.AppSettings = {0, 1, 1, -12};
    QCursor::setPos(600, 500);
    frmOptions dialog(*form);
    EXPECT_EQ(dialog.windowTitle(), " Zeitfang Optionen");
    EXPECT_EQ(dialog.size(), QSize(252, 153));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 239));
    // 600 * 15 - 500 and 500 * 15 - 1800 twips.
    EXPECT_EQ(dialog.pos(), QPoint(567, 380));
    struct Rect {
        QWidget* control;
        QString text;
        int left, top, width, height;
    };
    const Rect rects[] = {
        {dialog.Check_msgonsync, "nach Uhrzeitsynchronisation Meldung zeigen", 120, 120, 3615, 495},
        {dialog.Check_synconstart, "bei jedem Programmstart Uhr synchronisieren", 120, 600, 3615,
         495},
        {dialog.Check_Warnton, "Warnton, wenn Restzeit  =", 120, 1080, 2415, 495},
        {dialog.Txt_WarnTonSek, "-12", 2400, 1150, 400, 285},
        {dialog.Label1, "Sekunden", 2880, 1200, 855, 255},
        {dialog.cmdOK, "OK", 705, 1695, 1095, 375},
        {dialog.cmdCancel, "Abbrechen", 1920, 1695, 1095, 375},
    };
    for (const Rect& r : rects) {
        const QRect g = r.control->geometry();
        const int error =
            std::max({std::abs(g.x() * 15 - r.left), std::abs(g.y() * 15 - r.top),
                      std::abs(g.width() * 15 - r.width), std::abs(g.height() * 15 - r.height)});
        EXPECT_LE(error, 15) << r.text.toStdString();
        EXPECT_EQ(r.control->property("text").toString(), r.text);
    }
    EXPECT_FALSE(dialog.Check_msgonsync->isChecked());
    EXPECT_TRUE(dialog.Check_synconstart->isChecked());
    EXPECT_EQ(dialog.Check_Warnton->palette().color(QPalette::Window), QColor(255, 255, 239));
    EXPECT_EQ(dialog.cmdOK->palette().color(QPalette::Button), QColor(224, 224, 224));

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.cmdOK);
    const QWidget* order[] = {dialog.cmdCancel,         dialog.Check_msgonsync,
                              dialog.Check_synconstart, dialog.Check_Warnton,
                              dialog.Txt_WarnTonSek,    dialog.cmdOK};
    for (const QWidget* expected : order) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.focusWidget(), &tab);
        EXPECT_EQ(dialog.focusWidget(), expected)
            << expected->property("text").toString().toStdString();
    }
}

} // namespace
