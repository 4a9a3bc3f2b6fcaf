#include "capture/capture_auction.h"

#include "app/form1.h"
#include "capture/logic/title_scan.h"
#include "platform/logic/german_format.h"

namespace {

const QString NoAuctionHint = QStringLiteral(
    "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser und\r\n"
    "klicken Sie auf\r\n'Artikel übernehmen'");

QString toQString(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

void showHint(Form1& form) {
    form.Lbl_NoAuction->setCaption(NoAuctionHint);
    form.centreOnShape2(form.Lbl_NoAuction);
    form.Lbl_NoAuction->setVisible(true);
    form.LabelZeit->setVisible(false);
}

void applyNoItemState(Form1& form) {
    form.shared.AuctionEnd = DateTime{};
    form.setCaption(QStringLiteral(" Zeitfang %1.%2.%3")
                        .arg(ZEITFANG_VERSION_MAJOR)
                        .arg(ZEITFANG_VERSION_MINOR)
                        .arg(ZEITFANG_VERSION_REVISION));
    form.Label1->setCaption(QStringLiteral("Kein Artikel gewählt."));
    showHint(form);
    form.Update_Label();
    form.Timer1->setEnabled(false);
}

void takeOver(Form1& form, const std::u32string& title) {
    const TitleTakeOver t = takeOverTitle(title);
    form.shared.ItemTitle = toQString(t.itemTitle);
    form.shared.ItemNumber = toQString(t.itemNumber);
    form.Lbl_NoAuction->setVisible(false);
    form.Lbl_GoItem->setVisible(true);
    form.setCaption(form.shared.ItemTitle + QStringLiteral(" Zeitfang"));
    if (!t.end) {
        // The title looked like an auction but its end is unreadable: say so, keep the item
        // (its link works) and wait for the user to take it over again.
        form.Label1->setCaption(QStringLiteral("Auktionsende nicht lesbar."));
        showHint(form);
        return;
    }
    form.shared.AuctionEnd = *t.end;
    form.Label1->setCaption(QStringLiteral("endet am ") +
                            QString::fromStdString(formatGeneralDateTime(*t.end)));
    form.LabelZeit->setVisible(true);
    form.Timer1->setEnabled(true);
}

} // namespace

void CaptureAuction(Form1& form) {
    form.shared.InstanceCount = 0;
    applyNoItemState(form);
    const ScanResult result = scanWindows(form.platform.windows.topLevelWindows(), form.handle(),
                                          form.shared.WindowStyleMask);
    form.shared.InstanceCount = result.instanceCount;
    if (result.accepted)
        takeOver(form, *result.accepted);
}
