// zlytpcli: the command table and the help printer.
#pragma once

#include "CommandLine.h"

namespace zlytpcli {

// Every command of the vocabulary, in the order the overall help lists them.
const std::vector<CommandSpec>& commands();
const CommandSpec* findCommand(const std::string& word);

// The overall help (spec null) or the help of one command.
void printHelp(std::ostream& out, const CommandSpec* spec);

// Installs the tool's map callback on the controller: it stores the tasks that
// addodstask and addupdatetask hand to the controller.
void installMapCallback(KOVL::KOVConfigController& controller);

}  // namespace zlytpcli
