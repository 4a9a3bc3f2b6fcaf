#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/linux/qsettings_store.h"

namespace {

// A system-wide file (/etc/xdg, $XDG_CONFIG_DIRS) supplies nothing the user never wrote.
TEST(SettingsStore, NoSystemWideFallback) {
    QTemporaryDir user, system;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
    QFile file(system.filePath(QStringLiteral("Orvikwerk.conf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Kairola]\nwarntonsek=5\n");
    file.close();
    QSettingsStore store;
    EXPECT_EQ(store.readSetting("Orvikwerk", "Kairola", "warntonsek", "-"), "-");
}

} // namespace
