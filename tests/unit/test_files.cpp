#include "tests/unit/test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() /
            ("memolux-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(root_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(root_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(root_, ignored);
}

std::string TempFolder::path(std::string_view name) const
{
    return (root_ / std::string(name)).string();
}

void TempFolder::write(std::string_view name, std::string_view bytes) const
{
    std::ofstream out(root_ / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::read(std::string_view name) const
{
    std::ifstream in(root_ / std::string(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempFolder::exists(std::string_view name) const
{
    return fs::exists(root_ / std::string(name));
}

void TempFolder::makeReadOnly(std::string_view name) const
{
    fs::permissions(root_ / std::string(name),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}
