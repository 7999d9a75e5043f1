// zlytpcli: the command table. Each row names a command word of the
// vocabulary, its help, the sub-options it accepts and the handler that turns
// the checked command line into controller calls. Every word compared and every
// text printed comes from KOVL::AMCliStringConstants.
#include "Commands.h"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <charconv>
#include <climits>
#include <iostream>
#include <set>

#include "Handlers.h"
#include "View.h"

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

// ---- value words and results ----

std::vector<std::string> enableChoices() { return {S::PARAM_ENABLE, S::PARAM_DISABLE}; }

bool enableWord(const std::string& word) { return word == S::PARAM_ENABLE; }

long number(const std::string& word, long low, long high, const std::string& invalid,
            const std::string& option) {
    const std::string name = option.empty() ? std::string() : " for --" + option;
    const std::string range = low > high        ? std::string(" the list is empty")
                              : high == INT_MAX ? " give a whole number from " + std::to_string(low) + " up"
                                                : " give a whole number from " + std::to_string(low) +
                                                      " to " + std::to_string(high);
    if (word.empty()) refuse(invalid, "zlytpcli: the value" + name + " is empty;" + range + ".");
    // Decimal digits with an optional leading '-': no blanks and no '+', at
    // either end alike.
    long value = 0;
    const char* end = word.data() + word.size();
    const auto parsed = std::from_chars(word.data(), end, value);
    if (parsed.ptr != end || (parsed.ec != std::errc() && parsed.ec != std::errc::result_out_of_range)) {
        refuse(invalid, "zlytpcli: '" + word + "'" + name + " is not a whole number;" + range + ".");
    }
    if (parsed.ec == std::errc::result_out_of_range || value < low || value > high)
        refuse(invalid, "zlytpcli: " + word + name + " is out of range;" + range + ".");
    return value;
}

KOVL::PROFILE_CODE profileWord(const std::string& word) {
    if (word == S::CLI_PROFILE_PARAM_STANDARD) return KOVL::STANDARD_PROFILE;
    if (word == S::CLI_PROFILE_PARAM_LOWRISK) return KOVL::LOW_RISK_PROFILE;
    return KOVL::HIGH_RISK_PROFILE;
}

KOVL::PROFILE_CODE requiredProfile(const Invocation& in) {
    if (!in.has(S::CLI_SUB_PROFILE)) refuse(S::SPECIFY_PROFILE_OPTION_MSG);
    return profileWord(in.sub(S::CLI_SUB_PROFILE));
}

const std::string& enabledLabel(bool on) { return on ? S::ENABLED : S::DISABLED; }

Cell enabledCell(bool on) { return {on, enabledLabel(on)}; }

Cell listCell(const std::vector<std::string>& items, const std::string& none) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : S::VALUE_FOR_COMMA_DELIMITER + " ") + item;
    return {Json(items), items.empty() ? none : text};
}

// ---- results ----

bool succeeded(int code) {
    return code == KOVL::AM_SUCCESS || code == KOVL::AM_ALREADY_SET || code == KOVL::AM_NO_CALLBACK;
}

// 3001 written, 3018 already set and 3021 written without a listener are all done.
Status report(Context& ctx, int code, const std::string& failed) {
    if (!succeeded(code)) refuse(failed, kFailed);
    ctx.out << S::RET_SUCCESS_MSG << "\n";
    return kOk;
}

Status reportDeleted(Context& ctx, int code, const std::string& failed, const std::string& what) {
    if (!succeeded(code)) refuse(failed, kFailed);
    ctx.out << S::RET_SUCCESS_MSG << "\nDeleted " << what << ".\n";
    return kOk;
}

void checkActionPair(const std::string& primary, const std::string& secondary, bool secondaryGiven,
                     bool secondaryOnlyAfterClean, bool unwantedPrograms) {
    const std::string which = unwantedPrograms ? "--primaryactionpup" : "--primaryaction";
    if (primary == secondary)
        refuse(unwantedPrograms ? S::SAME_PARAMETER_FOUND_FOR_PUP_ACTION_MSG
                                : S::SAME_PARAMETER_FOUND_FOR_ACTION_MSG,
               "zlytpcli: both actions would be " + primary +
                   (secondaryGiven ? "" : " (the second one is kept)") + "; give a different " +
                   (secondaryGiven ? which : which + " or the second action too") + ".");
    if (secondaryGiven && secondaryOnlyAfterClean && primary != S::PARAM_CLEAN)
        refuse(unwantedPrograms ? S::INVALID_SECONDARY_ACTION_PUP_FOR_SPECIFIED_PRIMARY_ACTION_PUP_MSG
                                : S::INVALID_SECONDARY_ACTION_FOR_SPECIFIED_PRIMARY_ACTION_MSG,
               "zlytpcli: a second action applies only after " + which + " " + S::PARAM_CLEAN +
                   ", and the first action would be " + primary + ".");
}

namespace {

const std::string kFanotifyLabel = "File access through fanotify";
const std::string kKernelModuleLabel = "File access through the kernel module";

// ORQ sensitivity: the stored level 1..5 and its words and labels.
struct SensitivityLevel {
    int level;
    const std::string* word;
    const std::string* label;
};
const SensitivityLevel kSensitivity[] = {
    {1, &S::CLI_ORQ_SENSITIVITY_LEVEL_VERY_LOW, &S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_VERY_LOW},
    {2, &S::CLI_ORQ_SENSITIVITY_LEVEL_LOW, &S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_LOW},
    {3, &S::CLI_ORQ_SENSITIVITY_LEVEL_MEDIUM, &S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_MEDIUM},
    {4, &S::CLI_ORQ_SENSITIVITY_LEVEL_HIGH, &S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_HIGH},
    {5, &S::CLI_ORQ_SENSITIVITY_LEVEL_VERY_HIGH, &S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_VERY_HIGH},
};

std::vector<std::string> sensitivityWords() {
    std::vector<std::string> words;
    for (const SensitivityLevel& row : kSensitivity) words.push_back(*row.word);
    return words;
}

const std::string kProcessNameHelp =
    "Name of the process to delete, as shown by --getoasconfig --processlist.";

}  // namespace

