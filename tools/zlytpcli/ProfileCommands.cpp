// zlytpcli: the on-access profile commands. setoasprofileconfig builds the
// option map of the controller's command-line profile configuration:
//
//   sub-option                        option  values
//   --profile                         0       standard | lowrisk | highrisk
//   --setmode                         1       sor | sow | korvel | noscan (lowrisk only)
//   --filetypestoscan                 2       all | defaultandspecified | onlyspecified
//   --scanmacros                      3       enable | disable (with --filetypestoscan)
//   --addfiletype                     4 / 5   types, to the only-specified (4) or the
//                                             default-and-specified (5) list as chosen
//                                             by --filetypestoscan
//   --delfiletype                     6 / 7   the same two lists
//   --noextension                     8       enable | disable (with --filetypestoscan)
//   --onscanerror, --onscantimeout    9, 10   allow | deny
//   --networkscan                     11      enable | disable
//   --scanarchive, --scanmime         12, 13  enable | disable
//   --scanpups                        14      enable | disable
//   --scanunknownprograms             15      enable | disable
//   --scanunknownmacros               16      enable | disable
//   --primaryaction, --secondaryaction          18, 19
//   --primaryactionpup, --secondaryactionpup    20, 21
//   --addexclusionread|write|rw       22      the sub-option's word (rw when items
//                                             are given without one)
//   --excludepaths                    24      absolute paths (+ 28 with --excludesubfolder)
//   --excludepathwithsubfolder        24, 28  absolute folders, with their subfolders
//   --excludefiletype                 25      extensions
//   --delexclusion --index N          29      N as listed by --getoasconfig --exclusionlist
//
// Every value is checked here, before the map is handed over, so a refused
// command line changes nothing.
#include <boost/filesystem.hpp>
#include <iostream>

#include "Handlers.h"

