// kovconfig: the configuration controller.
//
// KOVConfigController implements IConfigController over a configuration store.
// Construction bootstraps the preferences file (see KOVConfigData) and reads
// the whole on-access configuration once; what it may throw, and what every
// other operation may throw, is listed once in IConfigController.h. No
// partial object is left.
//
// Design: this header is only the interface. The state, the controller mutex
// and the helpers every subsystem shares live in the library, in one
// implementation object behind `impl_`, so an internal change never changes
// this header or the library's binary interface. A host may subclass the
// controller and override any virtual operation; the controller calls its own
// overridable operations virtually, so an override is seen everywhere.
//
// Ownership: the store and the store utility pass to the controller (the
// utility on to the store); the SSL service and the platform utilities are
// shared; the logger is borrowed and must outlive the controller; the agent
// adaptor is borrowed and not owned.
//
// Threads: the operations may be called from any thread, with the locking
// stated in IConfigController.h; the record getOASConfigurationData returns is
// rewritten by every refresh. Single-value getters take no lock. Setters
// serialise on one non-recursive controller mutex; callbacks are called after
// it has been released, so a callback may call back into the controller. The
// typed accessors, the *Internal bulk operations, the delimited-list helpers,
// setScanMode and setScanFileTypes below take no lock: they are for code that
// already holds the mutex, or that accepts racing writers. The agent adaptor
// is guarded by a process-wide mutex; no operation holds both.
#pragma once

#include <kovl/config/ChangeNotices.h>
#include <kovl/config/IConfigController.h>
#include <kovl/config/TpAgentAdaptor.h>
#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace KOVL {

namespace detail {
class ControllerImpl;
}

class KOVL_EXPORT KOVConfigController : public IConfigController {
public:
    KOVConfigController(ZUR::ILogger& logger, std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                        std::unique_ptr<ZUR::IConfigStore> store, std::shared_ptr<ZUR::IZlySSL> ssl,
                        std::shared_ptr<ZUR::IZURUtils> utils, PreferenceFiles files = PreferenceFiles());
    ~KOVConfigController() override;
    KOVConfigController(const KOVConfigController&) = delete;
    KOVConfigController& operator=(const KOVConfigController&) = delete;

    // Frame: management mode, running flags, change notification.
    int getManagedMode() override;
    void setManagedMode(int mode) override;
    bool isProductUnManaged() override;
    bool isOASRunning() override;
    void setOASRunning(bool running) override;
    bool isUpdateRunning() override;
    void setUpdateRunning(bool running) override;
    void registerCallBack(PrefCallback callback) override;
    void registerCallBackMap(PrefMapCallback callback) override;

