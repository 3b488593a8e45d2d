// The files of a catalogue folder, as the program opens them under "C:\Vexorin\DATA\".
#pragma once

#include <string>
#include <vector>

namespace tools {

// The makers of the car lookup, in the order of its maker list.
inline const std::vector<std::string>& catalogMakers() {
    static const std::vector<std::string> makers = {"TOYOTA", "NISSAN",   "HONDA",  "MAZDA", "MITSUBISHI",
                                                    "SUZUKI", "DAIHATSU", "SUBARU", "ISUZU"};
    return makers;
}

inline const std::string PartsFileName = "PartsNo.MDB";
inline const std::string DocumentFileName = "catalog.pdf";

inline std::string makerFileName(const std::string& maker) {
    return "Tessik-" + maker + ".MDB";
}

} // namespace tools