namespace zlytpcli {

using S = KOVL::AMCliStringConstants;

namespace {

using Options = std::map<int, std::vector<std::string>>;

// An enable/disable sub-option and the option number it fills.
struct SwitchOption {
    const std::string* word;
    const std::string* help;
    const std::string* invalid;
    int option;
};
const SwitchOption kSwitches[] = {
    {&S::CLI_SUB_SCANMACROS, &S::CLI_SUB_SCANMACROS_DESC, &S::INVALID_SCANMACROS_OPTION_MSG, 3},
    {&S::CLI_SUB_NOEXTENSION, &S::CLI_SUB_NOEXTENSION_DESC, &S::INVALID_NOEXTENSION_OPTION_MSG, 8},
    {&S::CLI_SETOASPROFILECONFIG_SUB_NETWORKSCAN, &S::CLI_SETOASPROFILECONFIG_SUB_NETWORKSCAN_DESC,
     &S::INVALID_NETWORKSCAN_OPTION_MSG, 11},
    {&S::CLI_SUB_SCANARCHIVE, &S::CLI_SETOASPROFILECONFIG_SUB_SCANARCHIVE_DESC,
     &S::INVALID_SCANARCHIVE_OPTION_MSG, 12},
    {&S::CLI_SUB_SCANMIME, &S::CLI_SETOASPROFILECONFIG_SUB_SCANMIME_DESC, &S::INVALID_SCANMIME_OPTION_MSG,
     13},
    {&S::CLI_SUB_SCANPUPS, &S::CLI_SETOASPROFILECONFIG_SUB_SCANPUPS_DESC, &S::INVALID_SCANPUPS_OPTION_MSG,
     14},
    {&S::CLI_SUB_SCANUNKNOWNPROGRAMS, &S::CLI_SETOASPROFILECONFIG_SUB_SCANUNKNOWNPROGRAMS_DESC,
     &S::INVALID_SCANUNKNOWNPROGRAMS_OPTION_MSG, 15},
    {&S::CLI_SUB_SCANUNKNOWNMACROS, &S::CLI_SETOASPROFILECONFIG_SUB_SCANUNKNOWNMACROS_DESC,
     &S::INVALID_SCANUNKNOWNMACROS_OPTION_MSG, 16},
};

// A scan-action sub-option: its option number, allowed words and message.
struct ActionOption {
    const std::string* word;
    const std::string* help;
    const std::string* invalid;
    int option;
    std::vector<const std::string*> words;
};
const std::vector<ActionOption>& actionOptions() {
    static const std::vector<ActionOption> rows = {
        {&S::CLI_SETOASPROFILECONFIG_SUB_ONSCANERROR,
         &S::CLI_SETOASPROFILECONFIG_SUB_ONSCANERROR_DESC,
         &S::INVALID_ONSCANERROR_OPTION_MSG,
         9,
         {&S::PARAM_ALLOW, &S::PARAM_DENY}},
        {&S::CLI_SETOASPROFILECONFIG_SUB_ONSCANTIMEOUT,
         &S::CLI_SETOASPROFILECONFIG_SUB_ONSCANTIMEOUT_DESC,
         &S::INVALID_ONSCANTIMEOUT_OPTION_MSG,
         10,
         {&S::PARAM_ALLOW, &S::PARAM_DENY}},
        {&S::CLI_SUB_PRIMARYACTION,
         &S::CLI_SETOASPROFILECONFIG_SUB_PRIMARYACTION_DESC,
         &S::INVALID_PRIMARYACTION_OPTION_MSG,
         18,
         {&S::PARAM_CLEAN, &S::PARAM_DELETE, &S::PARAM_DENY}},
        {&S::CLI_SUB_SECONDARYACTION,
         &S::CLI_SETOASPROFILECONFIG_SUB_SECONDARYACTION_DESC,
         &S::INVALID_SECONDARYACTION_OPTION_MSG,
         19,
         {&S::PARAM_DELETE, &S::PARAM_DENY}},
        {&S::CLI_SUB_PRIMARYACTIONPUP,
         &S::CLI_SETOASPROFILECONFIG_SUB_PRIMARYACTIONPUP_DESC,
         &S::INVALID_PRIMARYACTIONPUP_OPTION_MSG,
         20,
         {&S::PARAM_CLEAN, &S::PARAM_DELETE, &S::PARAM_DENY}},
        {&S::CLI_SUB_SECONDARYACTIONPUP,
         &S::CLI_SETOASPROFILECONFIG_SUB_SECONDARYACTIONPUP_DESC,
         &S::INVALID_SECONDARYACTIONPUP_OPTION_MSG,
         21,
         {&S::PARAM_DELETE, &S::PARAM_DENY}},
    };
    return rows;
}

const std::string* const kExclusionModes[] = {&S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD,
                                              &S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE,
                                              &S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW};

std::vector<std::string> absolutePaths(const Invocation& in, const std::string& word,
                                       const std::string& invalid) {
    std::vector<std::string> paths = splitItems({in.sub(word)}, invalid);
    for (const std::string& path : paths)
        if (!boost::filesystem::path(path).is_absolute()) refuse(invalid);
    return paths;
}

std::vector<std::string> extensions(const Invocation& in, const std::string& word) {
    std::vector<std::string> types = splitItems({in.sub(word)}, S::INVALID_ADDFILETYPE_ARGUMENT_MSG);
    for (const std::string& type : types)
        if (type.front() == '.' || type.find('/') != std::string::npos)
            refuse(S::INVALID_ADDFILETYPE_ARGUMENT_MSG);
    return types;
}

// The actions of one pair (threat or unwanted program) after this command:
// the secondary action must suit the primary one, as the profile writer
// requires, or nothing is applied.
void checkActionPair(Controller& c, KOVL::PROFILE_CODE code, const Invocation& in,
                     const std::string& primaryWord, const std::string& secondaryWord,
                     const std::string& primaryKey, bool unwantedPrograms) {
    if (!in.has(secondaryWord)) return;
    const std::string secondary = in.sub(secondaryWord);
    if (in.has(primaryWord) && in.sub(primaryWord) == secondary)
        refuse(unwantedPrograms ? S::SAME_PARAMETER_FOUND_FOR_PUP_ACTION_MSG
                                : S::SAME_PARAMETER_FOUND_FOR_ACTION_MSG);
    bool primaryIsClean = false;
    if (in.has(primaryWord)) {
        primaryIsClean = in.sub(primaryWord) == S::PARAM_CLEAN;
    } else {
        try {
            primaryIsClean = c.getScanActionConfiguration(KOVL::profileSectionType(code), primaryKey) ==
                             KOVL::SCAN_ACTION_CLEAN;
        } catch (const std::exception&) {
            refuse(S::OAS_PROFILE_COULD_NOT_BE_SET_MSG, kFailed);
        }
    }
    if (!primaryIsClean)
        refuse(unwantedPrograms ? S::INVALID_SECONDARY_ACTION_PUP_FOR_SPECIFIED_PRIMARY_ACTION_PUP_MSG
                                : S::INVALID_SECONDARY_ACTION_FOR_SPECIFIED_PRIMARY_ACTION_MSG);
}

void addFileTypeOptions(const Invocation& in, Options& options) {
    const bool anyTypeOption = in.has(S::CLI_SUB_ADDFILETYPE) || in.has(S::CLI_SUB_DELFILETYPE) ||
                               in.has(S::CLI_SUB_NOEXTENSION) || in.has(S::CLI_SUB_SCANMACROS);
    if (!in.has(S::CLI_SUB_FILETYPESTOSCAN)) {
        if (anyTypeOption) refuse(S::THESE_OPTIONS_ALLOWED_ONLY_FOR_FILETYPESTOSCAN_MSG);
        return;
    }
    const std::string word = in.sub(S::CLI_SUB_FILETYPESTOSCAN);
    if (word != S::PARAM_ALL && word != S::PARAM_DEFAULT_AND_SPECIFIED && word != S::PARAM_ONLY_SPECIFIED)
        refuse(S::INVALID_FILETYPESTOSCAN_OPTION_MSG);
    if (word == S::PARAM_ALL && anyTypeOption) refuse(S::NO_SUBOPTIONS_ALLOWED_FOR_FILETYPESTOSCAN_MSG);
    options[2] = {word};
    const bool defaults = word == S::PARAM_DEFAULT_AND_SPECIFIED;
    if (in.has(S::CLI_SUB_ADDFILETYPE)) options[defaults ? 5 : 4] = extensions(in, S::CLI_SUB_ADDFILETYPE);
    if (in.has(S::CLI_SUB_DELFILETYPE)) options[defaults ? 7 : 6] = extensions(in, S::CLI_SUB_DELFILETYPE);
}

void addExclusionOptions(Controller& c, KOVL::PROFILE_CODE code, const Invocation& in, Options& options) {
    const std::string* mode = nullptr;
    for (const std::string* word : kExclusionModes) {
        if (!in.has(*word)) continue;
        if (mode) refuse(S::ONLY_ONE_EXCLUSION_OPTION_ALLOWED_MSG);
        mode = word;
    }
    const bool paths = in.has(S::CLI_SUB_EXCLUDE_PATHS),
               folders = in.has(S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER),
               types = in.has(S::CLI_SUB_EXCLUDE_FILE_TYPE);
    if (in.has(S::CLI_SUB_EXCLUDE_SUBFOLDER) && !paths) refuse(S::EXCLUDESUBFOLDER_OPTION_NOT_ALLOWED_MSG);
    if (mode && !paths && !folders && !types) refuse(S::SPECIFY_ATLEAST_ONE_ADDEXCLUSION_SUBOPTION_MSG);
    if (paths && folders) refuse(S::ONE_SUBOPTION_ALLOWED_MSG);
    if (paths || folders || types)
        options[22] = {mode ? *mode : S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW};
    if (paths)
        options[24] = absolutePaths(in, S::CLI_SUB_EXCLUDE_PATHS, S::INVALID_EXCLUDE_PATHS_ARGUMENT_MSG);
    if (folders)
        options[24] = absolutePaths(in, S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER,
                                    S::INVALID_EXCLUDE_PATH_WITH_SUBFOLDER_ARGUMENT_MSG);
    if (folders || (paths && in.has(S::CLI_SUB_EXCLUDE_SUBFOLDER))) options[28] = {};
    if (types) {
        options[25] = splitItems({in.sub(S::CLI_SUB_EXCLUDE_FILE_TYPE)}, S::INVALID_ADDFILETYPE_ARGUMENT_MSG);
    }
    if (in.has(S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION) != in.has(S::CLI_SUB_TASK_INDEX))
        refuse(S::SPECIFY_ATLEAST_ONE_SETOASPROFILECONFIG_SUBOPTION_MSG);
    if (in.has(S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION)) {
        const long listed = static_cast<long>(c.getExclusionList(code).size());
        options[29] = {
            std::to_string(number(in.sub(S::CLI_SUB_TASK_INDEX), 1, listed, S::INVALID_EXCLUSIONLIST_MSG))};
    }
}

// Exclusion list keys ("DNDOASProfile.ReadExclusionPaths.CLIPath") and their labels.
const std::string& exclusionLabel(const std::string& key) {
    const std::string rest = key.substr(key.find('.') + 1);
    const int mode = rest.compare(0, 9, "ReadWrite") == 0 ? 2 : rest.compare(0, 4, "Read") == 0 ? 0 : 1;
    static const std::string* const kLabels[4][3] = {
        {&S::PATH_EXCLUSION_ON_READ, &S::PATH_EXCLUSION_ON_WRITE, &S::PATH_EXCLUSION_ON_READ_WRITE},
        {&S::FOLDER_EXCLUSION_ON_READ, &S::FOLDER_EXCLUSION_ON_WRITE, &S::FOLDER_EXCLUSION_ON_READ_WRITE},
        {&S::FILE_EXCLUSION_ON_READ, &S::FILE_EXCLUSION_ON_WRITE, &S::FILE_EXCLUSION_ON_READ_WRITE},
        {&S::TYPE_EXCLUSION_ON_READ, &S::TYPE_EXCLUSION_ON_WRITE, &S::TYPE_EXCLUSION_ON_READ_WRITE},
    };
    const int kind = rest.find("ExcludeFoldersAndSubFolders") != std::string::npos ? 1
                     : rest.find("ExclusionFiles") != std::string::npos            ? 2
                     : rest.find("ExclusionTypes") != std::string::npos            ? 3
                                                                                   : 0;
    return *kLabels[kind][mode];
}

const std::string& actionLabel(int action) {
    switch (action) {
        case KOVL::SCAN_ACTION_ALLOW:
            return S::ALLOW;
        case KOVL::SCAN_ACTION_CLEAN:
            return S::CLEAN;
        case KOVL::SCAN_ACTION_DELETE:
            return S::DELETE;
        case KOVL::SCAN_ACTION_DENY:
            return S::DENY;
        case KOVL::SCAN_ACTION_NO_SECONDARY:
            return S::IGNORED;
        default:
            return S::NOT_DEFINED;
    }
}

const std::string& scanModeLabel(KOVL::ScanMode mode) {
    switch (mode) {
        case KOVL::SCAN_MODE_NONE:
            return S::NO_SCAN;
        case KOVL::SCAN_MODE_READ:
            return S::SCAN_ON_READ;
        case KOVL::SCAN_MODE_WRITE:
            return S::SCAN_ON_WRITE;
        case KOVL::SCAN_MODE_READ_WRITE:
            return S::SCAN_ON_READ_AND_WRITE;
        case KOVL::SCAN_MODE_DECIDE:
            return S::KORVEL;
    }
    return S::NOT_DEFINED;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : S::VALUE_FOR_COMMA_DELIMITER + " ") + item;
    return text;
}

}  // namespace

