// Feeds arbitrary bytes to the preferences store as a settings file, reads
// and writes through it, closes it, and checks that the written file reads
// back as the same entries.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "settings/pref_store.h"
#include "settings/settings.h"

namespace {

std::string scratchPath()
{
    static const std::string path = "/tmp/memolux-fuzz-" + std::to_string(::getpid()) + ".prefs";
    return path;
}

void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, file) != size) {
        std::abort();
    }
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchPath();
    writeBytes(path, data, size);

    PreferenceStore store;
    if (!store.openStore(path)) {
        std::abort();
    }
    loadSettings(store);
    // The first byte picks which writes happen; values come from the data but
    // never hold line ends and never start with blanks (the program writes
    // neither, and reading skips leading blanks of a value by design).
    const std::uint8_t choice = size > 0 ? data[0] : 0;
    std::string value(reinterpret_cast<const char*>(data), size < 24 ? size : 24);
    for (char& c : value) {
        if (c == '\r' || c == '\n') {
            c = '_';
        }
    }
    value.erase(0, value.find_first_not_of(" \t"));
    if (choice & 1) {
        store.writeInteger(kRefreshTimeKey, static_cast<std::int32_t>(size) - 100);
    }
    if (choice & 2) {
        store.writeFloat(kUnitDataKey, static_cast<float>(choice) / 7.0f);
    }
    if (choice & 4) {
        store.writeText(kUnitNameKey, value);
    }
    if (choice & 8) {
        store.selectGroup("");
        store.writeText("Top", value);
    }
    if (choice & 16) {
        store.selectGroup("Another group");
        store.writeText("Key", value);
    }
    const auto before = store.entries();
    const bool utf8 = store.isUtf8();
    const bool modified = store.isModified();
    store.closeStore();

    if (!store.openStore(path)) {
        std::abort();
    }
    if (modified && (store.entries() != before || store.isUtf8() != utf8)) {
        std::abort();
    }
    store.closeStore();
    return 0;
}