const std::string& sensitivityLabel(int level) {
    for (const SensitivityLevel& row : kSensitivity)
        if (row.level == level) return *row.label;
    return S::CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_UNKNOWN;
}

namespace {

// ---- on-access global settings ----

Status setOASGlobalConfig(Context& ctx, const Invocation& in) {
    const std::string* chosen[] = {&S::CLI_SETOASGLOBALCONFIG_SUB_OAS,
                                   &S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME,
                                   &S::CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS, &S::CLI_SUB_ORQ};
    int given = 0;
    for (const std::string* word : chosen) given += in.has(*word) ? 1 : 0;
    if (in.subCount() == 0) refuse(S::NO_OPTION_PASSED_MSG);
    if (!in.has(S::CLI_SUB_ORQ)) {
        if (in.has(S::CLI_SUB_ORQ_STATE)) refuse(S::ORQ_OPTION_MANDATORY_WITH_STATE_OPTION_MSG);
        if (in.has(S::CLI_SUB_ORQ_SENSITIVITY)) refuse(S::ORQ_OPTION_MANDATORY_WITH_SENSITIVITY_OPTION_MSG);
    }
    if (given != 1) refuse(S::ONE_SUB_COMMAND_ALLOWED_MSG);
    Controller& c = ctx.controller;

    if (in.has(S::CLI_SETOASGLOBALCONFIG_SUB_OAS)) {
        const std::string word = in.sub(S::CLI_SETOASGLOBALCONFIG_SUB_OAS);
        return report(ctx, c.setOASStatus(word == S::CLI_OAS_PARAM_ON), S::VALUE_COULD_NOT_BE_SET_MSG);
    }
    if (in.has(S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME)) {
        const long seconds =
            number(in.sub(S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME), 10, 9999,
                   S::MAXSCANTIME_OUT_OF_RANGE_MSG, S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME);
        return report(ctx, c.setOASMaxScanTimeout(seconds), S::VALUE_COULD_NOT_BE_SET_MSG);
    }
    if (in.has(S::CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS)) {
        const std::string word = in.sub(S::CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS);
        return report(ctx,
                      word == S::CLI_PROCSETTINGS_PARAM_STANDARD ? c.setOASProcSettingsToStandard()
                                                                 : c.setOASProcSettingsToRiskbased(),
                      S::VALUE_COULD_NOT_BE_SET_MSG);
    }
    // ORQ: state and/or sensitivity, both checked before either is written.
    if (!in.has(S::CLI_SUB_ORQ_STATE) && !in.has(S::CLI_SUB_ORQ_SENSITIVITY))
        refuse(S::ORQ_SUBOPTION_REQUIRED_MSG);
    int level = 0;
    if (in.has(S::CLI_SUB_ORQ_SENSITIVITY)) {
        const std::string word = in.sub(S::CLI_SUB_ORQ_SENSITIVITY);
        for (const SensitivityLevel& row : kSensitivity)
            if (*row.word == word) level = row.level;
    }
    const bool state = in.has(S::CLI_SUB_ORQ_STATE) && enableWord(in.sub(S::CLI_SUB_ORQ_STATE));
    if (in.has(S::CLI_SUB_ORQ_STATE) && !succeeded(c.setORQStatus(state)))
        refuse(S::ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG, kFailed);
    if (level != 0) return report(ctx, c.setORQSensitivity(level), S::ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG);
    return report(ctx, KOVL::AM_SUCCESS, S::ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG);
}

// The word of each ORQ sensitivity level, as --sensitivity takes it.
std::string sensitivityWord(int level) {
    for (const SensitivityLevel& row : kSensitivity)
        if (row.level == level) return *row.word;
    return "";
}

void printSummary(Context& ctx) {
    Controller& c = ctx.controller;
    bool oas = false;
    KOVL::AM_ERROR_CODES code = KOVL::AM_SUCCESS;
    if (!c.getOASStatus(oas, code)) refuse(S::OAS_SUMMARY_COULD_NOT_BE_SHOWN_MSG, kFailed);
    bool orq = false;
    int level = 0;
    const bool orqKnown = c.getORQStatus(orq) == KOVL::AM_SUCCESS;
    const bool levelKnown = c.getORQSensitivity(level) == KOVL::AM_SUCCESS;
    const bool riskBased = c.getOASProcSettings() == S::CLI_PROCSETTINGS_PARAM_RISKBASED;
    const long seconds = c.getOASMaxScanTimeout();
    View()
        .field("onAccessScan", S::ON_ACCESS_SCAN, enabledCell(oas))
        .field("procSettings", S::PROFILE_SETTING,
               {riskBased ? S::CLI_PROCSETTINGS_PARAM_RISKBASED : S::CLI_PROCSETTINGS_PARAM_STANDARD,
                riskBased ? S::RISKBASED : S::STANDARD})
        .field("maxScanTimeSeconds", S::MAXIMUM_SCAN_TIME, {seconds, std::to_string(seconds) + " seconds"})
        .field("orq", S::ORQ_STATUS, orqKnown ? enabledCell(orq) : Cell(nullptr, S::NOT_APPLICABLE))
        .field("orqSensitivity", S::ORQ_SENSITIVITY,
               levelKnown ? Cell(sensitivityWord(level), sensitivityLabel(level))
                          : Cell(nullptr, S::NOT_APPLICABLE))
        .field("accessProtection", S::AP_STATUS, enabledCell(c.getAccessProtectionStatus()))
        .field("useFanotify", kFanotifyLabel, enabledCell(c.getUseFanotifyForFileAccess()))
        .field("useKernelModule", kKernelModuleLabel, enabledCell(c.getUseKernelModuleForFileAccess()))
        .print(ctx.out, ctx.json);
}

// The process lists, numbered across both lists in the order getProcessList gives.
struct NumberedProcess {
    KOVL::PROFILE_CODE code;
    std::string name;
};
std::vector<NumberedProcess> numberedProcesses(Controller& c) {
    std::vector<NumberedProcess> list;
    for (const auto& entry : c.getProcessList())
        for (const auto& pair : entry)
            list.push_back({static_cast<KOVL::PROFILE_CODE>(std::stoi(pair.first)), pair.second});
    return list;
}

void printProcessList(Context& ctx) {
    std::vector<std::vector<Cell>> rows;
    for (const NumberedProcess& entry : numberedProcesses(ctx.controller)) {
        const bool high = entry.code == KOVL::HIGH_RISK_PROFILE;
        rows.push_back({Cell(long(rows.size() + 1)),
                        entry.name,
                        {high ? S::CLI_SUB_HIGHRISK : S::CLI_SUB_LOWRISK, high ? S::HIGHRISK : S::LOWRISK}});
    }
    View()
        .table("processes", {{"index", "#"}, {"name", "Process"}, {"list", "Risk list"}}, rows,
               S::NO_PROCESS_TO_SHOW_MSG)
        .print(ctx.out, ctx.json);
}

Status getOASConfig(Context& ctx, const Invocation& in) {
    const std::string* views[] = {&S::CLI_GETOASCONFIG_SUB_SUMMARY, &S::CLI_GETOASCONFIG_SUB_PROCESSLIST,
                                  &S::CLI_GETOASCONFIG_SUB_EXCLUSIONLIST,
                                  &S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN};
    int given = 0;
    for (const std::string* word : views) given += in.has(*word) ? 1 : 0;
    const std::string which = "zlytpcli: give one of --" + S::CLI_GETOASCONFIG_SUB_SUMMARY + ", --" +
                              S::CLI_GETOASCONFIG_SUB_PROCESSLIST + ", --" +
                              S::CLI_GETOASCONFIG_SUB_EXCLUSIONLIST + " and --" +
                              S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN + ".";
    if (given == 0) refuse(S::NO_OPTION_PASSED_MSG, which);
    if (given > 1) refuse(S::ONE_SUB_COMMAND_ALLOWED_MSG, which);
    if (in.has(S::CLI_GETOASCONFIG_SUB_SUMMARY)) return printSummary(ctx), kOk;
    if (in.has(S::CLI_GETOASCONFIG_SUB_PROCESSLIST)) return printProcessList(ctx), kOk;
    if (in.has(S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN)) {
        const std::string word = in.sub(S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN);
        const bool defaults = word == S::CLI_LISTFILETYPESTOSCAN_PARAM_DEFAULT_AND_SPECIFIED;
        const KOVL::PROFILE_CODE code = requiredProfile(in);
        Controller& c = ctx.controller;
        std::vector<std::vector<Cell>> rows;
        for (const std::string& type : defaults ? c.getFileTypesToScanDefaultAndSpecified(code)
                                                : c.getFileTypesToScanOnlySpecified(code))
            rows.push_back({Cell(long(rows.size() + 1)), type});
        View()
            .table("fileTypes", {{"index", "#"}, {"type", S::FILE_TYPES_TO_BE_SCANNED}}, rows,
                   S::NO_FILETYPES_TO_SHOW_MSG)
            .print(ctx.out, ctx.json);
        return kOk;
    }
    return printExclusionList(ctx, requiredProfile(in));
}

// ---- process lists ----

// The one risk list named on the command line, with its items.
struct RiskList {
    KOVL::PROFILE_CODE code;
    std::vector<std::string> names;
};
RiskList riskList(const Invocation& in, const std::string& none) {
    const bool high = in.has(S::CLI_SUB_HIGHRISK), low = in.has(S::CLI_SUB_LOWRISK);
    if (!high && !low) refuse(none);
    if (high && low) refuse(S::ADDPROCESS_TO_ONLY_ONE_RISK_TYPE_MSG);
    const auto& word = high ? S::CLI_SUB_HIGHRISK : S::CLI_SUB_LOWRISK;
    return {high ? KOVL::HIGH_RISK_PROFILE : KOVL::LOW_RISK_PROFILE,
            splitItems({in.sub(word)},
                       high ? S::INVALID_HIGHRISK_ARGUMENT_MSG : S::INVALID_LOWRISK_ARGUMENT_MSG)};
}

// A name may sit in one risk list only.
void refuseNamesOfTheOtherList(Controller& c, const RiskList& list) {
    const bool high = list.code == KOVL::HIGH_RISK_PROFILE;
    const std::vector<std::string> other =
        c.getProcess(high ? KOVL::LOW_RISK_PROFILE : KOVL::HIGH_RISK_PROFILE);
    for (const std::string& name : list.names)
        if (std::find(other.begin(), other.end(), name) != other.end())
            refuse(high ? S::SAMEPROCESS_CAN_NOT_BE_ADDED_TO_HIGH_RISK_TYPE_MSG
                        : S::SAMEPROCESS_CAN_NOT_BE_ADDED_TO_LOW_RISK_TYPE_MSG);
}

Status addProcess(Context& ctx, const Invocation& in) {
    const RiskList list = riskList(in, S::SPECIFY_ATLEAST_ONE_ADDPROCESS_SUBOPTION_MSG);
    refuseNamesOfTheOtherList(ctx.controller, list);
    std::set<std::string> names(list.names.begin(), list.names.end());
    return report(ctx, ctx.controller.addProcess(list.code, names), S::VALUE_COULD_NOT_BE_SET_MSG);
}

// Replaces one list: removes the names that are not wanted, then adds the new ones.
Status setProcess(Context& ctx, const Invocation& in) {
    const RiskList list = riskList(in, S::SPECIFY_ATLEAST_ONE_SETPROCESS_SUBOPTION_MSG);
    Controller& c = ctx.controller;
    refuseNamesOfTheOtherList(c, list);
    std::set<std::string> wanted(list.names.begin(), list.names.end());
    for (const std::string& name : c.getProcess(list.code))
        if (!wanted.erase(name) && !succeeded(c.deleteProcess(list.code, name)))
            refuse(S::VALUE_COULD_NOT_BE_SET_MSG, kFailed);
    return report(ctx, wanted.empty() ? KOVL::AM_ALREADY_SET : c.addProcess(list.code, wanted),
                  S::VALUE_COULD_NOT_BE_SET_MSG);
}

// By --index (as --getoasconfig --processlist numbers them) or by --name.
Status delProcess(Context& ctx, const Invocation& in) {
    const bool byIndex = in.has(S::CLI_SUB_TASK_INDEX), byName = in.has(S::CLI_SUB_TASK_NAME);
    const std::string how = "zlytpcli: give the process by --" + S::CLI_SUB_TASK_INDEX + " N (as --" +
                            S::CLI_GETOASCONFIG_CMD + " --" + S::CLI_GETOASCONFIG_SUB_PROCESSLIST +
                            " numbers it) or by --" + S::CLI_SUB_TASK_NAME + " NAME.";
    if (!byIndex && !byName) refuse(S::NO_OPTION_PASSED_MSG, how);
    if (byIndex && byName) refuse(S::SPECIFY_ONLY_ONE_OPTION_INDEX_OR_NAME_MSG, how);
    const std::vector<NumberedProcess> list = numberedProcesses(ctx.controller);
    std::vector<std::string> names;
    for (const NumberedProcess& entry : list) names.push_back(entry.name);
    std::size_t at = 0;
    if (byIndex) {
        at = static_cast<std::size_t>(number(in.sub(S::CLI_SUB_TASK_INDEX), 1, static_cast<long>(list.size()),
                                             S::PROCESS_COULD_NOT_BE_DELETED_MSG, S::CLI_SUB_TASK_INDEX) -
                                      1);
    } else {
        const std::string name = in.sub(S::CLI_SUB_TASK_NAME);
        const auto found = std::find(names.begin(), names.end(), name);
        if (found == names.end())
            refuse(
                S::PROCESS_COULD_NOT_BE_DELETED_MSG,
                "zlytpcli: no process '" + name + "' is in either risk list." + didYouMean(name, names, ""));
        at = static_cast<std::size_t>(found - names.begin());
    }
    const NumberedProcess& entry = list[at];
    return reportDeleted(ctx, ctx.controller.deleteProcess(entry.code, entry.name),
                         S::PROCESS_COULD_NOT_BE_DELETED_MSG,
                         "process " + entry.name + " from the " +
                             (entry.code == KOVL::HIGH_RISK_PROFILE ? S::HIGHRISK : S::LOWRISK) + " list");
}

// ---- quarantine and logging ----

Status setQuarantineFolder(Context& ctx, const Invocation& in) {
    const boost::filesystem::path folder(in.value());
    boost::system::error_code error;
    if (!folder.is_absolute() || !boost::filesystem::is_directory(folder, error))
        refuse(S::INVALID_SETQUARANTINE_FOLDER_PATH_MSG);
    return report(ctx, ctx.controller.setQuarantineDir(in.value()),
                  S::QUARANTINE_FOLDER_COULD_NOT_BE_SET_MSG);
}

Status setProductLogFile(Context& ctx, const Invocation& in) {
    if (!boost::filesystem::path(in.value()).is_absolute()) refuse(S::INVALID_SET_PRODUCT_LOG_FILE_MSG);
    return report(ctx, ctx.controller.setLogPath(in.value()), S::PRODUCT_LOG_FILE_COULD_NOT_BE_SET_MSG);
}

Status setMaxProductLogSize(Context& ctx, const Invocation& in) {
    const long size = number(in.value(), 1, INT_MAX, S::INVALID_MAX_PRODUCTLOG_SIZE_ARGUMENT_MSG,
                             S::CLI_SETMAXPRODUCTLOGSIZE_CMD);
    const int code = ctx.controller.setActivityLogSize(static_cast<int>(size));
    if (!succeeded(code)) refuse(S::SET_MAX_PRODUCTLOG_SIZE_FAILURE_MSG, kFailed);
    ctx.out << (code == KOVL::AM_ALREADY_SET ? S::PRODUCTLOG_SIZE_SET_TO_SAME_VALUE_MSG
                                             : S::SET_MAX_PRODUCTLOG_SIZE_SUCCESS_MSG)
            << "\n";
    return kOk;
}

// The enable/disable commands: one row each, the setter and its getter.
struct Switch {
    const char* key;    // the JSON member of --showlogsettings
    const char* label;  // its label there
    const std::string* word;
    const std::string* help;
    const std::string* summary;
    const std::string* invalid;
    const std::string* failed;
    std::function<int(Controller&, bool)> set;
    std::function<bool(Controller&)> get;
};

// debuglog covers both scanners; its state is shown from the on-access flag.
const std::vector<Switch>& switches() {
    static const std::vector<Switch> rows = {
        {"debugLogging", "Debug logging (on-access and on-demand scans)", &S::CLI_DEBUGLOG_CMD,
         &S::CLI_DEBUGLOG_CMD_DESC, &S::CLI_DEBUGLOG_CMD_DESC_SHORT, &S::INVALID_DEBUG_LOG_ARGUMENT_MSG,
         &S::DEBUG_LOG_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) {
             const int oas = c.enableDebugLoggingForOAS(on);
             return succeeded(oas) ? c.enableDebugLoggingForODS(on) : oas;
         },
         [](Controller& c) { return c.isDebugLoggingEnabledForOAS(); }},
        {"productLog", "Product (activity) log", &S::CLI_PRODUCTLOG_CMD, &S::CLI_PRODUCTLOG_CMD_DESC,
         &S::CLI_PRODUCTLOG_CMD_DESC_SHORT, &S::INVALID_PRODUCT_LOG_ARGUMENT_MSG,
         &S::PRODUCT_LOG_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.enableActivityLogging(on); },
         [](Controller& c) { return c.isActivityLoggingEnabled(); }},
        {"syslog", "Events to syslog", &S::CLI_USESYSLOG_CMD, &S::CLI_USESYSLOG_CMD_DESC,
         &S::CLI_USESYSLOG_CMD_DESC_SHORT, &S::INVALID_USE_SYSLOG_ARGUMENT_MSG,
         &S::USE_SYSLOG_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.enableEventLogging(on); },
         [](Controller& c) { return c.isEventLoggingEnabled(); }},
        {"onAccessActivityLog", "On-access activity log", &S::CLI_OAS_ACTIVITYLOG_CMD,
         &S::CLI_OAS_ACTIVITYLOG_CMD_DESC, &S::CLI_OAS_ACTIVITYLOG_CMD_DESC_SHORT,
         &S::INVALID_OAS_ACTIVITYLOG_ARGUMENT_MSG, &S::OAS_ACTIVITYLOG_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.enableOASActivityLogging(on); },
         [](Controller& c) { return c.isOASActivityLoggingEnabled(); }},
        {"useFanotify", kFanotifyLabel.c_str(), &S::CLI_USEFANOTIFY_CMD, &S::CLI_USEFANOTIFY_CMD_DESC,
         &S::CLI_USEFANOTIFY_CMD_DESC_SHORT, &S::INVALID_USE_FANOTIFY_ARGUMENT_MSG,
         &S::USE_FANOTIFY_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.setUseFanotifyForFileAccess(on); },
         [](Controller& c) { return c.getUseFanotifyForFileAccess(); }},
        {"useKernelModule", kKernelModuleLabel.c_str(), &S::CLI_USEKERNELMODULE_CMD,
         &S::CLI_USEKERNELMODULE_CMD_DESC, &S::CLI_USEKERNELMODULE_CMD_DESC_SHORT, &S::INVALID_CMD_OPTION_MSG,
         &S::USE_KERNELMODULE_CONFIGURATION_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.setUseKernelModuleForFileAccess(on); },
         [](Controller& c) { return c.getUseKernelModuleForFileAccess(); }},
        {"accessProtection", "Access Protection", &S::CLI_SET_AP_STATUS, &S::CLI_SET_AP_STATUS_DESC, nullptr,
         &S::INVALID_CMD_OPTION_MSG, &S::VALUE_COULD_NOT_BE_SET_MSG,
         [](Controller& c, bool on) { return c.setAccessProtectionStatus(on); }, nullptr},
    };
    return rows;
}