std::vector<SubOption> profileConfigSubOptions() {
    std::vector<SubOption> subs = {
        {&S::CLI_SUB_PROFILE, &S::CLI_SUB_PROFILE_DESC, Arity::One, &S::INVALID_PROFILE_OPTION_MSG},
        {&S::CLI_SETOASPROFILECONFIG_SUB_SETMODE, &S::CLI_SETOASPROFILECONFIG_SUB_SETMODE_DESC, Arity::One,
         &S::INVALID_SETMODE_OPTION_MSG},
        {&S::CLI_SUB_FILETYPESTOSCAN, &S::CLI_SETOASPROFILECONFIG_SUB_FILETYPESTOSCAN_DESC, Arity::One,
         &S::INVALID_FILETYPESTOSCAN_OPTION_MSG},
        {&S::CLI_SUB_ADDFILETYPE, &S::CLI_SUB_ADDFILETYPE_DESC, Arity::One,
         &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
        {&S::CLI_SUB_DELFILETYPE, &S::CLI_SUB_DELFILETYPE_DESC, Arity::One,
         &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
    };
    for (const SwitchOption& row : kSwitches) subs.push_back({row.word, row.help, Arity::One, row.invalid});
    for (const ActionOption& row : actionOptions())
        subs.push_back({row.word, row.help, Arity::One, row.invalid});
    subs.push_back({&S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD,
                    &S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD_DESC, Arity::None, nullptr});
    subs.push_back({&S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE,
                    &S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE_DESC, Arity::None, nullptr});
    subs.push_back({&S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW,
                    &S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW_DESC, Arity::None, nullptr});
    subs.push_back({&S::CLI_SUB_EXCLUDE_PATHS, &S::CLI_SUB_EXCLUDE_PATHS_DESC, Arity::One,
                    &S::INVALID_EXCLUDE_PATHS_ARGUMENT_MSG});
    subs.push_back({&S::CLI_SUB_EXCLUDE_FILE_TYPE, &S::CLI_SUB_EXCLUDE_FILE_TYPE_DESC, Arity::One,
                    &S::INVALID_ADDFILETYPE_ARGUMENT_MSG});
    subs.push_back({&S::CLI_SUB_EXCLUDE_SUBFOLDER, &S::CLI_SUB_EXCLUDE_SUBFOLDER_DESC, Arity::None, nullptr});
    subs.push_back({&S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER, &S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER_DESC,
                    Arity::One, &S::INVALID_EXCLUDE_PATH_WITH_SUBFOLDER_ARGUMENT_MSG});
    subs.push_back({&S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION,
                    &S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION_DESC, Arity::None, nullptr});
    subs.push_back({&S::CLI_SUB_TASK_INDEX, &S::CLI_SUB_DELEXCLUSION_INDEX_DESC, Arity::One,
                    &S::INVALID_EXCLUSIONLIST_MSG});
    return subs;
}

Status setOASProfileConfig(Context& ctx, const Invocation& in) {
    const KOVL::PROFILE_CODE code = requiredProfile(in);
    if (in.subCount() == 1) refuse(S::SPECIFY_ATLEAST_ONE_SETOASPROFILECONFIG_SUBOPTION_MSG);
    Controller& c = ctx.controller;
    Options options{{0, {in.sub(S::CLI_SUB_PROFILE)}}};

    if (in.has(S::CLI_SETOASPROFILECONFIG_SUB_SETMODE)) {
        const std::string word = in.sub(S::CLI_SETOASPROFILECONFIG_SUB_SETMODE);
        if (word != S::CLI_SETMODE_PARAM_SOR && word != S::CLI_SETMODE_PARAM_SOW &&
            word != S::CLI_SETMODE_PARAM_KORVEL && word != S::CLI_SETMODE_PARAM_NOSCAN)
            refuse(S::INVALID_SETMODE_OPTION_MSG);
        if (word == S::CLI_SETMODE_PARAM_NOSCAN && code != KOVL::LOW_RISK_PROFILE)
            refuse(S::NOSCAN_ALLOWED_ONLY_FOR_LOWRISK_PROFILE_MSG);
        options[1] = {word};
    }
    addFileTypeOptions(in, options);
    for (const SwitchOption& row : kSwitches)
        if (in.has(*row.word))
            options[row.option] = {enableWord(in.sub(*row.word), *row.invalid) ? S::PARAM_ENABLE
                                                                               : S::PARAM_DISABLE};
    for (const ActionOption& row : actionOptions()) {
        if (!in.has(*row.word)) continue;
        const std::string word = in.sub(*row.word);
        if (std::none_of(row.words.begin(), row.words.end(),
                         [&](const std::string* w) { return *w == word; }))
            refuse(*row.invalid);
        options[row.option] = {word};
    }
    checkActionPair(c, code, in, S::CLI_SUB_PRIMARYACTION, S::CLI_SUB_SECONDARYACTION,
                    "DNDOASProfile.InfectionPrimaryAction", false);
    checkActionPair(c, code, in, S::CLI_SUB_PRIMARYACTIONPUP, S::CLI_SUB_SECONDARYACTIONPUP,
                    "DNDOASProfile.PUPPrimaryAction", true);
    addExclusionOptions(c, code, in, options);

    std::set<int> applied;
    bool oas = true;
    KOVL::AM_ERROR_CODES status = KOVL::AM_SUCCESS;
    c.getOASStatus(oas, status);
    return report(ctx, c.setOASProfileConfigurationFromCLI(oas, options, applied),
                  S::OAS_PROFILE_COULD_NOT_BE_SET_MSG);
}

Status printExclusionList(Context& ctx, KOVL::PROFILE_CODE code) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& entry : ctx.controller.getExclusionList(code))
        for (const auto& pair : entry)
            rows.push_back({std::to_string(rows.size() + 1), exclusionLabel(pair.first), pair.second});
    if (rows.empty()) {
        ctx.out << (code == KOVL::STANDARD_PROFILE ? S::NO_EXCLUSIONS_TO_SHOW_MSG_FOR_STANDARD_PROFILE
                                                   : S::NO_EXCLUSIONS_TO_SHOW_MSG)
                << "\n";
        return kOk;
    }
    printTable(ctx.out, rows);
    return kOk;
}

