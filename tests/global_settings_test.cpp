// Global settings: on-access global settings, logging settings and the update
// flags. Getters and setters are checked row by row against a real XML store
// behind the fault injector; the notifying setters, their callbacks and the
// locking of every setter are checked separately.
#include <chrono>
#include <ctime>
#include <functional>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::AM_ERROR_CODES;
using KOVL::KOVConfigController;
using KOVL::KOVPrefType;
using kovtest::LogLine;
using C = KOVConfigController;

const char* const kStampKey = "DNDGlobalSettings.LastUpdatedTimeStamp";

std::string text(bool v) { return v ? "1" : "0"; }
std::string text(int v) { return std::to_string(v); }
std::string text(long v) { return std::to_string(v); }
std::string text(const std::string& v) { return v; }

LogLine err(const std::string& message) { return {2, "ConfigController", message}; }
LogLine info(const std::string& message) { return {6, "ConfigController", message}; }

enum class Kind { Bool, Int, Text };
// Direct store read; typed accessor (logs its own line first); read that lets the failure out.
enum class Route { Direct, Accessor, Propagates };

// Stores `value` with the write of its kind, past the fault injection.
void put(ZUR::IConfigStore& store, Kind kind, const std::string& type, const std::string& key,
         const std::string& value) {
    if (kind == Kind::Bool) store.writeBool("type", type, key, value == "1");
    if (kind == Kind::Int) store.writeInt("type", type, key, std::stoi(value));
    if (kind == Kind::Text) store.writeString("type", type, key, value);
}

const char* accessorName(Kind kind) {
    return kind == Kind::Bool  ? "getBooleanConfiguration"
           : kind == Kind::Int ? "getIntegerConfiguration"
                               : "getStringConfiguration";
}

LogLine accessorLine(Kind kind, const std::string& key) {
    return err(std::string("In ") + accessorName(kind) +
               " unable to get setting value in Config Controller for key " + key);
}

struct GetterRow {
    const char* name;
    std::function<std::string(C&)> get;
    Kind kind;
    Route route;
    const char* type;
    const char* key;
    const char* stored;    // differs from the fallback and the shipped default
    const char* fallback;  // answered when the store fails
    const char* message;   // the getter's own failure line, or nullptr
};

#define GET(fn) #fn, [](C & c) { return text(c.fn()); }

