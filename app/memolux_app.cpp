#include "app/memolux_app.h"

#include <cstdint>

#include "app/end_sequence.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/quit_dialogs.h"
#include "app/refresh_timer.h"
#include "help/help_window.h"
#include "monitor/memory_sample.h"
#include "monitor/peak_records.h"
#include "settings/options_dialog.h"
#include "settings/pref_store.h"
#include "settings/settings.h"
#include "settings/settings_commit.h"
#include "ui/ui.h"

namespace {

constexpr int kIdleWaitMs = 100;

// What the main procedure owns for the life of the process.
struct AppState {
    Settings settings;
    MemorySample sample;
    PeakRecords records;
    std::uint32_t lastRefreshTick = 0;
    bool quit = false;
};

void start(AppState& app)
{
    ui::startup();
    app.records = PeakRecords{};
    if (!preferenceStore().openStore(kSettingsFileName)) {
        reportError("Die Datei Config.prefs konnte nicht gefunden oder ge\xF6" "ffnet werden!\n"
                    "Neuinstallation des Programmes k\xF6nnte den Fehler beheben.",
                    "404.PRF", true);
    }
    app.settings = loadSettings(preferenceStore());
    const ui::ScreenSize display = ui::primaryDisplaySize();
    app.lastRefreshTick = ui::tickCount();
    app.sample = sampleMemory(app.settings.unitData);
    if (!openMainWindow(display)) {
        reportError("Konnte kein Fenster zeichnen!", "GUI-Fehler", true);
    }
    createMainControls(app.sample, app.settings);
    ui::addShortcut(ids::kMainWindow, ui::Key::F1, ids::kHelpMenuItem);
    ui::sleepMs(250);
    ui::makeTopmost(ids::kMainWindow);
}

void refreshIfDue(AppState& app)
{
    if (!isRefreshDue(ui::tickCount(), app.lastRefreshTick, app.settings.refreshTime)) {
        return;
    }
    app.sample = sampleMemory(app.settings.unitData);
    refreshDisplay(app.sample, app.settings);
    app.lastRefreshTick = ui::tickCount();
    updatePeaks(app.records, app.sample);
}

void onControl(AppState& app, int controlId)
{
    if (controlId == ids::kOptionsButton) {
        runOptionsDialog();
        // The new settings show from the next timed refresh on.
        app.settings = commitSettings(preferenceStore(), ui::sleepMs);
    } else if (controlId == ids::kQuitButton) {
        app.quit = confirmQuit();
    }
}

void runMainLoop(AppState& app)
{
    app.quit = false;
    while (!app.quit) {
        const ui::UiEvent event = ui::waitEvent(kIdleWaitMs);
        switch (event.kind) {
        case ui::UiEvent::Kind::None:
            refreshIfDue(app);
            break;
        case ui::UiEvent::Kind::Control:
            onControl(app, event.id);
            break;
        case ui::UiEvent::Kind::Menu:
            // F1 is the only menu item.
            runHelpWindow();
            break;
        case ui::UiEvent::Kind::Close:
            app.quit = true;
            break;
        case ui::UiEvent::Kind::Other:
            break;
        }
    }
}

}  // namespace

int runMemolux()
{
    static AppState app;
    start(app);
    runMainLoop(app);
    showStatistics(app.records);
    runEndSequence();
    return 0;
}
