#include "platform/linux/qsettings_store.h"

#include <QSettings>

namespace {
QString qt(const std::string& text) {
    return QString::fromStdString(text);
}
// The store is the user's own file: nothing from /etc/xdg or $XDG_CONFIG_DIRS may stand in for
// a key the user never wrote.
void userFileOnly(QSettings& settings) {
    settings.setFallbacksEnabled(false);
}
} // namespace

std::string QSettingsStore::readSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, qt(appName));
    userFileOnly(settings);
    settings.beginGroup(qt(section));
    const QVariant value = settings.value(qt(key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted comma in a hand-edited value makes QSettings read a list; it was one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QSettingsStore::writeSetting(const std::string& appName, const std::string& section,
                                  const std::string& key, const std::string& text) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, qt(appName));
    userFileOnly(settings);
    // Temporary file and rename only: writing in place where the folder refuses new files could
    // leave a half-written file behind after a crash.
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(qt(section));
    settings.setValue(qt(key), qt(text));
    settings.sync();
}