const std::vector<GetterRow> kGetters = {
    // On-access global settings.
    {GET(getOASMaxScanTimeout), Kind::Int, Route::Direct, "51", "DNDOASGlobalSettings.MaxScanTimeout", "120",
     "45", "Unable to get Max Scan Timeout value in Config Controller"},
    {GET(getMaxRequestQueueSizeForOAS), Kind::Int, Route::Direct, "51",
     "DNDOASGlobalSettings.MaxRequestQueueSize", "75", "50",
     "Unable to the get max request queue size for OAS value in Config Controller"},
    {GET(getRequestQueueSizeMonitorIntervalForOAS), Kind::Int, Route::Direct, "51",
     "DNDOASGlobalSettings.RequestSizeMonitorInterval", "7", "2",
     "Unable to get the request queue size monitor interval for OAS value in Config Controller"},
    {GET(getRequestQueueReducePercentageForOAS), Kind::Int, Route::Direct, "51",
     "DNDOASGlobalSettings.RequestQueueReducePercentage", "30", "50",
     "Unable to get the request queue reduce percentage for OAS value in Config Controller"},
    {GET(getActionWhenRequestQueueOverflowsForOAS), Kind::Text, Route::Direct, "51",
     "DNDOASGlobalSettings.ActionWhenRequestQueueOverflows", "deny", "allow",
     "Unable to get the action to be taken when request queue for OAS overflows value in Config Controller"},
    {GET(getMaxConcurrentODSLimit), Kind::Int, Route::Direct, "56",
     "DNDODSGlobalSettings.MaxConcurrentODSLimit", "3", "10", "Unable to the get max concurrent ods limit"},
    {GET(getMountMonitorInterval), Kind::Int, Route::Propagates, "52",
     "DNDGlobalSettings.MountMonitorInterval", "90", "", nullptr},
    {GET(getOASMgrWatchDogStatus), Kind::Bool, Route::Accessor, "51",
     "DNDOASGlobalSettings.EnableOASMgrWatchDog", "1", "0",
     "Unable to determine watch dog has to be started. Returning default value instead"},
    {GET(getOASMgrWatchDogPollingInterval), Kind::Int, Route::Propagates, "51",
     "DNDOASGlobalSettings.OASMgrWatchDogInterval", "12", "", nullptr},
    {GET(getOASMgrWatchDogTimeOutInterval), Kind::Int, Route::Propagates, "51",
     "DNDOASGlobalSettings.OASMgrTimeoutInterval", "4", "", nullptr},
    {GET(useKernelModuleForFileAccess), Kind::Bool, Route::Direct, "51",
     "DNDOASGlobalSettings.UseKernelModule", "1", "0",
     "Unable to get whether kernel module is needed or not in Config Controller"},
    {GET(getUseKernelModuleForFileAccess), Kind::Bool, Route::Direct, "51",
     "DNDOASGlobalSettings.UseKernelModule", "1", "0",
     "Unable to get usekernelmodule value from Config Controller"},
    {GET(getUseFanotifyForFileAccess), Kind::Bool, Route::Direct, "51", "DNDOASGlobalSettings.UseFanotify",
     "1", "0", "Unable to get usefanotify in Config Controller"},
    {GET(getOASSupportedStatus), Kind::Bool, Route::Direct, "51", "DNDOASGlobalSettings.IsOASSupported", "0",
     "1", "Unable to get whether OAS is supported or not, returning default value"},
    {GET(getNetlinkRequestSocket), Kind::Int, Route::Direct, "51",
     "DNDOASGlobalSettings.NetlinkRequestSocket", "17", "31",
     "Unable to get Netlink request socket. Setting it to default value instead"},
    {GET(getNetlinkResponseSocket), Kind::Int, Route::Direct, "51",
     "DNDOASGlobalSettings.NetlinkResponseSocket", "18", "30",
     "Unable to get Netlink response socket. Setting it to default value instead"},
    {GET(getSysCallTableAddress), Kind::Text, Route::Accessor, "51",
     "DNDOASGlobalSettings.SyscallTableAddress", "ffffffff81e00280", "",
     "Unable to get Syscall Table Address"},
    {GET(getKallsymsLookUpNameAddress), Kind::Text, Route::Accessor, "51",
     "DNDOASGlobalSettings.KallsymsLookUpNameAddress", "ffffffff8112a3b0", "",
     "Unable to get kallsyms_lookup_name Address"},
    {GET(getFMCacheMaxLimit), Kind::Int, Route::Accessor, "51", "DNDOASGlobalSettings.CacheMaxLimit", "4096",
     "65536", "Unable to get FM Cache Max Limit. Returning default value instead"},
    {GET(getCachePurgeLimit), Kind::Int, Route::Accessor, "51", "DNDOASGlobalSettings.CachePurgeLimit", "64",
     "512", "Unable to get FM Cache purge Limit. Returning default value instead"},
    {GET(getQuarantineDir), Kind::Text, Route::Accessor, "52", "DNDGlobalSettings.QuarantineDirectory",
     "/srv/quarantine/", "", nullptr},
    // Logging settings.
    {GET(isDebugLoggingEnabledForOAS), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableDebugLoggingForOAS", "1", "0",
     "Unable to determine if debug logging is enabled for OAS. Returning default value instead"},
    {GET(isDebugLoggingEnabledForMsgBus), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableDebugLoggingForMsgBus", "1", "0",
     "Unable to determine if debug logging is enabled for msgbus. Returning default value instead"},
    {GET(isDebugLoggingEnabledForODS), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableDebugLoggingForODS", "1", "0",
     "Unable to determine if debug logging is enabled for ODS. Returning default value instead"},
    {GET(isLimitDebugLogSizeEnabled), Kind::Bool, Route::Accessor, "53", "DNDClientLogging.LimitDebugLogSize",
     "0", "1", "Unable to determine if limit debug log size is enabled. Returning default value instead"},
    {GET(isActivityLoggingEnabled), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableActivityLogging", "0", "1",
     "Unable to determine if activity logging is enabled. Returning default value"},
    {GET(isOASActivityLoggingEnabled), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableOASActivityLogging", "1", "0",
     "Unable to determine if oas activity logging is enabled. Returning default value"},
    {GET(isLimitActivityLogSizeEnabled), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.LimitActivityLogSize", "0", "1",
     "Unable to determine if limit activity log size is enabled. Returning default value instead"},
    {GET(isSendingEventsToZarnEnabled), Kind::Bool, Route::Accessor, "53",
     "DNDClientLogging.EnableSendingEventsToZarn", "0", "1",
     "Unable to determine if sending events to Zarn is enabled. Returning default value instead"},
    {GET(isEventLoggingEnabled), Kind::Bool, Route::Accessor, "53", "DNDClientLogging.EnableEventLogging",
     "0", "1", "Unable to determine if event logging is enabled. Returning default value instead"},
    {GET(getDebugLogSize), Kind::Int, Route::Accessor, "53", "DNDClientLogging.DebugLogSize", "25", "10",
     "Unable to get debug log size. Returning default value instead"},
    {GET(getActivityLogSize), Kind::Int, Route::Accessor, "53", "DNDClientLogging.ActivityLogSize", "25",
     "10", "Unable to get activity log size. Returning default value instead"},
    {GET(getZarnLogLevelForOAS), Kind::Int, Route::Accessor, "53", "DNDClientLogging.ZarnLogLevelForOAS", "5",
     "3", "Unable to get Zarn log level for OAS. Returning default value instead"},
    {GET(getLogLevelForOAS), Kind::Int, Route::Accessor, "53", "DNDClientLogging.LogLevelForOAS", "5", "2",
     "Unable to get log level for OAS. Returning default value instead"},
    {GET(getZarnLogLevelForODS), Kind::Int, Route::Accessor, "53", "DNDClientLogging.ZarnLogLevelForODS", "5",
     "3", "Unable to get Zarn log level for ODS. Returning default value instead"},
    {GET(getLogLevelForODS), Kind::Int, Route::Accessor, "53", "DNDClientLogging.LogLevelForODS", "5", "2",
     "Unable to get log level for ODS. Returning default value instead"},
    {GET(getDefaultMaximumLogFileSize), Kind::Int, Route::Accessor, "55",
     "DNDProductDefaultSettings.ProductMaxLogFileSize", "20", "10",
     "Unable to get default rotated log file size. Returning default value instead"},
    {GET(getDefaultRotatedLogFileCount), Kind::Int, Route::Accessor, "55",
     "DNDProductDefaultSettings.ProductMaxRotatedLogFileCount", "8", "5",
     "Unable to get default maximum rotated log file count. Returning default value instead"},
    {GET(getLogPath), Kind::Text, Route::Accessor, "53", "DNDClientLogging.LogPath", "/srv/log/tp", "",
     nullptr},
    {GET(getLogFileForFM), Kind::Text, Route::Accessor, "55", "DNDProductDefaultSettings.LogFileForFM", "fm",
     "zlytpd", "Unable to get log file for FM. Returning default value instead"},
    {GET(getLogFileForScanFactory), Kind::Text, Route::Accessor, "55",
     "DNDProductDefaultSettings.LogFileForScanFactory", "sf", "zlyscanfactory",
     "Unable to get log file for Scan Factory. Returning default value instead"},
    {GET(getLogFileForScanActionMgr), Kind::Text, Route::Accessor, "55",
     "DNDProductDefaultSettings.LogFileForScanActionMgr", "sam", "zlyscanactionmgr",
     "Unable to get log file for Scan Action Manager. Returning default value instead"},
    {GET(getLogFileForOASMgr), Kind::Text, Route::Accessor, "55",
     "DNDProductDefaultSettings.LogFileForOASMgr", "om", "zlyoasmgr",
     "Unable to get log file for OAS Manager. Returning default value instead"},
    {GET(getLogFileForODSMgr), Kind::Text, Route::Accessor, "55",
     "DNDProductDefaultSettings.LogFileForODSMgr", "dm", "zlyodsmanager",
     "Unable to get log file for ODS Manager. Returning default value instead"},
    {GET(getLogFileForODSCollector), Kind::Text, Route::Accessor, "55",
     "DNDProductDefaultSettings.LogFileForODSCollector", "dc", "zlyodscollector",
     "Unable to get log file for ODS Collector. Returning default value instead"},
    // Update and miscellaneous global flags.
    {GET(getUpdateTimeOutInterval), Kind::Int, Route::Propagates, "52",
     "DNDGlobalSettings.UpdateTimeoutInterval", "240", "", nullptr},
    {GET(getDefaultClientUpdateTask), Kind::Bool, Route::Accessor, "52",
     "DNDGlobalSettings.EnableDefaultClientUpdateTask", "0", "1",
     "Unable to determine if default client update task scheduled status. Returning default value instead"},
    {GET(getMarkerDefaultClientUpdateTask), Kind::Bool, Route::Accessor, "52",
     "DNDGlobalSettings.MarkerDefaultClientUpdateTask", "0", "1",
     "Unable to determine the default client update task scheduled marker. Returning default value instead"},
    // A failing store read is answered "" by the string accessor: "12:00" is not reached.
    {GET(getDefaultClientUpdateTaskScheduleTime), Kind::Text, Route::Accessor, "52",
     "DNDGlobalSettings.ClientUpdateTaskScheduledTime", "08:30", "", nullptr},
    {GET(getAccessProtectionStatus), Kind::Bool, Route::Accessor, "52", "DNDGlobalSettings.IsAPEnabled", "0",
     "1", "Unable to get Access Protection Status. Returning default value instead"},
    {GET(isPostDeploymentStartup), Kind::Bool, Route::Accessor, "52",
     "DNDGlobalSettings.IsPostDeploymentStartUp", "1", "0",
     "Unable to get if its a first time start-up. Returning default value instead"},
    {GET(isAutoContentUpdateEnabled), Kind::Bool, Route::Accessor, "52",
     "DNDGlobalSettings.IsAutoContentUpdateEnabled", "1", "0",
     "Unable to get if the auto update is enabled or not. Returning default value instead"},
};

