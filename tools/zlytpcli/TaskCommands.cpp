// zlytpcli: on-demand scan and update tasks. addodstask and addupdatetask
// check their sub-options and hand the option map to the controller's task
// configuration, which validates it and passes it to this tool's map callback;
// the callback creates the task's section under a fresh identifier, starting
// from the keys of the shipped default task of its kind. Option numbers:
//
//   ODS task     100 name, 101 scanpaths, 102 excludepaths, 103 excludefiletype,
//                104 excludepathwithsubfolder, 105 filetypestoscan, 106 addfiletype,
//                107 noextension, 108 scanmacros, 109 scanarchive, 110 scanmime,
//                111 scanpups, 112 scanunknownprograms, 113 scanunknownmacros,
//                114 scansubfolders, 115 scanlocaldrives, 116 scantmpfolders,
//                117 scannetworkdrives, 118 usescancache, 119 primaryaction,
//                120 secondaryaction, 121 primaryactionpup, 122 secondaryactionpup,
//                123 odsthreads, 124 maxscantime, 125 orq state, 126 orq sensitivity,
//                132 setmaxcpulimit
//   update task  135 name, 136 updatetype
//
// Tasks are listed and numbered from 1 in the order of their names (byte
// order; tasks of the same name by kind, then identifier), so adding a task
// never reorders the others. Every command that selects a task takes its
// --index, its --name or its --uuid (the section identifier).
#include <algorithm>
#include <boost/filesystem.hpp>
#include <sstream>
#include <tuple>

#include "Commands.h"
#include "Handlers.h"
#include "View.h"

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

