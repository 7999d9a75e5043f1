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
//   --addexclusionread|write|rw       22      the sub-option's word (items given
//                                             without one are refused)
//   --excludepaths                    24      absolute paths (+ 28 with --excludesubfolder)
//   --excludepathwithsubfolder        24, 28  absolute folders, with their subfolders
//   --excludefiletype                 25      extensions
//   --delexclusion --index N          29      N as listed by --getoasconfig --exclusionlist
//
// The fixed value words are checked against the command table before the
// handler runs, every other value here before the map is handed over, so a
// refused command line changes nothing.
#include <boost/filesystem.hpp>
#include <iostream>

#include "Handlers.h"
#include "View.h"

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

const std::string kExclusionItemHelp =
    "The excluded item to delete with --delexclusion (a path, folder or file type), as --getoasconfig "
    "--exclusionlist shows it.";

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

// The word of a stored scan action, as the action sub-options take it.
std::string actionWord(int action) {
    switch (action) {
        case KOVL::SCAN_ACTION_ALLOW:
            return S::PARAM_ALLOW;
        case KOVL::SCAN_ACTION_CLEAN:
            return S::PARAM_CLEAN;
        case KOVL::SCAN_ACTION_DELETE:
            return S::PARAM_DELETE;
        case KOVL::SCAN_ACTION_DENY:
            return S::PARAM_DENY;
        default:
            return "";
    }
}

// The actions of one pair (threat or unwanted program) after this command. A
// first action given alone also sets the second one (the profile writer
// resets it), so only a given second action is checked: against the first
// action given with it or the stored one.
void checkProfileActionPair(Controller& c, KOVL::PROFILE_CODE code, const Invocation& in,
                            const std::string& primaryWord, const std::string& secondaryWord,
                            const std::string& primaryKey, bool unwantedPrograms) {
    if (!in.has(secondaryWord)) return;
    std::string primary = in.sub(primaryWord);
    if (!in.has(primaryWord)) {
        try {
            primary = actionWord(c.getScanActionConfiguration(KOVL::profileSectionType(code), primaryKey));
        } catch (const std::exception&) {
            refuse(S::OAS_PROFILE_COULD_NOT_BE_SET_MSG, kFailed);
        }
    }
    checkActionPair(primary, in.sub(secondaryWord), true, true, unwantedPrograms);
}

void addFileTypeOptions(const Invocation& in, Options& options) {
    const bool anyTypeOption = in.has(S::CLI_SUB_ADDFILETYPE) || in.has(S::CLI_SUB_DELFILETYPE) ||
                               in.has(S::CLI_SUB_NOEXTENSION) || in.has(S::CLI_SUB_SCANMACROS);
    if (!in.has(S::CLI_SUB_FILETYPESTOSCAN)) {
        if (anyTypeOption) refuse(S::THESE_OPTIONS_ALLOWED_ONLY_FOR_FILETYPESTOSCAN_MSG);
        return;
    }
    const std::string word = in.sub(S::CLI_SUB_FILETYPESTOSCAN);
    if (word == S::PARAM_ALL && anyTypeOption) refuse(S::NO_SUBOPTIONS_ALLOWED_FOR_FILETYPESTOSCAN_MSG);
    options[2] = {word};
    const bool defaults = word == S::PARAM_DEFAULT_AND_SPECIFIED;
    if (in.has(S::CLI_SUB_ADDFILETYPE)) options[defaults ? 5 : 4] = extensions(in, S::CLI_SUB_ADDFILETYPE);
    if (in.has(S::CLI_SUB_DELFILETYPE)) options[defaults ? 7 : 6] = extensions(in, S::CLI_SUB_DELFILETYPE);
}

