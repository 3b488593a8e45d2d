// What a folder holds (names, sizes, modification times), to show that an
// operation created or changed no file there; and a temporary folder.
#pragma once

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>

namespace cattest {

using Snapshot = std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>;

inline Snapshot snapshot(const std::filesystem::path& folder) {
    Snapshot entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::uintmax_t size = entry.is_regular_file() ? entry.file_size() : 0;
        entries[entry.path().filename().string()] = {size, entry.last_write_time()};
    }
    return entries;
}

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do
            m_path = std::filesystem::temp_directory_path() / ("vexorin-catalog-" + std::to_string(random()));
        while (std::filesystem::exists(m_path));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace cattest
