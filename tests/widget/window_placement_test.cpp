#include "app/window_placement.h"
#include "tests/widget/form1_fixture.h"

namespace {

class PlacementTest : public Form1Test {
  protected:
    void fresh() {
        fake.store.values.clear();
        fake.store.writes.clear();
        fake.windows.windows.clear();
        shared = SharedState{};
        SetUp();
    }
    void store(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, text] : values)
            fake.store.values[MemoryStore::path(key)] = text;
    }
    QStringList saved() const {
        QStringList texts;
        for (const char* key : {"Left", "Top", "Width", "Height", "WindowState"})
            texts << fake.store.values.value(MemoryStore::path(key), "-");
        return texts;
    }
};

TEST_F(PlacementTest, CloseWritesTheNormalRectangleInTwipsAndTheState) {
    struct Row {
        Qt::WindowState state;
        const char* number;
    };
    for (const Row row : {Row{Qt::WindowNoState, "0"}, Row{Qt::WindowMinimized, "1"},
                          Row{Qt::WindowMaximized, "2"}}) {
        fresh();
        form->show();
        form->normalGeometry->place(QRect(100, 80, 300, 200));
        form->setWindowState(row.state);
        form->close();
        EXPECT_EQ(saved(), QStringList({"1500", "1200", "4500", "3000", row.number}));
        EXPECT_EQ(fake.store.writes,
                  QStringList({"Left", "Top", "Width", "Height", "WindowState"}));
    }
}

TEST_F(PlacementTest, MovesWhileNormalAreTracked) {
    const auto twips = [](QPoint p) {
        return QStringList({QString::number(p.x() * 15), QString::number(p.y() * 15)});
    };
    form->show();
    form->move(40, 50);
    const QPoint normal = form->geometry().topLeft();
    // Some window managers move a minimised window out of sight.
    form->setWindowState(Qt::WindowMinimized);
    form->move(0, 0);
    ASSERT_NE(form->geometry().topLeft(), normal);
    form->Form_Unload();
    EXPECT_EQ(saved().mid(0, 2), twips(normal));
    form->setWindowState(Qt::WindowNoState);
    form->move(70, 90);
    form->setWindowState(Qt::WindowMaximized);
    form->Form_Unload();
    EXPECT_EQ(saved().mid(0, 2), twips(form->geometry().topLeft()));
    EXPECT_NE(form->geometry().topLeft(), normal);
}

TEST_F(PlacementTest, RestoreMovesShiftsPerCopyAndSetsTheState) {
    const QRect designed = form->geometry();
    struct Row {
        int copies;
        const char *left, *width, *state;
        QRect expected;
        Qt::WindowStates expectedState;
    };
    const Row rows[] = {
        {0, "1500", "4200", "0", QRect(100, 80, 280, 183), Qt::WindowNoState},
        {2, "1500", "4200", "1", QRect(140, 120, 280, 183), Qt::WindowMinimized},
        {1, "1234,5", "4500", "2", QRect(102, 100, 300, 183), Qt::WindowMaximized},
        {1, "-1500", "4200", "7", QRect(-80, 100, 280, 183), Qt::WindowNoState},
        {0, "1500", "0", "1", designed, Qt::WindowMinimized},
        {0, "1500", "breit", "x", designed, Qt::WindowNoState},
    };
    for (const Row& row : rows) {
        fresh();
        store({{"Left", row.left},
               {"Top", "1200"},
               {"Width", row.width},
               {"Height", "2745"},
               {"WindowState", row.state}});
        for (int i = 0; i < row.copies; ++i)
            addWindow("Zeitfang 1.4.17");
        form->Form1init();
        EXPECT_EQ(form->normalGeometry->rect(), row.expected) << row.left << ' ' << row.width;
        EXPECT_EQ(form->windowState(), row.expectedState) << row.state;
        EXPECT_TRUE(fake.store.writes.isEmpty());
    }
}

} // namespace