// Stored values that a getter answers differently from the plain read.
struct SpecialRow {
    const char* name;
    std::function<std::string(C&)> get;
    Kind kind;
    const char* type;
    const char* key;
    const char* stored;
    const char* expected;
    const char* message;  // the single line logged, or nullptr for none
};

const std::vector<SpecialRow> kSpecialValues = {
    {GET(getNetlinkRequestSocket), Kind::Int, "51", "DNDOASGlobalSettings.NetlinkRequestSocket", "0", "31",
     nullptr},
    {GET(getNetlinkRequestSocket), Kind::Int, "51", "DNDOASGlobalSettings.NetlinkRequestSocket", "-4", "31",
     nullptr},
    {GET(getNetlinkRequestSocket), Kind::Int, "51", "DNDOASGlobalSettings.NetlinkRequestSocket", "1", "1",
     nullptr},
    {GET(getNetlinkResponseSocket), Kind::Int, "51", "DNDOASGlobalSettings.NetlinkResponseSocket", "0", "30",
     nullptr},
    {GET(getOASMaxScanTimeout), Kind::Int, "51", "DNDOASGlobalSettings.MaxScanTimeout", "-5", "-5", nullptr},
    {GET(getActionWhenRequestQueueOverflowsForOAS), Kind::Text, "51",
     "DNDOASGlobalSettings.ActionWhenRequestQueueOverflows", "", "", nullptr},
    {GET(getSysCallTableAddress), Kind::Text, "51", "DNDOASGlobalSettings.SyscallTableAddress", "", "",
     "Unable to get Syscall Table Address"},
    {GET(getKallsymsLookUpNameAddress), Kind::Text, "51", "DNDOASGlobalSettings.KallsymsLookUpNameAddress",
     "", "", "Unable to get kallsyms_lookup_name Address"},
    {GET(getQuarantineDir), Kind::Text, "52", "DNDGlobalSettings.QuarantineDirectory", "", "", nullptr},
    {GET(getLogPath), Kind::Text, "53", "DNDClientLogging.LogPath", "", "", nullptr},
    {GET(getDefaultClientUpdateTaskScheduleTime), Kind::Text, "52",
     "DNDGlobalSettings.ClientUpdateTaskScheduledTime", "", "", nullptr},
    {GET(getLogFileForOASMgr), Kind::Text, "55", "DNDProductDefaultSettings.LogFileForOASMgr", "",
     "zlyoasmgr", "Unable to get log file for OAS Manager. Returning default value instead"},
    {GET(getLogFileForFM), Kind::Text, "55", "DNDProductDefaultSettings.LogFileForFM", "", "zlytpd",
     "Unable to get log file for FM. Returning default value instead"},
};