// Exclusion list keys ("DNDOASProfile.ReadExclusionPaths.CLIPath"): what they
// exclude (path, folder, file, type), when (read, write, readwrite), from where.
const char* const kKindWords[] = {"path", "folder", "file", "type"};
const char* const kModeWords[] = {"read", "write", "readwrite"};
int exclusionMode(const std::string& key) {
    const std::string rest = key.substr(key.find('.') + 1);
    return rest.compare(0, 9, "ReadWrite") == 0 ? 2 : rest.compare(0, 4, "Read") == 0 ? 0 : 1;
}
int exclusionKind(const std::string& key) {
    return key.find("ExcludeFoldersAndSubFolders") != std::string::npos ? 1
           : key.find("ExclusionFiles") != std::string::npos            ? 2
           : key.find("ExclusionTypes") != std::string::npos            ? 3
                                                                        : 0;
}
const std::string& exclusionLabel(const std::string& key) {
    static const std::string* const kLabels[4][3] = {
        {&S::PATH_EXCLUSION_ON_READ, &S::PATH_EXCLUSION_ON_WRITE, &S::PATH_EXCLUSION_ON_READ_WRITE},
        {&S::FOLDER_EXCLUSION_ON_READ, &S::FOLDER_EXCLUSION_ON_WRITE, &S::FOLDER_EXCLUSION_ON_READ_WRITE},
        {&S::FILE_EXCLUSION_ON_READ, &S::FILE_EXCLUSION_ON_WRITE, &S::FILE_EXCLUSION_ON_READ_WRITE},
        {&S::TYPE_EXCLUSION_ON_READ, &S::TYPE_EXCLUSION_ON_WRITE, &S::TYPE_EXCLUSION_ON_READ_WRITE},
    };
    return *kLabels[exclusionKind(key)][exclusionMode(key)];
}
const char* exclusionSource(const std::string& key) {
    return key.find("Zarn") != std::string::npos ? "server" : "cli";
}

// The exclusions of a profile as --getoasconfig --exclusionlist numbers them.
std::vector<std::pair<std::string, std::string>> numberedExclusions(Controller& c, KOVL::PROFILE_CODE code) {
    std::vector<std::pair<std::string, std::string>> list;
    for (const auto& entry : c.getExclusionList(code))
        for (const auto& pair : entry) list.push_back(pair);
    return list;
}

// The exclusions as numbered rows: the number, the kind (its word in JSON, the
// list's label in text), the mode and source words, and the item.
const std::vector<Column> kExclusionColumns = {
    {"index", ""}, {"kind", ""}, {"mode", ""}, {"source", ""}, {"item", ""}};
std::vector<std::vector<Cell>> exclusionRows(Controller& c, KOVL::PROFILE_CODE code) {
    std::vector<std::vector<Cell>> rows;
    for (const auto& pair : numberedExclusions(c, code))
        rows.push_back({Cell(long(rows.size() + 1)),
                        {kKindWords[exclusionKind(pair.first)], exclusionLabel(pair.first)},
                        std::string(kModeWords[exclusionMode(pair.first)]),
                        std::string(exclusionSource(pair.first)),
                        pair.second});
    return rows;
}