Status getOASProfileConfig(Context& ctx, const Invocation& in) {
    if (!in.has(S::CLI_SUB_PROFILE)) refuse(S::INVALID_GETOASPROFILECONFIG_ARGUMENT_MSG);
    const KOVL::PROFILE_CODE code = profileWord(in.sub(S::CLI_SUB_PROFILE));
    Controller& c = ctx.controller;
    const KOVL::oas_configuration* config = c.getOASConfigurationData();
    if (!config) refuse(S::OAS_PROFILE_CONFIG_COULD_NOT_BE_SHOWN_MSG, kFailed);
    const KOVL::oas_profile& p = config->profiles[code - 1];
    const std::string section = KOVL::profileSectionType(code);
    const KOVL::FileTypesForScan types = c.getScanFileTypes(code);
    bool macros = false;
    try {
        macros = c.getBooleanConfiguration(section, "DNDOASProfile.ScanMacros");
    } catch (const std::exception&) {
        refuse(S::OAS_PROFILE_CONFIG_COULD_NOT_BE_SHOWN_MSG, kFailed);
    }
    const std::vector<std::string> added = types == KOVL::DEFAULT_AND_SPECIFIED
                                               ? c.getFileTypesToScanDefaultAndSpecified(code)
                                               : c.getFileTypesToScanOnlySpecified(code);
    std::vector<std::pair<std::string, std::string>> rows = {
        {S::SCANMODE, scanModeLabel(c.getScanMode(code))},
        {S::FILETYPESTOSCAN, types == KOVL::ALL_FILES               ? S::ALL
                             : types == KOVL::DEFAULT_AND_SPECIFIED ? S::DEFAULT
                                                                    : S::SPECIFIED},
        {S::FILE_TYPE_EXTENSION_TO_BE_SCANNED, types == KOVL::ALL_FILES ? S::NOT_APPLICABLE : joined(added)},
        {S::SCAN_NO_EXTENSIONS, enabledLabel(c.getScanNoExtension(code))},
        {S::SCAN_MACROS, enabledLabel(macros)},
        {S::SCAN_ERROR, actionLabel(p.scan_error_action)},
        {S::SCAN_TIMEOUT, actionLabel(p.scan_timeout_action)},
        {S::SCAN_NETWORK, enabledLabel(c.isNetworkFilesystemScanEnable(code))},
        {S::SCAN_ARCHIVES, enabledLabel(p.scan_archive_enabled)},
        {S::SCAN_MIME, enabledLabel(p.scan_mail_enabled)},
        {S::DETECT_UNWANTED_PROGRAMS, enabledLabel(p.detect_unwanted_programs_enabled)},
        {S::DETECT_UNKNOWN_PROGRAMS, enabledLabel(p.detect_unknown_programs_enabled)},
        {S::DETECT_UNKNOWNMACROS, enabledLabel(p.detect_unknown_macros_enabled)},
        {S::DETECT_JOKES, enabledLabel(p.detect_jokes_enabled)},
        {S::PRIMARY_ACTION, actionLabel(p.infection_primary_action)},
        {S::SECONDARY_ACTION, actionLabel(p.infection_secondary_action)},
        {S::PRIMARY_ACTION_PUP, actionLabel(p.pup_primary_action)},
        {S::SECONDARY_ACTION_PUP, actionLabel(p.pup_secondary_action)},
    };
    if (code != KOVL::STANDARD_PROFILE) {
        const std::vector<std::string> processes = c.getProcess(code);
        rows.push_back({S::PROCESS_LIST, processes.empty() ? S::NOT_DEFINED : joined(processes)});
    }
    // Exclusions grouped under their list's label, in the numbered order.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const auto& entry : c.getExclusionList(code)) {
        for (const auto& pair : entry) {
            const std::string& label = exclusionLabel(pair.first);
            if (groups.empty() || groups.back().first != label) groups.push_back({label, {}});
            groups.back().second.push_back(pair.second);
        }
    }
    for (const auto& group : groups) rows.push_back({group.first, joined(group.second)});
    printColumns(ctx.out, rows);
    return kOk;
}