namespace {

using Options = std::map<int, std::vector<std::string>>;

enum class Value { Text, List, Paths, Switch, Number, FileTypes, Action, Sensitivity };

// One sub-option of a new task: its option number, the task key it fills and
// how its words are checked and stored.
struct TaskOption {
    const std::string* word;
    const std::string* help;
    int option;
    const char* key;  // inside the task's section; null when the callback picks it
    Value value;
    const std::string* invalid;
    long low = 0, high = 0;
};

const std::vector<TaskOption>& odsOptions() {
    static const std::vector<TaskOption> rows = {
        {&S::CLI_SUB_TASK_NAME, &S::CLI_SUB_TASK_NAME_DESC, 100, "TaskName", Value::Text,
         &S::INVALID_TASK_NAME_MSG},
        {&S::CLI_ADDODSTASK_SUB_SCANPATHS, &S::CLI_ADDODSTASK_SUB_SCANPATHS_DESC, 101, "ScanPaths.Path",
         Value::Paths, &S::INVALID_SCAN_PATHS_ARGUMENT_MSG},
        {&S::CLI_SUB_EXCLUDE_PATHS, &S::CLI_SUB_EXCLUDE_PATHS_DESC, 102, "PathExclusions.Path", Value::Paths,
         &S::INVALID_EXCLUDE_PATHS_ARGUMENT_MSG},
        {&S::CLI_SUB_EXCLUDE_FILE_TYPE, &S::CLI_SUB_EXCLUDE_FILE_TYPE_DESC, 103,
         "FileTypesToExclude.FileType", Value::List, &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
        {&S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER, &S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER_DESC, 104,
         "FoldersAndSubFoldersExclusion.Folder", Value::Paths,
         &S::INVALID_EXCLUDE_PATH_WITH_SUBFOLDER_ARGUMENT_MSG},
        {&S::CLI_SUB_FILETYPESTOSCAN, &S::CLI_ADDODSTASK_SUB_FILETYPESTOSCAN_DESC, 105, "FileTypeToScan",
         Value::FileTypes, &S::INVALID_FILETYPESTOSCAN_OPTION_MSG},
        {&S::CLI_SUB_ADDFILETYPE, &S::CLI_SUB_ADDFILETYPE_DESC, 106, nullptr, Value::List,
         &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
        {&S::CLI_SUB_NOEXTENSION, &S::CLI_SUB_NOEXTENSION_DESC, 107, "ScanExtension", Value::Switch,
         &S::INVALID_NOEXTENSION_OPTION_MSG},
        {&S::CLI_SUB_SCANMACROS, &S::CLI_SUB_SCANMACROS_DESC, 108, "ScanMacros", Value::Switch,
         &S::INVALID_SCANMACROS_OPTION_MSG},
        {&S::CLI_SUB_SCANARCHIVE, &S::CLI_ADDODSTASK_SUB_SCANARCHIVE_DESC, 109, "ScanArchiveEnabled",
         Value::Switch, &S::INVALID_SCANARCHIVE_OPTION_MSG},
        {&S::CLI_SUB_SCANMIME, &S::CLI_ADDODSTASK_SUB_SCANMIME_DESC, 110, "ScanMailEnabled", Value::Switch,
         &S::INVALID_SCANMIME_OPTION_MSG},
        {&S::CLI_SUB_SCANPUPS, &S::CLI_ADDODSTASK_SUB_SCANPUPS_DESC, 111, "DetectUnwantedProgramsEnabled",
         Value::Switch, &S::INVALID_SCANPUPS_OPTION_MSG},
        {&S::CLI_SUB_SCANUNKNOWNPROGRAMS, &S::CLI_ADDODSTASK_SUB_SCANUNKNOWNPROGRAMS_DESC, 112,
         "DetectUnknownProgramsEnabled", Value::Switch, &S::INVALID_SCANUNKNOWNPROGRAMS_OPTION_MSG},
        {&S::CLI_SUB_SCANUNKNOWNMACROS, &S::CLI_ADDODSTASK_SUB_SCANUNKNOWNMACROS_DESC, 113,
         "DetectUnknownMacrosEnabled", Value::Switch, &S::INVALID_SCANUNKNOWNMACROS_OPTION_MSG},
        {&S::CLI_SUB_SCANSUBFOLDERS, &S::CLI_ADDODSTASK_SUB_SCANSUBFOLDERS_DESC, 114, "ScanSubFolder",
         Value::Switch, &S::INVALID_SCANSUBFOLDERS_OPTION_MSG},
        {&S::CLI_SUB_SCANLOCALDRIVES, &S::CLI_ADDODSTASK_SUB_SCANLOCALDRIVES_DESC, 115, "ScanLocalDrives",
         Value::Switch, &S::INVALID_SCANLOCALDRIVES_OPTION_MSG},
        {&S::CLI_SUB_SCANTMPFOLDERS, &S::CLI_ADDODSTASK_SUB_SCANTMPFOLDERS_DESC, 116, "ScanTmpFolders",
         Value::Switch, &S::INVALID_SCANTMPFOLDERS_OPTION_MSG},
        {&S::CLI_ADDODSTASK_SUB_SCANNETWORKDRIVES, &S::CLI_ADDODSTASK_SUB_SCANNETWORKDRIVES_DESC, 117,
         "ScanOnNetwork", Value::Switch, &S::INVALID_SCANNETWORKDRIVES_OPTION_MSG},
        {&S::CLI_SUB_USESCANCACHE, &S::CLI_ADDODSTASK_SUB_USESCANCACHE_DESC, 118, "UseScanCache",
         Value::Switch, &S::INVALID_USESCANCACHE_OPTION_MSG},
        {&S::CLI_SUB_PRIMARYACTION, &S::CLI_ADDODSTASK_SUB_PRIMARYACTION_DESC, 119, "InfectionPrimaryAction",
         Value::Action, &S::INVALID_PRIMARYACTION_OPTION_MSG},
        {&S::CLI_SUB_SECONDARYACTION, &S::CLI_ADDODSTASK_SUB_SECONDARYACTION_DESC, 120,
         "InfectionSecondaryAction", Value::Action, &S::INVALID_SECONDARYACTION_OPTION_MSG},
        {&S::CLI_SUB_PRIMARYACTIONPUP, &S::CLI_ADDODSTASK_SUB_PRIMARYACTIONPUP_DESC, 121, "PUPPrimaryAction",
         Value::Action, &S::INVALID_PRIMARYACTIONPUP_OPTION_MSG},
        {&S::CLI_SUB_SECONDARYACTIONPUP, &S::CLI_ADDODSTASK_SUB_SECONDARYACTIONPUP_DESC, 122,
         "PUPSecondaryAction", Value::Action, &S::INVALID_SECONDARYACTIONPUP_OPTION_MSG},
        {&S::CLI_SUB_ODSTHREADS, &S::CLI_ADDODSTASK_SUB_ODSTHREADS_DESC, 123, "Threads", Value::Number,
         &S::INVALID_VALUE_FOR_ODSTHREADS_MSG, 1, 1024},
        {&S::CLI_SUB_MAXSCANTIME, &S::CLI_ADDODSTASK_SUB_MAXSCANTIME_DESC, 124, "MaxScanTimeout",
         Value::Number, &S::MAXSCANTIME_OUT_OF_RANGE_MSG, 10, 9999},
        {&S::CLI_SUB_ORQ_STATE, &S::CLI_SUB_ORQ_STATE_DESC, 125, "IsORQEnabled", Value::Switch,
         &S::INVALID_ORQSTATE_OPTION_MSG},
        {&S::CLI_SUB_ORQ_SENSITIVITY, &S::CLI_SUB_ORQ_SENSITIVITY_DESC, 126, "ORQSensitivityLevel",
         Value::Sensitivity, &S::INVALID_ORQSENSITIVITY_OPTION_MSG},
        {&S::CLI_SUB_MAXCPULIMIT, &S::CLI_ADDODSTASK_SUB_MAXCPULIMIT_DESC, 132, "MaxCPULimit", Value::Number,
         &S::MAXCPULIMIT_OUT_OF_RANGE_MSG, 1, 100},
    };
    return rows;
}

const std::vector<TaskOption>& updateOptions() {
    static const std::vector<TaskOption> rows = {
        {&S::CLI_SUB_TASK_NAME, &S::CLI_SUB_TASK_NAME_DESC, 135, "TaskName", Value::Text,
         &S::INVALID_TASK_NAME_MSG},
        {&S::CLI_ADDUPDATETASK_SUB_UPDATETYPE, &S::CLI_ADDUPDATETASK_SUB_UPDATETYPE_DESC, 136,
         "TaskUpdateType", Value::List, &S::INVALID_UPDATETYPE_ARGUMENT_MSG},
    };
    return rows;
}

// Stored words of the value kinds: ScanAction numbers, file-type choices, levels.
const std::vector<std::pair<const std::string*, const char*>> kActions = {
    {&S::PARAM_CONTINUE, "0"}, {&S::PARAM_CLEAN, "1"}, {&S::PARAM_DELETE, "2"}};
const std::vector<std::pair<const std::string*, const char*>> kFileTypes = {
    {&S::PARAM_ALL, "0"}, {&S::PARAM_DEFAULT_AND_SPECIFIED, "1"}, {&S::PARAM_ONLY_SPECIFIED, "2"}};
const std::vector<std::pair<const std::string*, const char*>> kLevels = {
    {&S::CLI_ORQ_SENSITIVITY_LEVEL_VERY_LOW, "1"},
    {&S::CLI_ORQ_SENSITIVITY_LEVEL_LOW, "2"},
    {&S::CLI_ORQ_SENSITIVITY_LEVEL_MEDIUM, "3"},
    {&S::CLI_ORQ_SENSITIVITY_LEVEL_HIGH, "4"},
    {&S::CLI_ORQ_SENSITIVITY_LEVEL_VERY_HIGH, "5"}};
// Update types: dat 1, engine 2, both 4 (the default update task's value).
const std::vector<std::pair<const std::string*, const char*>> kUpdateTypes = {{&S::DAT, "1"},
                                                                              {&S::ENGINE, "2"}};

const char* lookup(const std::vector<std::pair<const std::string*, const char*>>& words,
                   const std::string& word) {
    for (const auto& row : words)
        if (*row.first == word) return row.second;
    return nullptr;
}

// A stored value of a word table (actions, file-type choices, levels) as its word.
std::string wordOf(const std::vector<std::pair<const std::string*, const char*>>& table,
                   const std::string& stored) {
    for (const auto& row : table)
        if (stored == row.second) return *row.first;
    return "";
}

// The checked words of one sub-option, as the option map carries them.
std::vector<std::string> checkedValues(const TaskOption& row, const Invocation& in) {
    const std::string word = in.sub(*row.word);
    switch (row.value) {
        case Value::Text:
            if (word.empty()) refuse(*row.invalid);
            return {word};
        case Value::List:
            return splitItems({word}, *row.invalid);
        case Value::Paths: {
            std::vector<std::string> paths = splitItems({word}, *row.invalid);
            for (const std::string& path : paths)
                if (!boost::filesystem::path(path).is_absolute()) refuse(*row.invalid);
            return paths;
        }
        case Value::Switch:
            return {enableWord(word) ? S::PARAM_ENABLE : S::PARAM_DISABLE};
        case Value::Number:
            return {std::to_string(number(word, row.low, row.high, *row.invalid, *row.word))};
        case Value::FileTypes:
        case Value::Action:
        case Value::Sensitivity:
            return {word};
    }
    return {word};
}

std::string joinedItems(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : S::VALUE_FOR_COMMA_DELIMITER) + item;
    return text;
}

// The stored text of one option's words.
std::string storedText(const TaskOption& row, const std::vector<std::string>& words) {
    const std::string word = words.empty() ? std::string() : words.front();
    switch (row.value) {
        case Value::Switch:
            return word == S::PARAM_ENABLE ? "1" : "0";
        case Value::FileTypes:
            return lookup(kFileTypes, word);
        case Value::Action:
            return lookup(kActions, word);
        case Value::Sensitivity:
            return lookup(kLevels, word);
        default:
            return joinedItems(words);
    }
}

// ---- the map callback: creating the task's section ----

struct PendingTask {
    Controller* controller = nullptr;
    bool active = false;
    KOVL::TASK_KIND kind = KOVL::ODS_TASK;
    int stored = KOVL::AM_STORE_FAILURE;
};
PendingTask pending;

// The keys of the shipped default task of one kind, without its type attribute.
std::map<std::string, std::string> defaultTaskValues(KOVL::TASK_KIND kind) {
    const std::string typeKey = KOVL::taskTypeKey(kind);
    for (const auto& section : KOVL::defaultSettings()) {
        if (!section.second.count(typeKey)) continue;
        std::map<std::string, std::string> values = section.second;
        values.erase(typeKey);
        return values;
    }
    return {};
}

void storeTask(std::map<int, std::vector<std::string>> options) {
    if (!pending.active || !pending.controller) return;  // profile changes: nobody else to tell
    const std::string prefix = KOVL::taskSectionName(pending.kind) + ".";
    std::map<std::string, std::string> values = defaultTaskValues(pending.kind);
    const auto& rows = pending.kind == KOVL::ODS_TASK ? odsOptions() : updateOptions();
    for (const TaskOption& row : rows) {
        const auto given = options.find(row.option);
        if (given == options.end()) continue;
        if (row.key) {
            values[prefix + row.key] = storedText(row, given->second);
        } else {  // added file types go to the list the file-type choice names
            const bool defaults =
                options.count(105) && options[105].front() == S::PARAM_DEFAULT_AND_SPECIFIED;
            values[prefix + (defaults ? "FileTypeForDefaultAndSpecified.FileType"
                                      : "FileTypeForOnlySpecified.FileType")] = joinedItems(given->second);
        }
    }
    if (pending.kind == KOVL::UPDATE_TASK && options.count(136)) {
        const std::vector<std::string>& kinds = options[136];
        values[prefix + "TaskUpdateType"] = kinds.size() > 1 ? "4" : lookup(kUpdateTypes, kinds.front());
    }
    values[prefix + "TaskSchedule"] = "";
    pending.stored = pending.controller->addSettings(
        KOVL::taskSectionSettings(pending.kind, KOVL::newTaskSectionType(), values));
}

// ---- existing tasks ----

struct Task {
    KOVL::TASK_KIND kind;
    std::string type;  // the section's identifier
    std::map<std::string, std::string> settings;
    std::string value(const std::string& name) const {
        const auto found = settings.find(KOVL::taskSectionName(kind) + "." + name);
        return found == settings.end() ? std::string() : found->second;
    }
};

std::vector<Task> allTasks(Controller& c) {
    std::vector<Task> tasks;
    try {
        for (const auto& section : c.getODSTaskSettings())
            tasks.push_back({KOVL::ODS_TASK, section.first, section.second});
        for (const auto& section : c.getUpdateTaskSettings())
            tasks.push_back({KOVL::UPDATE_TASK, section.first, section.second});
    } catch (const std::exception&) {
        refuse(S::TASKS_COULD_NOT_BE_LISTED_MSG, kFailed);
    }
    std::stable_sort(tasks.begin(), tasks.end(), [](const Task& a, const Task& b) {
        return std::make_tuple(a.value("TaskName"), a.kind, a.type) <
               std::make_tuple(b.value("TaskName"), b.kind, b.type);
    });
    return tasks;
}

// The task named by --index, --name or --uuid.
Task selectedTask(Controller& c, const Invocation& in) {
    const std::string* handles[] = {&S::CLI_SUB_TASK_INDEX, &S::CLI_SUB_TASK_NAME, &S::CLI_SUB_TASK_UID};
    const std::string how = "zlytpcli: give the task by --" + S::CLI_SUB_TASK_INDEX + " N, --" +
                            S::CLI_SUB_TASK_NAME + " NAME or --" + S::CLI_SUB_TASK_UID + " UUID, as --" +
                            S::CLI_LISTTASKS_CMD + " shows them.";
    int given = 0;
    for (const std::string* word : handles) given += in.has(*word) ? 1 : 0;
    if (given == 0) refuse(S::SPECIFY_INDEX_OR_NAME_OF_TASK_MSG, how);
    if (given > 1) refuse(S::SPECIFY_ONLY_ONE_OPTION_INDEX_OR_NAME_MSG, how);
    const std::vector<Task> tasks = allTasks(c);
    if (in.has(S::CLI_SUB_TASK_INDEX)) {
        const long index = number(in.sub(S::CLI_SUB_TASK_INDEX), 1, static_cast<long>(tasks.size()),
                                  S::INVALID_TASK_INDEX_OPTION_MSG, S::CLI_SUB_TASK_INDEX);
        return tasks[static_cast<std::size_t>(index - 1)];
    }
    const bool byName = in.has(S::CLI_SUB_TASK_NAME);
    const std::string wanted = in.sub(byName ? S::CLI_SUB_TASK_NAME : S::CLI_SUB_TASK_UID);
    const std::string option = "--" + (byName ? S::CLI_SUB_TASK_NAME : S::CLI_SUB_TASK_UID);
    if (wanted.empty()) refuse(S::INVALID_TASK_NAME_MSG, "zlytpcli: the value of " + option + " is empty.");
    std::vector<std::string> known;
    const Task* found = nullptr;
    for (const Task& task : tasks) {
        const std::string handle = byName ? task.value("TaskName") : task.type;
        known.push_back(handle);
        if (handle != wanted) continue;
        if (found)
            refuse(S::INVALID_TASK_NAME_MSG, "zlytpcli: more than one task is named '" + wanted +
                                                 "'; give --" + S::CLI_SUB_TASK_UID + " instead (" +
                                                 found->type + " or " + task.type + ").");
        found = &task;
    }
    if (!found)
        refuse(S::INVALID_TASK_NAME_MSG,
               "zlytpcli: no task has " + option + " '" + wanted + "'." + didYouMean(wanted, known, ""));
    return *found;
}

std::vector<SubOption> subOptionsOf(const std::vector<TaskOption>& rows) {
    std::vector<SubOption> subs;
    for (const TaskOption& row : rows) {
        std::vector<std::string> choices;
        const auto* words = row.value == Value::Action        ? &kActions
                            : row.value == Value::FileTypes   ? &kFileTypes
                            : row.value == Value::Sensitivity ? &kLevels
                                                              : nullptr;
        if (words)
            for (const auto& word : *words) choices.push_back(*word.first);
        if (row.value == Value::Switch) choices = enableChoices();
        subs.push_back({row.word, row.help, Arity::One, row.invalid, choices});
    }
    return subs;
}

Status addTask(Context& ctx, const Invocation& in, KOVL::TASK_KIND kind) {
    const auto& rows = kind == KOVL::ODS_TASK ? odsOptions() : updateOptions();
    const std::string& failed =
        kind == KOVL::ODS_TASK ? S::ODS_TASK_COULD_NOT_BE_ADDED_MSG : S::UPDATE_TASK_COULD_NOT_BE_ADDED_MSG;
    Options options;
    for (const TaskOption& row : rows)
        if (in.has(*row.word)) options[row.option] = checkedValues(row, in);
    if (kind == KOVL::ODS_TASK) {
        if (!options.count(101) && !(options.count(115) && options[115].front() == S::PARAM_ENABLE))
            refuse(S::INVALID_SCAN_ODS_SETTINGS_MSG);
        if (options.count(106) && !options.count(105))
            refuse(S::THESE_OPTIONS_ALLOWED_ONLY_FOR_FILETYPESTOSCAN_MSG);
        if ((options.count(125) || options.count(126)) && !in.has(S::CLI_SUB_ORQ))
            refuse(options.count(125) ? S::ORQ_OPTION_MANDATORY_WITH_STATE_OPTION_MSG
                                      : S::ORQ_OPTION_MANDATORY_WITH_SENSITIVITY_OPTION_MSG);
        // The pairs the new task gets: the given words, else the default task's.
        const std::map<std::string, std::string> defaults = defaultTaskValues(KOVL::ODS_TASK);
        const auto action = [&](int option, const char* key) {
            if (options.count(option)) return options[option].front();
            const auto found = defaults.find(KOVL::taskSectionName(KOVL::ODS_TASK) + "." + key);
            return found == defaults.end() ? std::string() : wordOf(kActions, found->second);
        };
        checkActionPair(action(119, "InfectionPrimaryAction"), action(120, "InfectionSecondaryAction"),
                        options.count(120) != 0, false, false);
        checkActionPair(action(121, "PUPPrimaryAction"), action(122, "PUPSecondaryAction"),
                        options.count(122) != 0, false, true);
    } else if (options.count(136)) {
        for (const std::string& word : options[136])
            if (!lookup(kUpdateTypes, word)) refuse(S::INVALID_UPDATETYPE_ARGUMENT_MSG);
    }
    const int nameOption = kind == KOVL::ODS_TASK ? 100 : 135;
    if (!options.count(nameOption))
        refuse(failed, "zlytpcli: a new task needs a name; give --" + S::CLI_SUB_TASK_NAME + " NAME.");
    const std::vector<Task> tasks = allTasks(ctx.controller);
    for (std::size_t i = 0; i < tasks.size(); ++i)
        if (tasks[i].value("TaskName") == options[nameOption].front())
            refuse(failed, "zlytpcli: a task named '" + options[nameOption].front() + "' already exists (--" +
                               S::CLI_LISTTASKS_CMD + " shows it as " + std::to_string(i + 1) +
                               "); task names are handles, so give another one.");

    pending.active = true;
    pending.kind = kind;
    pending.stored = KOVL::AM_STORE_FAILURE;
    const int code = kind == KOVL::ODS_TASK ? ctx.controller.setODSTaskConfig(options)
                                            : ctx.controller.setUpdateTaskConfig(options);
    pending.active = false;
    if (code == KOVL::AM_INVALID_KEY) refuse(failed);  // the required option was missing
    return report(ctx, code == KOVL::AM_SUCCESS ? pending.stored : code, failed);
}

}  // namespace

void installMapCallback(Controller& controller) {
    pending.controller = &controller;
    controller.registerCallBackMap(storeTask);
}

std::vector<SubOption> odsTaskSubOptions() {
    std::vector<SubOption> subs = subOptionsOf(odsOptions());
    subs.push_back({&S::CLI_SUB_ORQ, &S::CLI_SUB_ORQ_DESC, Arity::None, nullptr});
    return subs;
}

std::vector<SubOption> updateTaskSubOptions() { return subOptionsOf(updateOptions()); }

std::vector<SubOption> taskSelectSubOptions(const std::string& indexHelp) {
    return {{&S::CLI_SUB_TASK_INDEX, &indexHelp, Arity::One, &S::INVALID_TASK_INDEX_OPTION_MSG},
            {&S::CLI_SUB_TASK_NAME, &S::CLI_SUB_TASK_NAME_DESC, Arity::One, &S::INVALID_TASK_NAME_MSG},
            {&S::CLI_SUB_TASK_UID, &S::CLI_SUB_TASK_UID_DESC, Arity::One, &S::INVALID_TASK_NAME_MSG}};
}

std::vector<SubOption> scheduleSubOptions() {
    std::vector<SubOption> subs = taskSelectSubOptions(S::CLI_SUB_SCHEDULETASK_INDEX_DESC);
    for (const auto& kind :
         {std::make_pair(&S::CLI_SCHEDULETASK_SUB_DAILY_CMD, &S::CLI_SCHEDULETASK_SUB_DAILY_CMD_DESC),
          std::make_pair(&S::CLI_SCHEDULETASK_SUB_WEEKLY_CMD, &S::CLI_SCHEDULETASK_SUB_WEEKLY_CMD_DESC),
          std::make_pair(&S::CLI_SCHEDULETASK_SUB_MONTHLY_CMD, &S::CLI_SCHEDULETASK_SUB_MONTHLY_CMD_DESC),
          std::make_pair(&S::CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD,
                         &S::CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD_DESC)})
        subs.push_back({kind.first, kind.second, Arity::None, nullptr});
    subs.push_back({&S::CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD, &S::CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD_DESC,
                    Arity::One, &S::INVALID_DAYOFWEEK_ARGUMENT_MSG});
    subs.push_back({&S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD, &S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD_DESC,
                    Arity::One, &S::INVALID_DAYOFMONTH_ARGUMENT_MSG});
    subs.push_back({&S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD, &S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD_DESC,
                    Arity::One, &S::INVALID_START_TIME_ARGUMENT_MSG});
    return subs;
}

Status addODSTask(Context& ctx, const Invocation& in) { return addTask(ctx, in, KOVL::ODS_TASK); }

Status addUpdateTask(Context& ctx, const Invocation& in) { return addTask(ctx, in, KOVL::UPDATE_TASK); }

namespace {

const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> list;
    std::istringstream in(text);
    for (std::string word; in >> word;) list.push_back(word);
    return list;
}

// A stored schedule ("weekly 1,7 02:30") in words and as JSON (null when the task has none).
Cell scheduleCell(const std::string& stored) {
    const std::vector<std::string> parts = words(stored);
    if (parts.size() < 2) return {nullptr, "Not scheduled"};
    Json json = {{"kind", parts[0]}, {"startTime", parts.back()}};
    std::string text;
    if (parts[0] == S::CLI_SCHEDULETASK_SUB_WEEKLY_CMD && parts.size() == 3) {
        Json days = Json::array();
        std::string names;
        const std::vector<std::string> list =
            splitItems({parts[1]}, S::ERROR_WHILE_DISPLAYING_SCHEDULE_INFORMATION_MSG);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const long day = number(list[i], 1, 7, S::ERROR_WHILE_DISPLAYING_SCHEDULE_INFORMATION_MSG);
            days.push_back(day);
            names += (i == 0 ? "" : i + 1 == list.size() ? " and " : ", ") + std::string(kDays[day - 1]);
        }
        json["daysOfWeek"] = days;
        text = S::WEEKLY + " on " + names;
    } else if (parts[0] == S::CLI_SCHEDULETASK_SUB_MONTHLY_CMD && parts.size() == 3) {
        json["dayOfMonth"] = number(parts[1], 1, 31, S::ERROR_WHILE_DISPLAYING_SCHEDULE_INFORMATION_MSG);
        text = S::MONTHLY + " on day " + parts[1];
    } else {
        text = "Daily";
    }
    return {json, text + " at " + parts.back()};
}

