// Update and miscellaneous global flags ("DNDGlobalSettings", section type
// "52"): update time-out, the default client update task and its marker and
// time, access protection, first start after deployment, automatic content
// updates.
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {
namespace {
using detail::Setting;

// Read directly; a store failure reaches the caller.
const Setting<int> kUpdateTimeOut{KOVL_PREF("DNDGlobalSettings.UpdateTimeoutInterval")};

const Setting<bool> kDefaultUpdateTask{
    KOVL_PREF("DNDGlobalSettings.EnableDefaultClientUpdateTask"),
    "Unable to determine if default client update task scheduled status. Returning default value instead"};
const Setting<bool> kDefaultUpdateTaskMarker{
    KOVL_PREF("DNDGlobalSettings.MarkerDefaultClientUpdateTask"),
    "Unable to determine the default client update task scheduled marker. Returning default value instead"};
const Setting<std::string> kUpdateTaskTime{
    KOVL_PREF("DNDGlobalSettings.ClientUpdateTaskScheduledTime"),
    "Unable to determine the default client update task scheduled time. Returning default value instead"};
const Setting<bool> kAccessProtection{
    KOVL_PREF("DNDGlobalSettings.IsAPEnabled"),
    "Unable to get Access Protection Status. Returning default value instead"};
// Shipped as 1, but an unreadable flag reads as "not the first start" and
// automatic content updates as off.
const Setting<bool> kPostDeploymentStartup{
    KOVL_PREF("DNDGlobalSettings.IsPostDeploymentStartUp"), false,
    "Unable to get if its a first time start-up. Returning default value instead"};
const Setting<bool> kAutoContentUpdate{
    KOVL_PREF("DNDGlobalSettings.IsAutoContentUpdateEnabled"), false,
    "Unable to get if the auto update is enabled or not. Returning default value instead"};

}  // namespace

int KOVConfigController::getUpdateTimeOutInterval() { return impl_->readStore(kUpdateTimeOut); }

bool KOVConfigController::getDefaultClientUpdateTask() { return impl_->accessOr(kDefaultUpdateTask); }

AM_ERROR_CODES KOVConfigController::setDefaultClientUpdateTask(bool enable) {
    return impl_->lockedSet(kDefaultUpdateTask, enable);
}

bool KOVConfigController::getMarkerDefaultClientUpdateTask() {
    return impl_->accessOr(kDefaultUpdateTaskMarker);
}

AM_ERROR_CODES KOVConfigController::setMarkerDefaultClientUpdateTask(bool marker) {
    return impl_->lockedSet(kDefaultUpdateTaskMarker, marker);
}

// The time is answered as read, "" included: the string accessor logs and
// answers "" when the store fails. Only an exception escaping the read itself
// (such as memory exhaustion) yields the default time.
std::string KOVConfigController::getDefaultClientUpdateTaskScheduleTime() {
    try {
        return getStringConfiguration(kUpdateTaskTime.sectionType, kUpdateTaskTime.key);
    } catch (...) {
        impl_->logError(kUpdateTaskTime.message);
        return kUpdateTaskTime.fallback;
    }
}

bool KOVConfigController::getAccessProtectionStatus() { return impl_->accessOr(kAccessProtection); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setAccessProtectionStatus(bool enable) {
    return impl_->unlockedSet(kAccessProtection, enable);
}

bool KOVConfigController::isPostDeploymentStartup() { return impl_->accessOr(kPostDeploymentStartup); }

// Stores the flag it is given. Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::resetPostDeploymentStartupStatus(bool status) {
    return impl_->unlockedSet(kPostDeploymentStartup, status);
}

bool KOVConfigController::isAutoContentUpdateEnabled() { return impl_->accessOr(kAutoContentUpdate); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setAutoContentUpdateStatus(bool enable) {
    return impl_->unlockedSet(kAutoContentUpdate, enable);
}

}  // namespace KOVL