bool isProfileSection(const std::string& sectionType) {
    for (int code = KOVL::STANDARD_PROFILE; code <= KOVL::EXTRA_PROFILE_02; ++code)
        if (sectionType == KOVL::profileSectionType(static_cast<KOVL::PROFILE_CODE>(code))) return true;
    return false;
}

// Factory defaults for the five profiles and the on-access global settings,
// written as one change; asks first unless --force is given.
Status setOASToDefault(Context& ctx, const Invocation& in) {
    if (!in.has(S::CLI_SUB_FORCE)) {
        ctx.out << S::USER_CONFIRMATION_MSG << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        if (answer != S::VALUE_FOR_USER_CONFIRMATION) refuse(S::OPERATION_CANCELLED_MSG, kFailed);
    }
    ZUR::SettingsMap defaults;
    for (const auto& section : KOVL::defaultSettings()) {
        if (section.first != KOVL::sections::kOASGlobal && !isProfileSection(section.first)) continue;
        for (const auto& entry : section.second)
            if (entry.first.find("<xmlattr>") == std::string::npos)
                defaults[section.first][entry.first] = entry.second;
    }
    return report(ctx, ctx.controller.delSettings(defaults, defaults), S::VALUE_COULD_NOT_BE_SET_MSG);
}

}  // namespace zlytpcli
