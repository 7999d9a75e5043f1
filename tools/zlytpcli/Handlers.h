// zlytpcli: the value words and result reporting shared by the command
// handlers, and the handlers that live outside Commands.cpp.
#pragma once

#include "CommandLine.h"
#include "View.h"

namespace zlytpcli {

using Controller = KOVL::KOVConfigController;

// Whether a checked enable/disable word is "enable".
bool enableWord(const std::string& word);
std::vector<std::string> enableChoices();
// A whole number in [low, high]; anything else is refused with `invalid` and a
// second line that tells a missing value, a non-number and one out of range apart.
long number(const std::string& word, long low, long high, const std::string& invalid,
            const std::string& option = "");
// The profile of a checked --profile word.
KOVL::PROFILE_CODE profileWord(const std::string& word);
// The --profile sub-option, which must be given.
KOVL::PROFILE_CODE requiredProfile(const Invocation& in);
const std::string& enabledLabel(bool on);
// The label of an ORQ sensitivity level 1..5; any other level is unknown.
const std::string& sensitivityLabel(int level);
// The label, with the flag itself as JSON.
Cell enabledCell(bool on);
// The items joined with ", " (`none` when there are none), and as a JSON array.
Cell listCell(const std::vector<std::string>& items, const std::string& none);
// 3001 written, 3018 already set and 3021 written without a listener.
bool succeeded(int code);
// Prints the success line, or refuses with `failed` (status 1).
Status report(Context& ctx, int code, const std::string& failed);
// Prints the success line and what was deleted.
Status reportDeleted(Context& ctx, int code, const std::string& failed, const std::string& what);
// The primary and secondary actions a command would leave: refused with the
// message the same pair gets when given in one command.
void checkActionPair(const std::string& primary, const std::string& secondary, bool secondaryGiven,
                     bool secondaryOnlyAfterClean, bool unwantedPrograms);

// On-access profiles (ProfileCommands.cpp).
std::vector<SubOption> profileConfigSubOptions();
Status setOASProfileConfig(Context& ctx, const Invocation& in);
Status getOASProfileConfig(Context& ctx, const Invocation& in);
Status printExclusionList(Context& ctx, KOVL::PROFILE_CODE code);
SubOption profileSubOption();
Status setOASToDefault(Context& ctx, const Invocation& in);

// Tasks (TaskCommands.cpp).
std::vector<SubOption> odsTaskSubOptions();
std::vector<SubOption> updateTaskSubOptions();
std::vector<SubOption> taskSelectSubOptions(const std::string& indexHelp);
std::vector<SubOption> scheduleSubOptions();
Status addODSTask(Context& ctx, const Invocation& in);
Status addUpdateTask(Context& ctx, const Invocation& in);
Status listTasks(Context& ctx, const Invocation& in);
Status showTask(Context& ctx, const Invocation& in);
Status deleteTask(Context& ctx, const Invocation& in);
Status scheduleTask(Context& ctx, const Invocation& in);

// Reputation service and proxy (ReputationCommands.cpp).
std::vector<SubOption> proxySubOptions();
std::vector<SubOption> telemetrySubOptions();
Status setORQ(Context& ctx, const Invocation& in);
Status orqTelemetry(Context& ctx, const Invocation& in);
Status proxyServerConfig(Context& ctx, const Invocation& in);
Status showProxyServerConfig(Context& ctx, const Invocation& in);

// Watching for changes (WatchCommand.cpp): our own word beside the vocabulary.
CommandSpec watchCommand();

}  // namespace zlytpcli
