// Maps the design's fixed Windows paths ("C:\Vexorin\DATA\PartsNo.MDB") onto this machine.
#pragma once

#include <string>

namespace catalog {

// On Windows the path is returned as it stands. Elsewhere a leading drive
// letter maps to a folder: C: to the folder given by the environment variable
// VEXORIN_DRIVE_C, else to the drive folder fixed at build time; each further
// component is matched without regard to case against what exists on disk
// (kept as written where nothing matches). A path without a drive letter is
// returned unchanged.
std::string mapDrivePath(const std::string& windowsPath);

} // namespace catalog
