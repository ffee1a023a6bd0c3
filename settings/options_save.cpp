#include "settings/options_save.h"

#include "settings/parse_integer.h"
#include "settings/pref_store.h"
#include "settings/settings.h"
#include "settings/unit_tables.h"

bool saveOptions(PreferenceStore& store, std::string_view path, std::string_view intervalText,
                 std::int32_t unitIndex)
{
    if (!store.createStore(path)) {
        return false;
    }
    // The new store is empty: the group becomes pending and the first write
    // puts its line first.
    store.selectGroup(kSettingsGroup);
    store.writeInteger(kRefreshTimeKey, lowInteger32(parseInteger(intervalText)));
    store.writeFloat(kUnitDataKey, static_cast<float>(unitIndexToExponent(unitIndex)));
    store.writeText(kUnitNameKey, unitIndexToName(unitIndex));
    store.closeStore();
    return true;
}
