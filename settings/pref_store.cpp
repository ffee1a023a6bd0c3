#include "settings/pref_store.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <new>

#include "monitor/number_text.h"
#include "settings/pref_text.h"

namespace {

// Larger settings files are treated like a failed allocation: the store
// opens with no entries rather than trying to hold gigabytes.
constexpr std::uint64_t kLargestReadableFile = 64u * 1024u * 1024u;

}  // namespace

PreferenceStore::~PreferenceStore()
{
    closeStore();
}

PreferenceStore& preferenceStore()
{
    static PreferenceStore store;
    return store;
}

bool PreferenceStore::openStore(std::string_view path)
{
    closeStore();
    const std::string name(path);
    file_ = openFile(name, FileOpenMode::ReadWriteExisting);
    if (file_ == nullptr) {
        file_ = openFile(name, FileOpenMode::ReadExisting);
    }
    if (file_ == nullptr) {
        rememberedPath_ = name;
        return false;
    }
    readWholeFile();
    return true;
}

void PreferenceStore::readWholeFile()
{
    std::uint64_t size = 0;
    if (!fileSize(file_, size)) {
        return;
    }
    if (size >= kUtf8Mark.size()) {
        char mark[3];
        if (readFile(file_, mark, sizeof mark) == sizeof mark &&
            std::string_view(mark, sizeof mark) == kUtf8Mark) {
            utf8_ = true;
            size -= kUtf8Mark.size();
        } else {
            rewindFile(file_);
        }
    }
    if (size == 0 || size > kLargestReadableFile) {
        return;
    }
    std::string text;
    try {
        text.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return;
    }
    text.resize(readFile(file_, text.data(), text.size()));
    entries_ = parsePrefText(text);
}

bool PreferenceStore::createStore(std::string_view path)
{
    closeStore();
    file_ = openFile(std::string(path), FileOpenMode::CreateAlways);
    return file_ != nullptr;
}

void PreferenceStore::closeStore()
{
    if (modified_ && file_ == nullptr && rememberedPath_) {
        file_ = openFile(*rememberedPath_, FileOpenMode::OpenAlways);
    }
    if (file_ != nullptr && modified_) {
        try {
            const std::string text = buildPrefText(entries_, utf8_);
            if (rewindFile(file_) && writeFile(file_, text.data(), text.size())) {
                truncateFile(file_);
                // On the disk before the file can be moved into the place of
                // another: a file that replaces the settings must be whole.
                flushFile(file_);
            }
        } catch (const std::bad_alloc&) {
            // No memory for the text: the file keeps what it had.
        }
    }
    closeFile(file_);
    file_ = nullptr;
    rememberedPath_.reset();
    modified_ = false;
    utf8_ = false;
    entries_.clear();
    currentGroup_ = kNoGroup;
    pendingGroup_.reset();
}

std::string PreferenceStore::toStoreText(std::string_view text) const
{
    return utf8_ ? latin1ToUtf8(text) : std::string(text);
}

bool PreferenceStore::selectGroup(std::string_view name)
{
    if (!isOpen()) {
        pendingGroup_.reset();
        return false;
    }
    if (name.empty()) {
        currentGroup_ = kNoGroup;
        pendingGroup_.reset();
        return true;
    }
    const std::string wanted = toStoreText(name);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].kind == PrefEntryKind::Group && namesEqual(entries_[i].text, wanted)) {
            currentGroup_ = static_cast<std::ptrdiff_t>(i);
            pendingGroup_.reset();
            return true;
        }
    }
    pendingGroup_ = wanted;
    return false;
}

std::size_t PreferenceStore::sectionEnd() const
{
    std::size_t i = currentGroup_ == kNoGroup ? 0 : static_cast<std::size_t>(currentGroup_) + 1;
    while (i < entries_.size() && entries_[i].kind != PrefEntryKind::Group) {
        ++i;
    }
    return i;
}

std::ptrdiff_t PreferenceStore::findKey(std::string_view key) const
{
    const std::string wanted = toStoreText(key);
    const std::size_t begin = currentGroup_ == kNoGroup ? 0 : static_cast<std::size_t>(currentGroup_) + 1;
    const std::size_t end = sectionEnd();
    for (std::size_t i = begin; i < end; ++i) {
        if (entries_[i].kind == PrefEntryKind::Key && namesEqual(entries_[i].text, wanted)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return kNoGroup;
}

const std::string* PreferenceStore::findValue(std::string_view key) const
{
    if (!isOpen() || pendingGroup_) {
        return nullptr;
    }
    const std::ptrdiff_t index = findKey(key);
    return index == kNoGroup ? nullptr : &entries_[static_cast<std::size_t>(index)].value;
}

std::int32_t PreferenceStore::readInteger(std::string_view key, std::int32_t defaultValue) const
{
    const std::string* value = findValue(key);
    if (value == nullptr) {
        return defaultValue;
    }
    // atoi's reading of the text; numbers beyond the int32 range saturate
    // instead of being undefined.
    const long long number = std::strtoll(value->c_str(), nullptr, 10);
    if (number > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (number < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(number);
}

float PreferenceStore::readFloat(std::string_view key, float defaultValue) const
{
    const std::string* value = findValue(key);
    if (value == nullptr) {
        return defaultValue;
    }
    return static_cast<float>(std::atof(value->c_str()));
}

std::string PreferenceStore::readText(std::string_view key, std::string_view defaultValue) const
{
    const std::string* value = findValue(key);
    if (value == nullptr) {
        return std::string(defaultValue);
    }
    const std::string_view rest = skipLeadingBlanks(*value);
    if (utf8_) {
        const std::string decoded = utf8ToLatin1(rest);
        return std::string(trimTrailingBlanks(decoded));
    }
    return std::string(trimTrailingBlanks(rest));
}

void PreferenceStore::writeInteger(std::string_view key, std::int32_t value)
{
    setValue(key, formatInteger(value));
}

void PreferenceStore::writeFloat(std::string_view key, float value)
{
    setValue(key, formatFixed(value, -1));
}

void PreferenceStore::writeText(std::string_view key, std::string_view text)
{
    setValue(key, toStoreText(text));
}

void PreferenceStore::setValue(std::string_view key, std::string valueText)
{
    if (!isOpen()) {
        return;
    }
    std::string storedKey = toStoreText(key);
    if (pendingGroup_) {
        entries_.push_back(PrefEntry{PrefEntryKind::Group, std::move(*pendingGroup_), {}});
        pendingGroup_.reset();
        currentGroup_ = static_cast<std::ptrdiff_t>(entries_.size()) - 1;
    }
    const std::ptrdiff_t found = findKey(key);
    if (found != kNoGroup) {
        PrefEntry& entry = entries_[static_cast<std::size_t>(found)];
        entry.text = std::move(storedKey);
        entry.value = std::move(valueText);
    } else {
        // After the last entry of the current section; for the top section
        // that is just before the first group.
        const auto at = entries_.begin() + static_cast<std::ptrdiff_t>(sectionEnd());
        entries_.insert(at, PrefEntry{PrefEntryKind::Key, std::move(storedKey), std::move(valueText)});
    }
    modified_ = true;
}
