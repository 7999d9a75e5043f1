// Logging settings: how every daemon of the product logs ("DNDClientLogging",
// section type "53") and the product-wide log file defaults
// ("DNDProductDefaultSettings", section type "55").
//
// Getters go through the typed accessors; setters hold the controller mutex
// around the generic setter, which stamps the update time on a change.
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {
namespace {
using detail::Setting;

const Setting<bool> kDebugOAS{
    KOVL_PREF("DNDClientLogging.EnableDebugLoggingForOAS"),
    "Unable to determine if debug logging is enabled for OAS. Returning default value instead"};
const Setting<bool> kDebugMsgBus{
    KOVL_PREF("DNDClientLogging.EnableDebugLoggingForMsgBus"),
    "Unable to determine if debug logging is enabled for msgbus. Returning default value instead"};
const Setting<bool> kDebugODS{
    KOVL_PREF("DNDClientLogging.EnableDebugLoggingForODS"),
    "Unable to determine if debug logging is enabled for ODS. Returning default value instead"};
const Setting<bool> kLimitDebugLog{
    KOVL_PREF("DNDClientLogging.LimitDebugLogSize"),
    "Unable to determine if limit debug log size is enabled. Returning default value instead"};
const Setting<bool> kActivityLogging{
    KOVL_PREF("DNDClientLogging.EnableActivityLogging"),
    "Unable to determine if activity logging is enabled. Returning default value"};
const Setting<bool> kOASActivityLogging{
    KOVL_PREF("DNDClientLogging.EnableOASActivityLogging"),
    "Unable to determine if oas activity logging is enabled. Returning default value"};
const Setting<bool> kLimitActivityLog{
    KOVL_PREF("DNDClientLogging.LimitActivityLogSize"),
    "Unable to determine if limit activity log size is enabled. Returning default value instead"};
const Setting<bool> kEventsToZarn{
    KOVL_PREF("DNDClientLogging.EnableSendingEventsToZarn"),
    "Unable to determine if sending events to Zarn is enabled. Returning default value instead"};
const Setting<bool> kEventLogging{
    KOVL_PREF("DNDClientLogging.EnableEventLogging"),
    "Unable to determine if event logging is enabled. Returning default value instead"};

const Setting<int> kDebugLogSize{KOVL_PREF("DNDClientLogging.DebugLogSize"),
                                 "Unable to get debug log size. Returning default value instead"};
const Setting<int> kActivityLogSize{KOVL_PREF("DNDClientLogging.ActivityLogSize"),
                                    "Unable to get activity log size. Returning default value instead"};
const Setting<int> kZarnLevelOAS{KOVL_PREF("DNDClientLogging.ZarnLogLevelForOAS"),
                                 "Unable to get Zarn log level for OAS. Returning default value instead"};
const Setting<int> kLevelOAS{KOVL_PREF("DNDClientLogging.LogLevelForOAS"),
                             "Unable to get log level for OAS. Returning default value instead"};
const Setting<int> kZarnLevelODS{KOVL_PREF("DNDClientLogging.ZarnLogLevelForODS"),
                                 "Unable to get Zarn log level for ODS. Returning default value instead"};
const Setting<int> kLevelODS{KOVL_PREF("DNDClientLogging.LogLevelForODS"),
                             "Unable to get log level for ODS. Returning default value instead"};
const Setting<int> kMaxLogFileSize{
    KOVL_PREF("DNDProductDefaultSettings.ProductMaxLogFileSize"),
    "Unable to get default rotated log file size. Returning default value instead"};
const Setting<int> kRotatedLogFileCount{
    KOVL_PREF("DNDProductDefaultSettings.ProductMaxRotatedLogFileCount"),
    "Unable to get default maximum rotated log file count. Returning default value instead"};

// The log directory is answered as read: no line of its own, "" when unreadable.
const Setting<std::string> kLogPath{KOVL_PREF("DNDClientLogging.LogPath"), "", ""};

const Setting<std::string> kLogFileFM{KOVL_PREF("DNDProductDefaultSettings.LogFileForFM"),
                                      "Unable to get log file for FM. Returning default value instead"};
const Setting<std::string> kLogFileScanFactory{
    KOVL_PREF("DNDProductDefaultSettings.LogFileForScanFactory"),
    "Unable to get log file for Scan Factory. Returning default value instead"};
const Setting<std::string> kLogFileScanActionMgr{
    KOVL_PREF("DNDProductDefaultSettings.LogFileForScanActionMgr"),
    "Unable to get log file for Scan Action Manager. Returning default value instead"};
const Setting<std::string> kLogFileOASMgr{
    KOVL_PREF("DNDProductDefaultSettings.LogFileForOASMgr"),
    "Unable to get log file for OAS Manager. Returning default value instead"};
const Setting<std::string> kLogFileODSMgr{
    KOVL_PREF("DNDProductDefaultSettings.LogFileForODSMgr"),
    "Unable to get log file for ODS Manager. Returning default value instead"};
const Setting<std::string> kLogFileODSCollector{
    KOVL_PREF("DNDProductDefaultSettings.LogFileForODSCollector"),
    "Unable to get log file for ODS Collector. Returning default value instead"};

}  // namespace

bool KOVConfigController::isDebugLoggingEnabledForOAS() { return impl_->accessOr(kDebugOAS); }
bool KOVConfigController::isDebugLoggingEnabledForMsgBus() { return impl_->accessOr(kDebugMsgBus); }
bool KOVConfigController::isDebugLoggingEnabledForODS() { return impl_->accessOr(kDebugODS); }
bool KOVConfigController::isLimitDebugLogSizeEnabled() { return impl_->accessOr(kLimitDebugLog); }
bool KOVConfigController::isActivityLoggingEnabled() { return impl_->accessOr(kActivityLogging); }
bool KOVConfigController::isOASActivityLoggingEnabled() { return impl_->accessOr(kOASActivityLogging); }
bool KOVConfigController::isLimitActivityLogSizeEnabled() { return impl_->accessOr(kLimitActivityLog); }
bool KOVConfigController::isSendingEventsToZarnEnabled() { return impl_->accessOr(kEventsToZarn); }
bool KOVConfigController::isEventLoggingEnabled() { return impl_->accessOr(kEventLogging); }

AM_ERROR_CODES KOVConfigController::enableDebugLoggingForOAS(bool enable) {
    return impl_->lockedSet(kDebugOAS, enable);
}

AM_ERROR_CODES KOVConfigController::enableDebugLoggingForODS(bool enable) {
    return impl_->lockedSet(kDebugODS, enable);
}

AM_ERROR_CODES KOVConfigController::enableLimitDebugLogSize(bool enable) {
    return impl_->lockedSet(kLimitDebugLog, enable);
}

AM_ERROR_CODES KOVConfigController::enableActivityLogging(bool enable) {
    return impl_->lockedSet(kActivityLogging, enable);
}

AM_ERROR_CODES KOVConfigController::enableOASActivityLogging(bool enable) {
    return impl_->lockedSet(kOASActivityLogging, enable);
}

AM_ERROR_CODES KOVConfigController::enableLimitActivityLogSize(bool enable) {
    return impl_->lockedSet(kLimitActivityLog, enable);
}

AM_ERROR_CODES KOVConfigController::enableSendingEventsToZarn(bool enable) {
    return impl_->lockedSet(kEventsToZarn, enable);
}

AM_ERROR_CODES KOVConfigController::enableEventLogging(bool enable) {
    return impl_->lockedSet(kEventLogging, enable);
}

int KOVConfigController::getDebugLogSize() { return impl_->accessOr(kDebugLogSize); }

AM_ERROR_CODES KOVConfigController::setDebugLogSize(int size) {
    return impl_->lockedSet(kDebugLogSize, size);
}

int KOVConfigController::getActivityLogSize() { return impl_->accessOr(kActivityLogSize); }

AM_ERROR_CODES KOVConfigController::setActivityLogSize(int size) {
    return impl_->lockedSet(kActivityLogSize, size);
}

int KOVConfigController::getZarnLogLevelForOAS() { return impl_->accessOr(kZarnLevelOAS); }

AM_ERROR_CODES KOVConfigController::setZarnLogLevelForOAS(int level) {
    return impl_->lockedSet(kZarnLevelOAS, level);
}

int KOVConfigController::getLogLevelForOAS() { return impl_->accessOr(kLevelOAS); }

AM_ERROR_CODES KOVConfigController::setLogLevelForOAS(int level) {
    return impl_->lockedSet(kLevelOAS, level);
}

int KOVConfigController::getZarnLogLevelForODS() { return impl_->accessOr(kZarnLevelODS); }

AM_ERROR_CODES KOVConfigController::setZarnLogLevelForODS(int level) {
    return impl_->lockedSet(kZarnLevelODS, level);
}

int KOVConfigController::getLogLevelForODS() { return impl_->accessOr(kLevelODS); }

AM_ERROR_CODES KOVConfigController::setLogLevelForODS(int level) {
    return impl_->lockedSet(kLevelODS, level);
}

int KOVConfigController::getDefaultMaximumLogFileSize() { return impl_->accessOr(kMaxLogFileSize); }
int KOVConfigController::getDefaultRotatedLogFileCount() { return impl_->accessOr(kRotatedLogFileCount); }

std::string KOVConfigController::getLogPath() { return impl_->accessStringOr(kLogPath); }

AM_ERROR_CODES KOVConfigController::setLogPath(std::string path) { return impl_->lockedSet(kLogPath, path); }

std::string KOVConfigController::getLogFileForFM() { return impl_->accessStringOr(kLogFileFM); }
std::string KOVConfigController::getLogFileForScanFactory() {
    return impl_->accessStringOr(kLogFileScanFactory);
}
std::string KOVConfigController::getLogFileForScanActionMgr() {
    return impl_->accessStringOr(kLogFileScanActionMgr);
}
std::string KOVConfigController::getLogFileForOASMgr() { return impl_->accessStringOr(kLogFileOASMgr); }
std::string KOVConfigController::getLogFileForODSMgr() { return impl_->accessStringOr(kLogFileODSMgr); }
std::string KOVConfigController::getLogFileForODSCollector() {
    return impl_->accessStringOr(kLogFileODSCollector);
}

}  // namespace KOVL
