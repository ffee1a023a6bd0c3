// The three settings in force and how they are read from the store.
#pragma once

#include <cstdint>
#include <string>

class PreferenceStore;

// The settings file in the current directory, and the file that the options
// window writes for the commit to put in its place.
inline constexpr char kSettingsFileName[] = "Config.prefs";
inline constexpr char kTempSettingsFileName[] = "tempConfig.prefs";

inline constexpr char kSettingsGroup[] = "infSettings";
inline constexpr char kRefreshTimeKey[] = "RefreshTime";
inline constexpr char kUnitDataKey[] = "UnitData";
inline constexpr char kUnitNameKey[] = "UnitName";

inline constexpr std::int32_t kDefaultRefreshTime = 500;
inline constexpr float kDefaultUnitData = 1.0f;
inline constexpr char kDefaultUnitName[] = "MB";

struct Settings {
    std::int32_t refreshTime = kDefaultRefreshTime;  // milliseconds
    float unitData = kDefaultUnitData;               // unit exponent
    std::string unitName = kDefaultUnitName;         // label shown after values
};

// Selects the settings group and reads the three keys; missing keys (or a
// closed store) give their defaults. The store stays open.
Settings loadSettings(PreferenceStore& store);