// Log settings and the file-access switches.
Status showLogSettings(Context& ctx, const Invocation&) {
    Controller& c = ctx.controller;
    View view;
    for (const Switch& row : switches())
        if (row.get) view.field(row.key, row.label, enabledCell(row.get(c)));
    const long size = c.getActivityLogSize();
    view.field("productLogFile", "Product log file", c.getLogPath())
        .field("maxProductLogSizeMB", "Maximum product log size", {size, std::to_string(size) + " MB"})
        .print(ctx.out, ctx.json);
    return kOk;
}

Status getAPStatus(Context& ctx, const Invocation&) {
    View()
        .field("accessProtection", S::AP_STATUS, enabledCell(ctx.controller.getAccessProtectionStatus()))
        .print(ctx.out, ctx.json);
    return kOk;
}

// The access-protection exclusions kept in the preferences, numbered.
Status getAPExclusions(Context& ctx, const Invocation&) {
    std::vector<std::vector<Cell>> rows;
    for (const std::string& item : ctx.controller.getAPDefaultExclusions())
        rows.push_back({Cell(long(rows.size() + 1)), item});
    View()
        .table("exclusions", {{"index", "#"}, {"process", "Excluded process"}}, rows,
               S::NO_EXCLUSIONS_AVAILABLE_MSG)
        .print(ctx.out, ctx.json);
    return kOk;
}

