// kovconfig: the preference schema defaults.
//
// The one table of every preference key and its default text, by section
// type. The bootstrap completes the preferences file with it, and the build
// generates the shipped default preferences file from it. Pure functions;
// safe from any thread.
#pragma once

#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <string>

namespace KOVL {

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
