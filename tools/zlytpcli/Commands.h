// zlytpcli: the command table and the help printer.
#pragma once

#include "CommandLine.h"

namespace zlytpcli {

// Every command of the vocabulary, in the order the overall help lists them.
const std::vector<CommandSpec>& commands();
const CommandSpec* findCommand(const std::string& word);
// The command of `word`; refuses an unknown word with the nearest command's name.
const CommandSpec& knownCommand(const std::string& word);
// The words users try for help as options: "-h" anywhere, "help" first, and
// "help WORD" for "--help --WORD".
std::vector<std::string> helpWordsAsOptions(std::vector<std::string> args);

// The overall help (spec null) or the help of one command.
void printHelp(std::ostream& out, const CommandSpec* spec);

// Installs the tool's map callback on the controller: it stores the tasks that
// addodstask and addupdatetask hand to the controller.
void installMapCallback(KOVL::KOVConfigController& controller);

}  // namespace zlytpcli
