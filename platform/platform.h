#pragma once

#include "platform/event_wait.h"
#include "platform/http_transfer.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/speaker.h"
#include "platform/system_clock.h"
#include "platform/window_attention.h"
#include "platform/window_list.h"

// The platform services the program calls, passed in at construction so tests can swap fakes.
struct Platform {
    WindowList& windows;
    SystemClock& clock;
    SettingsStore& settings;
    Speaker& speaker;
    WindowAttention& attention;
    Shell& shell;
    HttpTransfer& transfer;
    EventWait& events;
};