#undef GET

// Setters built on the generic setters: 3001 with a fresh time stamp, 3018, 3025.
struct SetterRow {
    const char* name;
    std::function<AM_ERROR_CODES(C&, const std::string&)> set;
    Kind kind;
    const char* type;
    const char* key;
    const char* value;  // differs from the shipped default
    bool locks;         // holds the controller mutex around the write
};

#define SET_BOOL(fn) #fn, [](C & c, const std::string& v) { return c.fn(v == "1"); }, Kind::Bool
#define SET_INT(fn) #fn, [](C & c, const std::string& v) { return c.fn(std::stoi(v)); }, Kind::Int
#define SET_TEXT(fn) #fn, [](C & c, const std::string& v) { return c.fn(v); }, Kind::Text

const std::vector<SetterRow> kSetters = {
    {SET_BOOL(setOASMgrWatchDogStatus), "51", "DNDOASGlobalSettings.EnableOASMgrWatchDog", "1", true},
    {SET_BOOL(setUseFanotifyForFileAccess), "51", "DNDOASGlobalSettings.UseFanotify", "1", false},
    {SET_BOOL(setUseKernelModuleForFileAccess), "51", "DNDOASGlobalSettings.UseKernelModule", "1", false},
    {SET_INT(setFMCacheMaxLimit), "51", "DNDOASGlobalSettings.CacheMaxLimit", "4096", true},
    {SET_INT(setCachePurgeLimit), "51", "DNDOASGlobalSettings.CachePurgeLimit", "64", true},
    {SET_BOOL(enableDebugLoggingForOAS), "53", "DNDClientLogging.EnableDebugLoggingForOAS", "1", true},
    {SET_BOOL(enableDebugLoggingForODS), "53", "DNDClientLogging.EnableDebugLoggingForODS", "1", true},
    {SET_BOOL(enableLimitDebugLogSize), "53", "DNDClientLogging.LimitDebugLogSize", "0", true},
    {SET_BOOL(enableActivityLogging), "53", "DNDClientLogging.EnableActivityLogging", "0", true},
    {SET_BOOL(enableOASActivityLogging), "53", "DNDClientLogging.EnableOASActivityLogging", "1", true},
    {SET_BOOL(enableLimitActivityLogSize), "53", "DNDClientLogging.LimitActivityLogSize", "0", true},
    {SET_BOOL(enableSendingEventsToZarn), "53", "DNDClientLogging.EnableSendingEventsToZarn", "0", true},
    {SET_BOOL(enableEventLogging), "53", "DNDClientLogging.EnableEventLogging", "0", true},
    {SET_INT(setDebugLogSize), "53", "DNDClientLogging.DebugLogSize", "25", true},
    {SET_INT(setActivityLogSize), "53", "DNDClientLogging.ActivityLogSize", "25", true},
    {SET_INT(setZarnLogLevelForOAS), "53", "DNDClientLogging.ZarnLogLevelForOAS", "5", true},
    {SET_INT(setLogLevelForOAS), "53", "DNDClientLogging.LogLevelForOAS", "5", true},
    {SET_INT(setZarnLogLevelForODS), "53", "DNDClientLogging.ZarnLogLevelForODS", "5", true},
    {SET_INT(setLogLevelForODS), "53", "DNDClientLogging.LogLevelForODS", "-1", true},  // no range check
    {SET_TEXT(setLogPath), "53", "DNDClientLogging.LogPath", "/srv/log/tp", true},
    {SET_BOOL(setDefaultClientUpdateTask), "52", "DNDGlobalSettings.EnableDefaultClientUpdateTask", "0",
     true},
    {SET_BOOL(setMarkerDefaultClientUpdateTask), "52", "DNDGlobalSettings.MarkerDefaultClientUpdateTask", "0",
     true},
    {SET_BOOL(setAccessProtectionStatus), "52", "DNDGlobalSettings.IsAPEnabled", "0", false},
    {SET_BOOL(resetPostDeploymentStartupStatus), "52", "DNDGlobalSettings.IsPostDeploymentStartUp", "0",
     false},
    {SET_BOOL(setAutoContentUpdateStatus), "52", "DNDGlobalSettings.IsAutoContentUpdateEnabled", "0", false},
};