// The product's version from its information, then the content versions.
Status version(Context& ctx, const Invocation&) {
    Controller& c = ctx.controller;
    const std::map<std::string, std::string> info = c.getProductInfo();
    std::string engine, dat;
    c.getEngineVersion(engine);
    c.getDATVersion(true, dat);
    const auto value = [&](const char* name) {
        const auto found = info.find(name);
        return found == info.end() ? std::string() : found->second;
    };
    View()
        .field("product", "Product", value("ProductName"))
        .field("version", "Version", value("ProductVersion"))
        .field("engine", "Engine", engine)
        .field("dat", "DAT", dat)
        .print(ctx.out, ctx.json);
    return kOk;
}

// ---- the table ----

SubOption sub(const std::string& word, const std::string& help, Arity arity = Arity::One,
              const std::string* invalid = nullptr, std::vector<std::string> choices = {}) {
    return {&word, &help, arity, invalid, std::move(choices)};
}

// A show or list command: no value of its own, its sub-options and --output.
CommandSpec show(const std::string& word, const std::string& help, const std::string* summary,
                 std::vector<SubOption> subs, Handler run) {
    subs.push_back(outputSubOption());
    return {&word, &help, summary, Arity::None, nullptr, std::move(subs), std::move(run)};
}

// A command that acts on the running product (tasks running, quarantine,
// scan cache, access-protection rules, repositories).
CommandSpec daemonOnly(const std::string& word, const std::string& help,
                       const std::string* summary = nullptr) {
    return {&word, &help, summary, Arity::None, nullptr, {}, nullptr};
}

