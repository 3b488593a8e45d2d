// vexorin-catalog sample DIR [--scale N]: writes the sample catalogue folder.
#include "tools/CatalogCommands.h"

#include "tools/SampleCatalogue.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <ostream>

namespace tools {

int sampleCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    const char* const usage = "usage: vexorin-catalog sample DIR [--scale N]\n";
    std::string dir;
    int scale = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scale" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
            if (ec != std::errc() || end != value.data() + value.size() || scale < 1) {
                err << "vexorin-catalog sample: the scale must be a whole number of 1 or more, not \"" << value
                    << "\"\n";
                return 2;
            }
        } else if (dir.empty() && !args[i].starts_with("--")) {
            dir = args[i];
        } else {
            err << usage;
            return 2;
        }
    }
    if (dir.empty()) {
        err << usage;
        return 2;
    }
    try {
        std::filesystem::create_directories(dir);
        SampleCatalogue(scale).write(dir);
    } catch (const std::exception& error) {
        err << "vexorin-catalog sample: " << error.what() << "\n";
        return 1;
    }
    out << "Sample catalogue written to " << dir << " (scale " << scale << ")\n";
    return 0;
}

} // namespace tools