#undef SET_BOOL
#undef SET_INT
#undef SET_TEXT

// What the generic setters log for an unchanged value and for an unreadable key.
std::vector<LogLine> alreadySetLines(const SetterRow& row) {
    if (row.kind == Kind::Bool) return {};
    return {info(std::string(row.key) +
                 " key is already set to same value. Hence not setting it again to same value")};
}

std::vector<LogLine> setFailureLines(const SetterRow& row) {
    const std::string key = row.key;
    if (row.kind == Kind::Bool) {
        return {
            accessorLine(row.kind, key),
            err("In setBooleanConfiguration unable to set configuration value in Config Controller for key " +
                key)};
    }
    const char* setter = row.kind == Kind::Int ? "setIntegerConfiguration" : "setStringConfiguration";
    return {accessorLine(row.kind, key),
            err(std::string("Unable to set value in ") + setter + " in Config Controller")};
}

std::string otherValue(const SetterRow& row) {
    if (row.kind == Kind::Bool) return row.value == std::string("1") ? "0" : "1";
    if (row.kind == Kind::Int) return std::to_string(std::stoi(row.value) + 1);
    return std::string(row.value) + "/other";
}

// Preference listener: plain functions, so its state is global.
std::mutex gListenerMutex;
std::vector<KOVPrefType> gCalls;
C* gController = nullptr;
std::future<AM_ERROR_CODES> gProbe;
bool gProbeInTime = false;
AM_ERROR_CODES gDirect = KOVL::AM_STORE_FAILURE;
int gNextLimit = 100;

void recordPref(KOVPrefType type) {
    std::lock_guard<std::mutex> lock(gListenerMutex);
    gCalls.push_back(type);
}

void throwingPref(KOVPrefType type) {
    recordPref(type);
    throw std::runtime_error("listener failed");
}

// Calls locking setters back: first from another thread with a deadline, so a
// controller mutex still held shows as a timeout instead of a hang, then from
// this thread once the mutex is known to be free.
void reenteringPref(KOVPrefType type) {
    recordPref(type);
    const int limit = ++gNextLimit;
    gProbe = std::async(std::launch::async, [limit] { return gController->setCachePurgeLimit(limit); });
    gProbeInTime = gProbe.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (gProbeInTime) gDirect = gController->setDebugLogSize(++gNextLimit);
}

std::vector<KOVPrefType> calls() {
    std::lock_guard<std::mutex> lock(gListenerMutex);
    return gCalls;
}

class GlobalSettingsTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        gCalls.clear();
        gController = &ctl();
        gProbe = {};
        logger.clear();
    }
    void TearDown() override {
        gController = nullptr;
        ControllerTest::TearDown();
    }
    void staleStamp() { store->inner().writeInt("type", "52", kStampKey, 1); }
    long stampValue() {
        const std::string stamp = timeStamp();
        return stamp.empty() ? -1 : std::stol(stamp);
    }
};

