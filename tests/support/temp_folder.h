// A fresh program folder under the system temporary folder, removed at the end of the test.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kavro::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const { return path_ / name; }
    void write(std::string_view name, std::string_view content) const;
    std::string read(std::string_view name) const;

private:
    std::filesystem::path path_;
};

}  // namespace kavro::testing
