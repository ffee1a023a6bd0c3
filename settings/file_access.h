// Platform seam for the settings files: opening with the access, sharing and
// disposition the store needs, plain reads and writes, and the file swap of
// the settings commit. One backend per platform is chosen by the build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class FileOpenMode {
    ReadWriteExisting,  // read and write, the file must exist
    ReadExisting,       // read only, the file must exist
    CreateAlways,       // read and write, created or emptied at once
    OpenAlways,         // read and write, created if missing
};

// An open file. While it is open other openers may read the file but may
// neither write, delete nor rename it (where the platform can enforce it).
struct PlatformFile;

PlatformFile* openFile(const std::string& path, FileOpenMode mode);
void closeFile(PlatformFile* file);

// Size in bytes; false if it cannot be told.
bool fileSize(PlatformFile* file, std::uint64_t& size);
// Reads up to count bytes at the current position; returns the count read.
std::size_t readFile(PlatformFile* file, void* buffer, std::size_t count);
bool rewindFile(PlatformFile* file);
bool writeFile(PlatformFile* file, const void* data, std::size_t count);
// Cuts the file off at the current position.
bool truncateFile(PlatformFile* file);
// Forces what was written onto the disk.
bool flushFile(PlatformFile* file);

// True if the file exists and can be opened for reading.
bool fileIsReadable(const std::string& path);
// Puts source in place of target in one step, so that at every moment the
// target name holds either the old or the new complete file. Refuses a
// read-only target.
bool replaceFileAtomically(const std::string& source, const std::string& target);
