// The preference defaults: the schema table of config/Schema.h, completed
// with each on-access profile's own values and the built-in tasks.
#include <kovl/config/Defaults.h>
#include <kovl/config/TaskSections.h>

#include <string>

#include "config/Schema.h"

namespace KOVL {

const char* const kDefaultLogDirKeyword = "%DEFLOGDIR%";
const char* const kDefaultLogDir = "/var/Korvel/kov/log/tp";
// Constant-initialised from the schema rows, so other units may use them during
// their own static initialisation.
constexpr const char* kDefaultORQHostValue = KOVL_PREF("DNDProductInformation.ORQHostAddr").row.value;
constexpr const char* kDefaultORQUserIDValue = KOVL_PREF("DNDProductInformation.ORQUserID").row.value;
constexpr const char* kDefaultORQKeyValue = KOVL_PREF("DNDProductInformation.ORQKey").row.value;
const char* const kDefaultORQHost = kDefaultORQHostValue;
const char* const kDefaultORQUserID = kDefaultORQUserIDValue;
const char* const kDefaultORQKey = kDefaultORQKeyValue;

namespace {

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

ZUR::SettingsMap buildDefaultSettings() {
    ZUR::SettingsMap settings;
    for (const schema::Row& row : schema::kRows) {
        if (schema::isPerProfile(row) || row.value == schema::kNoDefault) continue;
        settings[row.sectionType][row.key] = row.value;
    }
    for (const ProfileDefaults& profile : kProfiles) {
        const std::string type = profileSectionType(profile.code);
        auto& section = settings[type];
        for (const schema::Row& row : schema::kRows)
            if (schema::isPerProfile(row) && row.value != schema::kNoDefault) section[row.key] = row.value;
        section[KOVL_KEY("DNDOASProfile.<xmlattr>.type")] = type;
        section[KOVL_KEY("DNDOASProfile.ProfileName")] = profile.name;
        section[KOVL_KEY("DNDOASProfile.ProfileKeyword")] = profile.keyword;
        if (profile.lowRisk) {
            section[KOVL_KEY("DNDOASProfile.DetectUnknownProgramsEnabled")] = "0";
            section[KOVL_KEY("DNDOASProfile.DetectUnknownMacrosEnabled")] = "0";
        }
    }
    auto& quick = settings[sections::kQuickScanTask];
    auto& full = settings[sections::kFullScanTask];
    quick[taskTypeKey(ODS_TASK)] = sections::kQuickScanTask;
    full[taskTypeKey(ODS_TASK)] = sections::kFullScanTask;
    for (const schema::TaskRow& row : schema::kODSTask) {
        quick[row.key] = row.quick;
        full[row.key] = row.full;
    }
    for (const schema::TaskKey& row : schema::kUpdateTask)
        settings[sections::kDefaultUpdateTask][row.key] = row.value;
    settings[sections::kDefaultUpdateTask][taskTypeKey(UPDATE_TASK)] = sections::kDefaultUpdateTask;
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
    productDefaults[KOVL_KEY("DNDProductDefaultSettings.PrefixKeyword.KeyName")] = kDefaultLogDirKeyword;
    productDefaults[KOVL_KEY("DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value")] =
        kDefaultLogDir;
    return settings;
}

}  // namespace KOVL
