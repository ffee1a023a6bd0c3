// Settings files over KERNEL32. Every open shares reading only, so while the
// store holds a file no other program can change, delete or rename it.
#include <windows.h>

#include <new>

#include "settings/file_access.h"

struct PlatformFile {
    HANDLE handle;
};

namespace {

bool fileIsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

PlatformFile* openFile(const std::string& path, FileOpenMode mode)
{
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
    case FileOpenMode::ReadWriteExisting: break;
    case FileOpenMode::ReadExisting: access = GENERIC_READ; break;
    case FileOpenMode::CreateAlways: disposition = CREATE_ALWAYS; break;
    case FileOpenMode::OpenAlways: disposition = OPEN_ALWAYS; break;
    }
    // Windows refuses to write a read-only file; emulations running as root
    // may not, so refuse it here the same way.
    if ((access & GENERIC_WRITE) != 0 && fileIsReadOnly(path)) {
        return nullptr;
    }
    HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    PlatformFile* file = new (std::nothrow) PlatformFile{handle};
    if (file == nullptr) {
        CloseHandle(handle);
    }
    return file;
}

void closeFile(PlatformFile* file)
{
    if (file != nullptr) {
        CloseHandle(file->handle);
        delete file;
    }
}

bool fileSize(PlatformFile* file, std::uint64_t& size)
{
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file->handle, &value) || value.QuadPart < 0) {
        return false;
    }
    size = static_cast<std::uint64_t>(value.QuadPart);
    return true;
}

std::size_t readFile(PlatformFile* file, void* buffer, std::size_t count)
{
    std::size_t total = 0;
    char* out = static_cast<char*>(buffer);
    while (total < count) {
        const std::size_t rest = count - total;
        const DWORD chunk = rest > 0x40000000u ? 0x40000000u : static_cast<DWORD>(rest);
        DWORD got = 0;
        if (!ReadFile(file->handle, out + total, chunk, &got, nullptr) || got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

bool rewindFile(PlatformFile* file)
{
    return SetFilePointer(file->handle, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

bool writeFile(PlatformFile* file, const void* data, std::size_t count)
{
    const char* in = static_cast<const char*>(data);
    while (count > 0) {
        const DWORD chunk = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
        DWORD put = 0;
        if (!WriteFile(file->handle, in, chunk, &put, nullptr) || put == 0) {
            return false;
        }
        in += put;
        count -= put;
    }
    return true;
}

bool truncateFile(PlatformFile* file)
{
    return SetEndOfFile(file->handle) != 0;
}

bool flushFile(PlatformFile* file)
{
    return FlushFileBuffers(file->handle) != 0;
}

bool fileIsReadable(const std::string& path)
{
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

bool replaceFileAtomically(const std::string& source, const std::string& target)
{
    // Windows refuses to replace a read-only file; some emulations of it do
    // not, so look at the attribute first.
    if (fileIsReadOnly(target)) {
        return false;
    }
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
