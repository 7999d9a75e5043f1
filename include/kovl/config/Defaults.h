// kovconfig: the preference schema defaults and the section types.
//
// The one table of every preference key and its default text, by section
// type. The bootstrap completes the preferences file with it, and the build
// generates the shipped default preferences file from it. Pure functions and
// constants; safe from any thread.
#pragma once

#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <string>

namespace KOVL {

// The section types of the preferences file: the "type" attribute of each
// top-level section. An on-access profile's section type is the decimal text
// of its PROFILE_CODE ("1" to "5", see profileSectionType).
namespace sections {
inline constexpr const char* kOASGlobal = "51";           // DNDOASGlobalSettings
inline constexpr const char* kGlobal = "52";              // DNDGlobalSettings
inline constexpr const char* kClientLogging = "53";       // DNDClientLogging
inline constexpr const char* kProductInformation = "54";  // DNDProductInformation
inline constexpr const char* kProductDefaults = "55";     // DNDProductDefaultSettings
inline constexpr const char* kODSGlobal = "56";           // DNDODSGlobalSettings
inline constexpr const char* kORQSelection = "57";        // DNDORQSelectionCriteria
inline constexpr const char* kProxy = "58";               // DNDProxySettings
inline constexpr const char* kAPExclusions = "59";        // DNDAPGlobalExclusions
// The built-in tasks (ODSProfile, UpdateProfile).
inline constexpr const char* kQuickScanTask = "c98408b0-0b09-48a0-97fc-4f1f9902bc36";
inline constexpr const char* kFullScanTask = "d15496b5-0a10-4f2d-b934-5e3694f333df";
inline constexpr const char* kDefaultUpdateTask = "33313ed8-8688-4de7-b12b-8b1be7e46fcf";
}  // namespace sections

// The section type of an on-access profile: the decimal text of its code.
inline std::string profileSectionType(PROFILE_CODE code) { return std::to_string(static_cast<int>(code)); }

// Section type -> key -> default text, for every section of the schema.
KOVL_EXPORT ZUR::SettingsMap defaultSettings();

// The defaults plus what the product ships on top of them: the prefix keyword
// "%DEFLOGDIR%" naming the log directory.
KOVL_EXPORT ZUR::SettingsMap shippedSettings();

// Product-wide constants shared by the defaults and the getters' fallbacks.
KOVL_EXPORT extern const char* const kDefaultLogDirKeyword;  // "%DEFLOGDIR%"
KOVL_EXPORT extern const char* const kDefaultLogDir;         // "/var/Korvel/kov/log/tp"
// The reputation service's host and the built-in account (user id and key as
// stored: sealed, lower-case hexadecimal, without the "ZARNAES128:" marker).
KOVL_EXPORT extern const char* const kDefaultORQHost;
KOVL_EXPORT extern const char* const kDefaultORQUserID;
KOVL_EXPORT extern const char* const kDefaultORQKey;

}  // namespace KOVL
