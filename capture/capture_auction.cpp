#include "capture/capture_auction.h"

#include "base/german_format.h"
#include "base/utf.h"
#include "capture/title_scan.h"
#include "platform/window_list.h"
#include "shared/form1_model.h"
#include "shared/shared_state.h"
#include "shared/version.h"

namespace {

const std::string kNoAuctionHint =
    "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser und\r\n"
    "klicken Sie auf\r\n'Artikel übernehmen'";

void showHint(Form1Model& display) {
    display.setCaption(Control::Lbl_NoAuction, kNoAuctionHint);
    display.centreOnShape2(Control::Lbl_NoAuction);
    display.setVisible(Control::Lbl_NoAuction, true);
    display.setVisible(Control::LabelZeit, false);
}

void applyNoItemState(Form1Model& display, SharedState& shared,
                      const std::function<void()>& updateLabel) {
    shared.AuctionEnd = DateTime{};
    display.setCaption(versionCaption(VersionDetail::WithRevision));
    display.setCaption(Control::Label1, "Kein Artikel gewählt.");
    showHint(display);
    updateLabel();
    display.setTimerEnabled(false);
}

void takeOver(Form1Model& display, SharedState& shared, const std::u32string& title) {
    const TitleTakeOver t = takeOverTitle(title);
    shared.ItemTitle = encodeUtf8(t.itemTitle);
    shared.ItemNumber = encodeUtf8(t.itemNumber);
    display.setVisible(Control::Lbl_NoAuction, false);
    display.setVisible(Control::Lbl_GoItem, true);
    display.setCaption(shared.ItemTitle + " Zeitfang");
    if (!t.end) {
        // The title looked like an auction but its end is unreadable: say so, keep the item
        // (its link works) and wait for the user to take it over again.
        display.setCaption(Control::Label1, "Auktionsende nicht lesbar.");
        showHint(display);
        return;
    }
    shared.AuctionEnd = *t.end;
    display.setCaption(Control::Label1, "endet am " + formatGeneralDateTime(*t.end));
    display.setVisible(Control::LabelZeit, true);
    display.setTimerEnabled(true);
}

} // namespace

void CaptureAuction(WindowList& windows, Form1Model& display, SharedState& shared,
                    const std::function<void()>& updateLabel) {
    applyNoItemState(display, shared, updateLabel);
    ScanResult result;
    windows.examineTopLevelWindows([&](const DesktopWindow& w) {
        return scanWindow(result, w, display.handle(), shared.WindowStyleMask);
    });
    shared.InstanceCount = result.instanceCount;
    if (result.accepted)
        takeOver(display, shared, *result.accepted);
}