// Fills the exclusion options; `deleted` tells what --delexclusion deletes.
void addExclusionOptions(Controller& c, KOVL::PROFILE_CODE code, const Invocation& in, Options& options,
                         std::string& deleted) {
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
    if ((paths || folders || types) && !mode)
        refuse(S::PARSE_EXCEPTION_MSG, "zlytpcli: say when the exclusion applies with one of --" +
                                           S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD + ", --" +
                                           S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE + " and --" +
                                           S::CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW + ".");
    if (paths || folders || types) options[22] = {*mode};
    if (paths)
        options[24] = absolutePaths(in, S::CLI_SUB_EXCLUDE_PATHS, S::INVALID_EXCLUDE_PATHS_ARGUMENT_MSG);
    if (folders)
        options[24] = absolutePaths(in, S::CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER,
                                    S::INVALID_EXCLUDE_PATH_WITH_SUBFOLDER_ARGUMENT_MSG);
    if (folders || (paths && in.has(S::CLI_SUB_EXCLUDE_SUBFOLDER))) options[28] = {};
    if (types) {
        options[25] = splitItems({in.sub(S::CLI_SUB_EXCLUDE_FILE_TYPE)}, S::INVALID_ADDFILETYPE_ARGUMENT_MSG);
    }
    const bool del = in.has(S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION);
    const bool byIndex = in.has(S::CLI_SUB_TASK_INDEX), byName = in.has(S::CLI_SUB_TASK_NAME);
    const std::string how = "zlytpcli: --" + S::CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION + " takes --" +
                            S::CLI_SUB_TASK_INDEX + " N (as --" + S::CLI_GETOASCONFIG_CMD + " --" +
                            S::CLI_GETOASCONFIG_SUB_EXCLUSIONLIST + " numbers it) or --" +
                            S::CLI_SUB_TASK_NAME + " ITEM.";
    if (del != (byIndex || byName)) refuse(S::SPECIFY_ATLEAST_ONE_SETOASPROFILECONFIG_SUBOPTION_MSG, how);
    if (byIndex && byName) refuse(S::SPECIFY_ONLY_ONE_OPTION_INDEX_OR_NAME_MSG, how);
    if (!del) return;
    const auto list = numberedExclusions(c, code);
    const std::string profile = in.sub(S::CLI_SUB_PROFILE);
    std::size_t index = 0;
    if (byIndex) {
        index =
            static_cast<std::size_t>(number(in.sub(S::CLI_SUB_TASK_INDEX), 1, static_cast<long>(list.size()),
                                            S::OAS_PROFILE_COULD_NOT_BE_SET_MSG, S::CLI_SUB_TASK_INDEX));
    } else {
        const std::string item = in.sub(S::CLI_SUB_TASK_NAME);
        std::vector<std::string> items;
        for (std::size_t i = 0; i < list.size(); ++i) {
            items.push_back(list[i].second);
            if (list[i].second != item) continue;
            if (index != 0)
                refuse(S::OAS_PROFILE_COULD_NOT_BE_SET_MSG,
                       "zlytpcli: '" + item + "' is excluded more than once (" + std::to_string(index) +
                           " and " + std::to_string(i + 1) + "); give --" + S::CLI_SUB_TASK_INDEX +
                           " instead.");
            index = i + 1;
        }
        if (index == 0)
            refuse(S::OAS_PROFILE_COULD_NOT_BE_SET_MSG, "zlytpcli: the " + profile +
                                                            " profile excludes no '" + item + "'." +
                                                            didYouMean(item, items, ""));
    }
    const auto& entry = list[index - 1];
    options[29] = {std::to_string(index)};
    deleted = "exclusion " + entry.second + " (" + exclusionLabel(entry.first) + ") from the " + profile +
              " profile";
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

// The JSON word of a scan mode.
const char* scanModeWord(KOVL::ScanMode mode) {
    static const char* const kWords[] = {"noscan", "read", "write", "readwrite", "korvel"};
    return mode >= KOVL::SCAN_MODE_NONE && mode <= KOVL::SCAN_MODE_DECIDE ? kWords[mode] : "";
}

Cell actionCell(int action) {
    const std::string word = actionWord(action);
    return {word.empty() ? Json(nullptr) : Json(word), actionLabel(action)};
}

}  // namespace

SubOption profileSubOption() {
    return {&S::CLI_SUB_PROFILE,
            &S::CLI_SUB_PROFILE_DESC,
            Arity::One,
            &S::INVALID_PROFILE_OPTION_MSG,
            {S::CLI_PROFILE_PARAM_STANDARD, S::CLI_PROFILE_PARAM_LOWRISK, S::CLI_PROFILE_PARAM_HIGHRISK}};
}

std::vector<SubOption> profileConfigSubOptions() {
    std::vector<SubOption> subs = {profileSubOption()};
    subs.insert(subs.end(), {
                                {&S::CLI_SETOASPROFILECONFIG_SUB_SETMODE,
                                 &S::CLI_SETOASPROFILECONFIG_SUB_SETMODE_DESC,
                                 Arity::One,
                                 &S::INVALID_SETMODE_OPTION_MSG,
                                 {S::CLI_SETMODE_PARAM_SOR, S::CLI_SETMODE_PARAM_SOW,
                                  S::CLI_SETMODE_PARAM_KORVEL, S::CLI_SETMODE_PARAM_NOSCAN}},
                                {&S::CLI_SUB_FILETYPESTOSCAN,
                                 &S::CLI_SETOASPROFILECONFIG_SUB_FILETYPESTOSCAN_DESC,
                                 Arity::One,
                                 &S::INVALID_FILETYPESTOSCAN_OPTION_MSG,
                                 {S::PARAM_ALL, S::PARAM_DEFAULT_AND_SPECIFIED, S::PARAM_ONLY_SPECIFIED}},
                                {&S::CLI_SUB_ADDFILETYPE, &S::CLI_SUB_ADDFILETYPE_DESC, Arity::One,
                                 &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
                                {&S::CLI_SUB_DELFILETYPE, &S::CLI_SUB_DELFILETYPE_DESC, Arity::One,
                                 &S::INVALID_ADDFILETYPE_ARGUMENT_MSG},
                            });
    for (const SwitchOption& row : kSwitches)
        subs.push_back({row.word, row.help, Arity::One, row.invalid, enableChoices()});
    for (const ActionOption& row : actionOptions()) {
        std::vector<std::string> words;
        for (const std::string* word : row.words) words.push_back(*word);
        subs.push_back({row.word, row.help, Arity::One, row.invalid, words});
    }
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
                    &S::OAS_PROFILE_COULD_NOT_BE_SET_MSG});
    subs.push_back(
        {&S::CLI_SUB_TASK_NAME, &kExclusionItemHelp, Arity::One, &S::OAS_PROFILE_COULD_NOT_BE_SET_MSG});
    return subs;
}

