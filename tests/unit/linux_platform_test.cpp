#include <gtest/gtest.h>

#include "base/utf.h"
#include "platform/linux/modules/tone_samples.h"
#include "platform/wayland/compositor_windows.h"
#include "platform/wayland/gnome_extension_notice.h"

namespace {

// Replies as the KWin script and the GNOME extension send them, with \x1e and \x1f written
// as | and ~ for legibility.
std::string reply(std::string text) {
    for (char& c : text)
        c = c == '|' ? '\x1e' : c == '~' ? '\x1f' : c;
    return text;
}

std::vector<std::string> titles(const std::vector<DesktopWindow>& windows) {
    std::vector<std::string> out;
    for (const auto& w : windows)
        out.push_back(encodeUtf8(w.title) +
                      (w.style == (kStyleVisible | kStyleBorder) ? "" : " (-)"));
    return out;
}

TEST(CompositorWindows, RepliesGiveTheWindowsTopFirstWithoutTheOwn) {
    // name, reply, titles top first ("(-)": a window without the border bit)
    const std::tuple<const char*, const char*, std::vector<std::string>> cases[] = {
        {"stacking order decides, not list order",
         "zf1|10~1~n~chromium~Unten|11~7~n~firefox~Oben~rechts|12~3~n~konsole~Mitte|",
         {"Oben\x1frechts", "Mitte", "Unten"}},
        {"own pid left out, minimised kept with both bits",
         "zf1|42~9~n~zeitfang~ Zeitfang 1.4.17|10~2~mn~chromium~eBay (endet |",
         {"eBay (endet "}},
        {"panels and task-bar-skipped windows lose the border bit",
         "zf1|1~3~~plasmashell~Leiste|2~2~ns~x~Versteckt|3~1~n~x~Normal|",
         {"Leiste (-)", "Versteckt (-)", "Normal"}},
        {"equal orders keep the list order", "zf1|5~1~n~a~Erst|6~1~n~b~Dann|", {"Erst", "Dann"}},
    };
    for (const auto& [name, text, expected] : cases) {
        const auto parsed = parseWindowRecords(reply(text));
        ASSERT_TRUE(parsed.has_value()) << name;
        EXPECT_EQ(titles(toDesktopWindows(*parsed, OwnWindows{42, {}})), expected) << name;
    }
}

TEST(CompositorWindows, GarbageIsRefusedWhole) {
    for (const char* bad : {"", "zf2|1~1~n~a~b|", "zf1|1~1~n~a~b", "zf1|x~1~n~a~b|", "zf1|1~1~n~a|",
                            "zf1|1~NaN~n~a~b|"})
        EXPECT_FALSE(parseWindowRecords(reply(bad)).has_value()) << bad;
}

TEST(CompositorWindows, OwnWindowByAppIdWhereNoPidIsGiven) {
    const auto windows =
        parseWindowRecords(reply("zf1|0~1~n~zeitfang~A|0~2~n~x~Browser|0~3~n~Zeitfang~B|"));
    const auto shown = toDesktopWindows(windows.value(), OwnWindows{0, {"zeitfang", "Zeitfang"}});
    ASSERT_EQ(titles(shown), std::vector<std::string>{"Browser"});
    EXPECT_EQ(shown[0].handle & 0xE0000000u, 0x80000000u); // never an X window id
}

TEST(CompositorWindows, BackendFollowsTheSession) {
    const std::pair<SessionFacts, WindowBackend> cases[] = {
        {{false, "x11", "KDE", true, false, false}, WindowBackend::X11},
        {{true, "wayland", "KDE", true, true, false}, WindowBackend::KWin},
        {{true, "wayland", "GNOME", true, true, false}, WindowBackend::Gnome},
        {{false, "wayland", "", false, false, true}, WindowBackend::Wlroots},
        {{true, "wayland", "weston", false, false, false}, WindowBackend::X11},
    };
    for (const auto& [facts, expected] : cases)
        EXPECT_EQ(chooseBackend(facts), expected) << facts.currentDesktop;
}

TEST(CompositorWindows, GnomeNoticeSaysWhatHelpsAndOffersTheActionOnlyWhereItWorks) {
    // what the Shell and the disk say; action; what the text says
    const std::tuple<GnomeExtensionInfo, bool, const char*> cases[] = {
        {{.installed = false}, false, "als Paket installieren"},
        {{.state = std::nullopt}, false, "anmelden, danach genügt ein Klick auf „Erweiterung"},
        {{.state = 6}, true, "Klick auf „Erweiterung einschalten“ schaltet sie ein"},
        {{.state = 2, .canChange = false}, false, "Anwendung „Erweiterungen“"},
        {{.state = 2, .switchOnFailed = true}, true, "nicht eingeschaltet. Ein neuer Klick"},
        {{.state = 1}, false, "jetzt die Browserfenster: „Artikel übernehmen“ findet"},
        // refused at the login, set up for this Shell since
        {{.state = 4, .shellVersion = "51.0", .madeFor = {"45", "50", "51"}},
         false,
         "GNOME 51.0 hat die Shell-Erweiterung von Zeitfang bei der Anmeldung abgelehnt"},
        {{.state = 4, .shellVersion = "48.7", .madeFor = {"43", "44"}},
         false,
         "GNOME 48.7 lädt die Shell-Erweiterung von Zeitfang nicht. Sie ist für GNOME 43, 44 "},
        // GNOME 43 still running after an upgrade that set the extension up for 48
        {{.state = 3, .shellVersion = "43.9", .madeFor = {"45", "48"}, .error = "SyntaxError"},
         false,
         "Zeitfang: SyntaxError. Sie ist für GNOME 45, 48 eingerichtet"},
        {{.state = 3, .shellVersion = "51.0", .madeFor = {"50", "51"}, .error = "TypeError: x"},
         false,
         "GNOME 51.0 meldet einen Fehler in der Shell-Erweiterung von Zeitfang: TypeError: x. "
         "Diese Version von Zeitfang ist bis GNOME 50 erprobt"},
        {{.state = 1, .shellVersion = "48.7", .madeFor = {"48"}, .error = "TypeError: y"},
         false,
         "y. Bitte im Terminal eingeben:\nsudo apt-get install --reinstall zeitfang\n"},
    };
    for (const auto& [info, action, words] : cases) {
        const auto notice = gnomeExtensionNotice(info);
        EXPECT_EQ(notice.offersSwitchOn, action) << words;
        EXPECT_NE(notice.text.find(words), std::string::npos) << notice.text;
    }
}

TEST(AlarmTone, OneSineAtFullLoudnessBetweenFadesOfFiveMilliseconds) {
    const auto s = toneSamples(900, 200, 48000);
    ASSERT_EQ(s.size(), 9600u);
    int cycles = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        cycles += s[i - 1] < 0 && s[i] >= 0;
    EXPECT_NEAR(cycles, 180, 1);
    const auto peak = [&](std::size_t from, std::size_t to) {
        int loudest = 0;
        for (std::size_t i = from; i < to; ++i)
            loudest = std::max(loudest, std::abs(int{s[i]}));
        return loudest;
    };
    const int full = 13107; // 0.4 of the sample range
    EXPECT_LT(peak(0, 24), full / 10);
    EXPECT_NEAR(peak(240, 300), full, 2);
    EXPECT_NEAR(peak(9300, 9360), full, 2);
    EXPECT_LT(peak(9576, 9600), full / 10);
}

} // namespace