TEST_F(GlobalSettingsTest, GettersAnswerTheStoredValueOrTheirFallbackWithItsLines) {
    for (const GetterRow& row : kGetters) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(std::string(row.stored), row.fallback);
        put(store->inner(), row.kind, row.type, row.key, row.stored);
        logger.clear();
        EXPECT_EQ(row.get(ctl()), row.stored);
        EXPECT_TRUE(logger.controllerLines().empty());

        store->failKey(row.key);
        if (row.route == Route::Propagates) {
            EXPECT_THROW(row.get(ctl()), std::runtime_error);
            EXPECT_TRUE(logger.controllerLines().empty());
        } else {
            std::vector<LogLine> expected;
            if (row.route == Route::Accessor) expected.push_back(accessorLine(row.kind, row.key));
            if (row.message) expected.push_back(err(row.message));
            EXPECT_EQ(row.get(ctl()), row.fallback);
            EXPECT_EQ(logger.controllerLines(), expected);
        }
        store->clearFaults();
    }
}

TEST_F(GlobalSettingsTest, GettersReplaceOnlyTheValuesTheyName) {
    for (const SpecialRow& row : kSpecialValues) {
        SCOPED_TRACE(std::string(row.name) + " with \"" + row.stored + "\"");
        put(store->inner(), row.kind, row.type, row.key, row.stored);
        logger.clear();
        EXPECT_EQ(row.get(ctl()), row.expected);
        std::vector<LogLine> expected;
        if (row.message) expected.push_back(err(row.message));
        EXPECT_EQ(logger.controllerLines(), expected);
    }
}

TEST_F(GlobalSettingsTest, GetOASStatusFillsBothOutArguments) {
    store->inner().writeBool("type", "51", "DNDOASGlobalSettings.IsOASEnabled", false);
    bool status = true;
    AM_ERROR_CODES code = KOVL::AM_STORE_FAILURE;
    EXPECT_TRUE(ctl().getOASStatus(status, code));
    EXPECT_FALSE(status);
    EXPECT_EQ(code, KOVL::AM_SUCCESS);
    EXPECT_TRUE(logger.controllerLines().empty());

    store->failKey("DNDOASGlobalSettings.IsOASEnabled");
    EXPECT_FALSE(ctl().getOASStatus(status, code));
    EXPECT_TRUE(status);  // an unreadable state is reported as enabled
    EXPECT_EQ(code, KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{err("Unable to get OAS state in Config Controller")});
}

TEST_F(GlobalSettingsTest, SettersWriteAndStampOrAnswerAlreadySetOrFailure) {
    for (const SetterRow& row : kSetters) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(stored(row.type, row.key), row.value);
        staleStamp();
        logger.clear();
        const long before = kovtest::nowSeconds();
        EXPECT_EQ(row.set(ctl(), row.value), KOVL::AM_SUCCESS);
        EXPECT_EQ(stored(row.type, row.key), row.value);
        EXPECT_GE(stampValue(), before);
        EXPECT_LE(stampValue(), kovtest::nowSeconds());
        EXPECT_TRUE(logger.controllerLines().empty());

        staleStamp();
        logger.clear();
        const int writes = store->writes();
        EXPECT_EQ(row.set(ctl(), row.value), KOVL::AM_ALREADY_SET);
        EXPECT_EQ(store->writes(), writes);
        EXPECT_EQ(timeStamp(), "1");
        EXPECT_EQ(logger.controllerLines(), alreadySetLines(row));

        store->failKey(row.key);
        logger.clear();
        EXPECT_EQ(row.set(ctl(), otherValue(row)), KOVL::AM_STORE_FAILURE);
        EXPECT_EQ(logger.controllerLines(), setFailureLines(row));
        store->clearFaults();
        EXPECT_EQ(stored(row.type, row.key), row.value);
        EXPECT_EQ(timeStamp(), "1");
    }
}

TEST_F(GlobalSettingsTest, SetOASStatusNotifiesWithoutStampingTheTime) {
    const std::string key = "DNDOASGlobalSettings.IsOASEnabled";
    const LogLine called = info("Call to registered callback function Set OAS Status for preference type 0");
    staleStamp();

    EXPECT_EQ(ctl().setOASStatus(false), KOVL::AM_NO_CALLBACK);  // shipped enabled
    EXPECT_EQ(stored("51", key), "0");
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{err("Preference callback is not registered for set OAS status")});

    ctl().registerCallBack(&recordPref);
    logger.clear();
    const int writes = store->writes();
    EXPECT_EQ(ctl().setOASStatus(false), KOVL::AM_ALREADY_SET);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{info(
                  "OAS State is already set to Disabled state. Hence not setting it again to same value")});
    EXPECT_TRUE(calls().empty());

    logger.clear();
    EXPECT_EQ(ctl().setOASStatus(true), KOVL::AM_SUCCESS);
    EXPECT_EQ(stored("51", key), "1");
    EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{called});
    EXPECT_EQ(calls(), std::vector<KOVPrefType>{KOVL::PREF_OAS_STATUS});

    ctl().registerCallBack(&throwingPref);
    logger.clear();
    EXPECT_EQ(ctl().setOASStatus(false), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(stored("51", key), "0");  // the write stays
    EXPECT_EQ(
        logger.controllerLines(),
        (std::vector<LogLine>{called, info("Unable to set OAS to Disabled state in Config Controller")}));

    store->failKey(key);
    logger.clear();
    EXPECT_EQ(ctl().setOASStatus(true), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{info("Unable to set OAS to Enabled state in Config Controller")});
    EXPECT_EQ(calls().size(), 2u);
    EXPECT_EQ(timeStamp(), "1");
}

