#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

/**
    Points HOME and the XDG folders at a fresh temporary folder for the life of
    the object and removes it afterwards.
*/
class TemporaryHome
{
public:
    TemporaryHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaro-test-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        ::setenv("HOME", root.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root / ".config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root / ".local/share").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (root / ".cache").c_str(), 1);
    }

    ~TemporaryHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const std::filesystem::path& path() const { return root; }

private:
    std::filesystem::path root;
};
