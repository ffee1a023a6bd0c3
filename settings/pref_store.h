// The preferences store: one settings file read whole into an ordered list
// of group, comment and key entries, looked up and changed in memory, and
// written back whole in a canonical layout on close, only if changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_access.h"
#include "settings/pref_entry.h"

// Empty views stand for "none" wherever a text may be missing.
class PreferenceStore {
public:
    PreferenceStore() = default;
    ~PreferenceStore();
    PreferenceStore(const PreferenceStore&) = delete;
    PreferenceStore& operator=(const PreferenceStore&) = delete;

    // Closes what the store holds, then opens and reads the file (read and
    // write, else read only). On failure the store stays open without a
    // file, remembering the path, and the result is false.
    bool openStore(std::string_view path);
    // Closes what the store holds, then creates or empties the file.
    bool createStore(std::string_view path);
    // Writes the file if anything was written into the store and forces it
    // onto the disk, then empties the store.
    void closeStore();

    bool selectGroup(std::string_view name);

    std::int32_t readInteger(std::string_view key, std::int32_t defaultValue) const;
    float readFloat(std::string_view key, float defaultValue) const;
    std::string readText(std::string_view key, std::string_view defaultValue) const;

    void writeInteger(std::string_view key, std::int32_t value);
    void writeFloat(std::string_view key, float value);
    void writeText(std::string_view key, std::string_view text);

    // For tests and tools to look at.
    const std::vector<PrefEntry>& entries() const { return entries_; }
    bool isOpen() const { return file_ != nullptr || rememberedPath_.has_value(); }
    bool isUtf8() const { return utf8_; }
    bool isModified() const { return modified_; }

private:
    static constexpr std::ptrdiff_t kNoGroup = -1;

    // Index of the key entry in the current section, or kNoGroup.
    std::ptrdiff_t findKey(std::string_view key) const;
    const std::string* findValue(std::string_view key) const;
    void setValue(std::string_view key, std::string valueText);
    std::string toStoreText(std::string_view text) const;
    void readWholeFile();
    // First index past the current section.
    std::size_t sectionEnd() const;

    PlatformFile* file_ = nullptr;
    std::optional<std::string> rememberedPath_;
    bool modified_ = false;
    bool utf8_ = false;
    std::vector<PrefEntry> entries_;
    std::ptrdiff_t currentGroup_ = kNoGroup;
    std::optional<std::string> pendingGroup_;
};

// The process's one store.
PreferenceStore& preferenceStore();
