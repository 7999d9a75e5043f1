// zlytpcli: the man page and the bash completion script, written from the
// command table that drives the parser and --help.
#pragma once

#include <ostream>

namespace zlytpcli {

void writeManPage(std::ostream& out);
void writeBashCompletion(std::ostream& out);

}  // namespace zlytpcli
