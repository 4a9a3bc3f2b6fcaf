#pragma once

#include "platform/settings_store.h"
#include "shared/app_settings.h"

// Fills the record from the store, in key order; writes nothing.
AppSettingsRecord loadAppSettings(SettingsStore& store);
