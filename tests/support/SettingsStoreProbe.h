#pragma once
#include "services/SettingsStore.h"

// The settings store's file, and a fresh read of it as the next start of the program makes.
class SettingsStoreProbe {
public:
    static QString FileName() { return platform::SettingsStore::FileName(); }
    static void Reload() { platform::SettingsStore::Reload(); }
};