std::vector<CommandSpec> buildTable() {
    std::vector<CommandSpec> table = {
        {&S::CLI_HELP_CMD, &S::CLI_HELP_CMD_DESC, nullptr, Arity::None, nullptr, {}, nullptr},
        show(S::CLI_VERSION_CMD, S::CLI_VERSION_CMD_DESC, nullptr, {}, version),
        {&S::CLI_SETOASGLOBALCONFIG_CMD,
         &S::CLI_SETOASGLOBALCONFIG_CMD_DESC,
         nullptr,
         Arity::None,
         nullptr,
         {sub(S::CLI_SETOASGLOBALCONFIG_SUB_OAS, S::CLI_SETOASGLOBALCONFIG_SUB_OAS_DESC, Arity::One,
              &S::INVALID_CMD_OPTION_MSG, {S::CLI_OAS_PARAM_ON, S::CLI_OAS_PARAM_OFF}),
          sub(S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME, S::CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME_DESC,
              Arity::One, &S::MAXSCANTIME_OUT_OF_RANGE_MSG),
          sub(S::CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS, S::CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS_DESC,
              Arity::One, &S::INVALID_PROCSETTINGS_ARGUMENT_MSG,
              {S::CLI_PROCSETTINGS_PARAM_STANDARD, S::CLI_PROCSETTINGS_PARAM_RISKBASED}),
          sub(S::CLI_SUB_ORQ, S::CLI_SUB_ORQ_DESC, Arity::None),
          sub(S::CLI_SUB_ORQ_STATE, S::CLI_SUB_ORQ_STATE_DESC, Arity::One, &S::INVALID_ORQ_STATE_ARGUMENT_MSG,
              enableChoices()),
          sub(S::CLI_SUB_ORQ_SENSITIVITY, S::CLI_SUB_ORQ_SENSITIVITY_DESC, Arity::One,
              &S::INVALID_ORQ_SENSITIVITY_ARGUMENT_MSG, sensitivityWords())},
         setOASGlobalConfig},
        show(S::CLI_GETOASCONFIG_CMD, S::CLI_GETOASCONFIG_CMD_DESC, nullptr,
             {sub(S::CLI_GETOASCONFIG_SUB_SUMMARY, S::CLI_GETOASCONFIG_SUB_SUMMARY_DESC, Arity::None),
              sub(S::CLI_GETOASCONFIG_SUB_PROCESSLIST, S::CLI_GETOASCONFIG_SUB_PROCESSLIST_DESC, Arity::None),
              sub(S::CLI_GETOASCONFIG_SUB_EXCLUSIONLIST, S::CLI_GETOASCONFIG_SUB_EXCLUSIONLIST_DESC,
                  Arity::None),
              sub(S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN,
                  S::CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN_DESC, Arity::One,
                  &S::INVALID_LISTFILETYPESTOSCAN_ARGUMENT_MSG,
                  {S::CLI_LISTFILETYPESTOSCAN_PARAM_DEFAULT_AND_SPECIFIED,
                   S::CLI_LISTFILETYPESTOSCAN_PARAM_ONLY_SPECIFIED}),
              profileSubOption()},
             getOASConfig),
        {&S::CLI_ADDPROCESS_CMD,
         &S::CLI_ADDPROCESS_CMD_DESC,
         &S::CLI_ADDPROCESS_CMD_DESC_SHORT,
         Arity::None,
         nullptr,
         {sub(S::CLI_SUB_HIGHRISK, S::CLI_SUB_HIGHRISK_DESC, Arity::One, &S::INVALID_HIGHRISK_ARGUMENT_MSG),
          sub(S::CLI_SUB_LOWRISK, S::CLI_SUB_LOWRISK_DESC, Arity::One, &S::INVALID_LOWRISK_ARGUMENT_MSG)},
         addProcess},
        {&S::CLI_SETPROCESS_CMD,
         &S::CLI_SETPROCESS_CMD_DESC,
         &S::CLI_SETPROCESS_CMD_DESC_SHORT,
         Arity::None,
         nullptr,
         {sub(S::CLI_SUB_HIGHRISK, S::CLI_SUB_HIGHRISK_DESC, Arity::One, &S::INVALID_HIGHRISK_ARGUMENT_MSG),
          sub(S::CLI_SUB_LOWRISK, S::CLI_SUB_LOWRISK_DESC, Arity::One, &S::INVALID_LOWRISK_ARGUMENT_MSG)},
         setProcess},
        {&S::CLI_DELPROCESS_CMD,
         &S::CLI_DELPROCESS_CMD_DESC,
         &S::CLI_DELPROCESS_CMD_DESC_SHORT,
         Arity::None,
         nullptr,
         {sub(S::CLI_SUB_TASK_INDEX, S::CLI_SUB_DELPROCESS_INDEX_DESC, Arity::One,
              &S::PROCESS_COULD_NOT_BE_DELETED_MSG),
          sub(S::CLI_SUB_TASK_NAME, kProcessNameHelp, Arity::One, &S::PROCESS_COULD_NOT_BE_DELETED_MSG)},
         delProcess},
        {&S::CLI_SETQUARANTINEFOLDER_CMD,
         &S::CLI_SETQUARANTINEFOLDER_CMD_DESC,
         nullptr,
         Arity::One,
         &S::INVALID_SETQUARANTINE_FOLDER_PATH_MSG,
         {},
         setQuarantineFolder},
        show(S::CLI_SHOWLOGSETTINGS_CMD, S::CLI_SHOWLOGSETTINGS_CMD_DESC, nullptr, {}, showLogSettings),
        {&S::CLI_SETPRODUCTLOGFILE_CMD,
         &S::CLI_SETPRODUCTLOGFILE_CMD_DESC,
         &S::CLI_SETPRODUCTLOGFILE_CMD_DESC_SHORT,
         Arity::One,
         &S::INVALID_SET_PRODUCT_LOG_FILE_MSG,
         {},
         setProductLogFile},
        {&S::CLI_SETMAXPRODUCTLOGSIZE_CMD,
         &S::CLI_SETMAXPRODUCTLOGSIZE_CMD_DESC,
         &S::CLI_SETMAXPRODUCTLOGSIZE_CMD_DESC_SHORT,
         Arity::One,
         &S::INVALID_MAX_PRODUCTLOG_SIZE_ARGUMENT_MSG,
         {},
         setMaxProductLogSize},
    };
    for (const Switch& row : switches()) {
        table.push_back({row.word,
                         row.help,
                         row.summary,
                         Arity::One,
                         row.invalid,
                         {},
                         [&row](Context& ctx, const Invocation& in) {
                             return report(ctx, row.set(ctx.controller, enableWord(in.value())), *row.failed);
                         },
                         enableChoices()});
    }
    // Profiles and tasks.
    table.push_back({&S::CLI_SETOASPROFILECONFIG_CMD, &S::CLI_SETOASPROFILECONFIG_CMD_DESC, nullptr,
                     Arity::None, nullptr, profileConfigSubOptions(), setOASProfileConfig});
    table.push_back(show(S::CLI_GETOASPROFILECONFIG_CMD, S::CLI_GETOASPROFILECONFIG_CMD_DESC,
                         &S::CLI_GETOASPROFILECONFIG_CMD_DESC_SHORT, {profileSubOption()},
                         getOASProfileConfig));
    table.push_back({&S::CLI_SETOASTODEFAULT_CMD,
                     &S::CLI_SETOASTODEFAULT_CMD_DESC,
                     &S::CLI_SETOASTODEFAULT_CMD_DESC_SHORT,
                     Arity::None,
                     nullptr,
                     {sub(S::CLI_SUB_FORCE, S::CLI_SUB_FORCE_DESC, Arity::None)},
                     setOASToDefault});
    table.push_back({&S::CLI_ADDODSTASK_CMD, &S::CLI_ADDODSTASK_CMD_DESC, nullptr, Arity::None, nullptr,
                     odsTaskSubOptions(), addODSTask});
    table.push_back({&S::CLI_ADDUPDATETASK_CMD, &S::CLI_ADDUPDATETASK_CMD_DESC,
                     &S::CLI_ADDUPDATETASK_CMD_DESC_SHORT, Arity::None, nullptr, updateTaskSubOptions(),
                     addUpdateTask});
    table.push_back(show(S::CLI_LISTTASKS_CMD, S::CLI_LISTTASKS_CMD_DESC, &S::CLI_LISTTASKS_CMD_DESC_SHORT,
                         {}, listTasks));
    table.push_back(show(S::CLI_SHOWTASK_CMD, S::CLI_SHOWTASK_CMD_DESC, nullptr,
                         taskSelectSubOptions(S::CLI_SUB_SHOWTASK_INDEX_DESC), showTask));
    table.push_back({&S::CLI_DELETETASK_CMD, &S::CLI_DELETETASK_CMD_DESC, nullptr, Arity::None, nullptr,
                     taskSelectSubOptions(S::CLI_SUB_DELETETASK_INDEX_DESC), deleteTask});
    table.push_back({&S::CLI_SCHEDULETASK_CMD, &S::CLI_SCHEDULETASK_CMD_DESC,
                     &S::CLI_SCHEDULETASK_CMD_DESC_SHORT, Arity::None, nullptr, scheduleSubOptions(),
                     scheduleTask});
    // Reputation service and proxy.
    table.push_back({&S::CLI_ORQ_CMD,
                     &S::CLI_ORQ_CMD_DESC,
                     &S::CLI_ORQ_CMD_DESC_SHORT,
                     Arity::One,
                     &S::INVALID_ORQ_ARGUMENT_MSG,
                     {},
                     setORQ,
                     enableChoices()});
    table.push_back(show(S::CLI_ORQTELEMETRY_CMD, S::CLI_ORQTELEMETRY_CMD_DESC, nullptr,
                         telemetrySubOptions(), orqTelemetry));
    table.push_back({&S::CLI_PROXYSERVERCONFIG_CMD, &S::CLI_PROXYSERVERCONFIG_CMD_DESC, nullptr, Arity::None,
                     nullptr, proxySubOptions(), proxyServerConfig});
    table.push_back(show(S::CLI_SHOWPROXYSERVERCONFIG_CMD, S::CLI_SHOWPROXYSERVERCONFIG_CMD_DESC, nullptr, {},
                         showProxyServerConfig));
    table.push_back(show(S::CLI_GET_AP_STATUS, S::CLI_GET_AP_STATUS_DESC, nullptr, {}, getAPStatus));
    table.push_back(
        show(S::CLI_GET_AP_EXCLUSION_CMD, S::CLI_GET_AP_EXCLUSION_CMD_DESC, nullptr, {}, getAPExclusions));

    // Commands served by the running product.
    for (CommandSpec spec : {
             daemonOnly(S::CLI_RUNTASK_CMD, S::CLI_RUNTASK_CMD_DESC_LONG, &S::CLI_RUNTASK_CMD_DESC),
             daemonOnly(S::CLI_STOPTASK_CMD, S::CLI_STOPTASK_CMD_DESC),
             daemonOnly(S::CLI_FLUSHSCANCACHE_CMD, S::CLI_FLUSHSCANCACHE_CMD_DESC),
             daemonOnly(S::CLI_SHOWSCANCACHESTATUS_CMD, S::CLI_SHOWSCANCACHESTATUS_CMD_DESC),
             daemonOnly(S::CLI_LISTQUARANTINEITEMS_CMD, S::CLI_LISTQUARANTINEITEMS_CMD_DESC,
                        &S::CLI_LISTQUARANTINEITEMS_CMD_DESC_SHORT),
             daemonOnly(S::CLI_RESTOREQUARANTINEITEMS_CMD, S::CLI_RESTOREQUARANTINEITEMS_CMD_DESC,
                        &S::CLI_RESTOREQUARANTINEITEMS_CMD_DESC_SHORT),
             daemonOnly(S::CLI_CREATEAPRULE_CMD, S::CLI_CREATEAPRULE_CMD_DESC),
             daemonOnly(S::CLI_EDITAPRULE_CMD, S::CLI_EDITAPRULE_CMD_DESC),
             daemonOnly(S::CLI_GET_ALL_AP_RULES_CMD, S::CLI_GET_ALL_AP_RULES_CMD_DESC),
             daemonOnly(S::CLI_GET_AP_RULE_CONFIG_CMD, S::CLI_GET_AP_RULE_CONFIG_CMD_DESC,
                        &S::CLI_GET_AP_RULE_CONFIG_CMD_DESC_SHORT),
             daemonOnly(S::CLI_DELETE_AP_RULE_CMD, S::CLI_DELETE_AP_RULE_CMD_DESC,
                        &S::CLI_DELETE_AP_RULE_CMD_DESC_SHORT),
             daemonOnly(S::CLI_SET_AP_EXCLUSION_CMD, S::CLI_SET_AP_EXCLUSION_CMD_DESC,
                        &S::CLI_SET_AP_EXCLUSION_CMD_DESC_SHORT),
             daemonOnly(S::CLI_DELETE_AP_EXCLUSION_CMD, S::CLI_DELETE_AP_EXCLUSION_CMD_DESC,
                        &S::CLI_DELETE_AP_EXCLUSION_CMD_DESC_SHORT),
             daemonOnly(S::CLI_ADDREPOSITORY_CMD, S::CLI_ADDREPOSITORY_CMD_DESC),
             daemonOnly(S::CLI_DISABLEREPOSITORY_CMD, S::CLI_DISABLEREPOSITORY_CMD_DESC),
             daemonOnly(S::CLI_ENABLEREPOSITORY_CMD, S::CLI_ENABLEREPOSITORY_CMD_DESC),
             daemonOnly(S::CLI_SHOWREPOSITORY_CMD, S::CLI_SHOWREPOSITORY_CMD_DESC),
             daemonOnly(S::CLI_SETREPOSITORYPRIORITY_CMD, S::CLI_SETREPOSITORYPRIORITY_CMD_DESC),
             daemonOnly(S::CLI_ADDPROXY_CMD, S::CLI_ADDPROXY_CMD_DESC),
             daemonOnly(S::CLI_REMOVEPROXY_CMD, S::CLI_REMOVEPROXY_CMD_DESC),
             // Not served by this tool yet.
         })
        table.push_back(spec);
    table.push_back(watchCommand());
    return table;
}

