#include "tools/CatalogCommands.h"

#include <ostream>

namespace tools {

// Placeholder until this subcommand lands.
int sampleCommand(const Arguments&, std::ostream&, std::ostream& err) {
    err << "vexorin-catalog sample: not available in this build\n";
    return 1;
}

} // namespace tools