Cell flagCell(const Task& task, const char* key) { return enabledCell(task.value(key) == "1"); }

Cell countCell(const Task& task, const char* key, const std::string& unit = "") {
    const std::string text = task.value(key);
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size()) return {value, text + unit};
    } catch (const std::exception&) {
    }
    return {text, text};
}

Cell itemsCell(const Task& task, const char* key, const std::string& none) {
    std::vector<std::string> items;
    const std::string text = task.value(key);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = text.find(S::VALUE_FOR_COMMA_DELIMITER, start);
        const std::string item = text.substr(start, comma == std::string::npos ? comma : comma - start);
        if (!item.empty()) items.push_back(item);
        if (comma == std::string::npos) break;
        start = comma + S::VALUE_FOR_COMMA_DELIMITER.size();
    }
    return listCell(items, none);
}

std::string capitalised(std::string word) {
    if (!word.empty()) word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

// "Clean, then Delete": the first action and what follows when it fails.
Cell actions(const Task& task, const char* primaryKey, const char* secondaryKey) {
    const std::string primary = wordOf(kActions, task.value(primaryKey));
    const std::string secondary = wordOf(kActions, task.value(secondaryKey));
    const std::string text =
        capitalised(primary) + (secondary.empty() ? "" : ", then " + capitalised(secondary));
    return {Json{{"primary", primary}, {"secondary", secondary}}, text};
}

const char* kindWord(KOVL::TASK_KIND kind) { return kind == KOVL::ODS_TASK ? "ods" : "update"; }
const char* kindLabel(KOVL::TASK_KIND kind) { return kind == KOVL::ODS_TASK ? "On-demand scan" : "Update"; }

}  // namespace

