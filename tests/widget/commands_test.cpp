#include <QMouseEvent>
#include <QUrlQuery>
#include <QWindow>

#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"
#include "tests/widget/modal_catcher.h"

namespace {

class CommandsTest : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        form->show();
    }
    // A movement delivered to the window as the window system delivers it, so the window picks
    // the control under the point itself.
    void moveOver(const QWidget* control, QPoint at = {2, 2}) {
        const QPointF local = control->mapTo(form.get(), at);
        QMouseEvent move(QEvent::MouseMove, local, form->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &move);
    }
    void click(QWidget* control) {
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(control, &e);
        }
    }
    static bool hovering(const VbLabel* label) {
        return label->foreColor() == QColor(255, 0, 0) && label->font().underline();
    }
    static bool normal(const VbLabel* label) {
        return label->foreColor() == QColor(0, 0, 255) && !label->font().underline();
    }
    std::vector<VbLabel*> commands() const {
        return {form->Lbl_GoItem, form->Lbl_GetTime, form->Lbl_Optionen, form->Lbl_GetArtikel};
    }
};

TEST_F(CommandsTest, HoverStaysUntilTheMouseMovesOverTheSurface) {
    shared.ItemNumber = "1234567890";
    for (VbLabel* label : commands()) {
        moveOver(label);
        EXPECT_TRUE(hovering(label)) << label->caption().toStdString();
    }
    // Other labels take the movement without resetting anything.
    for (const VbLabel* other : {form->Label1, form->LabelZeit})
        moveOver(other);
    for (VbLabel* label : commands())
        EXPECT_TRUE(hovering(label)) << label->caption().toStdString();
    // A box passes the movement to the window's surface.
    moveOver(form->Shape1, {form->Shape1->width() - 3, form->Shape1->height() - 3});
    for (VbLabel* label : commands())
        EXPECT_TRUE(normal(label)) << label->caption().toStdString();
    moveOver(form->Lbl_GetTime);
    moveOver(form.get(), {1, 1});
    EXPECT_TRUE(normal(form->Lbl_GetTime));
}

TEST_F(CommandsTest, LinkToTheItemNeedsAnItemNumber) {
    moveOver(form->Lbl_GoItem);
    click(form->Lbl_GoItem);
    EXPECT_TRUE(normal(form->Lbl_GoItem));
    EXPECT_TRUE(fake.shell.opened.empty());

    shared.ItemNumber = "1234567890";
    moveOver(form->Lbl_GoItem);
    click(form->Lbl_GoItem);
    EXPECT_TRUE(hovering(form->Lbl_GoItem));
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(
        fake.shell.opened[0].toEncoded(),
        QByteArray("http://" ZEITFANG_ITEM_HOST "/ws/eBayISAPI.dll?ViewItem&item=1234567890"));
}

TEST_F(CommandsTest, OddItemNumbersStayOneQueryValue) {
    for (const QString& item :
         {QString("12&x=3 #4"), QString("et \uFFFD\uFFFD - [*"), QString("%41+b")}) {
        fake.shell.opened.clear();
        shared.ItemNumber = item;
        form->Lbl_GoItem_Click();
        ASSERT_EQ(fake.shell.opened.size(), 1u);
        const QUrl& url = fake.shell.opened[0];
        EXPECT_TRUE(url.isValid());
        EXPECT_FALSE(url.hasFragment()) << item.toStdString();
        EXPECT_EQ(url.path(), "/ws/eBayISAPI.dll");
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItems(QUrl::FullyDecoded).size(), 2) << item.toStdString();
        EXPECT_EQ(query.queryItemValue("item", QUrl::FullyDecoded), item);
    }
}

TEST_F(CommandsTest, OptionsOpenModalOverTheWindowInTheNormalLook) {
    addAuction(30);
    form->Form1init();
    moveOver(form->Lbl_Optionen);
    ASSERT_TRUE(hovering(form->Lbl_Optionen));
    bool seenNormal = false;
    QWidget* owner = nullptr;
    QString countdownMeanwhile;
    int looks = 0;
    ModalCatcher catcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<frmOptions*>(modal);
        if (!dialog)
            return;
        seenNormal = normal(form->Lbl_Optionen);
        owner = dialog->parentWidget();
        // The main window's timer keeps ticking under the dialog; give up after many looks
        // rather than hang.
        at(20);
        countdownMeanwhile = form->LabelZeit->caption();
        if (countdownMeanwhile == "20" || ++looks > 2000)
            dialog->cmdCancel_Click();
    });
    click(form->Lbl_Optionen);
    EXPECT_TRUE(seenNormal);
    EXPECT_EQ(owner, form.get());
    EXPECT_EQ(countdownMeanwhile, "20");
    EXPECT_TRUE(fake.store.writes.isEmpty());
}

} // namespace
