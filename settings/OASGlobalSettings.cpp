// On-access global settings: the scalar, system-wide settings of the on-access
// scanner and the product daemon (section types "51", "52" and "56").
//
// Each getter is one row: where the value lives, what is answered when it
// cannot be read and the line logged then. The setters that announce a change
// (OAS status, maximum scan timeout, quarantine directory) call the preference
// callback only after the controller mutex has been released.
#include <cstdint>
#include <string>

#include "config/Access.h"

namespace KOVL {
namespace {
using detail::Setting;

constexpr const char* kOASSection = "51";
constexpr const char* kGlobalSection = "52";
constexpr const char* kODSSection = "56";

// Direct store reads.
const Setting<bool> kOASEnabled{kOASSection, "DNDOASGlobalSettings.IsOASEnabled", true,
                                "Unable to get OAS state in Config Controller"};
const Setting<int> kMaxScanTimeout{kOASSection, "DNDOASGlobalSettings.MaxScanTimeout", 45,
                                   "Unable to get Max Scan Timeout value in Config Controller"};
const Setting<int> kMaxQueue{kOASSection, "DNDOASGlobalSettings.MaxRequestQueueSize", 50,
                             "Unable to the get max request queue size for OAS value in Config Controller"};
const Setting<int> kQueueMonitorInterval{
    kOASSection, "DNDOASGlobalSettings.RequestSizeMonitorInterval", 2,
    "Unable to get the request queue size monitor interval for OAS value in Config Controller"};
const Setting<int> kQueueReducePercentage{
    kOASSection, "DNDOASGlobalSettings.RequestQueueReducePercentage", 50,
    "Unable to get the request queue reduce percentage for OAS value in Config Controller"};
const Setting<std::string> kQueueOverflowAction{
    kOASSection, "DNDOASGlobalSettings.ActionWhenRequestQueueOverflows", "allow",
    "Unable to get the action to be taken when request queue for OAS overflows value in Config Controller"};
const Setting<int> kMaxConcurrentODS{kODSSection, "DNDODSGlobalSettings.MaxConcurrentODSLimit", 10,
                                     "Unable to the get max concurrent ods limit"};
const Setting<bool> kKernelModuleNeeded{
    kOASSection, "DNDOASGlobalSettings.UseKernelModule", false,
    "Unable to get whether kernel module is needed or not in Config Controller"};
const Setting<bool> kUseKernelModule{kOASSection, "DNDOASGlobalSettings.UseKernelModule", false,
                                     "Unable to get usekernelmodule value from Config Controller"};
const Setting<bool> kUseFanotify{kOASSection, "DNDOASGlobalSettings.UseFanotify", false,
                                 "Unable to get usefanotify in Config Controller"};
const Setting<bool> kOASSupported{kOASSection, "DNDOASGlobalSettings.IsOASSupported", true,
                                  "Unable to get whether OAS is supported or not, returning default value"};
const Setting<int> kNetlinkRequest{
    kOASSection, "DNDOASGlobalSettings.NetlinkRequestSocket", 31,
    "Unable to get Netlink request socket. Setting it to default value instead"};
const Setting<int> kNetlinkResponse{
    kOASSection, "DNDOASGlobalSettings.NetlinkResponseSocket", 30,
    "Unable to get Netlink response socket. Setting it to default value instead"};

// Direct reads whose failure reaches the caller: only the location matters.
const Setting<int> kMountMonitorInterval{kGlobalSection, "DNDGlobalSettings.MountMonitorInterval", 0, ""};
const Setting<int> kWatchDogPolling{kOASSection, "DNDOASGlobalSettings.OASMgrWatchDogInterval", 0, ""};
const Setting<int> kWatchDogTimeOut{kOASSection, "DNDOASGlobalSettings.OASMgrTimeoutInterval", 0, ""};

// Through the typed accessors.
const Setting<bool> kWatchDog{
    kOASSection, "DNDOASGlobalSettings.EnableOASMgrWatchDog", false,
    "Unable to determine watch dog has to be started. Returning default value instead"};
const Setting<int> kCacheMax{kOASSection, "DNDOASGlobalSettings.CacheMaxLimit", 65536,
                             "Unable to get FM Cache Max Limit. Returning default value instead"};
const Setting<int> kCachePurge{kOASSection, "DNDOASGlobalSettings.CachePurgeLimit", 512,
                               "Unable to get FM Cache purge Limit. Returning default value instead"};
const Setting<std::string> kSysCallTable{kOASSection, "DNDOASGlobalSettings.SyscallTableAddress", "",
                                         "Unable to get Syscall Table Address"};
const Setting<std::string> kKallsymsLookUpName{kOASSection, "DNDOASGlobalSettings.KallsymsLookUpNameAddress",
                                               "", "Unable to get kallsyms_lookup_name Address"};
const Setting<std::string> kQuarantineDir{kGlobalSection, "DNDGlobalSettings.QuarantineDirectory", "", ""};

// A stored socket number below 1 is unusable; the default takes its place.
int usableSocket(int stored, const Setting<int>& row) { return stored < 1 ? row.fallback : stored; }

std::string stateWord(bool enable) { return enable ? "Enabled" : "Disabled"; }

}  // namespace

// An unreadable state is reported as enabled (the row's fallback).
bool KOVConfigController::getOASStatus(bool& status, AM_ERROR_CODES& code) {
    code = readInto(kOASEnabled, status);
    return code == AM_SUCCESS;
}

AM_ERROR_CODES KOVConfigController::setOASStatus(bool enable) {
    const std::string word = stateWord(enable);
    try {
        if (readStore<bool>(kOASEnabled.sectionType, kOASEnabled.key) == enable) {
            logInfo("OAS State is already set to " + word +
                    " state. Hence not setting it again to same value");
            return AM_ALREADY_SET;
        }
        locked([&] { configStore->writeBool("type", kOASEnabled.sectionType, kOASEnabled.key, enable); });
        if (notify(PREF_OAS_STATUS,
                   "Call to registered callback function Set OAS Status for preference type " +
                       std::to_string(PREF_OAS_STATUS))) {
            return AM_SUCCESS;
        }
        logError("Preference callback is not registered for set OAS status");
        return AM_NO_CALLBACK;
    } catch (...) {
        logInfo("Unable to set OAS to " + word + " state in Config Controller");
        return AM_STORE_FAILURE;
    }
}

long KOVConfigController::getOASMaxScanTimeout() { return readOr(kMaxScanTimeout); }

AM_ERROR_CODES KOVConfigController::setOASMaxScanTimeout(long timeout) {
    try {
        const long current = readStore<int>(kMaxScanTimeout.sectionType, kMaxScanTimeout.key);
        if (current == timeout) {
            logInfo(
                "OAS Max Scan Timeout is already set to same value. Hence not setting it again to same "
                "value");
            return AM_ALREADY_SET;
        }
        // The store keeps a 32-bit value: the low 32 bits of the argument.
        const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(timeout));
        locked([&] { configStore->writeInt("type", kMaxScanTimeout.sectionType, kMaxScanTimeout.key, low); });
        notify(PREF_OAS_MAX_SCAN_TIMEOUT,
               "Call to registered callback function for Set OAS Maximum Scan Timeout for preference type " +
                   std::to_string(PREF_OAS_MAX_SCAN_TIMEOUT));
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to set OAS Max Scan Timeout in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getMaxRequestQueueSizeForOAS() { return readOr(kMaxQueue); }

int KOVConfigController::getRequestQueueSizeMonitorIntervalForOAS() { return readOr(kQueueMonitorInterval); }

int KOVConfigController::getRequestQueueReducePercentageForOAS() { return readOr(kQueueReducePercentage); }

std::string KOVConfigController::getActionWhenRequestQueueOverflowsForOAS() {
    return readOr(kQueueOverflowAction);
}

int KOVConfigController::getMaxConcurrentODSLimit() { return readOr(kMaxConcurrentODS); }

int KOVConfigController::getMountMonitorInterval() {
    return readStore<int>(kMountMonitorInterval.sectionType, kMountMonitorInterval.key);
}

bool KOVConfigController::getOASMgrWatchDogStatus() { return accessOr(kWatchDog); }

AM_ERROR_CODES KOVConfigController::setOASMgrWatchDogStatus(bool enable) {
    return lockedSet(kWatchDog, enable);
}

int KOVConfigController::getOASMgrWatchDogPollingInterval() {
    return readStore<int>(kWatchDogPolling.sectionType, kWatchDogPolling.key);
}

int KOVConfigController::getOASMgrWatchDogTimeOutInterval() {
    return readStore<int>(kWatchDogTimeOut.sectionType, kWatchDogTimeOut.key);
}

bool KOVConfigController::useKernelModuleForFileAccess() { return readOr(kKernelModuleNeeded); }

bool KOVConfigController::getUseKernelModuleForFileAccess() { return readOr(kUseKernelModule); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setUseKernelModuleForFileAccess(bool enable) {
    return unlockedSet(kUseKernelModule, enable);
}

bool KOVConfigController::getUseFanotifyForFileAccess() { return readOr(kUseFanotify); }

// Written without the controller mutex.
AM_ERROR_CODES KOVConfigController::setUseFanotifyForFileAccess(bool enable) {
    return unlockedSet(kUseFanotify, enable);
}

bool KOVConfigController::getOASSupportedStatus() { return readOr(kOASSupported); }

int KOVConfigController::getNetlinkRequestSocket() {
    return usableSocket(readOr(kNetlinkRequest), kNetlinkRequest);
}

int KOVConfigController::getNetlinkResponseSocket() {
    return usableSocket(readOr(kNetlinkResponse), kNetlinkResponse);
}

std::string KOVConfigController::getSysCallTableAddress() { return accessStringOr(kSysCallTable); }

std::string KOVConfigController::getKallsymsLookUpNameAddress() {
    return accessStringOr(kKallsymsLookUpName);
}

int KOVConfigController::getFMCacheMaxLimit() { return accessOr(kCacheMax); }

AM_ERROR_CODES KOVConfigController::setFMCacheMaxLimit(int limit) { return lockedSet(kCacheMax, limit); }

int KOVConfigController::getCachePurgeLimit() { return accessOr(kCachePurge); }

AM_ERROR_CODES KOVConfigController::setCachePurgeLimit(int limit) { return lockedSet(kCachePurge, limit); }

std::string KOVConfigController::getQuarantineDir() { return accessStringOr(kQuarantineDir); }

// The listener hears about the directory whenever the store could be read and
// written, also when it was already set; a throwing callback reaches the caller.
AM_ERROR_CODES KOVConfigController::setQuarantineDir(std::string dir) {
    const AM_ERROR_CODES result = lockedSet(kQuarantineDir, dir);
    if (result == AM_STORE_FAILURE) return result;
    if (notify(PREF_QUARANTINE_DIR, "Calling registered Preference callback for set Quarantine Directory")) {
        return result;
    }
    logError("Preference callback is not registered for set Quarantine Directory");
    return AM_NO_CALLBACK;
}

}  // namespace KOVL