    // Bulk changes and lists.
    AM_ERROR_CODES addSettings(ZUR::SettingsMap settings) override;
    AM_ERROR_CODES delSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) override;
    std::string getValueWithDelimiter(std::string sectionType, std::string key,
                                      std::set<std::string> items) override;

    // On-access global settings.
    bool getOASStatus(bool& status, AM_ERROR_CODES& code) override;
    AM_ERROR_CODES setOASStatus(bool enable) override;
    long getOASMaxScanTimeout() override;
    AM_ERROR_CODES setOASMaxScanTimeout(long timeout) override;
    int getMaxRequestQueueSizeForOAS() override;
    int getRequestQueueSizeMonitorIntervalForOAS() override;
    int getRequestQueueReducePercentageForOAS() override;
    std::string getActionWhenRequestQueueOverflowsForOAS() override;
    int getMaxConcurrentODSLimit() override;
    int getMountMonitorInterval() override;
    bool getOASMgrWatchDogStatus() override;
    AM_ERROR_CODES setOASMgrWatchDogStatus(bool enable) override;
    int getOASMgrWatchDogPollingInterval() override;
    int getOASMgrWatchDogTimeOutInterval() override;
    bool useKernelModuleForFileAccess() override;
    bool getUseKernelModuleForFileAccess() override;
    AM_ERROR_CODES setUseKernelModuleForFileAccess(bool enable) override;
    bool getUseFanotifyForFileAccess() override;
    AM_ERROR_CODES setUseFanotifyForFileAccess(bool enable) override;
    bool getOASSupportedStatus() override;
    int getNetlinkRequestSocket() override;
    int getNetlinkResponseSocket() override;
    std::string getSysCallTableAddress() override;
    std::string getKallsymsLookUpNameAddress() override;
    int getFMCacheMaxLimit() override;
    AM_ERROR_CODES setFMCacheMaxLimit(int limit) override;
    int getCachePurgeLimit() override;
    AM_ERROR_CODES setCachePurgeLimit(int limit) override;
    std::string getQuarantineDir() override;
    AM_ERROR_CODES setQuarantineDir(std::string dir) override;

    // Logging settings.
    bool isDebugLoggingEnabledForOAS() override;
    bool isDebugLoggingEnabledForMsgBus() override;
    bool isDebugLoggingEnabledForODS() override;
    bool isLimitDebugLogSizeEnabled() override;
    bool isActivityLoggingEnabled() override;
    bool isOASActivityLoggingEnabled() override;
    bool isLimitActivityLogSizeEnabled() override;
    bool isSendingEventsToZarnEnabled() override;
    bool isEventLoggingEnabled() override;
    AM_ERROR_CODES enableDebugLoggingForOAS(bool enable) override;
    AM_ERROR_CODES enableDebugLoggingForODS(bool enable) override;
    AM_ERROR_CODES enableLimitDebugLogSize(bool enable) override;
    AM_ERROR_CODES enableActivityLogging(bool enable) override;
    AM_ERROR_CODES enableOASActivityLogging(bool enable) override;
    AM_ERROR_CODES enableLimitActivityLogSize(bool enable) override;
    AM_ERROR_CODES enableSendingEventsToZarn(bool enable) override;
    AM_ERROR_CODES enableEventLogging(bool enable) override;
    int getDebugLogSize() override;
    AM_ERROR_CODES setDebugLogSize(int size) override;
    int getActivityLogSize() override;
    AM_ERROR_CODES setActivityLogSize(int size) override;
    int getZarnLogLevelForOAS() override;
    AM_ERROR_CODES setZarnLogLevelForOAS(int level) override;
    int getLogLevelForOAS() override;
    AM_ERROR_CODES setLogLevelForOAS(int level) override;
    int getZarnLogLevelForODS() override;
    AM_ERROR_CODES setZarnLogLevelForODS(int level) override;
    int getLogLevelForODS() override;
    AM_ERROR_CODES setLogLevelForODS(int level) override;
    int getDefaultMaximumLogFileSize() override;
    int getDefaultRotatedLogFileCount() override;
    std::string getLogPath() override;
    AM_ERROR_CODES setLogPath(std::string path) override;
    std::string getLogFileForFM() override;
    std::string getLogFileForScanFactory() override;
    std::string getLogFileForScanActionMgr() override;
    std::string getLogFileForOASMgr() override;
    std::string getLogFileForODSMgr() override;
    std::string getLogFileForODSCollector() override;

    // Update and miscellaneous global flags.
    int getUpdateTimeOutInterval() override;
    bool getDefaultClientUpdateTask() override;
    AM_ERROR_CODES setDefaultClientUpdateTask(bool enable) override;
    bool getMarkerDefaultClientUpdateTask() override;
    AM_ERROR_CODES setMarkerDefaultClientUpdateTask(bool marker) override;
    std::string getDefaultClientUpdateTaskScheduleTime() override;
    bool getAccessProtectionStatus() override;
    AM_ERROR_CODES setAccessProtectionStatus(bool enable) override;
    bool isPostDeploymentStartup() override;
    AM_ERROR_CODES resetPostDeploymentStartupStatus(bool status) override;
    bool isAutoContentUpdateEnabled() override;
    AM_ERROR_CODES setAutoContentUpdateStatus(bool enable) override;

    // Product information and directories, engine and DAT content, ODS and update tasks.
    std::map<std::string, std::string> getProductInfo() override;
    std::string getProductInstallDir() override;
    std::string getProductVarDir() override;
    std::string getProductBinDir() override;
    std::string getProductCLIPath() override;
    std::string getProductLogDir() override;
    std::string getODSReportDir() override;
    std::string getProductConfigDir() override;
    std::string getProductTmpDir() override;
    std::string getZURSocketPath() override;
    int getEngineAndDATInfo(EngineAndDATInfo& info) override;
    int setEngineAndDATInfo(EngineAndDATInfo& info) override;
    int getDATDateInfo(DATReleaseInfo& info) override;
    int setDATDateInfo(DATReleaseInfo& info) override;
    std::string getDATUpdateDate() override;
    int setDATUpdateDate(std::string date) override;
    int getDATVersion(bool withMinor, std::string& version) override;
    int getEngineVersion(std::string& version) override;
    int getExtraDATVersion(std::string& version) override;
    int setExtraDATVersion(std::string version) override;
    int getExtraDATVirusList(std::vector<std::string>& names) override;
    int setExtraDATVirusList(std::vector<std::string>& names) override;
    std::string getEngineFileName() override;
    std::string getBaseEngineDir() override;
    std::string getEngineRootDir() override;
    std::string get64EngineBaseDir() override;
    std::string getEngineDir() override;
    std::string getIncrementalUpdateEnginePath() override;
    std::string getDATDir() override;
    std::string getExtraDATDir() override;
    int setODSTaskConfig(std::map<int, std::vector<std::string>> options) override;
    int setUpdateTaskConfig(std::map<int, std::vector<std::string>> options) override;
    ZUR::SettingsMap getODSTaskSettings() override;
    ZUR::SettingsMap getUpdateTaskSettings() override;
    // Engine version for incremental updates; `version` keeps its content when
    // the read fails (3025).
    int getIncrementalUpdateEngineVersion(std::string& version);

    // On-access profiles: cached configuration, process settings, prefix keywords.
    oas_configuration* getOASConfigurationData() override;
    bool getProfileDetails(PROFILE_CODE code, ZUR::SettingsMap& nested,
                           std::map<std::string, std::string>& values) override;
    std::string getOASProcSettings() override;
    std::string getOASPrefixKeyword() override;
    int setOASPrefixKeyword(std::string keyword) override;
    bool isPrefixAutomaticallyEnabled() override;
    int setPrefixAutomatically(bool enable) override;
    std::map<std::string, std::string> getPrefixKeyword() override;
    std::set<std::string> getPrefixKeywordData(std::string name) override;

    // Process lists of the low-risk and high-risk profiles.
    int addProcess(PROFILE_CODE code, std::set<std::string>& names) override;
    int deleteProcess(PROFILE_CODE code, std::string name) override;
    std::vector<std::string> getProcess(PROFILE_CODE code) override;
    std::vector<std::map<std::string, std::string>> getProcessList() override;

    // Scan mode and file types per profile; product-wide file-type lists.
    ScanMode getScanMode(PROFILE_CODE code) override;
    FileTypesForScan getScanFileTypes(PROFILE_CODE code) override;
    bool getScanNoExtension(PROFILE_CODE code) override;
    bool isNetworkFilesystemScanEnable(PROFILE_CODE code) override;
    std::vector<std::string> getFileTypesToScanDefaultAndSpecified(PROFILE_CODE code) override;
    std::vector<std::string> getFileTypesToScanOnlySpecified(PROFILE_CODE code) override;
    std::vector<std::string> getDefaultFileTypesToScan() override;
    std::vector<std::string> getDefaultExcludedFSForOAS() override;

    // Exclusion lists and their deletion; the profile settings writer and
    // command-line profile configuration. The reads take no lock; the writer
    // and the two source deletions hold the controller mutex for the whole call.
    std::vector<std::string> getFolderExclusion(PROFILE_CODE profile, bool subfolders, ScanMode mode,
                                                DataSource source) override;
    std::vector<std::string> getFilePathExclusion(PROFILE_CODE profile, ScanMode mode,
                                                  DataSource source) override;
    std::vector<std::string> getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode,
                                                   DataSource source) override;
    std::vector<std::string> getFolderExclusion(PROFILE_CODE profile, bool subfolders,
                                                ScanMode mode) override;
    std::vector<std::string> getFilePathExclusion(PROFILE_CODE profile, ScanMode mode) override;
    std::vector<std::string> getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode) override;
    std::vector<std::map<std::string, std::string>> getExclusionList(PROFILE_CODE profile) override;
    std::vector<std::string> getAPDefaultExclusions() override;
    int deleteProfileCLIExclusion(PROFILE_CODE profile) override;
    int deleteProfileZarnExclusion(PROFILE_CODE profile) override;
    // Throws AMException (options 18 to 21) and boost::bad_lexical_cast (options 1, 2, 29).
    int setOASProfileSettings(std::string profile, int option, std::vector<std::string> values,
                              DataSource source) override;
    int setOASProfileConfigurationFromCLI(bool scannerEnabled,
                                          std::map<int, std::vector<std::string>> options,
                                          std::set<int>& applied) override;
    int setOASProcSettingsToStandard() override;
    int setOASProcSettingsToRiskbased() override;
    // Any delimited list by section type and key; an empty value gives one empty item.
    std::vector<std::string> getExclusion(std::string type, std::string key);
    // Removes one item from one exclusion list; no lock (the writer holds it).
    int deleteExclusionList(PROFILE_CODE profile, std::string key, std::string item);

    // Reputation service switches read into the cached on-access configuration.
    AM_ERROR_CODES getORQStatus(bool& enabled) override;
    AM_ERROR_CODES getORQSensitivity(int& level) override;

    // Reputation service and proxy: switches, statistics, throttling, selection
    // lists and query credentials; proxy settings and the proxy password.
    AM_ERROR_CODES getORQFeedbackStatus(bool& enabled) override;
    AM_ERROR_CODES setORQStatus(bool enable) override;
    AM_ERROR_CODES setORQFeedbackStatus(bool enable) override;
    AM_ERROR_CODES setORQSensitivity(int level) override;
    int getORQAverageRTTForLast24Hours() override;
    AM_ERROR_CODES setORQAverageRTTForLast24Hours(int value) override;
    int getORQAverageSSLHandShakeTimeForLast24Hours() override;
    AM_ERROR_CODES setORQAverageSSLHandShakeTimeForLast24Hours(int value) override;
    int getORQAverageRetriesForAQueryForLast24Hours() override;
    AM_ERROR_CODES setORQAverageRetriesForAQueryForLast24Hours(int value) override;
    int getNumberOfORQQueriesForLast24Hours() override;
    AM_ERROR_CODES setNumberOfORQQueriesForLast24Hours(int value) override;
    int getNoOfRequestInAORQQuery() override;
    std::map<std::string, std::string> getORQThrottlingParameters() override;
    void setORQThrottlingParameters(std::map<std::string, std::string>& params) override;
    std::map<std::string, std::string> getORQQueryAuthInformation() override;
    std::vector<std::string> getORQServerLocForSelc02() override;
    std::vector<std::string> getORQFsTypesForSelc03() override;
    std::vector<std::string> getORQTmpPathsForSelc04() override;
    std::vector<std::string> getORQFileTypesForSelc08() override;
    std::vector<std::string> getORQExecType() override;
    std::vector<std::string> getORQHLCFileTypes() override;
    std::vector<std::string> getORQELFFileTypes() override;
    ZUR::ZURProxyConfig getProxyConfiguration() override;
    AM_ERROR_CODES setProxyConfiguration(ZUR::ZURProxyConfig& config) override;
    bool getEncryptedProxyPass(std::string& clearPassword, std::string& encryptedPassword) override;
    bool getDecryptedProxyPass(std::string& storedPassword, std::string& clearPassword) override;

    // Agent adaptor (not owned); stored under the process-wide adaptor mutex.
    void setAgentAdaptor(TpAgentAdaptor* adaptor);
    // Whole seconds since the epoch; throws boost::bad_lexical_cast past 2038.
    int getTimeStamp();
    // Writes getTimeStamp() to "DNDGlobalSettings.LastUpdatedTimeStamp"; throws on failure.
    void updateTimeStamp();

    // Generic typed accessors. No lock; the Boolean, Integer and ScanAction
    // getters throw AMException(AM_INVALID_KEY) when the value cannot be read.
    bool getBooleanConfiguration(std::string sectionType, std::string key);
    int getIntegerConfiguration(std::string sectionType, std::string key);
    ScanAction getScanActionConfiguration(std::string sectionType, std::string key);
    std::string getStringConfiguration(std::string sectionType, std::string key);
    AM_ERROR_CODES setBooleanConfiguration(std::string sectionType, std::string key, bool value);
    AM_ERROR_CODES setIntegerConfiguration(std::string attrName, std::string sectionType, std::string key,
                                           int value);
    AM_ERROR_CODES setStringConfiguration(std::string attrName, std::string sectionType, std::string key,
                                          std::string value);
    AM_ERROR_CODES setScanActionConfiguration(std::string sectionType, std::string key, ScanAction action);
    AM_ERROR_CODES addInternalSettings(ZUR::SettingsMap settings);
    AM_ERROR_CODES delInternalSettings(ZUR::SettingsMap first, ZUR::SettingsMap second);

    // Delimited lists. No lock; getDelimiter lets readDelimiter's failure out.
    std::string getDelimiter(std::string sectionType, std::string key);
    std::string getValueWithDelimiter(std::string sectionType, std::string key,
                                      std::vector<std::string> items);
    using IConfigController::getValueWithDelimiter;

    // On-access profile reading. readOASProfileDataFromConfigStore takes no lock
    // and lets boost::bad_lexical_cast out for a stored value that is not a
    // number. The two switches read directly (fallback: schema) and are set
    // under the mutex with G's codes and lines of their own.
    void readOASProfileDataFromConfigStore(PROFILE_CODE code, oas_profile& record);
    bool getOASMultipleProfilesEnabled();
    int setMultipleProfilesEnabled(bool enable);
    int getScanManagerThreads();
    int setScanManagerThreads(int threads);

    // Scan mode and file types; no lock (callers hold the controller mutex).
    // A profile text that is not a number throws boost::bad_lexical_cast.
    int setScanMode(std::string profile, ScanMode mode);
    int setScanFileTypes(std::string profile, FileTypesForScan types);

    // ---- Hearing changes made elsewhere -----------------------------------
    // These members are our own, beside the fixed interface.
    //
    // Without startWatching the controller hears only its own changes, as
    // before: no thread, no descriptor, nothing else done. startWatching
    // (false, after a level-2 line, when the store cannot be observed or the
    // descriptors cannot be had) starts one thread that sleeps in poll() on
    // an inotify watch of the preferences file's directory (the file renamed
    // into place, written, created or deleted) and an eventfd that this
    // process's own commits and stopWatching write to; it never polls on a
    // timer, so an idle watch costs no CPU. On a wake-up it picks up the
    // newest committed version (a version that does not load is skipped and
    // the last good one stays), then announces what changed since its last
    // announcement:
    //  - the preference callback (registerCallBack), for changes made by
    //    another process or an outside edit only, once per wake-up for each
    //    of OAS status (PREF_OAS_STATUS), maximum scan timeout
    //    (PREF_OAS_MAX_SCAN_TIMEOUT), process settings (PREF_OAS_PROC_SETTINGS)
    //    and quarantine directory (PREF_QUARANTINE_DIR) whose value differs,
    //    each after a level-6 line naming the preference type and saying the
    //    change came from elsewhere. This process's own changes are announced
    //    by its setters, as before, and never a second time;
    //  - then the change listener, for changes from anywhere (this process's
    //    too), with the net difference since the previous call: several
    //    commits between two wake-ups come as one list in which every key that
    //    differs appears once, with its newest value; secrets masked.
    // Both run on the watching thread with no controller mutex held, so they
    // may call back into the controller; what they throw is logged (level 2)
    // and dropped. stopWatching and the destructor wait for an announcement
    // in progress to return, and none runs after they return; neither may be
    // called from a callback or listener (stopWatching from there only asks
    // the thread to end). A subclass whose overrides a callback may reach
    // calls stopWatching in its own destructor. Why inotify and an eventfd
    // rather than a futex on the shared commit counter: an editor's rename,
    // or a writer that dies between its rename and the bump, never moves the
    // counter, and a futex wait on the shared mapping wakes on nothing else,
    // so the directory watch is needed anyway and alone covers every writer.
    bool startWatching();
    void stopWatching();
    // Replaces the change listener (empty: none); takes effect at the next
    // announcement.
    void registerChangeListener(ChangeListener listener);

private:
    // Everything else: the state, the controller mutex and the helpers live in
    // the library (config/ControllerImpl.h), so that none of it is part of
    // this header or of the library's binary interface.
    std::unique_ptr<detail::ControllerImpl> impl_;
};

}  // namespace KOVL
