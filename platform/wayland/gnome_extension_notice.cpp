#include "platform/wayland/gnome_extension_notice.h"

#include <algorithm>

namespace {

// The leading number of "50.5", "50" or "50.beta"; -1 if there is none.
int major(const std::string& version) {
    const auto digits = std::find_if_not(version.begin(), version.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
    if (digits == version.begin() || digits - version.begin() > 4)
        return -1;
    return std::stoi(std::string(version.begin(), digits));
}

std::string joined(const std::vector<std::string>& versions) {
    std::string out;
    for (const auto& v : versions)
        out += (out.empty() ? "" : ", ") + v;
    return out;
}

GnomeExtensionNotice failed(const GnomeExtensionInfo& info) {
    const std::string gnome = info.shellVersion.empty() ? "GNOME" : "GNOME " + info.shellVersion;
    const bool refused = info.state == kExtensionOutOfDate;
    const int running = major(info.shellVersion);
    // Nothing known on either side is no reason to blame the versions.
    const bool named = info.madeFor.empty() || running < 0 ||
                       std::any_of(info.madeFor.begin(), info.madeFor.end(),
                                   [&](const std::string& v) { return major(v) == running; });
    if (refused && named)
        return {"Zeitfang: GNOME-Erweiterung neu eingerichtet",
                gnome + " hat die Shell-Erweiterung von Zeitfang bei der Anmeldung abgelehnt, weil "
                        "sie damals für andere Versionen eingerichtet war. Inzwischen ist sie es "
                        "für diese, doch GNOME liest sie erst bei der nächsten Anmeldung wieder: "
                        "bitte einmal ab- und wieder anmelden."};
    const std::string reported = gnome +
                                 " meldet einen Fehler in der Shell-Erweiterung von Zeitfang" +
                                 (info.error.empty() ? std::string(".") : ": " + info.error + ".");
    if (!named)
        return {std::string("Zeitfang: GNOME-Erweiterung ") +
                    (refused ? "abgelehnt" : "fehlerhaft"),
                (refused ? gnome + " lädt die Shell-Erweiterung von Zeitfang nicht." : reported) +
                    " Sie ist für GNOME " + joined(info.madeFor) +
                    " eingerichtet: das Paket zeitfang richtet sie für das installierte GNOME ein, "
                    "bei jeder Aktualisierung neu. Wurde GNOME seit der Anmeldung aktualisiert, "
                    "hilft eine neue Anmeldung."};
    if (running > kNewestCheckedShell)
        return {"Zeitfang: GNOME-Erweiterung läuft nicht unter " + gnome,
                reported + " Diese Version von Zeitfang ist bis GNOME " +
                    std::to_string(kNewestCheckedShell) + " erprobt; unter " + gnome +
                    " findet erst eine neuere Version von Zeitfang die Browserfenster."};
    return {"Zeitfang: GNOME-Erweiterung fehlerhaft",
            reported + " Bitte im Terminal eingeben:\n"
                       "sudo apt-get install --reinstall zeitfang\n"
                       "und sich danach ab- und wieder anmelden."};
}

} // namespace

GnomeExtensionNotice gnomeExtensionNotice(const GnomeExtensionInfo& info) {
    if (!info.installed)
        return {"Zeitfang: GNOME-Erweiterung fehlt",
                "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung, "
                "die das Paket zeitfang mitbringt: bitte Zeitfang als Paket installieren und sich "
                "danach einmal ab- und wieder anmelden."};
    if (!info.state)
        return {"Zeitfang: GNOME-Erweiterung noch nicht geladen",
                "GNOME liest Shell-Erweiterungen nur bei der Anmeldung, und die von Zeitfang ist "
                "erst danach installiert worden: bitte einmal ab- und wieder anmelden, danach "
                "genügt ein Klick auf „Erweiterung einschalten“."};
    if (*info.state == kExtensionError || *info.state == kExtensionOutOfDate || !info.error.empty())
        return failed(info);
    if (*info.state == kExtensionActive)
        return {"Zeitfang: GNOME-Erweiterung eingeschaltet",
                "Zeitfang sieht jetzt die Browserfenster: „Artikel übernehmen“ findet die Auktion.",
                false, false};
    if (!info.canChange)
        return {"Zeitfang: GNOME-Erweiterungen ausgeschaltet",
                "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung, "
                "doch GNOME lässt gerade keine Erweiterungen zu: bitte in der Anwendung "
                "„Erweiterungen“ die Erweiterungen und darin Zeitfang einschalten."};
    if (info.switchOnFailed)
        return {"Zeitfang: GNOME-Erweiterung nicht eingeschaltet",
                "GNOME hat die Shell-Erweiterung von Zeitfang nicht eingeschaltet. Ein neuer Klick "
                "auf „Erweiterung einschalten“ versucht es noch einmal.",
                true};
    return {"Zeitfang: GNOME-Erweiterung ausgeschaltet",
            "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung. Ein "
            "Klick auf „Erweiterung einschalten“ schaltet sie ein, danach findet „Artikel "
            "übernehmen“ die Auktion.",
            true};
}
