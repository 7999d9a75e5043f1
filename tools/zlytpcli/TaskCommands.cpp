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
// Tasks are numbered from 1: the ODS tasks, then the update tasks, each in the
// order of their section identifiers.
#include <boost/filesystem.hpp>

#include "Commands.h"
#include "Handlers.h"

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
            return {enableWord(word, *row.invalid) ? S::PARAM_ENABLE : S::PARAM_DISABLE};
        case Value::Number:
            return {std::to_string(number(word, row.low, row.high, *row.invalid))};
        case Value::FileTypes:
            if (!lookup(kFileTypes, word)) refuse(*row.invalid);
            return {word};
        case Value::Action:
            if (!lookup(kActions, word)) refuse(*row.invalid);
            return {word};
        case Value::Sensitivity:
            if (!lookup(kLevels, word)) refuse(*row.invalid);
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
    return tasks;
}

// The task named by --index or --name.
Task selectedTask(Controller& c, const Invocation& in) {
    const bool byIndex = in.has(S::CLI_SUB_TASK_INDEX), byName = in.has(S::CLI_SUB_TASK_NAME);
    if (!byIndex && !byName) refuse(S::SPECIFY_INDEX_OR_NAME_OF_TASK_MSG);
    if (byIndex && byName) refuse(S::SPECIFY_ONLY_ONE_OPTION_INDEX_OR_NAME_MSG);
    const std::vector<Task> tasks = allTasks(c);
    if (byIndex) {
        const long index = number(in.sub(S::CLI_SUB_TASK_INDEX), 1, static_cast<long>(tasks.size()),
                                  S::INVALID_TASK_INDEX_OPTION_MSG);
        return tasks[static_cast<std::size_t>(index - 1)];
    }
    for (const Task& task : tasks)
        if (task.value("TaskName") == in.sub(S::CLI_SUB_TASK_NAME)) return task;
    refuse(S::INVALID_TASK_NAME_MSG);
}

std::vector<SubOption> subOptionsOf(const std::vector<TaskOption>& rows) {
    std::vector<SubOption> subs;
    for (const TaskOption& row : rows) subs.push_back({row.word, row.help, Arity::One, row.invalid});
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
        if (options.count(119) && options.count(120) && options[119] == options[120])
            refuse(S::SAME_PARAMETER_FOUND_FOR_ACTION_MSG);
        if (options.count(121) && options.count(122) && options[121] == options[122])
            refuse(S::SAME_PARAMETER_FOUND_FOR_PUP_ACTION_MSG);
    } else if (options.count(136)) {
        for (const std::string& word : options[136])
            if (!lookup(kUpdateTypes, word)) refuse(S::INVALID_UPDATETYPE_ARGUMENT_MSG);
    }
    const int nameOption = kind == KOVL::ODS_TASK ? 100 : 135;
    for (const Task& task : allTasks(ctx.controller))
        if (options.count(nameOption) && task.value("TaskName") == options[nameOption].front())
            refuse(failed);

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
            {&S::CLI_SUB_TASK_NAME, &S::CLI_SUB_TASK_NAME_DESC, Arity::One, &S::INVALID_TASK_NAME_MSG}};
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

Status listTasks(Context& ctx, const Invocation&) {
    const std::vector<Task> tasks = allTasks(ctx.controller);
    if (tasks.empty()) {
        ctx.out << S::NO_TASK_AVAILABLE_MSG << "\n";
        return kOk;
    }
    std::vector<std::vector<std::string>> rows;
    for (const Task& task : tasks) {
        const std::string schedule = task.value("TaskSchedule");
        rows.push_back({std::to_string(rows.size() + 1), task.value("TaskName"),
                        KOVL::taskSectionName(task.kind), schedule.empty() ? S::NOT_DEFINED : schedule,
                        task.type});
    }
    printTable(ctx.out, rows);
    return kOk;
}

// Every setting of the task, by its key inside the task's section.
Status showTask(Context& ctx, const Invocation& in) {
    const Task task = selectedTask(ctx.controller, in);
    const std::string prefix = KOVL::taskSectionName(task.kind) + ".";
    std::vector<std::pair<std::string, std::string>> rows = {{S::TASK_UID_OPTION, task.type}};
    for (const auto& entry : task.settings)
        if (entry.first.find("<xmlattr>") == std::string::npos &&
            entry.first.compare(0, prefix.size(), prefix) == 0)
            rows.push_back({entry.first.substr(prefix.size()), entry.second});
    printColumns(ctx.out, rows);
    return kOk;
}

Status deleteTask(Context& ctx, const Invocation& in) {
    const Task task = selectedTask(ctx.controller, in);
    return report(ctx,
                  ctx.controller.delSettings({}, {{task.type, {{KOVL::taskSectionName(task.kind), ""}}}}),
                  S::TASK_COULD_NOT_BE_DELETED_MSG);
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
                day = std::to_string(number(day, 1, 7, S::INVALID_DAYOFWEEK_ARGUMENT_MSG));
            schedule += " " + joinedItems(list);
        }
        if (monthly)
            schedule += " " + std::to_string(number(in.sub(S::CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD), 1, 31,
                                                    S::INVALID_DAYOFMONTH_ARGUMENT_MSG));
        const std::string start = in.sub(S::CLI_SCHEDULETASK_SUB_STARTTIME_CMD);
        const std::size_t colon = start.find(S::VALUE_FOR_COLON_DELIMITER);
        if (colon == std::string::npos || start.size() - colon != 3)
            refuse(S::INVALID_START_TIME_ARGUMENT_MSG);
        const long hours = number(start.substr(0, colon), 0, 23, S::INVALID_START_TIME_ARGUMENT_MSG);
        const long minutes = number(start.substr(colon + 1), 0, 59, S::INVALID_START_TIME_ARGUMENT_MSG);
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
