#include "platform/wayland/gnome_extension_notice.h"

namespace {

// GNOME Shell's ExtensionState values, the same from 43 to 48.
constexpr int kError = 3;
constexpr int kOutOfDate = 4;

} // namespace

GnomeExtensionNotice gnomeExtensionNotice(const GnomeExtensionInfo& info) {
    if (!info.installed)
        return {"Zeitfang: GNOME-Erweiterung fehlt",
                "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung, "
                "die das Paket zeitfang mitbringt: bitte Zeitfang als Paket installieren und sich "
                "danach einmal ab- und wieder anmelden.",
                false};
    if (!info.state)
        return {"Zeitfang: GNOME-Erweiterung noch nicht geladen",
                "GNOME liest die eben installierte Shell-Erweiterung von Zeitfang erst bei der "
                "nächsten Anmeldung: bitte einmal ab- und wieder anmelden, danach genügt ein "
                "Klick auf „Erweiterung einschalten“.",
                false};
    if (*info.state == kOutOfDate)
        return {"Zeitfang: GNOME-Erweiterung abgelehnt",
                "GNOME lädt die Shell-Erweiterung von Zeitfang nicht, sie ist für eine andere "
                "GNOME-Version eingerichtet. Bitte im Terminal eingeben:\n"
                "sudo dpkg-reconfigure zeitfang\n"
                "und sich danach ab- und wieder anmelden.",
                false};
    if (*info.state == kError)
        return {"Zeitfang: GNOME-Erweiterung fehlerhaft",
                "GNOME meldet einen Fehler in der Shell-Erweiterung von Zeitfang. Bitte im "
                "Terminal eingeben:\n"
                "sudo apt-get install --reinstall zeitfang\n"
                "und sich danach ab- und wieder anmelden.",
                false};
    if (!info.canChange)
        return {"Zeitfang: GNOME-Erweiterungen ausgeschaltet",
                "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung, "
                "doch GNOME lässt gerade keine Erweiterungen zu: bitte in der Anwendung "
                "„Erweiterungen“ die Erweiterungen und darin Zeitfang einschalten.",
                false};
    return {"Zeitfang: GNOME-Erweiterung ausgeschaltet",
            "Zeitfang sieht die Browserfenster unter GNOME nur mit seiner Shell-Erweiterung. Ein "
            "Klick auf „Erweiterung einschalten“ schaltet sie ein, danach findet „Artikel "
            "übernehmen“ die Auktion.",
            true};
}
