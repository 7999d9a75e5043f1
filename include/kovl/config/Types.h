// kovconfig: shared vocabulary of the configuration controller.
//
// Result codes, enumerations, the library's exception, the callback types, the
// preference-file locations and the cached on-access configuration records.
// Everything here is plain data; none of it is synchronised on its own.
#pragma once

#include <kovl/export.h>

#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <vector>

namespace KOVL {

// Result codes answered by the setters and bulk operations.
enum AM_ERROR_CODES {
    AM_SUCCESS = 3001,             // written
    AM_INVALID_KEY = 3004,         // invalid key or empty configuration
    AM_CONFIG_NOT_APPLIED = 3017,  // command-line profile or task configuration not applied
    AM_ALREADY_SET = 3018,         // value already set, nothing written
    AM_NO_CALLBACK = 3021,         // written, but no callback registered
    AM_STORE_FAILURE = 3025,       // store failure or refused change
    AM_CPU_LIMIT_UNSUPPORTED = 3052
};

// Value passed to the preference callback.
enum KOVPrefType {
    PREF_OAS_STATUS = 0,
    PREF_OAS_MAX_SCAN_TIMEOUT = 1,
    PREF_OAS_PROC_SETTINGS = 2,
    PREF_OAS_PROFILE_SCANNER_DISABLED = 3,
    PREF_OAS_PROFILE_SCANNER_ENABLED = 4,
    PREF_QUARANTINE_DIR = 6
};

// On-access profiles; the decimal text of the code is the profile's section type.
enum PROFILE_CODE : std::int32_t {
    STANDARD_PROFILE = 1,
    LOW_RISK_PROFILE = 2,
    HIGH_RISK_PROFILE = 3,
    EXTRA_PROFILE_01 = 4,
    EXTRA_PROFILE_02 = 5
};

enum ScanMode {
    SCAN_MODE_NONE = 0,
    SCAN_MODE_READ = 1,
    SCAN_MODE_WRITE = 2,
    SCAN_MODE_READ_WRITE = 3,
    SCAN_MODE_DECIDE = 4
};

// Who gave an exclusion: the command-line tool or the management server.
enum DataSource { CLI = 0, ZARN = 1 };

enum FileTypesForScan { ALL_FILES = 0, DEFAULT_AND_SPECIFIED = 1, ONLY_SPECIFIED = 2 };

// Scan actions as stored in the profiles; 3 is not used.
enum ScanAction {
    SCAN_ACTION_ALLOW = 0,
    SCAN_ACTION_CLEAN = 1,
    SCAN_ACTION_DELETE = 2,
    SCAN_ACTION_DENY = 4,
    SCAN_ACTION_NO_SECONDARY = 5
};

// The library's exception: a result code and a message.
class KOVL_EXPORT AMException : public std::exception {
public:
    AMException(AM_ERROR_CODES code, std::string message);
    AM_ERROR_CODES getErrorCode() const;
    std::string getErrorMessage() const;
    const char* what() const noexcept override;

private:
    AM_ERROR_CODES code_;
    std::string message_;
};

using PrefCallback = void (*)(KOVPrefType);
using PrefMapCallback = void (*)(std::map<int, std::vector<std::string>>);

// Where the bootstrap looks for the preferences. The defaults are the
// product's fixed paths; tests and tools point them into a directory of their own.
struct PreferenceFiles {
    std::string current = "/var/Korvel/kov/tp/prefs.xml";
    std::string shipped = "/opt/Korvel/kov/tp/etc/prefs.xml";
};

// One on-access profile as the on-access manager consumes it.
struct oas_profile {
    char profile_name[31] = {};
    bool reserved_flag = false;
    PROFILE_CODE profile_code = static_cast<PROFILE_CODE>(0);
    bool scan_archive_enabled = false;
    bool detect_unwanted_programs_enabled = false;
    bool detect_unknown_macros_enabled = false;
    bool scan_mail_enabled = false;
    bool detect_jokes_enabled = false;
    bool detect_unknown_programs_enabled = false;
    int infection_primary_action = 1;
    int infection_secondary_action = 2;
    int pup_primary_action = 1;
    int pup_secondary_action = 2;
    int scan_timeout_action = 0;
    int scan_error_action = 4;
};

// The whole on-access configuration; profiles[k-1] holds profile code k.
struct oas_configuration {
    bool reserved_flag_1 = false;
    bool reserved_flag_2 = false;
    bool reserved_flag_3 = false;
    bool oas_status = false;
    bool multiple_profiles_enabled = false;
    int scan_manager_threads = 5;
    int max_scan_timeout = 45;
    bool orq_enabled = false;
    std::uint8_t orq_sensitivity = 0;
    int reserved_value_1 = -1;
    int reserved_value_2 = -1;
    bool event_logging_enabled = true;
    int log_setting_a = 2;
    int log_setting_c = 10;
    int log_setting_b = 10485760;
    oas_profile profiles[5];
};

// Exclusions and command-line profile configuration.
// One exclusion: its list's full key path mapped to the item (exactly one pair).
using ExclusionEntry = std::map<std::string, std::string>;
// Command-line option map: option number to the option's words.
using CLIOptionMap = std::map<int, std::vector<std::string>>;

// Engine, content and task records.

// Installed engine and DAT versions. The store keeps 32-bit integers: a field
// is stored as its low 32 bits and read back sign-extended.
struct EngineAndDATInfo {
    std::int64_t majorEngineVersion = 0;
    std::int64_t minorEngineVersion = 0;
    std::int64_t majorDATVersion = 0;
    std::int64_t minorDATVersion = 0;
};

// Release date of the installed DAT.
struct DATReleaseInfo {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
};

// The two kinds of task section: on-demand scan ("ODSProfile") and update
// ("UpdateProfile").
enum TASK_KIND { ODS_TASK = 0, UPDATE_TASK = 1 };

}  // namespace KOVL