TEST_F(GlobalSettingsTest, SetOASMaxScanTimeoutNotifiesAndStoresTheLow32Bits) {
    const std::string key = "DNDOASGlobalSettings.MaxScanTimeout";
    const LogLine called =
        info("Call to registered callback function for Set OAS Maximum Scan Timeout for preference type 1");
    staleStamp();

    EXPECT_EQ(ctl().setOASMaxScanTimeout(90), KOVL::AM_SUCCESS);  // no callback: no line
    EXPECT_EQ(stored("51", key), "90");
    EXPECT_TRUE(logger.controllerLines().empty());

    ctl().registerCallBack(&recordPref);
    const int writes = store->writes();
    EXPECT_EQ(ctl().setOASMaxScanTimeout(90), KOVL::AM_ALREADY_SET);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_EQ(
        logger.controllerLines(),
        std::vector<LogLine>{info(
            "OAS Max Scan Timeout is already set to same value. Hence not setting it again to same value")});

    logger.clear();
    EXPECT_EQ(ctl().setOASMaxScanTimeout(-5), KOVL::AM_SUCCESS);  // stored unchanged, no range check
    EXPECT_EQ(stored("51", key), "-5");
    EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{called});
    EXPECT_EQ(calls(), std::vector<KOVPrefType>{KOVL::PREF_OAS_MAX_SCAN_TIMEOUT});

    if constexpr (sizeof(long) > 4) {
        const long wide = (1L << 32) + 60;
        EXPECT_EQ(ctl().setOASMaxScanTimeout(wide), KOVL::AM_SUCCESS);
        EXPECT_EQ(stored("51", key), "60");
        EXPECT_EQ(ctl().getOASMaxScanTimeout(), 60);
    }

    ctl().registerCallBack(&throwingPref);
    logger.clear();
    EXPECT_EQ(ctl().setOASMaxScanTimeout(120), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(stored("51", key), "120");
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{called, err("Unable to set OAS Max Scan Timeout in Config Controller")}));

    store->failKey(key);
    logger.clear();
    EXPECT_EQ(ctl().setOASMaxScanTimeout(45), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{err("Unable to set OAS Max Scan Timeout in Config Controller")});
    EXPECT_EQ(timeStamp(), "1");
}

