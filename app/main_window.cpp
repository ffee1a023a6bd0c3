#include "app/main_window.h"

#include "app/ids.h"
#include "monitor/display_text.h"

namespace {

constexpr char kStatusText[] = "F1 f\xFCr Hilfe            by Brenholt (Quaro)";

ui::ControlArgs label(int id, int x, int y, int width, std::string_view text, ui::Align align)
{
    ui::ControlArgs args;
    args.window = ids::kMainWindow;
    args.id = id;
    args.kind = ui::ControlKind::Label;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = 20;
    args.text = text;
    args.align = align;
    return args;
}

ui::ControlArgs button(int id, int x, std::string_view text)
{
    ui::ControlArgs args;
    args.window = ids::kMainWindow;
    args.id = id;
    args.kind = ui::ControlKind::Button;
    args.x = x;
    args.y = 90;
    args.width = 70;
    args.height = 30;
    args.text = text;
    return args;
}

}  // namespace

bool openMainWindow(const ui::ScreenSize& display)
{
    ui::WindowArgs args;
    args.id = ids::kMainWindow;
    args.x = display.width - 205;
    args.y = display.height - 204;
    args.clientWidth = 194;
    args.clientHeight = 144;
    args.title = "Memolux";
    args.styles = ui::kCaption | ui::kSystemMenu | ui::kMinimizeBox;
    return ui::openWindow(args);
}

void createMainControls(const MemorySample& sample, const Settings& settings)
{
    const std::string& unit = settings.unitName;
    ui::createControl(label(ids::kTotalCaption, 5, 10, 85, "RAM gesamt:", ui::Align::Right));
    ui::createControl(label(ids::kTotalValue, 95, 10, 85, memoryValueText(sample.total, unit), ui::Align::Left));
    ui::createControl(label(ids::kUsedCaption, 5, 30, 85, "RAM-Verbrauch:", ui::Align::Right));
    ui::createControl(label(ids::kUsedValue, 95, 30, 85, memoryValueText(sample.used, unit), ui::Align::Left));
    ui::createControl(label(ids::kLoadCaption, 5, 50, 85, "% Verbrauch:", ui::Align::Right));
    ui::createControl(label(ids::kLoadValue, 95, 50, 85, loadValueText(sample.load), ui::Align::Left));
    ui::createControl(label(ids::kFreeCaption, 5, 70, 85, "RAM frei:", ui::Align::Right));
    ui::createControl(label(ids::kFreeValue, 95, 70, 85, memoryValueText(sample.free, unit), ui::Align::Left));
    ui::createControl(button(ids::kOptionsButton, 5, "Optionen"));
    ui::createControl(button(ids::kQuitButton, 120, "Beenden"));
    // The status line reaches the client area's right edge and no further;
    // text beyond it is cut off.
    const int statusWidth = 189;
    ui::createControl(label(ids::kStatusLine, 5, 125, statusWidth, kStatusText, ui::Align::Left));
}

void refreshDisplay(const MemorySample& sample, const Settings& settings)
{
    ui::setControlText(ids::kTotalValue, memoryValueText(sample.total, settings.unitName));
    ui::setControlText(ids::kUsedValue, memoryValueText(sample.used, settings.unitName));
    ui::setControlText(ids::kLoadValue, loadValueText(sample.load));
    ui::setControlText(ids::kFreeValue, memoryValueText(sample.free, settings.unitName));
}
