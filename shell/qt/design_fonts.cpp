#include "shell/qt/design_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <utility>

#include "base/startup_marks.h"

QString designFamily(const QString& windowsFamily) {
    // Exact names only: fontconfig would also "find" Arial through its own alias.
    const bool installed = QFontDatabase::families().contains(windowsFamily, Qt::CaseInsensitive);
    markStartup("fonts");
    if (installed)
        return windowsFamily;
    // Metric-compatible stand-ins present on every release: Liberation Sans for Arial, and a
    // narrow family for MS Sans Serif, whose captions were laid out that narrow (fonts-liberation 2
    // has no narrow cut; fonts-urw-base35 carries Nimbus Sans Narrow everywhere).
    static constexpr std::pair<const char*, const char*> kStandIns[] = {
        {"Arial", "Liberation Sans"}, {"MS Sans Serif", "Nimbus Sans Narrow"}};
    for (const auto& [windows, standIn] : kStandIns) {
        if (windowsFamily == QLatin1String(windows))
            return QString::fromLatin1(standIn);
    }
    return windowsFamily;
}
