#include "settings/settings.h"

#include "settings/pref_store.h"

Settings loadSettings(PreferenceStore& store)
{
    store.selectGroup(kSettingsGroup);
    Settings settings;
    settings.unitData = store.readFloat(kUnitDataKey, kDefaultUnitData);
    settings.unitName = store.readText(kUnitNameKey, kDefaultUnitName);
    settings.refreshTime = store.readInteger(kRefreshTimeKey, kDefaultRefreshTime);
    return settings;
}
