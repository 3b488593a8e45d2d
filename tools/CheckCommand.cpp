// vexorin-catalog check DIR: reports what in a catalogue folder would make a lookup fail or show wrong data.
#include "tools/CatalogCommands.h"

#include "tools/CatalogCheck.h"

#include <exception>
#include <ostream>

namespace tools {

int checkCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: vexorin-catalog check DIR\n";
        return 2;
    }
    try {
        const std::vector<std::string> findings = CatalogCheck::run(args[0]);
        for (const std::string& finding : findings)
            out << finding << "\n";
        if (findings.empty()) {
            err << "vexorin-catalog check: " << args[0] << " is clean\n";
            return 0;
        }
        err << "vexorin-catalog check: " << findings.size() << (findings.size() == 1 ? " finding" : " findings")
            << " in " << args[0] << "\n";
        return 1;
    } catch (const std::exception& error) {
        err << "vexorin-catalog check: " << error.what() << "\n";
        return 2;
    }
}

} // namespace tools
