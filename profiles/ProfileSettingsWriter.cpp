// On-access profiles: the single writer of one profile setting, from the
// command-line tool or the management server. Each option is one row of
// data (option, shape, key, words) handled by a few shared shapes. The whole
// call holds the controller mutex; nothing it calls takes it again.

#include <algorithm>
#include <boost/lexical_cast.hpp>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "config/ControllerImpl.h"
#include "exclusions/ExclusionKeys.h"

namespace KOVL {

namespace {
int applyProfileOption(detail::ControllerImpl& d, const std::string& profile, int option,
                       const std::vector<std::string>& values, DataSource source);
int addToProfileList(detail::ControllerImpl& d, const std::string& profile, const std::string& key,
                     const std::vector<std::string>& values);
int removeFromProfileList(detail::ControllerImpl& d, const std::string& profile, const std::string& key,
                          std::vector<std::string> values);
int setPrimaryAction(detail::ControllerImpl& d, const std::string& profile, const std::string& primaryKey,
                     const std::string& secondaryKey, bool unwantedPrograms, const std::string& word);
int setSecondaryAction(detail::ControllerImpl& d, const std::string& profile, const std::string& primaryKey,
                       const std::string& secondaryKey, bool unwantedPrograms, const std::string& word);
int deleteExclusionByNumber(detail::ControllerImpl& d, const std::string& profile, const std::string& number,
                            DataSource source);
void keepListKey(detail::ControllerImpl& d, const std::string& profile, const std::string& key);

using detail::ExclusionKind;

// Words an option understands (compared exactly) and the value of any other word.
struct Words {
    std::vector<std::pair<std::string, int>> named;
    int otherwise;
    int of(const std::string& word) const {
        for (const auto& w : named)
            if (w.first == word) return w.second;
        return otherwise;
    }
};

const Words kScanModeWords{{{"sor", SCAN_MODE_READ}, {"sow", SCAN_MODE_WRITE}, {"korvel", SCAN_MODE_DECIDE}},
                           SCAN_MODE_NONE};
const Words kFileTypeWords{{{"all", ALL_FILES}, {"defaultandspecified", DEFAULT_AND_SPECIFIED}},
                           ONLY_SPECIFIED};
const Words kAllowOrDeny{{{"allow", SCAN_ACTION_ALLOW}}, SCAN_ACTION_DENY};

enum class Shape {
    Accept,           // nothing to do: 3001
    ScanMode,         // setScanMode with the word's mode
    FileTypes,        // setScanFileTypes with the word's choice
    Flag,             // "enable" writes true, any other word false
    Action,           // one scan action from the word
    ListAdd,          // merge the values into a list
    ListRemove,       // take the values out of a list
    ExclusionAdd,     // ListAdd to the exclusion list of the current mode, source and kind
    PrimaryAction,    // primary action with its implied secondary
    SecondaryAction,  // secondary action, checked against the primary
    DeleteByNumber,   // one exclusion by its number in the exclusion list
};

struct OptionRow {
    int option;
    Shape shape;
    const char* key = nullptr;
    const char* secondaryKey = nullptr;  // the action pair's second key
    const Words* words = nullptr;
    ExclusionKind kind = ExclusionKind::Path;
    bool unwantedPrograms = false;  // the PUP action pair, where "allow" is a word of its own
};

const char* const kOnlySpecified = KOVL_KEY("DNDOASProfile.FileTypeForOnlySpecified.FileType");
const char* const kDefaultAndSpecified = KOVL_KEY("DNDOASProfile.FileTypeForDefaultAndSpecified.FileType");
const char* const kInfectionPrimary = KOVL_KEY("DNDOASProfile.InfectionPrimaryAction");
const char* const kInfectionSecondary = KOVL_KEY("DNDOASProfile.InfectionSecondaryAction");
const char* const kPUPPrimary = KOVL_KEY("DNDOASProfile.PUPPrimaryAction");
const char* const kPUPSecondary = KOVL_KEY("DNDOASProfile.PUPSecondaryAction");

// Keys are checked against the preference schema at compile time.
// Options 26, 27 and any number not listed answer 3025.
const OptionRow kOptions[] = {
    {0, Shape::Accept},
    {1, Shape::ScanMode, nullptr, nullptr, &kScanModeWords},
    {2, Shape::FileTypes, nullptr, nullptr, &kFileTypeWords},
    {3, Shape::Flag, KOVL_KEY("DNDOASProfile.ScanMacros")},
    {4, Shape::ListAdd, kOnlySpecified},
    {5, Shape::ListAdd, kDefaultAndSpecified},
    {6, Shape::ListRemove, kOnlySpecified},
    {7, Shape::ListRemove, kDefaultAndSpecified},
    {8, Shape::Flag, KOVL_KEY("DNDOASProfile.ScanExtension")},
    {9, Shape::Action, KOVL_KEY("DNDOASProfile.ScanErrorAction"), nullptr, &kAllowOrDeny},
    {10, Shape::Action, KOVL_KEY("DNDOASProfile.ScanTimeoutAction"), nullptr, &kAllowOrDeny},
    {11, Shape::Flag, KOVL_KEY("DNDOASProfile.ScanOnNetwork")},
    {12, Shape::Flag, KOVL_KEY("DNDOASProfile.ScanArchiveEnabled")},
    {13, Shape::Flag, KOVL_KEY("DNDOASProfile.ScanMailEnabled")},
    {14, Shape::Flag, KOVL_KEY("DNDOASProfile.DetectUnwantedProgramsEnabled")},
    {15, Shape::Flag, KOVL_KEY("DNDOASProfile.DetectUnknownProgramsEnabled")},
    {16, Shape::Flag, KOVL_KEY("DNDOASProfile.DetectUnknownMacrosEnabled")},
    {17, Shape::Flag, KOVL_KEY("DNDOASProfile.DetectJokesEnabled")},
    {18, Shape::PrimaryAction, kInfectionPrimary, kInfectionSecondary},
    {19, Shape::SecondaryAction, kInfectionPrimary, kInfectionSecondary},
    {20, Shape::PrimaryAction, kPUPPrimary, kPUPSecondary, nullptr, ExclusionKind::Path, true},
    {21, Shape::SecondaryAction, kPUPPrimary, kPUPSecondary, nullptr, ExclusionKind::Path, true},
    {22, Shape::Accept},
    {23, Shape::ExclusionAdd, nullptr, nullptr, nullptr, ExclusionKind::File},
    {24, Shape::ExclusionAdd, nullptr, nullptr, nullptr,
     ExclusionKind::Path},  // Folder with the folder marker
    {25, Shape::ExclusionAdd, nullptr, nullptr, nullptr, ExclusionKind::FileType},
    {28, Shape::Accept},
    {29, Shape::DeleteByNumber},
};

// Primary action words: the pair written, primary first. A row marked for
// unwanted programs applies only to the PUP pair; the last row is any other word.
struct PrimaryWord {
    const char* word;
    bool unwantedProgramsOnly;
    ScanAction primary;
    ScanAction secondary;
};
const PrimaryWord kPrimaryWords[] = {
    {"clean", false, SCAN_ACTION_CLEAN, SCAN_ACTION_DENY},
    {"delete", false, SCAN_ACTION_DELETE, SCAN_ACTION_DENY},
    {"allow", true, SCAN_ACTION_ALLOW, SCAN_ACTION_NO_SECONDARY},
    {nullptr, false, SCAN_ACTION_DENY, SCAN_ACTION_NO_SECONDARY},
};

// Secondary action words: the value written and which primary actions allow it.
struct SecondaryWord {
    const char* word;
    bool unwantedProgramsOnly;
    ScanAction secondary;
    bool onlyAfterClean;  // otherwise allowed after allow (0) or clean (1)
};
const SecondaryWord kSecondaryWords[] = {
    {"delete", false, SCAN_ACTION_DELETE, true},
    {"allow", true, SCAN_ACTION_ALLOW, false},
    {nullptr, false, SCAN_ACTION_DENY, false},
};

// The first row naming the word (for the pair at hand), else the last row.
template <class Row, std::size_t N>
const Row& findWord(const Row (&rows)[N], const std::string& word, bool unwantedPrograms) {
    for (const Row& row : rows)
        if (row.word == nullptr || (word == row.word && (unwantedPrograms || !row.unwantedProgramsOnly)))
            return row;
    return rows[N - 1];
}

}  // namespace

int KOVConfigController::setOASProfileSettings(std::string profile, int option,
                                               std::vector<std::string> values, DataSource source) {
    return impl_->locked([&] { return applyProfileOption(*impl_, profile, option, values, source); });
}

namespace {
int applyProfileOption(detail::ControllerImpl& d, const std::string& profile, int option,
                       const std::vector<std::string>& values, DataSource source) {
    const auto row = std::find_if(std::begin(kOptions), std::end(kOptions),
                                  [&](const OptionRow& r) { return r.option == option; });
    if (row == std::end(kOptions)) return AM_STORE_FAILURE;
    const std::string value = values.empty() ? std::string() : values.front();

    switch (row->shape) {
        case Shape::Accept:
            return AM_SUCCESS;
        case Shape::ScanMode:
            return d.self.setScanMode(profile, static_cast<ScanMode>(row->words->of(value)));
        case Shape::FileTypes:
            return d.self.setScanFileTypes(profile, static_cast<FileTypesForScan>(row->words->of(value)));
        case Shape::Flag:
            return d.self.setBooleanConfiguration(profile, row->key, value == "enable");
        case Shape::Action:
            return d.self.setScanActionConfiguration(profile, row->key,
                                                     static_cast<ScanAction>(row->words->of(value)));
        case Shape::ListAdd:
            return addToProfileList(d, profile, row->key, values);
        case Shape::ListRemove:
            return removeFromProfileList(d, profile, row->key, values);
        case Shape::ExclusionAdd: {
            const ExclusionKind kind =
                row->kind == ExclusionKind::Path && d.folderExclusion ? ExclusionKind::Folder : row->kind;
            return addToProfileList(d, profile, detail::exclusionKey(kind, d.exclusionMode, source), values);
        }
        case Shape::PrimaryAction:
            return setPrimaryAction(d, profile, row->key, row->secondaryKey, row->unwantedPrograms, value);
        case Shape::SecondaryAction:
            return setSecondaryAction(d, profile, row->key, row->secondaryKey, row->unwantedPrograms, value);
        case Shape::DeleteByNumber:
            return deleteExclusionByNumber(d, profile, value, source);
    }
    return AM_STORE_FAILURE;
}

// The values go in their order, joined with the list's delimiter; the store
// appends them. Duplicates are not removed here.
int addToProfileList(detail::ControllerImpl& d, const std::string& profile, const std::string& key,
                     const std::vector<std::string>& values) {
    std::string text;
    try {
        text = d.self.getValueWithDelimiter(profile, key, values);
    } catch (...) {
        return AM_STORE_FAILURE;  // the list's delimiter could not be read
    }
    return d.self.addInternalSettings({{profile, {{key, text}}}});
}

// Each value cancels one equal item; the remainder replaces the list.
int removeFromProfileList(detail::ControllerImpl& d, const std::string& profile, const std::string& key,
                          std::vector<std::string> values) {
    std::vector<std::string> current = d.self.getExclusion(profile, key);
    std::sort(current.begin(), current.end());
    std::sort(values.begin(), values.end());
    std::vector<std::string> remaining;
    std::set_difference(current.begin(), current.end(), values.begin(), values.end(),
                        std::back_inserter(remaining));
    std::string removedText;
    std::string remainingText;
    try {
        removedText = d.self.getValueWithDelimiter(profile, key, values);
        remainingText = d.self.getValueWithDelimiter(profile, key, remaining);
    } catch (...) {
        return AM_STORE_FAILURE;  // the list's delimiter could not be read
    }
    const int result =
        d.self.delInternalSettings({{profile, {{key, remainingText}}}}, {{profile, {{key, removedText}}}});
    keepListKey(d, profile, key);
    return result;
}

// A word "names the current action" when the primary action it would write
// equals the current one: then nothing is written (3018) and the secondary
// action stays as it is. So with a current "deny" (4), "allow" on the threat
// pair and any unknown word answer 3018 as "deny" does. Lets AMException out
// when the current action cannot be read.
int setPrimaryAction(detail::ControllerImpl& d, const std::string& profile, const std::string& primaryKey,
                     const std::string& secondaryKey, bool unwantedPrograms, const std::string& word) {
    const int current = d.self.getScanActionConfiguration(profile, primaryKey);
    const PrimaryWord& chosen = findWord(kPrimaryWords, word, unwantedPrograms);
    if (chosen.primary == current) return AM_ALREADY_SET;
    const int result = d.self.setScanActionConfiguration(profile, primaryKey, chosen.primary);
    d.self.setScanActionConfiguration(profile, secondaryKey, chosen.secondary);
    return result;
}

// Refused combinations answer 3025 without a line; lets AMException out when
// the primary action cannot be read.
int setSecondaryAction(detail::ControllerImpl& d, const std::string& profile, const std::string& primaryKey,
                       const std::string& secondaryKey, bool unwantedPrograms, const std::string& word) {
    const auto primary = static_cast<unsigned>(d.self.getScanActionConfiguration(profile, primaryKey));
    const SecondaryWord& chosen = findWord(kSecondaryWords, word, unwantedPrograms);
    const bool allowed = chosen.onlyAfterClean ? primary == SCAN_ACTION_CLEAN : primary <= SCAN_ACTION_CLEAN;
    if (!allowed) return AM_STORE_FAILURE;
    return d.self.setScanActionConfiguration(profile, secondaryKey, chosen.secondary);
}

// One of the twelve lists the management server fills, whatever the kind and scan mode.
bool isZarnExclusionKey(const std::string& key) {
    for (ExclusionKind kind : detail::kExclusionKinds)
        for (ScanMode mode : detail::kExclusionModes)
            if (detail::exclusionKey(kind, mode, ZARN) == key) return true;
    return false;
}

// `number` counts from 1 in getExclusionList's order. A profile text that is
// not a number leaves as boost::bad_lexical_cast. In managed mode (1 or 2)
// the command line may not delete what the management server set.
int deleteExclusionByNumber(detail::ControllerImpl& d, const std::string& profile, const std::string& number,
                            DataSource source) {
    const auto code = static_cast<PROFILE_CODE>(boost::lexical_cast<int>(profile));
    std::map<std::string, std::string> entry;
    try {
        const std::vector<std::map<std::string, std::string>> list = d.self.getExclusionList(code);
        const int n = std::stoi(number);
        if (n < 1 || static_cast<std::size_t>(n) > list.size()) throw std::out_of_range(number);
        entry = list[static_cast<std::size_t>(n) - 1];
    } catch (...) {
        d.logError("Could not delete exclusion, invalid index found. ");
        return AM_STORE_FAILURE;
    }
    if (entry.empty()) return AM_STORE_FAILURE;
    const std::string key = entry.begin()->first;
    const std::string item = entry.begin()->second;
    const int mode = d.managedMode;
    if (source == CLI && mode != 0 && mode != 3 && isZarnExclusionKey(key)) {
        d.logError("It is not possible to delete exclusion set from Zarn through CLI");
        return AM_STORE_FAILURE;
    }
    const int result = d.self.deleteExclusionList(code, key, item);
    keepListKey(d, profile, key);
    return result;
}

void keepListKey(detail::ControllerImpl& d, const std::string& profile, const std::string& key) {
    try {
        if (!d.configStore->keyExists(profile, key)) d.self.addInternalSettings({{profile, {{key, ""}}}});
    } catch (...) {
        // The answer of the change it follows stands.
    }
}
}  // namespace

}  // namespace KOVL
