// Logging settings: how every daemon of the product logs ("DNDClientLogging",
// section type "53") and the product-wide log file defaults
// ("DNDProductDefaultSettings", section type "55").
//
// Getters go through the typed accessors; setters hold the controller mutex
// around the generic setter, which stamps the update time on a change.
#include <string>

#include "config/Access.h"

namespace KOVL {
namespace {
using detail::Setting;

constexpr const char* kLogging = "53";
constexpr const char* kProductDefaults = "55";

const Setting<bool> kDebugOAS{
    kLogging, "DNDClientLogging.EnableDebugLoggingForOAS", false,
    "Unable to determine if debug logging is enabled for OAS. Returning default value instead"};
const Setting<bool> kDebugMsgBus{
    kLogging, "DNDClientLogging.EnableDebugLoggingForMsgBus", false,
    "Unable to determine if debug logging is enabled for msgbus. Returning default value instead"};
const Setting<bool> kDebugODS{
    kLogging, "DNDClientLogging.EnableDebugLoggingForODS", false,
    "Unable to determine if debug logging is enabled for ODS. Returning default value instead"};
const Setting<bool> kLimitDebugLog{
    kLogging, "DNDClientLogging.LimitDebugLogSize", true,
    "Unable to determine if limit debug log size is enabled. Returning default value instead"};
const Setting<bool> kActivityLogging{
    kLogging, "DNDClientLogging.EnableActivityLogging", true,
    "Unable to determine if activity logging is enabled. Returning default value"};
const Setting<bool> kOASActivityLogging{
    kLogging, "DNDClientLogging.EnableOASActivityLogging", false,
    "Unable to determine if oas activity logging is enabled. Returning default value"};
const Setting<bool> kLimitActivityLog{
    kLogging, "DNDClientLogging.LimitActivityLogSize", true,
    "Unable to determine if limit activity log size is enabled. Returning default value instead"};
const Setting<bool> kEventsToZarn{
    kLogging, "DNDClientLogging.EnableSendingEventsToZarn", true,
    "Unable to determine if sending events to Zarn is enabled. Returning default value instead"};
const Setting<bool> kEventLogging{
    kLogging, "DNDClientLogging.EnableEventLogging", true,
    "Unable to determine if event logging is enabled. Returning default value instead"};

const Setting<int> kDebugLogSize{kLogging, "DNDClientLogging.DebugLogSize", 10,
                                 "Unable to get debug log size. Returning default value instead"};
const Setting<int> kActivityLogSize{kLogging, "DNDClientLogging.ActivityLogSize", 10,
                                    "Unable to get activity log size. Returning default value instead"};
const Setting<int> kZarnLevelOAS{kLogging, "DNDClientLogging.ZarnLogLevelForOAS", 3,
                                 "Unable to get Zarn log level for OAS. Returning default value instead"};
const Setting<int> kLevelOAS{kLogging, "DNDClientLogging.LogLevelForOAS", 2,
                             "Unable to get log level for OAS. Returning default value instead"};
const Setting<int> kZarnLevelODS{kLogging, "DNDClientLogging.ZarnLogLevelForODS", 3,
                                 "Unable to get Zarn log level for ODS. Returning default value instead"};
const Setting<int> kLevelODS{kLogging, "DNDClientLogging.LogLevelForODS", 2,
                             "Unable to get log level for ODS. Returning default value instead"};
const Setting<int> kMaxLogFileSize{
    kProductDefaults, "DNDProductDefaultSettings.ProductMaxLogFileSize", 10,
    "Unable to get default rotated log file size. Returning default value instead"};
const Setting<int> kRotatedLogFileCount{
    kProductDefaults, "DNDProductDefaultSettings.ProductMaxRotatedLogFileCount", 5,
    "Unable to get default maximum rotated log file count. Returning default value instead"};

// The log directory is answered as read: no line of its own, "" when unreadable.
const Setting<std::string> kLogPath{kLogging, "DNDClientLogging.LogPath", "", ""};

const Setting<std::string> kLogFileFM{kProductDefaults, "DNDProductDefaultSettings.LogFileForFM", "zlytpd",
                                      "Unable to get log file for FM. Returning default value instead"};
const Setting<std::string> kLogFileScanFactory{
    kProductDefaults, "DNDProductDefaultSettings.LogFileForScanFactory", "zlyscanfactory",
    "Unable to get log file for Scan Factory. Returning default value instead"};
const Setting<std::string> kLogFileScanActionMgr{
    kProductDefaults, "DNDProductDefaultSettings.LogFileForScanActionMgr", "zlyscanactionmgr",
    "Unable to get log file for Scan Action Manager. Returning default value instead"};
const Setting<std::string> kLogFileOASMgr{
    kProductDefaults, "DNDProductDefaultSettings.LogFileForOASMgr", "zlyoasmgr",
    "Unable to get log file for OAS Manager. Returning default value instead"};
const Setting<std::string> kLogFileODSMgr{
    kProductDefaults, "DNDProductDefaultSettings.LogFileForODSMgr", "zlyodsmanager",
    "Unable to get log file for ODS Manager. Returning default value instead"};
const Setting<std::string> kLogFileODSCollector{
    kProductDefaults, "DNDProductDefaultSettings.LogFileForODSCollector", "zlyodscollector",
    "Unable to get log file for ODS Collector. Returning default value instead"};

}  // namespace

bool KOVConfigController::isDebugLoggingEnabledForOAS() { return accessOr(kDebugOAS); }
bool KOVConfigController::isDebugLoggingEnabledForMsgBus() { return accessOr(kDebugMsgBus); }
bool KOVConfigController::isDebugLoggingEnabledForODS() { return accessOr(kDebugODS); }
bool KOVConfigController::isLimitDebugLogSizeEnabled() { return accessOr(kLimitDebugLog); }
bool KOVConfigController::isActivityLoggingEnabled() { return accessOr(kActivityLogging); }
bool KOVConfigController::isOASActivityLoggingEnabled() { return accessOr(kOASActivityLogging); }
bool KOVConfigController::isLimitActivityLogSizeEnabled() { return accessOr(kLimitActivityLog); }
bool KOVConfigController::isSendingEventsToZarnEnabled() { return accessOr(kEventsToZarn); }
bool KOVConfigController::isEventLoggingEnabled() { return accessOr(kEventLogging); }

AM_ERROR_CODES KOVConfigController::enableDebugLoggingForOAS(bool enable) {
    return lockedSet(kDebugOAS, enable);
}

AM_ERROR_CODES KOVConfigController::enableDebugLoggingForODS(bool enable) {
    return lockedSet(kDebugODS, enable);
}

AM_ERROR_CODES KOVConfigController::enableLimitDebugLogSize(bool enable) {
    return lockedSet(kLimitDebugLog, enable);
}

AM_ERROR_CODES KOVConfigController::enableActivityLogging(bool enable) {
    return lockedSet(kActivityLogging, enable);
}

AM_ERROR_CODES KOVConfigController::enableOASActivityLogging(bool enable) {
    return lockedSet(kOASActivityLogging, enable);
}

AM_ERROR_CODES KOVConfigController::enableLimitActivityLogSize(bool enable) {
    return lockedSet(kLimitActivityLog, enable);
}

AM_ERROR_CODES KOVConfigController::enableSendingEventsToZarn(bool enable) {
    return lockedSet(kEventsToZarn, enable);
}

AM_ERROR_CODES KOVConfigController::enableEventLogging(bool enable) {
    return lockedSet(kEventLogging, enable);
}

int KOVConfigController::getDebugLogSize() { return accessOr(kDebugLogSize); }

AM_ERROR_CODES KOVConfigController::setDebugLogSize(int size) { return lockedSet(kDebugLogSize, size); }

int KOVConfigController::getActivityLogSize() { return accessOr(kActivityLogSize); }

AM_ERROR_CODES KOVConfigController::setActivityLogSize(int size) { return lockedSet(kActivityLogSize, size); }

int KOVConfigController::getZarnLogLevelForOAS() { return accessOr(kZarnLevelOAS); }

AM_ERROR_CODES KOVConfigController::setZarnLogLevelForOAS(int level) {
    return lockedSet(kZarnLevelOAS, level);
}

int KOVConfigController::getLogLevelForOAS() { return accessOr(kLevelOAS); }

AM_ERROR_CODES KOVConfigController::setLogLevelForOAS(int level) { return lockedSet(kLevelOAS, level); }

int KOVConfigController::getZarnLogLevelForODS() { return accessOr(kZarnLevelODS); }

AM_ERROR_CODES KOVConfigController::setZarnLogLevelForODS(int level) {
    return lockedSet(kZarnLevelODS, level);
}

int KOVConfigController::getLogLevelForODS() { return accessOr(kLevelODS); }

AM_ERROR_CODES KOVConfigController::setLogLevelForODS(int level) { return lockedSet(kLevelODS, level); }

int KOVConfigController::getDefaultMaximumLogFileSize() { return accessOr(kMaxLogFileSize); }
int KOVConfigController::getDefaultRotatedLogFileCount() { return accessOr(kRotatedLogFileCount); }

std::string KOVConfigController::getLogPath() { return accessStringOr(kLogPath); }

AM_ERROR_CODES KOVConfigController::setLogPath(std::string path) { return lockedSet(kLogPath, path); }

std::string KOVConfigController::getLogFileForFM() { return accessStringOr(kLogFileFM); }
std::string KOVConfigController::getLogFileForScanFactory() { return accessStringOr(kLogFileScanFactory); }
std::string KOVConfigController::getLogFileForScanActionMgr() {
    return accessStringOr(kLogFileScanActionMgr);
}
std::string KOVConfigController::getLogFileForOASMgr() { return accessStringOr(kLogFileOASMgr); }
std::string KOVConfigController::getLogFileForODSMgr() { return accessStringOr(kLogFileODSMgr); }
std::string KOVConfigController::getLogFileForODSCollector() { return accessStringOr(kLogFileODSCollector); }

}  // namespace KOVL
