#include "settings/options_dialog.h"

#include <cstdint>
#include <string>

#include "app/ids.h"
#include "monitor/number_text.h"
#include "settings/options_save.h"
#include "settings/parse_integer.h"
#include "settings/pref_store.h"
#include "settings/settings.h"
#include "settings/unit_tables.h"
#include "ui/ui.h"

namespace {

constexpr int kIntervalLow = 500;
constexpr int kIntervalHigh = 10000;
constexpr std::uint32_t kSavePauseMs = 500;

bool openOptionsWindow()
{
    ui::WindowArgs window;
    window.id = ids::kOptionsWindow;
    window.x = 433;
    window.y = 144;
    window.clientWidth = 271;
    window.clientHeight = 192;
    window.title = "Memolux Optionen";
    window.styles = ui::kCaption | ui::kSystemMenu | ui::kSizingBorder;
    return ui::openWindow(window);
}

ui::ControlArgs control(int id, ui::ControlKind kind, int x, int y, int width, int height,
                        std::string_view text = {})
{
    ui::ControlArgs args;
    args.window = ids::kOptionsWindow;
    args.id = id;
    args.kind = kind;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = height;
    args.text = text;
    return args;
}

// The controls in their order; the box and the list show what the settings
// file holds, read through the store.
void createOptionsControls(const PreferenceStore& store)
{
    using ui::ControlKind;
    ui::createControl(control(ids::kIntervalCaption, ControlKind::Label, 10, 30, 90, 20, "Akutalisieren: alle"));

    ui::ControlArgs spin = control(ids::kIntervalSpin, ControlKind::SpinBox, 95, 25, 80, 25);
    spin.align = ui::Align::Right;
    spin.rangeLow = kIntervalLow;
    spin.rangeHigh = kIntervalHigh;
    ui::createControl(spin);
    // The state is taken into the range; the text shows the file's number
    // even when it lies outside.
    const std::int32_t interval = store.readInteger(kRefreshTimeKey, kDefaultRefreshTime);
    ui::setControlState(ids::kIntervalSpin, interval);
    ui::setControlText(ids::kIntervalSpin, formatInteger(interval));

    ui::createControl(control(ids::kIntervalUnit, ControlKind::Label, 180, 30, 70, 20, "Millisekunden"));
    ui::createControl(control(ids::kUnitCaption, ControlKind::Label, 10, 60, 60, 20, "Angabe in"));
    ui::createControl(control(ids::kUnitList, ControlKind::ListBox, 10, 80, 140, 90));
    for (const char* entry : kUnitEntries) {
        ui::addListEntry(ids::kUnitList, entry);
    }
    ui::setControlState(ids::kUnitList, unitNameToIndex(store.readText(kUnitNameKey, kDefaultUnitName)));

    ui::createControl(control(ids::kOkButton, ControlKind::Button, 170, 80, 90, 30, "OK"));
    ui::createControl(control(ids::kCancelButton, ControlKind::Button, 170, 140, 90, 30, "Abbrechen"));
}

// The spin box's text and state are kept in step by hand: a typed text
// sets the state, every other notification shows the state as text.
void onSpinBox(int code)
{
    if (code == ui::kEditChanged) {
        ui::setControlState(ids::kIntervalSpin,
                            lowInteger32(parseInteger(ui::controlText(ids::kIntervalSpin))));
    } else if (code != ui::kEditUpdating) {
        // The notification that precedes every text change is part of the
        // typing; answering it would overwrite what was just typed.
        ui::setControlText(ids::kIntervalSpin, formatInteger(ui::controlState(ids::kIntervalSpin)));
    }
}

void save()
{
    const std::string intervalText = ui::controlText(ids::kIntervalSpin);
    const std::int32_t unitIndex = ui::controlState(ids::kUnitList);
    if (saveOptions(preferenceStore(), kTempSettingsFileName, intervalText, unitIndex)) {
        ui::sleepMs(kSavePauseMs);
    }
}

// Runs until OK, "Abbrechen" or a close request of any window. Every
// window's events arrive here; the main window's are swallowed.
void runEventLoop()
{
    for (;;) {
        const ui::UiEvent event = ui::waitEvent(ui::kWaitForever);
        if (event.kind == ui::UiEvent::Kind::Close) {
            return;
        }
        if (event.kind != ui::UiEvent::Kind::Control) {
            continue;
        }
        switch (event.id) {
        case ids::kIntervalSpin:
            onSpinBox(event.code);
            break;
        case ids::kOkButton:
            save();
            return;
        case ids::kCancelButton:
            return;
        default:
            break;
        }
    }
}

}  // namespace

void runOptionsDialog()
{
    PreferenceStore& store = preferenceStore();
    if (!store.openStore(kSettingsFileName)) {
        return;
    }
    store.selectGroup(kSettingsGroup);
    if (!openOptionsWindow()) {
        return;
    }
    createOptionsControls(store);
    runEventLoop();
    ui::closeWindow(ids::kOptionsWindow);
}
