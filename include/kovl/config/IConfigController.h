// kovconfig: the exported configuration interface.
//
// IConfigController is what the product's daemons and command-line tool call
// to read and change the threat-prevention preferences. Each family below
// states its operations' contract in a table:
//   read   D  reads the store directly; on failure logs the getter's line
//             (level 2) and answers the fallback
//          A  reads through the typed accessor, which logs its own line
//             first; then as D
//          P  lets the store's exception out (nothing logged)
//   fallback  what a failed read answers; "schema" is the shipped default of
//             the key, anything else differs from it on purpose
//   write  G  the generic setter: 3001 written and the update time stamped,
//             3018 value already stored (nothing written), 3025 failure
//   lock   L  holds the controller mutex for the whole read-decide-write;
//          -  takes no lock
// Result codes: every setter answers an AM_ERROR_CODES value (Types.h), also
// those whose declared result is int.
//
// Errors, in one place. Failures are answered, not thrown: a getter logs its
// line and answers its fallback, a setter logs its line and answers 3025.
// These are the only exceptions that leave an operation (of this interface
// or of KOVConfigController):
//   construction           std::string with the fatal text the bootstrap
//                          logged; boost::filesystem::filesystem_error when
//                          the preferences' status cannot be asked; what
//                          the store's loadPreferences throws;
//                          boost::thread_resource_error
//   getBooleanConfiguration, getIntegerConfiguration,
//   getScanActionConfiguration, getNoOfRequestInAORQQuery
//                          AMException(3004, "Invalid key specified")
//   rows marked P below, getODSTaskSettings, getUpdateTaskSettings,
//   getPrefixKeyword, getPrefixKeywordData, updateTimeStamp, getDelimiter and
//   getValueWithDelimiter (a failing readDelimiter)
//                          the store's exception
//   getOASConfigurationData, getPrefixKeyword, getPrefixKeywordData,
//   getTimeStamp, setScanMode, setScanFileTypes, setOASProfileSettings
//                          boost::bad_lexical_cast (a stored value or a
//                          profile text that is not a number; options 1, 2
//                          and 29 of setOASProfileSettings)
//   setOASProfileSettings  AMException for options 18 to 21
//   setODSTaskConfig, setUpdateTaskConfig
//                          what IZURUtils::isCPULimitSupported throws
//   setQuarantineDir       what the preference callback throws
//   setAgentAdaptor, getORQQueryAuthInformation, getEncryptedProxyPass,
//   getDecryptedProxyPass  boost::lock_error when the process-wide adaptor
//                          mutex cannot be locked
//   every operation marked L, when the calling thread already holds the
//   controller mutex (a store or logger implementation calling back in)
//                          boost::lock_error (resource_deadlock_would_occur),
//                          instead of waiting for itself forever
// Everything else does not throw.

#pragma once

#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace KOVL {

class KOVL_EXPORT IConfigController {
public:
    virtual ~IConfigController();

    // Frame: management mode, running flags, change notification.
    //   getManagedMode, isProductUnManaged (mode 0), isOASRunning,
    //   isUpdateRunning: the in-memory value, no lock
    //   setManagedMode: L; a mode outside 0..2 is ignored
    //   setOASRunning, setUpdateRunning: L, in memory only
    //   registerCallBack, registerCallBackMap: replace the callback, no lock
    virtual int getManagedMode() = 0;
    virtual void setManagedMode(int mode) = 0;
    virtual bool isProductUnManaged() = 0;
    virtual bool isOASRunning() = 0;
    virtual void setOASRunning(bool running) = 0;
    virtual bool isUpdateRunning() = 0;
    virtual void setUpdateRunning(bool running) = 0;
    virtual void registerCallBack(PrefCallback callback) = 0;
    virtual void registerCallBackMap(PrefMapCallback callback) = 0;

