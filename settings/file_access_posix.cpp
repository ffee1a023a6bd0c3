// Settings files over POSIX calls, for native builds and tests. POSIX has no
// sharing modes; a file without the owner's write bit counts as read-only
// (also for root), like the read-only attribute of Windows.
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/file_access.h"

struct PlatformFile {
    int fd;
};

namespace {

bool hasReadOnlyMode(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

}  // namespace

PlatformFile* openFile(const std::string& path, FileOpenMode mode)
{
    int flags = O_RDWR;
    switch (mode) {
    case FileOpenMode::ReadWriteExisting: break;
    case FileOpenMode::ReadExisting: flags = O_RDONLY; break;
    case FileOpenMode::CreateAlways: flags = O_RDWR | O_CREAT | O_TRUNC; break;
    case FileOpenMode::OpenAlways: flags = O_RDWR | O_CREAT; break;
    }
    if (path.empty() || ((flags & O_RDWR) != 0 && hasReadOnlyMode(path))) {
        return nullptr;
    }
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return new PlatformFile{fd};
}

void closeFile(PlatformFile* file)
{
    if (file != nullptr) {
        ::close(file->fd);
        delete file;
    }
}

bool fileSize(PlatformFile* file, std::uint64_t& size)
{
    struct stat info;
    if (::fstat(file->fd, &info) != 0 || info.st_size < 0) {
        return false;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

std::size_t readFile(PlatformFile* file, void* buffer, std::size_t count)
{
    std::size_t total = 0;
    char* out = static_cast<char*>(buffer);
    while (total < count) {
        const ssize_t got = ::read(file->fd, out + total, count - total);
        if (got <= 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return total;
}

bool rewindFile(PlatformFile* file)
{
    return ::lseek(file->fd, 0, SEEK_SET) == 0;
}

bool writeFile(PlatformFile* file, const void* data, std::size_t count)
{
    const char* in = static_cast<const char*>(data);
    while (count > 0) {
        const ssize_t put = ::write(file->fd, in, count);
        if (put <= 0) {
            return false;
        }
        in += put;
        count -= static_cast<std::size_t>(put);
    }
    return true;
}

bool truncateFile(PlatformFile* file)
{
    const off_t here = ::lseek(file->fd, 0, SEEK_CUR);
    return here >= 0 && ::ftruncate(file->fd, here) == 0;
}

bool flushFile(PlatformFile* file)
{
    return ::fsync(file->fd) == 0;
}

bool fileIsReadable(const std::string& path)
{
    PlatformFile* file = openFile(path, FileOpenMode::ReadExisting);
    const bool readable = file != nullptr;
    closeFile(file);
    return readable;
}

bool replaceFileAtomically(const std::string& source, const std::string& target)
{
    if (hasReadOnlyMode(target)) {
        return false;
    }
    return std::rename(source.c_str(), target.c_str()) == 0;
}
