#pragma once

#include <QDBusConnection>

#include "platform/wayland/gnome_extension_prompt.h"
#include "platform/window_list.h"

// The windows of a GNOME session, read from the Shell extension Zeitfang ships
// (packaging/gnome-shell/), since the Shell lets no ordinary program list its windows.
class GnomeWindowList : public WindowList {
  public:
    static constexpr const char* kExtensionUuid = "zeitfang@orvikwerk.de";

    explicit GnomeWindowList(QDBusConnection bus);
    std::vector<DesktopWindow> topLevelWindows() override;

  private:
    QDBusConnection m_bus;
    GnomeExtensionPrompt m_prompt;
};
