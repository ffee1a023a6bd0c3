// Helpers for tests that work on real files in a folder of their own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Path of a file inside the folder, as text for the store.
    std::string path(std::string_view name) const;
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    void makeReadOnly(std::string_view name) const;

private:
    std::filesystem::path root_;
};
