#include "app/end_sequence.h"

#include "settings/pref_store.h"
#include "ui/ui.h"

void runEndSequence()
{
    // The store open at this point was only read: closing writes nothing.
    preferenceStore().closeStore();
    ui::shutdown();
}
