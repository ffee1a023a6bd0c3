// The window toolkit: numbered windows and controls over the platform. The
// program addresses everything by id; platform handles stay in the backend.
// Texts are 8-bit strings in the Windows-1252 code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Frame parts of a top-level window.
enum WindowStyle : std::uint32_t {
    kCaption = 1u << 0,
    kSystemMenu = 1u << 1,  // with the close box
    kMinimizeBox = 1u << 2,
    kMaximizeBox = 1u << 3,
    kSizingBorder = 1u << 4,
};

struct WindowArgs {
    int id = 0;
    int x = 0;  // outer top-left corner in screen pixels, unless centred
    int y = 0;
    bool centred = false;  // centred on the primary screen instead
    int clientWidth = 0;
    int clientHeight = 0;
    std::string_view title;
    std::uint32_t styles = 0;
};

enum class ControlKind {
    Label,     // static text without notifications
    Button,    // push button, a Tab stop
    SpinBox,   // right-aligned edit field with up/down arrows, a Tab stop
    ListBox,   // single selection, a Tab stop
    RichText,  // read-only, word-wrapped rich edit text with a scroll bar
};

enum class Align { Left, Centre, Right };

struct ControlArgs {
    int window = 0;
    int id = 0;
    ControlKind kind = ControlKind::Label;
    int x = 0;  // client pixels
    int y = 0;
    int width = 0;
    int height = 0;
    std::string_view text;
    Align align = Align::Left;
    int rangeLow = 0;  // spin box only
    int rangeHigh = 0;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Keys of keyboard shortcuts.
enum class Key { F1 };

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Error, Question, Information };
enum class MessageAnswer { Ok, Yes, No };

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// What the wait returns.
struct UiEvent {
    enum class Kind {
        None,     // the timeout passed and no message was taken
        Control,  // id: the control; code: its notification
        Menu,     // id: the menu item
        Close,    // id: the window whose close was requested
        Other,    // any other message taken and dispatched
    };
    Kind kind = Kind::None;
    int id = 0;
    int code = 0;
};

// Notification codes of control events.
inline constexpr int kEditChanged = 0x0300;  // the text of an edit field changed
inline constexpr int kEditUpdating = 0x0400;  // comes just before every kEditChanged
inline constexpr int kSpinUp = 1;            // an arrow step of a spin box
inline constexpr int kSpinDown = -1;

inline constexpr int kWaitForever = -1;

// Starts and ends the toolkit; shutdown closes every window and releases
// every font that is left.
bool startup();
void shutdown();

// Opens a top-level window and shows it; false if it cannot be made.
bool openWindow(const WindowArgs& args);
// Destroys the window with its controls.
void closeWindow(int windowId);
bool makeTopmost(int windowId);
// Turns the key into a menu event with the given id while the window (or
// one of its controls) has the keyboard.
bool addShortcut(int windowId, Key key, int menuId);

bool createControl(const ControlArgs& args);
// Sets a control's text; a spin box raises no event for it.
void setControlText(int controlId, std::string_view text);
std::string controlText(int controlId);
// Spin box: the position within its range (values outside are taken to
// the nearer bound after keeping the low 16 bits, as the control does).
// List box: the selected index, -1 for none.
void setControlState(int controlId, std::int32_t state);
std::int32_t controlState(int controlId);
void addListEntry(int controlId, std::string_view text);
void setBackgroundColour(int controlId, Rgb colour);

// Fonts by face and point size; an id of 0 means none.
int createFont(std::string_view face, int points);
void releaseFont(int fontId);
void setControlFont(int controlId, int fontId);

UiEvent waitEvent(int timeoutMs);

MessageAnswer messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                         MessageIcon icon);
ScreenSize primaryDisplaySize();
std::uint32_t tickCount();
void sleepMs(std::uint32_t milliseconds);

}  // namespace ui
