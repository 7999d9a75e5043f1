// On-access global settings: the scalar, system-wide settings of the on-access
// scanner and the product daemon (section types "51", "52" and "56").
//
// Each getter is one row: where the value lives, what is answered when it
// cannot be read and the line logged then. The setters that announce a change
// (OAS status, maximum scan timeout, quarantine directory) call the preference
// callback only after the controller mutex has been released.
#include <cstdint>
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {
namespace {
using detail::Setting;

// Direct store reads.
const Setting<bool> kOASEnabled{KOVL_PREF("DNDOASGlobalSettings.IsOASEnabled"),
                                "Unable to get OAS state in Config Controller"};
const Setting<int> kMaxScanTimeout{KOVL_PREF("DNDOASGlobalSettings.MaxScanTimeout"),
                                   "Unable to get Max Scan Timeout value in Config Controller"};
const Setting<int> kMaxQueue{KOVL_PREF("DNDOASGlobalSettings.MaxRequestQueueSize"),
                             "Unable to the get max request queue size for OAS value in Config Controller"};
const Setting<int> kQueueMonitorInterval{
    KOVL_PREF("DNDOASGlobalSettings.RequestSizeMonitorInterval"),
    "Unable to get the request queue size monitor interval for OAS value in Config Controller"};
const Setting<int> kQueueReducePercentage{
    KOVL_PREF("DNDOASGlobalSettings.RequestQueueReducePercentage"),
    "Unable to get the request queue reduce percentage for OAS value in Config Controller"};
const Setting<std::string> kQueueOverflowAction{
    KOVL_PREF("DNDOASGlobalSettings.ActionWhenRequestQueueOverflows"),
    "Unable to get the action to be taken when request queue for OAS overflows value in Config Controller"};
const Setting<int> kMaxConcurrentODS{KOVL_PREF("DNDODSGlobalSettings.MaxConcurrentODSLimit"),
                                     "Unable to the get max concurrent ods limit"};
const Setting<bool> kKernelModuleNeeded{
    KOVL_PREF("DNDOASGlobalSettings.UseKernelModule"),
    "Unable to get whether kernel module is needed or not in Config Controller"};
const Setting<bool> kUseKernelModule{KOVL_PREF("DNDOASGlobalSettings.UseKernelModule"),
                                     "Unable to get usekernelmodule value from Config Controller"};
const Setting<bool> kUseFanotify{KOVL_PREF("DNDOASGlobalSettings.UseFanotify"),
                                 "Unable to get usefanotify in Config Controller"};
const Setting<bool> kOASSupported{KOVL_PREF("DNDOASGlobalSettings.IsOASSupported"),
                                  "Unable to get whether OAS is supported or not, returning default value"};
const Setting<int> kNetlinkRequest{
    KOVL_PREF("DNDOASGlobalSettings.NetlinkRequestSocket"),
    "Unable to get Netlink request socket. Setting it to default value instead"};
const Setting<int> kNetlinkResponse{
    KOVL_PREF("DNDOASGlobalSettings.NetlinkResponseSocket"),
    "Unable to get Netlink response socket. Setting it to default value instead"};

// Direct reads whose failure reaches the caller: only the location matters.
const Setting<int> kMountMonitorInterval{KOVL_PREF("DNDGlobalSettings.MountMonitorInterval")};
const Setting<int> kWatchDogPolling{KOVL_PREF("DNDOASGlobalSettings.OASMgrWatchDogInterval")};
const Setting<int> kWatchDogTimeOut{KOVL_PREF("DNDOASGlobalSettings.OASMgrTimeoutInterval")};

// Through the typed accessors.
const Setting<bool> kWatchDog{
    KOVL_PREF("DNDOASGlobalSettings.EnableOASMgrWatchDog"),
    "Unable to determine watch dog has to be started. Returning default value instead"};
const Setting<int> kCacheMax{KOVL_PREF("DNDOASGlobalSettings.CacheMaxLimit"),
                             "Unable to get FM Cache Max Limit. Returning default value instead"};
const Setting<int> kCachePurge{KOVL_PREF("DNDOASGlobalSettings.CachePurgeLimit"),
                               "Unable to get FM Cache purge Limit. Returning default value instead"};
const Setting<std::string> kSysCallTable{KOVL_PREF("DNDOASGlobalSettings.SyscallTableAddress"),
                                         "Unable to get Syscall Table Address"};
const Setting<std::string> kKallsymsLookUpName{KOVL_PREF("DNDOASGlobalSettings.KallsymsLookUpNameAddress"),
                                               "Unable to get kallsyms_lookup_name Address"};
// Answered as read, "" included (not the shipped "/Quarantine/").
const Setting<std::string> kQuarantineDir{KOVL_PREF("DNDGlobalSettings.QuarantineDirectory"), "", ""};

// A stored socket number below 1 is unusable; the default takes its place.
int usableSocket(int stored, const Setting<int>& row) { return stored < 1 ? row.fallback : stored; }

std::string stateWord(bool enable) { return enable ? "Enabled" : "Disabled"; }

}  // namespace

// An unreadable state is reported as enabled (the row's fallback).
bool KOVConfigController::getOASStatus(bool& status, AM_ERROR_CODES& code) {
    code = impl_->readInto(kOASEnabled, status);
    return code == AM_SUCCESS;
}

AM_ERROR_CODES KOVConfigController::setOASStatus(bool enable) {
    const std::string word = stateWord(enable);
    try {
        if (impl_->readStore(kOASEnabled) == enable) {
            impl_->logInfo("OAS State is already set to " + word +
                           " state. Hence not setting it again to same value");
            return AM_ALREADY_SET;
        }
        impl_->locked([&] { impl_->writeStore(kOASEnabled, enable); });
        if (impl_->notify(PREF_OAS_STATUS,
                          "Call to registered callback function Set OAS Status for preference type " +
                              std::to_string(PREF_OAS_STATUS))) {
            return AM_SUCCESS;
        }
        impl_->logError("Preference callback is not registered for set OAS status");
        return AM_NO_CALLBACK;
    } catch (...) {
        impl_->logInfo("Unable to set OAS to " + word + " state in Config Controller");
        return AM_STORE_FAILURE;
    }
}

long KOVConfigController::getOASMaxScanTimeout() { return impl_->readOr(kMaxScanTimeout); }

AM_ERROR_CODES KOVConfigController::setOASMaxScanTimeout(long timeout) {
    try {
        const long current = impl_->readStore(kMaxScanTimeout);
        if (current == timeout) {
            impl_->logInfo(
                "OAS Max Scan Timeout is already set to same value. Hence not setting it again to same "
                "value");
            return AM_ALREADY_SET;
        }
        // The store keeps a 32-bit value: the low 32 bits of the argument.
        const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(timeout));
        impl_->locked([&] { impl_->writeStore(kMaxScanTimeout, low); });
        impl_->notify(
            PREF_OAS_MAX_SCAN_TIMEOUT,
            "Call to registered callback function for Set OAS Maximum Scan Timeout for preference type " +
                std::to_string(PREF_OAS_MAX_SCAN_TIMEOUT));
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to set OAS Max Scan Timeout in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getMaxRequestQueueSizeForOAS() { return impl_->readOr(kMaxQueue); }

int KOVConfigController::getRequestQueueSizeMonitorIntervalForOAS() {
    return impl_->readOr(kQueueMonitorInterval);
}

int KOVConfigController::getRequestQueueReducePercentageForOAS() {
    return impl_->readOr(kQueueReducePercentage);
}

std::string KOVConfigController::getActionWhenRequestQueueOverflowsForOAS() {
    return impl_->readOr(kQueueOverflowAction);
}

int KOVConfigController::getMaxConcurrentODSLimit() { return impl_->readOr(kMaxConcurrentODS); }

int KOVConfigController::getMountMonitorInterval() { return impl_->readStore(kMountMonitorInterval); }

bool KOVConfigController::getOASMgrWatchDogStatus() { return impl_->accessOr(kWatchDog); }

AM_ERROR_CODES KOVConfigController::setOASMgrWatchDogStatus(bool enable) {
    return impl_->lockedSet(kWatchDog, enable);
}

int KOVConfigController::getOASMgrWatchDogPollingInterval() { return impl_->readStore(kWatchDogPolling); }

int KOVConfigController::getOASMgrWatchDogTimeOutInterval() { return impl_->readStore(kWatchDogTimeOut); }

bool KOVConfigController::useKernelModuleForFileAccess() { return impl_->readOr(kKernelModuleNeeded); }

bool KOVConfigController::getUseKernelModuleForFileAccess() { return impl_->readOr(kUseKernelModule); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setUseKernelModuleForFileAccess(bool enable) {
    return impl_->unlockedSet(kUseKernelModule, enable);
}

bool KOVConfigController::getUseFanotifyForFileAccess() { return impl_->readOr(kUseFanotify); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setUseFanotifyForFileAccess(bool enable) {
    return impl_->unlockedSet(kUseFanotify, enable);
}

bool KOVConfigController::getOASSupportedStatus() { return impl_->readOr(kOASSupported); }

int KOVConfigController::getNetlinkRequestSocket() {
    return usableSocket(impl_->readOr(kNetlinkRequest), kNetlinkRequest);
}

int KOVConfigController::getNetlinkResponseSocket() {
    return usableSocket(impl_->readOr(kNetlinkResponse), kNetlinkResponse);
}

std::string KOVConfigController::getSysCallTableAddress() { return impl_->accessStringOr(kSysCallTable); }

std::string KOVConfigController::getKallsymsLookUpNameAddress() {
    return impl_->accessStringOr(kKallsymsLookUpName);
}

int KOVConfigController::getFMCacheMaxLimit() { return impl_->accessOr(kCacheMax); }

AM_ERROR_CODES KOVConfigController::setFMCacheMaxLimit(int limit) {
    return impl_->lockedSet(kCacheMax, limit);
}

int KOVConfigController::getCachePurgeLimit() { return impl_->accessOr(kCachePurge); }

AM_ERROR_CODES KOVConfigController::setCachePurgeLimit(int limit) {
    return impl_->lockedSet(kCachePurge, limit);
}

std::string KOVConfigController::getQuarantineDir() { return impl_->accessStringOr(kQuarantineDir); }

// The listener hears about the directory whenever the store could be read and
// written, also when it was already set; a throwing callback reaches the caller.
AM_ERROR_CODES KOVConfigController::setQuarantineDir(std::string dir) {
    const AM_ERROR_CODES result = impl_->lockedSet(kQuarantineDir, dir);
    if (result == AM_STORE_FAILURE) return result;
    if (impl_->notify(PREF_QUARANTINE_DIR,
                      "Calling registered Preference callback for set Quarantine Directory")) {
        return result;
    }
    impl_->logError("Preference callback is not registered for set Quarantine Directory");
    return AM_NO_CALLBACK;
}

}  // namespace KOVL
