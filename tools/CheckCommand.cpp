#include "tools/CatalogCommands.h"

#include <ostream>

namespace tools {

// Placeholder until this subcommand lands.
int checkCommand(const Arguments&, std::ostream&, std::ostream& err) {
    err << "vexorin-catalog check: not available in this build\n";
    return 1;
}

} // namespace tools