TEST_F(GlobalSettingsTest, SetQuarantineDirCallsBackAlsoWhenUnchanged) {
    const std::string key = "DNDGlobalSettings.QuarantineDirectory";
    const LogLine called = info("Calling registered Preference callback for set Quarantine Directory");
    staleStamp();

    EXPECT_EQ(ctl().setQuarantineDir("/srv/q1/"), KOVL::AM_NO_CALLBACK);
    EXPECT_EQ(stored("52", key), "/srv/q1/");
    EXPECT_NE(timeStamp(), "1");
    EXPECT_EQ(
        logger.controllerLines(),
        std::vector<LogLine>{err("Preference callback is not registered for set Quarantine Directory")});

    ctl().registerCallBack(&recordPref);
    logger.clear();
    EXPECT_EQ(ctl().setQuarantineDir("/srv/q2/"), KOVL::AM_SUCCESS);
    EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{called});

    logger.clear();
    EXPECT_EQ(ctl().setQuarantineDir("/srv/q2/"), KOVL::AM_ALREADY_SET);
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{
                  info(key + " key is already set to same value. Hence not setting it again to same value"),
                  called}));
    EXPECT_EQ(calls(), (std::vector<KOVPrefType>{KOVL::PREF_QUARANTINE_DIR, KOVL::PREF_QUARANTINE_DIR}));

    store->failKey(key);
    logger.clear();
    EXPECT_EQ(ctl().setQuarantineDir("/srv/q3/"), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(
        logger.controllerLines(),
        (std::vector<LogLine>{accessorLine(Kind::Text, key),
                              err("Unable to set value in setStringConfiguration in Config Controller")}));
    EXPECT_EQ(calls().size(), 2u);
    store->clearFaults();

    // A throwing listener reaches the caller, and the mutex has been released.
    ctl().registerCallBack(&throwingPref);
    EXPECT_THROW(ctl().setQuarantineDir("/srv/q4/"), std::runtime_error);
    EXPECT_EQ(stored("52", key), "/srv/q4/");
    auto after = std::async(std::launch::async, [this] { return ctl().setFMCacheMaxLimit(1024); });
    ASSERT_EQ(after.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(after.get(), KOVL::AM_SUCCESS);
}

TEST_F(GlobalSettingsTest, ListenersMayCallLockingSettersBack) {
    ctl().registerCallBack(&reenteringPref);
    const std::vector<std::pair<const char*, std::function<AM_ERROR_CODES()>>> notifying = {
        {"setOASStatus", [this] { return ctl().setOASStatus(false); }},
        {"setOASMaxScanTimeout", [this] { return ctl().setOASMaxScanTimeout(90); }},
        {"setQuarantineDir", [this] { return ctl().setQuarantineDir("/srv/quarantine/"); }},
    };
    for (const auto& setter : notifying) {
        SCOPED_TRACE(setter.first);
        gProbeInTime = false;
        gDirect = KOVL::AM_STORE_FAILURE;
        EXPECT_EQ(setter.second(), KOVL::AM_SUCCESS);
        ASSERT_TRUE(gProbe.valid());
        EXPECT_TRUE(gProbeInTime) << "the controller mutex was held while the listener ran";
        EXPECT_EQ(gProbe.get(), KOVL::AM_SUCCESS);
        EXPECT_EQ(gDirect, KOVL::AM_SUCCESS);
    }
    EXPECT_EQ(calls(), (std::vector<KOVPrefType>{KOVL::PREF_OAS_STATUS, KOVL::PREF_OAS_MAX_SCAN_TIMEOUT,
                                                 KOVL::PREF_QUARANTINE_DIR}));
}

// Runs a probe before each write of one key, from inside the setter under test.
class ProbingStore : public kovtest::FaultInjectingStore {
public:
    using FaultInjectingStore::FaultInjectingStore;
    std::string key;
    std::function<void()> probe;

    void writeBool(std::string attr, std::string type, std::string k, bool value) override {
        before(k);
        FaultInjectingStore::writeBool(attr, type, k, value);
    }
    void writeInt(std::string attr, std::string type, std::string k, int value) override {
        before(k);
        FaultInjectingStore::writeInt(attr, type, k, value);
    }
    void writeString(std::string attr, std::string type, std::string k, std::string value) override {
        before(k);
        FaultInjectingStore::writeString(attr, type, k, value);
    }

private:
    void before(const std::string& k) {
        if (probe && k == key) probe();
    }
};

TEST_F(GlobalSettingsTest, SettersHoldTheMutexAroundTheirWriteUnlessNamedOtherwise) {
    auto probing = std::make_unique<ProbingStore>(std::make_shared<ZUR::XmlConfigStore>());
    ProbingStore& probe = *probing;
    KOVL::PreferenceFiles prefs = files();
    prefs.current = dir.file("probing-prefs.xml");
    kovtest::RecordingLogger quiet;
    C probed(quiet, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::move(probing), nullptr, nullptr,
             prefs);

    struct Case {
        std::string name, key;
        std::function<AM_ERROR_CODES()> call;
        bool locks;
    };
    std::vector<Case> cases;
    for (const SetterRow& row : kSetters) {
        cases.push_back(
            {row.name, row.key, [&probed, &row] { return row.set(probed, row.value); }, row.locks});
    }
    cases.push_back({"setOASStatus", "DNDOASGlobalSettings.IsOASEnabled",
                     [&] { return probed.setOASStatus(false); }, true});
    cases.push_back({"setOASMaxScanTimeout", "DNDOASGlobalSettings.MaxScanTimeout",
                     [&] { return probed.setOASMaxScanTimeout(90); }, true});
    cases.push_back({"setQuarantineDir", "DNDGlobalSettings.QuarantineDirectory",
                     [&] { return probed.setQuarantineDir("/srv/quarantine/"); }, true});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Another thread takes the mutex through setOASRunning while the write is
        // pending: it gets through at once when the setter holds no lock, and
        // stays blocked until the setter returns when it does.
        std::future<void> other;
        bool gotThrough = false;
        probe.key = c.key;
        probe.probe = [&] {
            other = std::async(std::launch::async, [&probed] { probed.setOASRunning(true); });
            const auto patience = c.locks ? std::chrono::milliseconds(150) : std::chrono::milliseconds(5000);
            gotThrough = other.wait_for(patience) == std::future_status::ready;
        };
        const AM_ERROR_CODES result = c.call();
        probe.probe = nullptr;
        EXPECT_NE(result, KOVL::AM_STORE_FAILURE);
        ASSERT_TRUE(other.valid()) << "the setter did not write its key";
        other.get();
        EXPECT_EQ(gotThrough, !c.locks);
    }
}

}  // namespace
