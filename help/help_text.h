// The fixed texts of the help window, in the Windows-1252 code page.
#pragma once

#include <string_view>

// The help text: 34 lines joined by single line feeds, no carriage return
// and no line feed after the last line.
extern const std::string_view helpText;

// The title, version and credit labels of the help window.
inline constexpr std::string_view kHelpTitleText = "Memolux";
inline constexpr std::string_view kHelpVersionText = "VERSION 0.12";
inline constexpr std::string_view kHelpCreditText = "by   Brenholt|Quaro";
