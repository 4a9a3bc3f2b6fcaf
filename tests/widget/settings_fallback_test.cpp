#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/qsettings_store.h"

namespace {

// A system-wide file (/etc/xdg, $XDG_CONFIG_DIRS) supplies nothing the user never wrote.
TEST(SettingsStore, OnlyTheUsersFileIsRead) {
    QTemporaryDir user, system;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system.path());
    for (const auto& [dir, text] : {std::pair{&user, "[Kairola]\nwarnton=0\n"},
                                    {&system, "[Kairola]\nwarnton=1\nwarntonsek=5\nLeft=3000\n"}}) {
        QFile file(dir->filePath(QStringLiteral("Orvikwerk.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QSettingsStore store;
    const auto get = [&](const char* key) {
        return store.GetSetting("Orvikwerk", "Kairola", key, "default").toStdString();
    };
    EXPECT_EQ(get("warnton"), "0");
    EXPECT_EQ(get("warntonsek"), "default");
    EXPECT_EQ(get("Left"), "default");
}

} // namespace
