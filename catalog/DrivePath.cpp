#include "catalog/DrivePath.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef VEXORIN_DRIVE_C_DEFAULT
#define VEXORIN_DRIVE_C_DEFAULT "drive/C"
#endif

namespace catalog {

#ifdef _WIN32

std::string mapDrivePath(const std::string& windowsPath) {
    return windowsPath;
}

#else

namespace {

namespace fs = std::filesystem;

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The folder that stands for a drive: C: from VEXORIN_DRIVE_C or the build's
// drive folder; another letter from VEXORIN_DRIVE_<letter> or a sibling of
// the C folder named by the letter.
fs::path driveFolder(char letter) {
    const std::string variable = std::string("VEXORIN_DRIVE_") + letter;
    if (const char* value = std::getenv(variable.c_str()); value && *value)
        return value;
    fs::path driveC = VEXORIN_DRIVE_C_DEFAULT;
    if (const char* value = std::getenv("VEXORIN_DRIVE_C"); value && *value)
        driveC = value;
    if (letter == 'C')
        return driveC;
    return driveC.parent_path() / std::string(1, letter);
}

// The entry of folder that names component, preferring the exact spelling,
// else the first (in name order) that matches without regard to case.
std::string matchComponent(const fs::path& folder, const std::string& component) {
    std::error_code error;
    if (fs::exists(folder / component, error))
        return component;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (sameIgnoringAsciiCase(name, component))
            matches.push_back(name);
    }
    if (matches.empty())
        return component;
    return *std::min_element(matches.begin(), matches.end());
}

} // namespace

std::string mapDrivePath(const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || !std::isalpha(static_cast<unsigned char>(windowsPath[0])))
        return windowsPath;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(windowsPath[0])));
    fs::path mapped = driveFolder(letter);
    bool matching = true;
    std::string component;
    const std::string rest = windowsPath.substr(2) + '\\';
    for (const char c : rest) {
        if (c != '\\' && c != '/') {
            component += c;
            continue;
        }
        if (component.empty())
            continue;
        // Once one component is missing, the ones below it cannot exist either.
        const std::string name = matching ? matchComponent(mapped, component) : component;
        std::error_code error;
        matching = matching && fs::exists(mapped / name, error);
        mapped /= name;
        component.clear();
    }
    return mapped.string();
}

#endif

} // namespace catalog