Status listTasks(Context& ctx, const Invocation&) {
    std::vector<std::vector<Cell>> rows;
    for (const Task& task : allTasks(ctx.controller))
        rows.push_back({Cell(long(rows.size() + 1)),
                        task.value("TaskName"),
                        {kindWord(task.kind), kindLabel(task.kind)},
                        scheduleCell(task.value("TaskSchedule")),
                        task.type});
    View()
        .table(
            "tasks",
            {{"index", "#"}, {"name", "Name"}, {"kind", "Kind"}, {"schedule", "Schedule"}, {"uuid", "UUID"}},
            rows, S::NO_TASK_AVAILABLE_MSG)
        .print(ctx.out, ctx.json);
    return kOk;
}

// The task's settings in groups, in words.
Status showTask(Context& ctx, const Invocation& in) {
    const Task task = selectedTask(ctx.controller, in);
    View view;
    view.group("task", "Task")
        .field("name", "Name", task.value("TaskName"))
        .field("uuid", "UUID", task.type)
        .field("kind", "Kind", {kindWord(task.kind), kindLabel(task.kind)})
        .field("schedule", "Schedule", scheduleCell(task.value("TaskSchedule")));
    if (task.kind == KOVL::UPDATE_TASK) {
        const std::string type = task.value("TaskUpdateType");
        const std::string word = type == "4" ? "dat,engine" : wordOf(kUpdateTypes, type);
        view.field(
            "updateType", "Updates",
            {type == "4" ? Json{S::DAT, S::ENGINE} : Json{word}, type == "4" ? "DAT and engine" : word});
        const Cell last = countCell(task, "TaskLastRun");
        view.field("lastRun", "Last run", last.value == 0 ? Cell(nullptr, "Never run") : last);
        view.print(ctx.out, ctx.json);
        return kOk;
    }
    const std::string fileTypes = wordOf(kFileTypes, task.value("FileTypeToScan"));
    view.group("whatToScan", "What to scan")
        .field("scanPaths", "Paths", itemsCell(task, "ScanPaths.Path", "None"))
        .field("scanSubFolders", "Subfolders", flagCell(task, "ScanSubFolder"))
        .field("scanLocalDrives", "Local drives", flagCell(task, "ScanLocalDrives"))
        .field("scanTmpFolders", "Temporary folders", flagCell(task, "ScanTmpFolders"))
        .field("scanNetworkDrives", "Network drives", flagCell(task, "ScanOnNetwork"))
        .field("fileTypesToScan", "File types",
               {fileTypes, fileTypes == S::PARAM_ALL                     ? S::ALL
                           : fileTypes == S::PARAM_DEFAULT_AND_SPECIFIED ? S::DEFAULT
                                                                         : S::SPECIFIED})
        .field(
            "addedFileTypes", "Added file types",
            itemsCell(task,
                      fileTypes == S::PARAM_DEFAULT_AND_SPECIFIED ? "FileTypeForDefaultAndSpecified.FileType"
                                                                  : "FileTypeForOnlySpecified.FileType",
                      "None"))
        .field("noExtension", "Files with no extension", flagCell(task, "ScanExtension"))
        .field("excludePaths", "Excluded paths", itemsCell(task, "PathExclusions.Path", "None"))
        .field("excludeFolders", "Excluded folders with subfolders",
               itemsCell(task, "FoldersAndSubFoldersExclusion.Folder", "None"))
        .field("excludeFileTypes", "Excluded file types",
               itemsCell(task, "FileTypesToExclude.FileType", "None"));
    const std::string storedLevel = task.value("ORQSensitivityLevel");
    const std::string level = wordOf(kLevels, storedLevel);
    // A word was found only for a stored level of exactly "1" to "5".
    const std::string& levelLabel = sensitivityLabel(level.empty() ? 0 : std::stoi(storedLevel));
    view.group("howToScan", "How to scan")
        .field("scanArchive", "Archives", flagCell(task, "ScanArchiveEnabled"))
        .field("scanMime", "MIME-encoded files", flagCell(task, "ScanMailEnabled"))
        .field("scanMacros", "Macros", flagCell(task, "ScanMacros"))
        .field("scanPups", "Unwanted programs", flagCell(task, "DetectUnwantedProgramsEnabled"))
        .field("scanUnknownPrograms", "Unknown programs", flagCell(task, "DetectUnknownProgramsEnabled"))
        .field("scanUnknownMacros", "Unknown macros", flagCell(task, "DetectUnknownMacrosEnabled"))
        .field("detectJokes", "Jokes", flagCell(task, "DetectJokesEnabled"))
        .field("useScanCache", "Scan cache", flagCell(task, "UseScanCache"))
        .field("threads", "Threads", countCell(task, "Threads"))
        .field("maxScanTimeSeconds", "Maximum scan time", countCell(task, "MaxScanTimeout", " seconds"))
        .field("maxCpuPercent", "Maximum CPU use", countCell(task, "MaxCPULimit", " %"))
        .field("orq", "ORQ", flagCell(task, "IsORQEnabled"))
        .field("orqSensitivity", "ORQ sensitivity", {level, levelLabel});
    view.group("actions", "Actions")
        .field("threats", "Threats", actions(task, "InfectionPrimaryAction", "InfectionSecondaryAction"))
        .field("unwantedPrograms", "Unwanted programs",
               actions(task, "PUPPrimaryAction", "PUPSecondaryAction"));
    view.group("lastRun", "Last run");
    if (countCell(task, "LastRunSummary.TaskStartTime").value == 0) {
        view.field("ran", "Status", {false, "Never run"});
    } else {
        view.field("ran", "Status", {true, "Ran"});
        const std::pair<const char*, const char*> counts[] = {
            {"TaskStartTime", "Started (seconds since 1970)"},
            {"TaskEndTime", "Ended (seconds since 1970)"},
            {"TimeTaken", "Time taken (seconds)"},
            {"NoOfFiles", "Files scanned"},
            {"NoOfCleanFiles", "Clean files"},
            {"NoOfFilesInfected", "Infected files"},
            {"NoOfFilesCleaned", "Files cleaned"},
            {"NoOfFilesDeleted", "Files deleted"},
            {"NoOfFilesSkipped", "Files skipped"},
            {"NoOfFilesExcluded", "Files excluded"},
            {"NoOfCleanORQFiles", "Files found clean by ORQ"},
            {"NoOfCacheHit", "Scan cache hits"},
            {"NoOfFilesNotScannedDueToTimeout", "Files not scanned (timeout)"},
            {"NoOfFilesNotScannedDueToError", "Files not scanned (error)"},
            {"OdsStatus", "Status code"},
        };
        for (const auto& row : counts)
            view.field(row.first, row.second,
                       countCell(task, (std::string("LastRunSummary.") + row.first).c_str()));
    }
    view.print(ctx.out, ctx.json);
    return kOk;
}

