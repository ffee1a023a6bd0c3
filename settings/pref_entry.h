// One line of a settings file as the preferences store holds it.
#pragma once

#include <string>

enum class PrefEntryKind { Group, Comment, Key };

struct PrefEntry {
    PrefEntryKind kind = PrefEntryKind::Key;
    std::string text;   // group name, comment text or key
    std::string value;  // key entries only

    bool operator==(const PrefEntry&) const = default;
};
