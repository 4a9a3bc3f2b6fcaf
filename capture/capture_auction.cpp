#include "capture/capture_auction.h"

#include "app/form1.h"
#include "capture/logic/title_scan.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

namespace {

const std::string NoAuctionHint =
    "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser und\r\n"
    "klicken Sie auf\r\n'Artikel übernehmen'";

void showHint(Form1& form) {
    form.view.setCaption(Control::Lbl_NoAuction, NoAuctionHint);
    form.centreOnShape2(Control::Lbl_NoAuction);
    form.view.setControlVisible(Control::Lbl_NoAuction, true);
    form.view.setControlVisible(Control::LabelZeit, false);
}

void applyNoItemState(Form1& form) {
    form.shared.AuctionEnd = DateTime{};
    form.setCaption(" Zeitfang " + std::to_string(ZEITFANG_VERSION_MAJOR) + "." +
                    std::to_string(ZEITFANG_VERSION_MINOR) + "." +
                    std::to_string(ZEITFANG_VERSION_REVISION));
    form.view.setCaption(Control::Label1, "Kein Artikel gewählt.");
    showHint(form);
    form.Update_Label();
    form.setTimerEnabled(false);
}

void takeOver(Form1& form, const std::u32string& title) {
    const TitleTakeOver t = takeOverTitle(title);
    form.shared.ItemTitle = encodeUtf8(t.itemTitle);
    form.shared.ItemNumber = encodeUtf8(t.itemNumber);
    form.view.setControlVisible(Control::Lbl_NoAuction, false);
    form.view.setControlVisible(Control::Lbl_GoItem, true);
    form.setCaption(form.shared.ItemTitle + " Zeitfang");
    if (!t.end) {
        // The title looked like an auction but its end is unreadable: say so, keep the item
        // (its link works) and wait for the user to take it over again.
        form.view.setCaption(Control::Label1, "Auktionsende nicht lesbar.");
        showHint(form);
        return;
    }
    form.shared.AuctionEnd = *t.end;
    form.view.setCaption(Control::Label1, "endet am " + formatGeneralDateTime(*t.end));
    form.view.setControlVisible(Control::LabelZeit, true);
    form.setTimerEnabled(true);
}

} // namespace

void CaptureAuction(Form1& form) {
    form.shared.InstanceCount = 0;
    applyNoItemState(form);
    const ScanResult result = scanWindows(form.platform.windows.topLevelWindows(),
                                          form.view.handle(), form.shared.WindowStyleMask);
    form.shared.InstanceCount = result.instanceCount;
    if (result.accepted)
        takeOver(form, *result.accepted);
}
