#include "help/help_window.h"

#include "app/ids.h"
#include "help/help_clip_image.h"
#include "help/help_text.h"
#include "help/sound_layer.h"
#include "ui/ui.h"

namespace {

constexpr int kClientSize = 301;
constexpr int kClipNumber = 0;
constexpr ui::Rgb kTextBackground{200, 200, 200};

// The fonts of the latest opening. Each opening replaces them; the toolkit
// releases the last pair when it shuts down.
struct HelpFonts {
    int title = 0;
    int small = 0;
};

HelpFonts& fonts()
{
    static HelpFonts pair;
    return pair;
}

// Makes the font and only then releases its predecessor.
void replaceFont(int& fontId, int points)
{
    const int previous = fontId;
    fontId = ui::createFont("Arial", points);
    ui::releaseFont(previous);
}

void createControls()
{
    using ui::ControlKind;
    constexpr int w = ids::kHelpWindow;
    // The clip button lies inside the title label and is created before it,
    // so it takes the clicks on its four pixels.
    ui::createControl({w, ids::kClipButton, ControlKind::Button, 162, 29, 2, 2, ""});
    ui::createControl({w, ids::kHelpTitle, ControlKind::Label, 0, 10, 300, 30, kHelpTitleText, ui::Align::Centre});
    ui::setControlFont(ids::kHelpTitle, fonts().title);
    ui::createControl({w, ids::kHelpVersion, ControlKind::Label, 0, 40, 300, 20, kHelpVersionText,
                       ui::Align::Centre});
    ui::setControlFont(ids::kHelpVersion, fonts().small);
    // The rich text wraps at its own width and shows its scroll bar from
    // creation on.
    ui::createControl({w, ids::kHelpText, ControlKind::RichText, 0, 80, 300, 200, ""});
    ui::createControl({w, ids::kCreditLine, ControlKind::Label, 190, 280, 110, 20, kHelpCreditText,
                       ui::Align::Right});
}

void fillHelpText()
{
    // The grey background goes in before the text.
    ui::setBackgroundColour(ids::kHelpText, kTextBackground);
    ui::setControlText(ids::kHelpText, helpText);
}

}  // namespace

void runHelpWindow()
{
    replaceFont(fonts().title, 18);
    replaceFont(fonts().small, 8);

    ui::WindowArgs window;
    window.id = ids::kHelpWindow;
    window.centred = true;
    window.clientWidth = kClientSize;
    window.clientHeight = kClientSize;
    window.title = "Memolux Hilfe";
    window.styles = ui::kCaption | ui::kSystemMenu;
    if (!ui::openWindow(window)) {
        return;
    }
    createControls();
    fillHelpText();

    // Without a sound device these fail and the button stays silent.
    initSound();
    loadClip(kClipNumber, helpClipImage, helpClipImageSize);

    // This loop takes the events of every window: a close request from any
    // of them ends it, clicks elsewhere and the F1 shortcut are dropped.
    for (;;) {
        const ui::UiEvent event = ui::waitEvent(ui::kWaitForever);
        if (event.kind == ui::UiEvent::Kind::Close) {
            break;
        }
        if (event.kind == ui::UiEvent::Kind::Control && event.id == ids::kClipButton) {
            playClip(kClipNumber);
        }
    }
    ui::closeWindow(ids::kHelpWindow);
}
