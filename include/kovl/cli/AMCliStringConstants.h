// kovconfig: the vocabulary of the command-line tool zlytpcli.
//
// AMCliStringConstants holds, as named strings, every word the tool parses and
// every text it prints: the command words typed after "--", their sub-option and
// parameter words, the labels of its output, the option names it uses inside
// messages, its help texts and its error and status messages, and the names of
// the events it logs. The tool links against these constants so that the words it
// parses and prints and the words the configuration controller stores agree (for
// example CLI_PROCSETTINGS_PARAM_STANDARD and CLI_PROCSETTINGS_PARAM_RISKBASED are
// the two values of the process-settings preference).
//
// The role of a constant is told by its name:
//   ..._CMD                       command word
//   PARAM_..., CLI_..._SUB_...,
//   CLI_..._PARAM_..., CLI_...    sub-option and parameter words
//   ..._DESC, ..._DESC_SHORT,
//   ..._DESC_LONG, CLI_DESCRIPTION help texts
//   ..._OPTION                    display name of an option (ALL_OPTION is empty)
//   ..._MSG...                    error and status messages
//   CLI_OUTPUT_..., other names   words and labels printed by the tool
//   LOG_EVENT_AMCLI_...           event names logged by the tool
//
// Help texts that enumerate parameter words are built from the current values of
// those words, one entry per line, indented by "\n     ".
//
// Thread safety: the constants are initialised once when the library is loaded,
// in the order of the rows of AMCliStringConstantsList.h, and never change
// afterwards; they may be read from any thread without synchronisation. They
// are destroyed when the library is unloaded. Code running in static
// initialisers of the library itself must not read them.
#pragma once

#include <kovl/cli/AMCliStringConstantsList.h>
#include <kovl/export.h>

#include <string>
#include <utility>
#include <vector>

namespace KOVL {

class KOVL_EXPORT AMCliStringConstants {
public:
    AMCliStringConstants() = delete;

    /// Every constant as (name, address), in declaration order. The name is the
    /// identifier of the constant ("CLI_HELP_CMD"). Built on first call; the
    /// returned table lives until the library is unloaded.
    static const std::vector<std::pair<const char*, const std::string*>>& all();

    // One static member per row of the list, in row order.
#define KOVL_CLI_DECLARE(name, value) static const std::string name;
    KOVL_CLI_CONSTANTS(KOVL_CLI_DECLARE)
#undef KOVL_CLI_DECLARE
};

}  // namespace KOVL
