#pragma once

#include "app/logic/app_settings.h"
#include "platform/settings_store.h"

// Fills the record from the store, in key order; writes nothing.
AppSettingsRecord loadAppSettings(SettingsStore& store);
