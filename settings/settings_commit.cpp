#include "settings/settings_commit.h"

#include <string>

#include "settings/file_access.h"
#include "settings/pref_store.h"

Settings commitSettings(PreferenceStore& store, const PauseFunction& pause, const SettingsFiles& files)
{
    const std::string settingsPath(files.settings);
    const std::string tempPath(files.temp);
    if (fileIsReadable(tempPath)) {
        // The store holds the settings file open, which would block the swap.
        store.closeStore();
        // The new file reached the disk when the store wrote it. Replacing in
        // one step means a failure or a crash leaves the old or the new
        // complete file under the name, never none; on failure both files
        // stay as they are.
        replaceFileAtomically(tempPath, settingsPath);
        store.openStore(settingsPath);
    }
    pause(kCommitPauseMs);
    return loadSettings(store);
}