    // Bulk changes and lists.
    //   addSettings      L  merges the map into the store; 3001, or 3025 when
    //                       the store refuses or throws; stamps the time unless it throws
    //   delSettings      L  second map: list items to remove; first map: values
    //                       that replace a node's value; codes as addSettings
    //   getValueWithDelimiter  -  the items joined with the list's delimiter
    //                       (default ","); drops an empty stored value node
    virtual AM_ERROR_CODES addSettings(ZUR::SettingsMap settings) = 0;
    virtual AM_ERROR_CODES delSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) = 0;
    virtual std::string getValueWithDelimiter(std::string sectionType, std::string key,
                                              std::set<std::string> items) = 0;

    // On-access global settings.
    //   operation                               read  fallback        write/lock
    //   getOASStatus(status, code)              D     status true,    -
    //                                                 code 3025, false
    //   setOASStatus                            compares unlocked, writes under the mutex,
    //       no time stamp: 3001 and PREF_OAS_STATUS to the callback, 3021 written but
    //       no callback, 3018, 3025 (also when the callback throws; the write stays)
    //   getOASMaxScanTimeout                    D     schema (45)
    //   setOASMaxScanTimeout                    as setOASStatus, PREF_OAS_MAX_SCAN_TIMEOUT;
    //       stores the low 32 bits; 3001 also without a callback
    //   getMaxRequestQueueSizeForOAS, getRequestQueueSizeMonitorIntervalForOAS,
    //   getRequestQueueReducePercentageForOAS, getActionWhenRequestQueueOverflowsForOAS,
    //   getMaxConcurrentODSLimit, useKernelModuleForFileAccess,
    //   getUseKernelModuleForFileAccess, getUseFanotifyForFileAccess,
    //   getOASSupportedStatus                   D     schema
    //   getNetlinkRequestSocket/ResponseSocket  D     schema (31/30), also for a
    //                                                 stored value below 1
    //   getMountMonitorInterval, getOASMgrWatchDogPollingInterval,
    //   getOASMgrWatchDogTimeOutInterval        P     - (throws)
    //   getOASMgrWatchDogStatus, getFMCacheMaxLimit,
    //   getCachePurgeLimit                      A     schema          G, L
    //   getSysCallTableAddress,
    //   getKallsymsLookUpNameAddress            A     "" (line also for a stored "")
    //   setUseKernelModuleForFileAccess,
    //   setUseFanotifyForFileAccess             -     -               G, -
    //   getQuarantineDir                        A     "" (no line)
    //   setQuarantineDir                        G, L; then PREF_QUARANTINE_DIR to the callback
    //       (also on 3018), 3021 when none; a throwing callback's exception leaves
    virtual bool getOASStatus(bool& status, AM_ERROR_CODES& code) = 0;
    virtual AM_ERROR_CODES setOASStatus(bool enable) = 0;
    virtual long getOASMaxScanTimeout() = 0;
    virtual AM_ERROR_CODES setOASMaxScanTimeout(long timeout) = 0;
    virtual int getMaxRequestQueueSizeForOAS() = 0;
    virtual int getRequestQueueSizeMonitorIntervalForOAS() = 0;
    virtual int getRequestQueueReducePercentageForOAS() = 0;
    virtual std::string getActionWhenRequestQueueOverflowsForOAS() = 0;
    virtual int getMaxConcurrentODSLimit() = 0;
    virtual int getMountMonitorInterval() = 0;
    virtual bool getOASMgrWatchDogStatus() = 0;
    virtual AM_ERROR_CODES setOASMgrWatchDogStatus(bool enable) = 0;
    virtual int getOASMgrWatchDogPollingInterval() = 0;
    virtual int getOASMgrWatchDogTimeOutInterval() = 0;
    virtual bool useKernelModuleForFileAccess() = 0;
    virtual bool getUseKernelModuleForFileAccess() = 0;
    virtual AM_ERROR_CODES setUseKernelModuleForFileAccess(bool enable) = 0;
    virtual bool getUseFanotifyForFileAccess() = 0;
    virtual AM_ERROR_CODES setUseFanotifyForFileAccess(bool enable) = 0;
    virtual bool getOASSupportedStatus() = 0;
    virtual int getNetlinkRequestSocket() = 0;
    virtual int getNetlinkResponseSocket() = 0;
    virtual std::string getSysCallTableAddress() = 0;
    virtual std::string getKallsymsLookUpNameAddress() = 0;
    virtual int getFMCacheMaxLimit() = 0;
    virtual AM_ERROR_CODES setFMCacheMaxLimit(int limit) = 0;
    virtual int getCachePurgeLimit() = 0;
    virtual AM_ERROR_CODES setCachePurgeLimit(int limit) = 0;
    virtual std::string getQuarantineDir() = 0;
    virtual AM_ERROR_CODES setQuarantineDir(std::string dir) = 0;

    // Logging settings.
    //   every getter                            A     schema
    //   except getLogPath                       A     "" (no line)
    //   every setter                            -     -               G, L
    //   The getLogFileFor* getters also answer their fallback (after their line)
    //   for a stored "". No range checks.
    virtual bool isDebugLoggingEnabledForOAS() = 0;
    virtual bool isDebugLoggingEnabledForMsgBus() = 0;
    virtual bool isDebugLoggingEnabledForODS() = 0;
    virtual bool isLimitDebugLogSizeEnabled() = 0;
    virtual bool isActivityLoggingEnabled() = 0;
    virtual bool isOASActivityLoggingEnabled() = 0;
    virtual bool isLimitActivityLogSizeEnabled() = 0;
    virtual bool isSendingEventsToZarnEnabled() = 0;
    virtual bool isEventLoggingEnabled() = 0;
    virtual AM_ERROR_CODES enableDebugLoggingForOAS(bool enable) = 0;
    virtual AM_ERROR_CODES enableDebugLoggingForODS(bool enable) = 0;
    virtual AM_ERROR_CODES enableLimitDebugLogSize(bool enable) = 0;
    virtual AM_ERROR_CODES enableActivityLogging(bool enable) = 0;
    virtual AM_ERROR_CODES enableOASActivityLogging(bool enable) = 0;
    virtual AM_ERROR_CODES enableLimitActivityLogSize(bool enable) = 0;
    virtual AM_ERROR_CODES enableSendingEventsToZarn(bool enable) = 0;
    virtual AM_ERROR_CODES enableEventLogging(bool enable) = 0;
    virtual int getDebugLogSize() = 0;
    virtual AM_ERROR_CODES setDebugLogSize(int size) = 0;
    virtual int getActivityLogSize() = 0;
    virtual AM_ERROR_CODES setActivityLogSize(int size) = 0;
    virtual int getZarnLogLevelForOAS() = 0;
    virtual AM_ERROR_CODES setZarnLogLevelForOAS(int level) = 0;
    virtual int getLogLevelForOAS() = 0;
    virtual AM_ERROR_CODES setLogLevelForOAS(int level) = 0;
    virtual int getZarnLogLevelForODS() = 0;
    virtual AM_ERROR_CODES setZarnLogLevelForODS(int level) = 0;
    virtual int getLogLevelForODS() = 0;
    virtual AM_ERROR_CODES setLogLevelForODS(int level) = 0;
    virtual int getDefaultMaximumLogFileSize() = 0;
    virtual int getDefaultRotatedLogFileCount() = 0;
    virtual std::string getLogPath() = 0;
    virtual AM_ERROR_CODES setLogPath(std::string path) = 0;
    virtual std::string getLogFileForFM() = 0;
    virtual std::string getLogFileForScanFactory() = 0;
    virtual std::string getLogFileForScanActionMgr() = 0;
    virtual std::string getLogFileForOASMgr() = 0;
    virtual std::string getLogFileForODSMgr() = 0;
    virtual std::string getLogFileForODSCollector() = 0;

    // Update and miscellaneous global flags.
    //   getUpdateTimeOutInterval                P     - (throws)
    //   get/setDefaultClientUpdateTask, get/setMarkerDefaultClientUpdateTask,
    //   getAccessProtectionStatus               A     schema          G, L
    //   getDefaultClientUpdateTaskScheduleTime  A     "" (as read)
    //   isPostDeploymentStartup,
    //   isAutoContentUpdateEnabled              A     false
    //   setAccessProtectionStatus, resetPostDeploymentStartupStatus,
    //   setAutoContentUpdateStatus              -     -               G, -
    virtual int getUpdateTimeOutInterval() = 0;
    virtual bool getDefaultClientUpdateTask() = 0;
    virtual AM_ERROR_CODES setDefaultClientUpdateTask(bool enable) = 0;
    virtual bool getMarkerDefaultClientUpdateTask() = 0;
    virtual AM_ERROR_CODES setMarkerDefaultClientUpdateTask(bool marker) = 0;
    virtual std::string getDefaultClientUpdateTaskScheduleTime() = 0;
    virtual bool getAccessProtectionStatus() = 0;
    virtual AM_ERROR_CODES setAccessProtectionStatus(bool enable) = 0;
    virtual bool isPostDeploymentStartup() = 0;
    virtual AM_ERROR_CODES resetPostDeploymentStartupStatus(bool status) = 0;
    virtual bool isAutoContentUpdateEnabled() = 0;
    virtual AM_ERROR_CODES setAutoContentUpdateStatus(bool enable) = 0;

    // Product information and directories, engine and DAT content, ODS and update tasks.
    // The directory getters never throw; an empty or unreadable name takes its
    // built-in default (the log directory has none). Composed paths are built
    // through these virtual operations, so an override of getProductInstallDir
    // also moves the executables, configuration, engine and command-line paths.
    virtual std::map<std::string, std::string> getProductInfo() = 0;
    virtual std::string getProductInstallDir() = 0;
    virtual std::string getProductVarDir() = 0;
    virtual std::string getProductBinDir() = 0;
    virtual std::string getProductCLIPath() = 0;
    // The first value of the prefix keyword "%DEFLOGDIR%"; "" when it has none.
    virtual std::string getProductLogDir() = 0;
    virtual std::string getODSReportDir() = 0;
    virtual std::string getProductConfigDir() = 0;
    virtual std::string getProductTmpDir() = 0;
    virtual std::string getZURSocketPath() = 0;
    // Content readers answer 3001 or, after logging, 3025; writers hold the
    // controller mutex and do not stamp the update time (setDATUpdateDate does).
    virtual int getEngineAndDATInfo(EngineAndDATInfo& info) = 0;
    virtual int setEngineAndDATInfo(EngineAndDATInfo& info) = 0;
    virtual int getDATDateInfo(DATReleaseInfo& info) = 0;
    virtual int setDATDateInfo(DATReleaseInfo& info) = 0;
    virtual std::string getDATUpdateDate() = 0;
    virtual int setDATUpdateDate(std::string date) = 0;
    virtual int getDATVersion(bool withMinor, std::string& version) = 0;
    virtual int getEngineVersion(std::string& version) = 0;
    virtual int getExtraDATVersion(std::string& version) = 0;
    virtual int setExtraDATVersion(std::string version) = 0;
    virtual int getExtraDATVirusList(std::vector<std::string>& names) = 0;
    virtual int setExtraDATVirusList(std::vector<std::string>& names) = 0;
    virtual std::string getEngineFileName() = 0;
    virtual std::string getBaseEngineDir() = 0;
    virtual std::string getEngineRootDir() = 0;
    virtual std::string get64EngineBaseDir() = 0;
    virtual std::string getEngineDir() = 0;
    virtual std::string getIncrementalUpdateEnginePath() = 0;
    virtual std::string getDATDir() = 0;
    virtual std::string getExtraDATDir() = 0;
    // Task setters check the option map and hand a copy of it to the map
    // callback: 3001, 3004 (required option missing), 3052 (option 132 without
    // kernel support), 3021 (no callback) or 3017 (the hand-over failed). They
    // store nothing and take no lock. A failure of the CPU-limit query reaches
    // the caller. Task getters answer every task section by section type and
    // let a store failure out.
    virtual int setODSTaskConfig(std::map<int, std::vector<std::string>> options) = 0;
    virtual int setUpdateTaskConfig(std::map<int, std::vector<std::string>> options) = 0;
    virtual ZUR::SettingsMap getODSTaskSettings() = 0;
    virtual ZUR::SettingsMap getUpdateTaskSettings() = 0;

    // On-access profiles: cached configuration, process settings, prefix keywords.
    //   getOASConfigurationData: L; refreshes the controller's one cached record
    //       in place and returns its address (the same on every call). The record
    //       is rewritten by every later refresh, from any thread: a caller that
    //       reads it while another thread may refresh must serialise the two
    //       itself. Lets store failures and boost::bad_lexical_cast out (the
    //       fields refreshed so far keep their new values).
    //   getProfileDetails: the profile's section, no lock; false when absent
    //   getOASProcSettings ("standard" or "riskbased"), getOASPrefixKeyword:
    //       through the string accessor, "" when unreadable
    //   setOASPrefixKeyword, setPrefixAutomatically: G, L
    //   isPrefixAutomaticallyEnabled: A, fallback false
    //   getPrefixKeyword, getPrefixKeywordData: let store failures out
    virtual oas_configuration* getOASConfigurationData() = 0;
    virtual bool getProfileDetails(PROFILE_CODE code, ZUR::SettingsMap& nested,
                                   std::map<std::string, std::string>& values) = 0;
    virtual std::string getOASProcSettings() = 0;
    virtual std::string getOASPrefixKeyword() = 0;
    virtual int setOASPrefixKeyword(std::string keyword) = 0;
    virtual bool isPrefixAutomaticallyEnabled() = 0;
    virtual int setPrefixAutomatically(bool enable) = 0;
    virtual std::map<std::string, std::string> getPrefixKeyword() = 0;
    virtual std::set<std::string> getPrefixKeywordData(std::string name) = 0;

    // Process lists of the low-risk and high-risk profiles.
    //   addProcess: L; merges the names; 3025 for no names or another profile
    //   deleteProcess: L; removes every occurrence, the list stays present
    //   getProcess: the profile's list, {} when unreadable (logged)
    //   getProcessList: high-risk then low-risk names as {section type: name}
    virtual int addProcess(PROFILE_CODE code, std::set<std::string>& names) = 0;
    virtual int deleteProcess(PROFILE_CODE code, std::string name) = 0;
    virtual std::vector<std::string> getProcess(PROFILE_CODE code) = 0;
    virtual std::vector<std::map<std::string, std::string>> getProcessList() = 0;

    // Scan mode and file types per profile; product-wide file-type lists.
    //   getScanMode, getScanFileTypes, getScanNoExtension,
    //   isNetworkFilesystemScanEnable           D     schema
    //   the list getters                        D     {} ; getDefaultExcludedFSForOAS
    //                                                 answers the built-in names
    virtual ScanMode getScanMode(PROFILE_CODE code) = 0;
    virtual FileTypesForScan getScanFileTypes(PROFILE_CODE code) = 0;
    virtual bool getScanNoExtension(PROFILE_CODE code) = 0;
    virtual bool isNetworkFilesystemScanEnable(PROFILE_CODE code) = 0;
    virtual std::vector<std::string> getFileTypesToScanDefaultAndSpecified(PROFILE_CODE code) = 0;
    virtual std::vector<std::string> getFileTypesToScanOnlySpecified(PROFILE_CODE code) = 0;
    virtual std::vector<std::string> getDefaultFileTypesToScan() = 0;
    virtual std::vector<std::string> getDefaultExcludedFSForOAS() = 0;

    // Exclusion lists and their deletion; the profile settings writer and
    // command-line profile configuration.
    virtual std::vector<std::string> getFolderExclusion(PROFILE_CODE profile, bool subfolders, ScanMode mode,
                                                        DataSource source) = 0;
    virtual std::vector<std::string> getFilePathExclusion(PROFILE_CODE profile, ScanMode mode,
                                                          DataSource source) = 0;
    virtual std::vector<std::string> getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode,
                                                           DataSource source) = 0;
    virtual std::vector<std::string> getFolderExclusion(PROFILE_CODE profile, bool subfolders,
                                                        ScanMode mode) = 0;
    virtual std::vector<std::string> getFilePathExclusion(PROFILE_CODE profile, ScanMode mode) = 0;
    virtual std::vector<std::string> getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode) = 0;
    virtual std::vector<std::map<std::string, std::string>> getExclusionList(PROFILE_CODE profile) = 0;
    virtual std::vector<std::string> getAPDefaultExclusions() = 0;
    virtual int deleteProfileCLIExclusion(PROFILE_CODE profile) = 0;
    virtual int deleteProfileZarnExclusion(PROFILE_CODE profile) = 0;
    virtual int setOASProfileSettings(std::string profile, int option, std::vector<std::string> values,
                                      DataSource source) = 0;
    virtual int setOASProfileConfigurationFromCLI(bool scannerEnabled,
                                                  std::map<int, std::vector<std::string>> options,
                                                  std::set<int>& applied) = 0;
    virtual int setOASProcSettingsToStandard() = 0;
    virtual int setOASProcSettingsToRiskbased() = 0;

    // Reputation service switches read into the cached on-access configuration.
    //   getORQStatus, getORQSensitivity: D into the out-parameter, preset to the
    //       schema default; 3001, or 3025 after the line
    virtual AM_ERROR_CODES getORQStatus(bool& enabled) = 0;
    virtual AM_ERROR_CODES getORQSensitivity(int& level) = 0;

    // Reputation service and proxy: switches, statistics, throttling, selection
    // lists and query credentials; proxy settings and the proxy password.
    virtual AM_ERROR_CODES getORQFeedbackStatus(bool& enabled) = 0;
    virtual AM_ERROR_CODES setORQStatus(bool enable) = 0;
    virtual AM_ERROR_CODES setORQFeedbackStatus(bool enable) = 0;
    virtual AM_ERROR_CODES setORQSensitivity(int level) = 0;
    virtual int getORQAverageRTTForLast24Hours() = 0;
    virtual AM_ERROR_CODES setORQAverageRTTForLast24Hours(int value) = 0;
    virtual int getORQAverageSSLHandShakeTimeForLast24Hours() = 0;
    virtual AM_ERROR_CODES setORQAverageSSLHandShakeTimeForLast24Hours(int value) = 0;
    virtual int getORQAverageRetriesForAQueryForLast24Hours() = 0;
    virtual AM_ERROR_CODES setORQAverageRetriesForAQueryForLast24Hours(int value) = 0;
    virtual int getNumberOfORQQueriesForLast24Hours() = 0;
    virtual AM_ERROR_CODES setNumberOfORQQueriesForLast24Hours(int value) = 0;
    virtual int getNoOfRequestInAORQQuery() = 0;
    virtual std::map<std::string, std::string> getORQThrottlingParameters() = 0;
    virtual void setORQThrottlingParameters(std::map<std::string, std::string>& params) = 0;
    virtual std::map<std::string, std::string> getORQQueryAuthInformation() = 0;
    virtual std::vector<std::string> getORQServerLocForSelc02() = 0;
    virtual std::vector<std::string> getORQFsTypesForSelc03() = 0;
    virtual std::vector<std::string> getORQTmpPathsForSelc04() = 0;
    virtual std::vector<std::string> getORQFileTypesForSelc08() = 0;
    virtual std::vector<std::string> getORQExecType() = 0;
    virtual std::vector<std::string> getORQHLCFileTypes() = 0;
    virtual std::vector<std::string> getORQELFFileTypes() = 0;
    virtual ZUR::ZURProxyConfig getProxyConfiguration() = 0;
    virtual AM_ERROR_CODES setProxyConfiguration(ZUR::ZURProxyConfig& config) = 0;
    virtual bool getEncryptedProxyPass(std::string& clearPassword, std::string& encryptedPassword) = 0;
    virtual bool getDecryptedProxyPass(std::string& storedPassword, std::string& clearPassword) = 0;
};

}  // namespace KOVL
