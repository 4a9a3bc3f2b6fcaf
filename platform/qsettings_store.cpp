#include "platform/qsettings_store.h"

#include <QSettings>

namespace {
// The store is the user's own file: nothing from /etc/xdg or $XDG_CONFIG_DIRS may stand in for
// a key the user never wrote.
void userFileOnly(QSettings& settings) {
    settings.setFallbacksEnabled(false);
}
} // namespace

QString QSettingsStore::GetSetting(const QString& appName, const QString& section,
                                   const QString& key, const QString& defaultValue) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName);
    userFileOnly(settings);
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return defaultValue;
    // An unquoted comma in a hand-edited value makes QSettings read a list; it was one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QSettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                 const QString& text) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName);
    userFileOnly(settings);
    // Temporary file and rename only: writing in place where the folder refuses new files could
    // leave a half-written file behind after a crash.
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(section);
    settings.setValue(key, text);
    settings.sync();
}
