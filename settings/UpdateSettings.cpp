// Update and miscellaneous global flags ("DNDGlobalSettings", section type
// "52"): update time-out, the default client update task and its marker and
// time, access protection, first start after deployment, automatic content
// updates.
#include <string>

#include "config/Access.h"

namespace KOVL {
namespace {
using detail::Setting;

constexpr const char* kGlobalSection = "52";

// Read directly; a store failure reaches the caller.
const Setting<int> kUpdateTimeOut{kGlobalSection, "DNDGlobalSettings.UpdateTimeoutInterval", 0, ""};

const Setting<bool> kDefaultUpdateTask{
    kGlobalSection, "DNDGlobalSettings.EnableDefaultClientUpdateTask", true,
    "Unable to determine if default client update task scheduled status. Returning default value instead"};
const Setting<bool> kDefaultUpdateTaskMarker{
    kGlobalSection, "DNDGlobalSettings.MarkerDefaultClientUpdateTask", true,
    "Unable to determine the default client update task scheduled marker. Returning default value instead"};
const Setting<std::string> kUpdateTaskTime{
    kGlobalSection, "DNDGlobalSettings.ClientUpdateTaskScheduledTime", "12:00",
    "Unable to determine the default client update task scheduled time. Returning default value instead"};
const Setting<bool> kAccessProtection{
    kGlobalSection, "DNDGlobalSettings.IsAPEnabled", true,
    "Unable to get Access Protection Status. Returning default value instead"};
const Setting<bool> kPostDeploymentStartup{
    kGlobalSection, "DNDGlobalSettings.IsPostDeploymentStartUp", false,
    "Unable to get if its a first time start-up. Returning default value instead"};
const Setting<bool> kAutoContentUpdate{
    kGlobalSection, "DNDGlobalSettings.IsAutoContentUpdateEnabled", false,
    "Unable to get if the auto update is enabled or not. Returning default value instead"};

}  // namespace

int KOVConfigController::getUpdateTimeOutInterval() {
    return readStore<int>(kUpdateTimeOut.sectionType, kUpdateTimeOut.key);
}

bool KOVConfigController::getDefaultClientUpdateTask() { return accessOr(kDefaultUpdateTask); }

AM_ERROR_CODES KOVConfigController::setDefaultClientUpdateTask(bool enable) {
    return lockedSet(kDefaultUpdateTask, enable);
}

bool KOVConfigController::getMarkerDefaultClientUpdateTask() { return accessOr(kDefaultUpdateTaskMarker); }

AM_ERROR_CODES KOVConfigController::setMarkerDefaultClientUpdateTask(bool marker) {
    return lockedSet(kDefaultUpdateTaskMarker, marker);
}

// The time is answered as read, "" included: the string accessor logs and
// answers "" when the store fails. Only an exception escaping the read itself
// (such as memory exhaustion) yields the default time.
std::string KOVConfigController::getDefaultClientUpdateTaskScheduleTime() {
    try {
        return getStringConfiguration(kUpdateTaskTime.sectionType, kUpdateTaskTime.key);
    } catch (...) {
        logError(kUpdateTaskTime.message);
        return kUpdateTaskTime.fallback;
    }
}

bool KOVConfigController::getAccessProtectionStatus() { return accessOr(kAccessProtection); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setAccessProtectionStatus(bool enable) {
    return unlockedSet(kAccessProtection, enable);
}

bool KOVConfigController::isPostDeploymentStartup() { return accessOr(kPostDeploymentStartup); }

// Stores the flag it is given. Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::resetPostDeploymentStartupStatus(bool status) {
    return unlockedSet(kPostDeploymentStartup, status);
}

bool KOVConfigController::isAutoContentUpdateEnabled() { return accessOr(kAutoContentUpdate); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setAutoContentUpdateStatus(bool enable) {
    return unlockedSet(kAutoContentUpdate, enable);
}

}  // namespace KOVL
