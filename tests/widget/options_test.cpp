#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/window_placement.h"
#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"
#include "tests/widget/modal_catcher.h"

namespace {

class OptionsTest : public Form1Test {
  protected:
    QStringList stored(std::initializer_list<const char*> keys) const {
        QStringList texts;
        for (const char* key : keys)
            texts << fake.store.values.value(MemoryStore::path(key), "-");
        return texts;
    }
};

TEST_F(OptionsTest, DialogShowsTheSettingsAndValidatesTheSeconds) {
    shared.AppSettings = {1, 0, 2, -7};
    QCursor::setPos(400, 300);
    frmOptions dialog(*form);
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(400 - 500 / 15, 300 - 1800 / 15));
    EXPECT_EQ(dialog.size(), QSize(3780 / 15, 2295 / 15));
    EXPECT_EQ(dialog.Check_msgonsync->geometry(), QRect(8, 8, 241, 33));
    EXPECT_EQ(dialog.Check_Warnton->geometry(), QRect(8, 72, 161, 33));
    EXPECT_EQ(dialog.Txt_WarnTonSek->geometry(), QRect(160, 77, 27, 19));
    EXPECT_EQ(dialog.cmdCancel->geometry(), QRect(128, 113, 73, 25));
    EXPECT_EQ(dialog.Check_Warnton->palette().color(QPalette::Window), QColor(255, 255, 239));
    EXPECT_EQ(dialog.cmdOK->palette().color(QPalette::Button), QColor(224, 224, 224));
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.cmdOK);
    for (QWidget* next :
         std::vector<QWidget*>{dialog.cmdCancel, dialog.Check_msgonsync, dialog.Check_synconstart,
                               dialog.Check_Warnton, dialog.Txt_WarnTonSek, dialog.cmdOK}) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.focusWidget(), &tab);
        EXPECT_EQ(dialog.focusWidget(), next);
    }
    EXPECT_EQ(dialog.Check_msgonsync->checkState(), Qt::Checked);
    EXPECT_EQ(dialog.Check_synconstart->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog.Check_Warnton->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(dialog.Txt_WarnTonSek->text(), "-7");

    MessageCatcher messages;
    dialog.Check_msgonsync->setChecked(false);
    dialog.Check_synconstart->setChecked(true);
    dialog.cmdOK_Click(); // -7 is refused, the boxes act all the same
    ASSERT_EQ(messages.seen.size(), 1u);
    const SeenMessage& m = messages.seen.front();
    EXPECT_EQ(
        std::tuple(m.text, m.title, m.icon),
        std::tuple("Es sind nur Zahlen grösser 0 zulässig!", "Zeitfang", QMessageBox::Information));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(fake.store.writes.isEmpty());
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(0, 1, 2, -7));
    dialog.Txt_WarnTonSek->setText(" 2,5 ");
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(fake.store.writes,
              QStringList({"msgonsync", "synconstart", "warnton", "warntonsek"}));
    EXPECT_EQ(stored({"msgonsync", "synconstart", "warnton", "warntonsek"}),
              QStringList({"0", "1", "2", "2"}));
}

TEST_F(OptionsTest, PlacementIsSavedInTwipsAndRestoredShifted) {
    for (const auto& [state, number] : {std::pair{Qt::WindowNoState, "0"},
                                        {Qt::WindowMinimized, "1"},
                                        {Qt::WindowMaximized, "2"}}) {
        SetUp();
        form->show();
        form->normalGeometry->place(QRect(100, 80, 300, 200));
        form->setWindowState(state);
        form->close();
        EXPECT_EQ(stored({"Left", "Top", "Width", "Height", "WindowState"}),
                  QStringList({"1500", "1200", "4500", "3000", number}));

        SetUp();
        fake.store.values = {{MemoryStore::path("Left"), "1500"},
                             {MemoryStore::path("Top"), "1200"},
                             {MemoryStore::path("Width"), "4500"},
                             {MemoryStore::path("Height"), "3000"},
                             {MemoryStore::path("WindowState"), number}};
        addWindow("Zeitfang 1.4.17");
        addWindow("Notizen - Zeitfang");
        form->Form1init();
        EXPECT_EQ(form->normalGeometry->rect(), QRect(140, 120, 300, 200));
        EXPECT_EQ(form->windowState(), state);
    }
    SetUp();
    fake.store.values = {{MemoryStore::path("Left"), "1500"}, {MemoryStore::path("Width"), "0"}};
    const QRect design = form->geometry();
    form->Form1init();
    EXPECT_EQ(form->geometry(), design);
}

} // namespace
