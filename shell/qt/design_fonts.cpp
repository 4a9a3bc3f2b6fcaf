#include "shell/qt/design_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <utility>

QString designFamily(const QString& windowsFamily) {
    // Exact names only: fontconfig would also "find" Arial through its own alias.
    if (QFontDatabase::families().contains(windowsFamily, Qt::CaseInsensitive))
        return windowsFamily;
    // Liberation Sans 2 for both: Debian 12 and 13 carry the same version, so the text is laid
    // out alike on both (the narrow cut went with version 1).
    static constexpr std::pair<const char*, const char*> kStandIns[] = {
        {"Arial", "Liberation Sans"}, {"MS Sans Serif", "Liberation Sans"}};
    for (const auto& [windows, standIn] : kStandIns) {
        if (windowsFamily == QLatin1String(windows))
            return QString::fromLatin1(standIn);
    }
    return windowsFamily;
}
