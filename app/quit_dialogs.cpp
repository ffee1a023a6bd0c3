#include "app/quit_dialogs.h"

#include <cstdlib>
#include <string>

#include "app/end_sequence.h"
#include "monitor/display_text.h"
#include "ui/ui.h"

bool confirmQuit()
{
    return ui::messageBox("Wollen Sie Memolux wirklich beenden?", "Ende", ui::MessageButtons::YesNo,
                          ui::MessageIcon::None) == ui::MessageAnswer::Yes;
}

void showStatistics(const PeakRecords& records)
{
    const ui::MessageAnswer answer =
        ui::messageBox("Wollen Sie vor dem Beenden noch die\nStatistik ansehen?", "Statistik",
                       ui::MessageButtons::YesNo, ui::MessageIcon::Question);
    if (answer == ui::MessageAnswer::Yes) {
        ui::messageBox(statisticsText(records), "Statistik", ui::MessageButtons::Ok,
                       ui::MessageIcon::Information);
    }
}

void reportError(std::string_view message, std::string_view code, bool fatal)
{
    std::string title = "Fehler ";
    title += code;
    ui::messageBox(message, title, ui::MessageButtons::Ok, ui::MessageIcon::Error);
    if (fatal) {
        runEndSequence();
        std::exit(0);
    }
}
