// The preference defaults: the schema table of config/Schema.h, completed
// with each on-access profile's own values and the built-in tasks.
#include <kovl/config/Defaults.h>

#include <iterator>
#include <string>

#include "config/Schema.h"

namespace KOVL {

const char* const kDefaultLogDirKeyword = "%DEFLOGDIR%";
const char* const kDefaultLogDir = "/var/Korvel/kov/log/tp";
// Constant-initialised from the schema rows, so other units may use them during
// their own static initialisation.
constexpr const char* kDefaultORQHostValue =
    schema::kRows[schema::indexOf("DNDProductInformation.ORQHostAddr")].value;
constexpr const char* kDefaultORQUserIDValue =
    schema::kRows[schema::indexOf("DNDProductInformation.ORQUserID")].value;
constexpr const char* kDefaultORQKeyValue =
    schema::kRows[schema::indexOf("DNDProductInformation.ORQKey")].value;
const char* const kDefaultORQHost = kDefaultORQHostValue;
const char* const kDefaultORQUserID = kDefaultORQUserIDValue;
const char* const kDefaultORQKey = kDefaultORQKeyValue;

namespace {

struct Row {
    const char* key;
    const char* value;
};

// ODS task keys with the quick-scan and the full-scan default.
struct TaskRow {
    const char* key;
    const char* quick;
    const char* full;
};

const TaskRow kODSTask[] = {
    {"ODSProfile.TaskName", "quick scan", "full scan"},
    {"ODSProfile.TaskSchedule", "", ""},
    {"ODSProfile.TaskSource", "0", "0"},
    {"ODSProfile.ScanSubFolder", "1", "1"},
    {"ODSProfile.UseScanCache", "1", "1"},
    {"ODSProfile.ScanOnNetwork", "1", "1"},
    {"ODSProfile.ScanLocalDrives", "0", "1"},
    {"ODSProfile.ScanTmpFolders", "1", "0"},
    {"ODSProfile.ScanMacros", "0", "0"},
    {"ODSProfile.ScanExtension", "0", "0"},
    {"ODSProfile.FileTypeToScan", "0", "0"},
    {"ODSProfile.UserID", "0", "0"},
    {"ODSProfile.Threads", "5", "5"},
    {"ODSProfile.MaxScanTimeout", "45", "45"},
    {"ODSProfile.MaxCPULimit", "100", "100"},
    {"ODSProfile.IsORQEnabled", "1", "1"},
    {"ODSProfile.ORQSensitivityLevel", "3", "3"},
    {"ODSProfile.GroupID", "0", "0"},
    {"ODSProfile.FileTypeForDefaultAndSpecified.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypeForOnlySpecified.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypeForDefaultAndSpecified.FileType", "", ""},
    {"ODSProfile.FileTypeForOnlySpecified.FileType", "", ""},
    {"ODSProfile.ScanPaths.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.ScanPaths.Path", "", ""},
    {"ODSProfile.FileTypesToExclude.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypesToExclude.FileType", "", ""},
    {"ODSProfile.PathExclusions.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.PathExclusions.Path", "", ""},
    {"ODSProfile.FileExclusions.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileExclusions.File", "", ""},
    {"ODSProfile.FoldersAndSubFoldersExclusion.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FoldersAndSubFoldersExclusion.Folder", "", ""},
    {"ODSProfile.ScanArchiveEnabled", "0", "1"},
    {"ODSProfile.ScanMailEnabled", "0", "0"},
    {"ODSProfile.DetectJokesEnabled", "1", "1"},
    {"ODSProfile.DetectUnwantedProgramsEnabled", "1", "1"},
    {"ODSProfile.DetectUnknownMacrosEnabled", "1", "1"},
    {"ODSProfile.DetectUnknownProgramsEnabled", "1", "1"},
    {"ODSProfile.InfectionPrimaryAction", "1", "1"},
    {"ODSProfile.InfectionSecondaryAction", "2", "2"},
    {"ODSProfile.PUPPrimaryAction", "1", "1"},
    {"ODSProfile.PUPSecondaryAction", "2", "2"},
    {"ODSProfile.LastRunSummary.NoOfFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCleanFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesInfected", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesCleaned", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesDeleted", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesSkipped", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCleanORQFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCacheHit", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesExcluded", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesNotScannedDueToTimeout", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesNotScannedDueToError", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMajorEngineVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMinorEngineVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMajorDATVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMinorDATVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.TaskStartTime", "0", "0"},
    {"ODSProfile.LastRunSummary.TaskEndTime", "0", "0"},
    {"ODSProfile.LastRunSummary.TimeTaken", "0", "0"},
    {"ODSProfile.LastRunSummary.OdsStatus", "0", "0"},
};

const Row kUpdateTask[] = {
    {"UpdateProfile.TaskName", "Default Client Update task"},
    {"UpdateProfile.TaskOrigin", "0"},
    {"UpdateProfile.TaskUpdateType", "4"},
    {"UpdateProfile.TaskLastRun", "0"},
    {"UpdateProfile.TaskSchedule", ""},
};

// What each on-access profile adds to the common keys.
struct ProfileDefaults {
    PROFILE_CODE code;
    const char* name;
    const char* keyword;
    bool lowRisk;  // the low-risk profile does not detect unknown programs and macros
};

// Built in this order; the map orders them by section type anyway.
const ProfileDefaults kProfiles[] = {
    {STANDARD_PROFILE, "Standard", "standardprofile", false},
    {HIGH_RISK_PROFILE, "High Risk", "highrisk", false},
    {EXTRA_PROFILE_01, "Extra Profile01", "extraprofile01", false},
    {EXTRA_PROFILE_02, "Extra Profile02", "extraprofile02", false},
    {LOW_RISK_PROFILE, "Low Risk", "lowrisk", true},
};

template <std::size_t N>
void addRows(ZUR::SettingsMap& settings, const std::string& sectionType, const Row (&rows)[N]) {
    auto& section = settings[sectionType];
    for (const Row& row : rows) section[row.key] = row.value;
}

ZUR::SettingsMap buildDefaultSettings() {
    ZUR::SettingsMap settings;
    for (const schema::Row& row : schema::kRows) {
        if (schema::isPerProfile(row)) continue;
        settings[row.sectionType][row.key] = row.value;
    }
    for (const ProfileDefaults& profile : kProfiles) {
        const std::string type = profileSectionType(profile.code);
        auto& section = settings[type];
        for (const schema::Row& row : schema::kRows)
            if (schema::isPerProfile(row)) section[row.key] = row.value;
        section["DNDOASProfile.<xmlattr>.type"] = type;
        section["DNDOASProfile.ProfileName"] = profile.name;
        section["DNDOASProfile.ProfileKeyword"] = profile.keyword;
        if (profile.lowRisk) {
            section["DNDOASProfile.DetectUnknownProgramsEnabled"] = "0";
            section["DNDOASProfile.DetectUnknownMacrosEnabled"] = "0";
        }
    }
    auto& quick = settings[sections::kQuickScanTask];
    auto& full = settings[sections::kFullScanTask];
    quick["ODSProfile.<xmlattr>.type"] = sections::kQuickScanTask;
    full["ODSProfile.<xmlattr>.type"] = sections::kFullScanTask;
    for (const TaskRow& row : kODSTask) {
        quick[row.key] = row.quick;
        full[row.key] = row.full;
    }
    addRows(settings, sections::kDefaultUpdateTask, kUpdateTask);
    settings[sections::kDefaultUpdateTask]["UpdateProfile.<xmlattr>.type"] = sections::kDefaultUpdateTask;
    return settings;
}

}  // namespace

ZUR::SettingsMap defaultSettings() {
    // Built once per process (the first caller builds it, others wait);
    // every caller gets a copy of its own.
    static const ZUR::SettingsMap table = buildDefaultSettings();
    return table;
}

ZUR::SettingsMap shippedSettings() {
    ZUR::SettingsMap settings = defaultSettings();
    auto& productDefaults = settings[sections::kProductDefaults];
    productDefaults["DNDProductDefaultSettings.PrefixKeyword.KeyName"] = kDefaultLogDirKeyword;
    productDefaults["DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value"] = kDefaultLogDir;
    return settings;
}

}  // namespace KOVL
