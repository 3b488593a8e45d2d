// vexorin-catalog: reads, checks, converts and writes sample catalogue files.
#include "tools/CatalogCommands.h"

#include <iostream>
#include <map>
#include <string>

namespace {

const char* const Usage = "usage: vexorin-catalog query FILE QUERY\n"
                          "       vexorin-catalog tables FILE\n"
                          "       vexorin-catalog sample DIR [--scale N]\n"
                          "       vexorin-catalog check DIR\n"
                          "       vexorin-catalog convert IN OUT\n";

} // namespace

int main(int argc, char* argv[]) {
    using Command = int (*)(const tools::Arguments&, std::ostream&, std::ostream&);
    const std::map<std::string, Command> commands = {
        {"query", tools::queryCommand},   {"tables", tools::tablesCommand},   {"sample", tools::sampleCommand},
        {"check", tools::checkCommand},   {"convert", tools::convertCommand},
    };
    if (argc < 2 || !commands.contains(argv[1])) {
        std::cerr << Usage;
        return 2;
    }
    return commands.at(argv[1])(tools::Arguments(argv + 2, argv + argc), std::cout, std::cerr);
}