Status setOASProfileConfig(Context& ctx, const Invocation& in) {
    const KOVL::PROFILE_CODE code = requiredProfile(in);
    if (in.subCount() == 1) refuse(S::SPECIFY_ATLEAST_ONE_SETOASPROFILECONFIG_SUBOPTION_MSG);
    Controller& c = ctx.controller;
    Options options{{0, {in.sub(S::CLI_SUB_PROFILE)}}};

    if (in.has(S::CLI_SETOASPROFILECONFIG_SUB_SETMODE)) {
        const std::string word = in.sub(S::CLI_SETOASPROFILECONFIG_SUB_SETMODE);
        if (word == S::CLI_SETMODE_PARAM_NOSCAN && code != KOVL::LOW_RISK_PROFILE)
            refuse(S::NOSCAN_ALLOWED_ONLY_FOR_LOWRISK_PROFILE_MSG);
        options[1] = {word};
    }
    addFileTypeOptions(in, options);
    for (const SwitchOption& row : kSwitches)
        if (in.has(*row.word))
            options[row.option] = {enableWord(in.sub(*row.word)) ? S::PARAM_ENABLE : S::PARAM_DISABLE};
    for (const ActionOption& row : actionOptions())
        if (in.has(*row.word)) options[row.option] = {in.sub(*row.word)};
    checkProfileActionPair(c, code, in, S::CLI_SUB_PRIMARYACTION, S::CLI_SUB_SECONDARYACTION,
                           "DNDOASProfile.InfectionPrimaryAction", false);
    checkProfileActionPair(c, code, in, S::CLI_SUB_PRIMARYACTIONPUP, S::CLI_SUB_SECONDARYACTIONPUP,
                           "DNDOASProfile.PUPPrimaryAction", true);
    std::string deleted;
    addExclusionOptions(c, code, in, options, deleted);

    std::set<int> applied;
    bool oas = true;
    KOVL::AM_ERROR_CODES status = KOVL::AM_SUCCESS;
    c.getOASStatus(oas, status);
    const int result = c.setOASProfileConfigurationFromCLI(oas, options, applied);
    return deleted.empty() ? report(ctx, result, S::OAS_PROFILE_COULD_NOT_BE_SET_MSG)
                           : reportDeleted(ctx, result, S::OAS_PROFILE_COULD_NOT_BE_SET_MSG, deleted);
}

