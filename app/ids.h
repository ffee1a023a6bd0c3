// Ids of the program's windows, controls and menu items: windows by small
// numbers, controls from one id space shared by all windows. Each control's
// id is also its control id on the platform, so outside tools find it.
#pragma once

namespace ids {

// Windows.
inline constexpr int kMainWindow = 0;
inline constexpr int kOptionsWindow = 1;
inline constexpr int kHelpWindow = 2;

// Main window.
inline constexpr int kTotalCaption = 0;
inline constexpr int kUsedCaption = 1;
inline constexpr int kLoadCaption = 2;
inline constexpr int kFreeCaption = 3;
inline constexpr int kTotalValue = 4;
inline constexpr int kUsedValue = 5;
inline constexpr int kLoadValue = 6;
inline constexpr int kFreeValue = 7;
inline constexpr int kStatusLine = 8;
inline constexpr int kOptionsButton = 9;
inline constexpr int kQuitButton = 10;

// Options window.
inline constexpr int kIntervalCaption = 11;
inline constexpr int kIntervalSpin = 12;
inline constexpr int kIntervalUnit = 13;
inline constexpr int kUnitCaption = 14;
inline constexpr int kUnitList = 15;
inline constexpr int kOkButton = 16;
inline constexpr int kCancelButton = 17;

// Help window.
inline constexpr int kClipButton = 18;
inline constexpr int kHelpTitle = 19;
inline constexpr int kHelpVersion = 20;
inline constexpr int kHelpText = 21;
inline constexpr int kCreditLine = 22;

// Menu items.
inline constexpr int kHelpMenuItem = 0;  // the F1 shortcut of the main window

}  // namespace ids