// The first sentence of a help text, for the command list.
std::string firstSentence(const std::string& text) {
    const std::string line = text.substr(0, text.find('\n'));
    const std::size_t end = line.find(". ");
    return end == std::string::npos ? line : line.substr(0, end + 1);
}

std::string trimmedEnd(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

const std::vector<CommandSpec>& commands() {
    static const std::vector<CommandSpec> table = buildTable();
    return table;
}

const CommandSpec* findCommand(const std::string& word) {
    for (const CommandSpec& spec : commands())
        if (*spec.word == word) return &spec;
    return nullptr;
}

const CommandSpec& knownCommand(const std::string& word) {
    const CommandSpec* spec = findCommand(word);
    if (spec) return *spec;
    std::vector<std::string> words;
    for (const CommandSpec& command : commands()) words.push_back(*command.word);
    const std::string best = nearest(word, words);
    const std::string help = "zlytpcli --" + S::CLI_HELP_CMD;
    refuse(S::INVALID_CMD_OPTION_MSG,
           "zlytpcli: '--" + word + "' is not a zlytpcli command." +
               (best.empty() ? "" : " Did you mean --" + best + "?") + " See " + help +
               (best.empty() || best == S::CLI_HELP_CMD ? "" : " --" + best) + ".");
}

std::vector<std::string> helpWordsAsOptions(std::vector<std::string> args) {
    const std::string help = "--" + S::CLI_HELP_CMD;
    for (std::string& arg : args)
        if (arg == "-h") arg = help;
    if (!args.empty() && args.front() == S::CLI_HELP_CMD) args.front() = help;
    if (!args.empty() && args.front() == help)
        for (std::size_t i = 1; i < args.size(); ++i)
            if (args[i].compare(0, 1, "-") != 0 && findCommand(args[i])) args[i] = "--" + args[i];
    return args;
}

void printHelp(std::ostream& out, const CommandSpec* spec) {
    if (!spec) {
        out << S::CLI_DESCRIPTION << "\n\n";
        std::vector<std::vector<std::string>> rows;
        for (const CommandSpec& command : commands())
            rows.push_back(
                {"--" + *command.word, command.summary ? *command.summary : firstSentence(*command.help)});
        printTable(out, rows, "  ");
        return;
    }
    out << "--" << *spec->word << "\n     " << trimmedEnd(*spec->help) << "\n";
    for (const SubOption& option : spec->subs)
        out << "  --" << *option.word << "\n     " << trimmedEnd(*option.help) << "\n";
}

}  // namespace zlytpcli
