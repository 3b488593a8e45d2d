// The subcommands of vexorin-catalog. Each takes its arguments (after the
// subcommand's name), writes its output to out and its errors to err, and
// returns the process exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tools {

using Arguments = std::vector<std::string>;

int queryCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int tablesCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int sampleCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int checkCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int convertCommand(const Arguments& args, std::ostream& out, std::ostream& err);

} // namespace tools
