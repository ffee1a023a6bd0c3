#include "app/end_sequence.h"

#include "help/sound_layer.h"
#include "settings/pref_store.h"
#include "ui/ui.h"

void runEndSequence()
{
    // The sound layer is released first.
    shutdownSound();
    // The store open at this point was only read: closing writes nothing.
    preferenceStore().closeStore();
    ui::shutdown();
}