Status deleteTask(Context& ctx, const Invocation& in) {
    const Task task = selectedTask(ctx.controller, in);
    return reportDeleted(
        ctx, ctx.controller.delSettings({}, {{task.type, {{KOVL::taskSectionName(task.kind), ""}}}}),
        S::TASK_COULD_NOT_BE_DELETED_MSG, "task " + task.value("TaskName") + " (" + task.type + ")");
}

// The schedule is stored as its words: "daily 02:00", "weekly 1,7 02:00",
// "monthly 15 02:00", or nothing for an unscheduled task.
Status scheduleTask(Context& ctx, const Invocation& in) {
    const std::string* kinds[] = {&S::CLI_SCHEDULETASK_SUB_DAILY_CMD, &S::CLI_SCHEDULETASK_SUB_WEEKLY_CMD,
                                  &S::CLI_SCHEDULETASK_SUB_MONTHLY_CMD,
                                  &S::CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD};
    const std::string* kind = nullptr;
    for (const std::string* word : kinds) {
        if (!in.has(*word)) continue;
        if (kind) refuse(S::ONLY_ONE_SCHEDULE_TASK_SUBOPTION_ALLOWED_MSG);
        kind = word;
    }
    if (!kind) refuse(S::ATLEAST_ONE_SCHEDULE_TASK_SUBOPTION_ALLOWED_MSG);
    const bool weekly = kind == &S::CLI_SCHEDULETASK_SUB_WEEKLY_CMD,
               monthly = kind == &S::CLI_SCHEDULETASK_SUB_MONTHLY_CMD;
    const bool days = in.has(S::CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD),
               date = in.has(S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD);
    if (days && !weekly) refuse(S::DAYOFWEEK_SUBOPTION_NOT_ALLOWED_MSG);
    if (date && !monthly) refuse(S::DAYOFMONTH_SUBOPTION_NOT_ALLOWED_MSG);
    if (weekly && !days) refuse(S::DAYOFWEEK_SUBOPTION_IS_MISSING_MSG);
    if (monthly && !date) refuse(S::DAYOFMONTH_SUBOPTION_IS_MISSING_MSG);
    const bool unspecified = kind == &S::CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD;
    const bool time = in.has(S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD);
    if (unspecified && time) refuse(S::START_TIME_OPTION_NOT_ALLOWED_MSG);
    if (!unspecified && !time) refuse(S::PROVIDE_START_TIME_OPTION_MSG);

    std::string schedule;
    if (!unspecified) {
        schedule = *kind;
        if (weekly) {
            std::vector<std::string> list = splitItems({in.sub(S::CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD)},
                                                       S::INVALID_DAYOFWEEK_ARGUMENT_MSG);
            for (std::string& day : list)
                day = std::to_string(number(day, 1, 7, S::INVALID_DAYOFWEEK_ARGUMENT_MSG,
                                            S::CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD));
            schedule += " " + joinedItems(list);
        }
        if (monthly)
            schedule += " " + std::to_string(number(in.sub(S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD), 1, 31,
                                                    S::INVALID_DAYOFMONTH_ARGUMENT_MSG,
                                                    S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD));
        const std::string start = in.sub(S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD);
        const std::size_t colon = start.find(S::VALUE_FOR_COLON_DELIMITER);
        if (colon == std::string::npos || start.size() - colon != 3)
            refuse(S::INVALID_START_TIME_ARGUMENT_MSG);
        const long hours = number(start.substr(0, colon), 0, 23, S::INVALID_START_TIME_ARGUMENT_MSG,
                                  S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD + " (hours)");
        const long minutes = number(start.substr(colon + 1), 0, 59, S::INVALID_START_TIME_ARGUMENT_MSG,
                                    S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD + " (minutes)");
        char text[8];
        std::snprintf(text, sizeof(text), "%02ld:%02ld", hours, minutes);
        schedule += std::string(" ") + text;
    }
    const Task task = selectedTask(ctx.controller, in);
    return report(ctx,
                  ctx.controller.setStringConfiguration(
                      "type", task.type, KOVL::taskSectionName(task.kind) + ".TaskSchedule", schedule),
                  S::SCHEDULE_TASK_COULD_NOT_BE_SET_MSG);
}

}  // namespace zlytpcli