// Text: the number, the list's label and the item. JSON: the label's parts as words.
Status printExclusionList(Context& ctx, KOVL::PROFILE_CODE code) {
    std::vector<std::vector<Cell>> rows = exclusionRows(ctx.controller, code);
    if (!ctx.json)
        for (std::vector<Cell>& row : rows) row = {row[0], row[1], row[4]};
    const std::string& none = code == KOVL::STANDARD_PROFILE
                                  ? S::NO_EXCLUSIONS_TO_SHOW_MSG_FOR_STANDARD_PROFILE
                                  : S::NO_EXCLUSIONS_TO_SHOW_MSG;
    const std::vector<Column> columns =
        ctx.json ? kExclusionColumns
                 : std::vector<Column>{{"index", "#"}, {"kind", "Exclusion"}, {"item", "Item"}};
    View().table("exclusions", columns, rows, none).print(ctx.out, ctx.json);
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
    const std::vector<std::string> added = types == KOVL::ALL_FILES ? std::vector<std::string>()
                                           : types == KOVL::DEFAULT_AND_SPECIFIED
                                               ? c.getFileTypesToScanDefaultAndSpecified(code)
                                               : c.getFileTypesToScanOnlySpecified(code);
    const KOVL::ScanMode mode = c.getScanMode(code);
    View view;
    view.field("profile", "Profile", in.sub(S::CLI_SUB_PROFILE))
        .field("scanMode", S::SCANMODE, {scanModeWord(mode), scanModeLabel(mode)})
        .field("fileTypesToScan", S::FILETYPESTOSCAN,
               types == KOVL::ALL_FILES               ? Cell(S::PARAM_ALL, S::ALL)
               : types == KOVL::DEFAULT_AND_SPECIFIED ? Cell(S::PARAM_DEFAULT_AND_SPECIFIED, S::DEFAULT)
                                                      : Cell(S::PARAM_ONLY_SPECIFIED, S::SPECIFIED))
        .field("fileTypes", S::FILE_TYPE_EXTENSION_TO_BE_SCANNED,
               types == KOVL::ALL_FILES ? Cell(Json::array(), S::NOT_APPLICABLE) : listCell(added, ""))
        .field("scanNoExtension", S::SCAN_NO_EXTENSIONS, enabledCell(c.getScanNoExtension(code)))
        .field("scanMacros", S::SCAN_MACROS, enabledCell(macros))
        .field("onScanError", S::SCAN_ERROR, actionCell(p.scan_error_action))
        .field("onScanTimeout", S::SCAN_TIMEOUT, actionCell(p.scan_timeout_action))
        .field("networkScan", S::SCAN_NETWORK, enabledCell(c.isNetworkFilesystemScanEnable(code)))
        .field("scanArchive", S::SCAN_ARCHIVES, enabledCell(p.scan_archive_enabled))
        .field("scanMime", S::SCAN_MIME, enabledCell(p.scan_mail_enabled))
        .field("scanPups", S::DETECT_UNWANTED_PROGRAMS, enabledCell(p.detect_unwanted_programs_enabled))
        .field("scanUnknownPrograms", S::DETECT_UNKNOWN_PROGRAMS,
               enabledCell(p.detect_unknown_programs_enabled))
        .field("scanUnknownMacros", S::DETECT_UNKNOWNMACROS, enabledCell(p.detect_unknown_macros_enabled))
        .field("detectJokes", S::DETECT_JOKES, enabledCell(p.detect_jokes_enabled))
        .field("primaryAction", S::PRIMARY_ACTION, actionCell(p.infection_primary_action))
        .field("secondaryAction", S::SECONDARY_ACTION, actionCell(p.infection_secondary_action))
        .field("primaryActionPup", S::PRIMARY_ACTION_PUP, actionCell(p.pup_primary_action))
        .field("secondaryActionPup", S::SECONDARY_ACTION_PUP, actionCell(p.pup_secondary_action));
    if (code != KOVL::STANDARD_PROFILE)
        view.field("processes", S::PROCESS_LIST, listCell(c.getProcess(code), S::NOT_DEFINED));
    const std::vector<std::vector<Cell>> rows = exclusionRows(c, code);
    if (ctx.json) {
        view.table("exclusions", kExclusionColumns, rows, "");
    } else {
        // Exclusions grouped under their list's label, in the numbered order.
        std::vector<std::pair<std::string, std::vector<std::string>>> groups;
        for (const auto& row : rows) {
            if (groups.empty() || groups.back().first != row[1].text) groups.push_back({row[1].text, {}});
            groups.back().second.push_back(row[4].text);
        }
        for (const auto& group : groups) view.field("", group.first, listCell(group.second, "").text);
    }
    view.print(ctx.out, ctx.json);
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
        ctx.out
            << "This resets to the factory defaults: the on-access global settings (on-access scan, maximum "
               "scan time, process settings) and all five on-access profiles (standard, low risk, high "
               "risk and the two extra ones) with their scan settings, actions, file types, process "
               "lists and exclusions.\n"
            << S::USER_CONFIRMATION_MSG << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        while (!answer.empty() && std::isspace(static_cast<unsigned char>(answer.back()))) answer.pop_back();
        if (answer != S::VALUE_FOR_USER_CONFIRMATION && answer != "y")
            refuse(S::OPERATION_CANCELLED_MSG, kFailed);
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
