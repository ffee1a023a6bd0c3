// The settings commit after every options window: a settings file that the
// window wrote takes the place of the settings file, and the settings are
// loaded again.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "settings/settings.h"

class PreferenceStore;

struct SettingsFiles {
    std::string_view settings = kSettingsFileName;
    std::string_view temp = kTempSettingsFileName;
};

// Waits the given milliseconds without handling any event.
using PauseFunction = std::function<void(std::uint32_t)>;

inline constexpr std::uint32_t kCommitPauseMs = 250;

// If files.temp can be read: the store lets go of files.settings, files.temp
// replaces it in one step (a read-only or locked settings file is kept, and
// files.temp then stays to be committed after the next options window), and
// the store is reopened on files.settings. Then, in every case, the pause
// and the settings read from whatever the store holds.
Settings commitSettings(PreferenceStore& store, const PauseFunction& pause, const SettingsFiles& files = {});
