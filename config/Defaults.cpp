// The preference schema: every key with its default text, by section.
#include <kovl/config/Defaults.h>

#include <iterator>
#include <string>

namespace KOVL {

const char* const kDefaultLogDirKeyword = "%DEFLOGDIR%";
const char* const kDefaultLogDir = "/var/Korvel/kov/log/tp";
const char* const kDefaultORQHost = "orq.korvel.com";
// Sealed under the product's built-in key (agent adaptor mode 3), stored without the marker.
const char* const kDefaultORQUserID =
    "a7d3829173636ad3feac30fadca3438e72b6e30de0b2842f2d65bda39412d03cc4ae9dad09bdb58574fc17e6cb37e98a";
const char* const kDefaultORQKey =
    "d8a16ed7eb9bf74db90850e3c8e635c0ae3225a927f7ddbf7a15719672984a0b9732b4aed83ac14d018ce8483f98090d0f3f"
    "537f3fc46bce70d745fee578e50b";

namespace {

struct Row {
    const char* key;
    const char* value;
};

// ODS task keys with the quick-scan and the full-scan default.
struct TaskRow {
    const char* key;
    const char* quick;
    const char* full;
};

const Row kOASGlobal[] = {
    {"DNDOASGlobalSettings.<xmlattr>.type", "51"},
    {"DNDOASGlobalSettings.UseKernelModule", "0"},
    {"DNDOASGlobalSettings.UseFanotify", "0"},
    {"DNDOASGlobalSettings.NetlinkRequestSocket", "31"},
    {"DNDOASGlobalSettings.NetlinkResponseSocket", "30"},
    {"DNDOASGlobalSettings.SyscallTableAddress", ""},
    {"DNDOASGlobalSettings.KallsymsLookUpNameAddress", ""},
    {"DNDOASGlobalSettings.IsOASEnabled", "1"},
    {"DNDOASGlobalSettings.IsOASSupported", "1"},
    {"DNDOASGlobalSettings.EnableMultipleProfiles", "0"},
    {"DNDOASGlobalSettings.ProfileName", "standard"},
    {"DNDOASGlobalSettings.ScanManagerThreads", "5"},
    {"DNDOASGlobalSettings.MaxScanTimeout", "45"},
    {"DNDOASGlobalSettings.MaxRequestQueueSize", "50"},
    {"DNDOASGlobalSettings.RequestSizeMonitorInterval", "2"},
    {"DNDOASGlobalSettings.RequestQueueReducePercentage", "50"},
    {"DNDOASGlobalSettings.ActionWhenRequestQueueOverflows", "allow"},
    {"DNDOASGlobalSettings.MinValueOfScanTime", "10"},
    {"DNDOASGlobalSettings.MaxValueOfScanTime", "9999"},
    {"DNDOASGlobalSettings.OASPrefixKeyword", ""},
    {"DNDOASGlobalSettings.OASPrefixKeywordAutomatically", "1"},
    {"DNDOASGlobalSettings.OASExcludedFileSystems.<xmlattr>.delimiter", ","},
    {"DNDOASGlobalSettings.OASExcludedFileSystems.FileSystem", ""},
    {"DNDOASGlobalSettings.EnableOASMgrWatchDog", "0"},
    {"DNDOASGlobalSettings.OASMgrWatchDogInterval", "5"},
    {"DNDOASGlobalSettings.OASMgrTimeoutInterval", "1"},
    {"DNDOASGlobalSettings.CacheMaxLimit", "65536"},
    {"DNDOASGlobalSettings.CachePurgeLimit", "512"},
};

const Row kODSGlobal[] = {
    {"DNDODSGlobalSettings.<xmlattr>.type", "56"},
    {"DNDODSGlobalSettings.MaxConcurrentODSLimit", "10"},
};

const Row kORQSelection[] = {
    {"DNDORQSelectionCriteria.<xmlattr>.type", "57"},
    {"DNDORQSelectionCriteria.IsORQEnabled", "1"},
    {"DNDORQSelectionCriteria.ORQSensitivityLevel", "3"},
    {"DNDORQSelectionCriteria.SelCriteria2.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.SelCriteria3.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.SelCriteria4.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.SelCriteria8.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.HighLevelCriteria.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.ExecutingTypes.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.ELFTypes.<xmlattr>.delimiter", ","},
    {"DNDORQSelectionCriteria.SelCriteria2.Folder", ""},
    {"DNDORQSelectionCriteria.SelCriteria3.FileSystem", ""},
    {"DNDORQSelectionCriteria.SelCriteria4.Folder", ""},
    {"DNDORQSelectionCriteria.SelCriteria8.FileType", ""},
    {"DNDORQSelectionCriteria.HighLevelCriteria.FileType", ""},
    {"DNDORQSelectionCriteria.ExecutingTypes.FileType", ""},
    {"DNDORQSelectionCriteria.ELFTypes.FileType", ""},
    {"DNDORQSelectionCriteria.ORQThrottling.Threshold", "200"},
    {"DNDORQSelectionCriteria.ORQThrottling.NumHitsToday", "0"},
    {"DNDORQSelectionCriteria.ORQThrottling.NumConsumedQuota", "0"},
    {"DNDORQSelectionCriteria.LastORQParamsUpdate", "0"},
    {"DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfRequestsInAQuery", "5"},
    {"DNDORQSelectionCriteria.ORQQueryConfigurations.AverageSSLHandShakeTimeForLast24Hours", "0"},
    {"DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRetriesForAQueryForLast24Hours", "0"},
    {"DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRTTForLast24Hours", "0"},
    {"DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfORQQueriesForLast24Hours", "0"},
};

const Row kProductInformation[] = {
    {"DNDProductInformation.<xmlattr>.type", "54"},
    {"DNDProductInformation.ProductName", "Velantra for Linux"},
    {"DNDProductInformation.ProductNameForEvent", "VelantraLinux"},
    {"DNDProductInformation.VendorName", "Korvel"},
    {"DNDProductInformation.HotFixes.HotFix", ""},
    {"DNDProductInformation.Patch", ""},
    {"DNDProductInformation.ProductVersion", "1.0.0"},
    {"DNDProductInformation.ProductCopyright", "Copyright (C) 2026 Korvel. All rights reserved."},
    {"DNDProductInformation.ProductInstallDir", "/opt/Korvel/kov/tp"},
    {"DNDProductInformation.ProductBinDir", "bin"},
    {"DNDProductInformation.ProductVarDir", "/var/Korvel/kov/tp"},
    {"DNDProductInformation.ProductODSReportDir", "odsreport"},
    {"DNDProductInformation.ProductCLIName", "zlytpcli"},
    {"DNDProductInformation.DaysSinceInstallation", "1"},
    {"DNDProductInformation.ORQHostAddr", kDefaultORQHost},
    {"DNDProductInformation.ORQUserID", kDefaultORQUserID},
    {"DNDProductInformation.ORQKey", kDefaultORQKey},
    {"DNDProductInformation.ORQCACertFile", "production.crt"},
    {"DNDProductInformation.ORQProductName", "Velantra for Linux"},
};

const Row kGlobal[] = {
    {"DNDGlobalSettings.<xmlattr>.type", "52"},
    {"DNDGlobalSettings.IsORQFeedbackEnabled", "1"},
    {"DNDGlobalSettings.QuarantineDirectory", "/Quarantine/"},
    {"DNDGlobalSettings.MountMonitorInterval", "30"},
    {"DNDGlobalSettings.UpdateTimeoutInterval", "180"},
    {"DNDGlobalSettings.MajorEngineVersion", "0"},
    {"DNDGlobalSettings.MinorEngineVersion", "0"},
    {"DNDGlobalSettings.IncrementalUpdateEngineVersion", "0"},
    {"DNDGlobalSettings.MajorDATVersion", "0"},
    {"DNDGlobalSettings.MinorDATVersion", "0"},
    {"DNDGlobalSettings.ExtraDATVersion", "0"},
    {"DNDGlobalSettings.ExtraDATVirusCount", "0"},
    {"DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", ","},
    {"DNDGlobalSettings.ExtraDATVirusList.VirusName", ""},
    {"DNDGlobalSettings.LastUpdatedTimeStamp", ""},
    {"DNDGlobalSettings.EnableDefaultClientUpdateTask", "1"},
    {"DNDGlobalSettings.MarkerDefaultClientUpdateTask", "1"},
    {"DNDGlobalSettings.ClientUpdateTaskScheduledTime", "12:00"},
    {"DNDGlobalSettings.IsAPEnabled", "1"},
    {"DNDGlobalSettings.IsPostDeploymentStartUp", "1"},
    {"DNDGlobalSettings.IsAutoContentUpdateEnabled", "1"},
};

const Row kClientLogging[] = {
    {"DNDClientLogging.<xmlattr>.type", "53"},
    {"DNDClientLogging.LogPath", "/var/Korvel/kov/log/tp"},
    {"DNDClientLogging.EnableActivityLogging", "1"},
    {"DNDClientLogging.EnableDebugLoggingForOAS", "0"},
    {"DNDClientLogging.EnableDebugLoggingForODS", "0"},
    {"DNDClientLogging.EnableEventLogging", "1"},
    {"DNDClientLogging.EnableSendingEventsToZarn", "1"},
    {"DNDClientLogging.LimitActivityLogSize", "1"},
    {"DNDClientLogging.ActivityLogSize", "10"},
    {"DNDClientLogging.LimitDebugLogSize", "1"},
    {"DNDClientLogging.DebugLogSize", "10"},
    {"DNDClientLogging.ZarnLogLevelForOAS", "3"},
    {"DNDClientLogging.LogLevelForOAS", "2"},
    {"DNDClientLogging.ZarnLogLevelForODS", "3"},
    {"DNDClientLogging.LogLevelForODS", "2"},
    {"DNDClientLogging.EnableOASActivityLogging", "0"},
    {"DNDClientLogging.EnableDebugLoggingForMsgBus", "0"},
};

const Row kProxy[] = {
    {"DNDProxySettings.<xmlattr>.type", "58"},
    {"DNDProxySettings.ProxyIsEnabled", "0"},
    {"DNDProxySettings.ProxyCustomIsEnabled", "0"},
    {"DNDProxySettings.ProxyCustomServer", ""},
    {"DNDProxySettings.ProxyCustomPort", ""},
    {"DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter", ","},
    {"DNDProxySettings.ProxyExclusions.ProxyExclusion", ""},
    {"DNDProxySettings.ProxyHttpAuthIsEnabled", "0"},
    {"DNDProxySettings.ProxyHttpAuthUserName", ""},
    {"DNDProxySettings.ProxyHttpAuthPassword", ""},
};

const Row kAPExclusions[] = {
    {"DNDAPGlobalExclusions.<xmlattr>.type", "59"},
    {"DNDAPGlobalExclusions.APExclusions.<xmlattr>.delimiter", ","},
    {"DNDAPGlobalExclusions.APExclusions.APExclusion", ""},
};

const Row kProductDefaults[] = {
    {"DNDProductDefaultSettings.<xmlattr>.type", "55"},
    {"DNDProductDefaultSettings.ZURSocketPath", "/var/Korvel/kov/zur/zursocket"},
    {"DNDProductDefaultSettings.LogFileForFM", "zlytpd"},
    {"DNDProductDefaultSettings.LogFileForScanFactory", "zlyscanfactory"},
    {"DNDProductDefaultSettings.LogFileForScanActionMgr", "zlyscanactionmgr"},
    {"DNDProductDefaultSettings.LogFileForOASMgr", "zlyoasmgr"},
    {"DNDProductDefaultSettings.LogFileForODSMgr", "zlyodsmanager"},
    {"DNDProductDefaultSettings.LogFileForODSCollector", "zlyodscollector"},
    {"DNDProductDefaultSettings.ProductMaxLogFileSize", "10"},
    {"DNDProductDefaultSettings.ProductMaxRotatedLogFileCount", "5"},
    {"DNDProductDefaultSettings.PrefixKeyword.<xmlattr>.delimiter", ","},
    {"DNDProductDefaultSettings.PrefixKeyword.KeyName", ""},
    {"DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value", ""},
    {"DNDProductDefaultSettings.DefaultFileTypeToScan.<xmlattr>.delimiter", ","},
    {"DNDProductDefaultSettings.DefaultFileTypeToScan.FileType", ""},
};

const Row kProfileCommon[] = {
    {"DNDOASProfile.ScanArchiveEnabled", "0"},
    {"DNDOASProfile.ScanMailEnabled", "0"},
    {"DNDOASProfile.DetectJokesEnabled", "1"},
    {"DNDOASProfile.DetectUnwantedProgramsEnabled", "1"},
    {"DNDOASProfile.DetectUnknownProgramsEnabled", "1"},
    {"DNDOASProfile.DetectUnknownMacrosEnabled", "1"},
    {"DNDOASProfile.InfectionPrimaryAction", "1"},
    {"DNDOASProfile.InfectionSecondaryAction", "2"},
    {"DNDOASProfile.PUPPrimaryAction", "1"},
    {"DNDOASProfile.PUPSecondaryAction", "2"},
    {"DNDOASProfile.ScanTimeoutAction", "0"},
    {"DNDOASProfile.ScanErrorAction", "4"},
    {"DNDOASProfile.ScanOnNetwork", "0"},
    {"DNDOASProfile.ScanMode", "4"},
    {"DNDOASProfile.FileTypeToScan", "0"},
    {"DNDOASProfile.ScanMacros", "0"},
    {"DNDOASProfile.FileTypeForDefaultAndSpecified.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.FileTypeForOnlySpecified.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.FileTypeForDefaultAndSpecified.FileType", ""},
    {"DNDOASProfile.FileTypeForOnlySpecified.FileType", ""},
    {"DNDOASProfile.ProcessList.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ProcessList.<xmlattr>.matchallprocess", "0"},
    {"DNDOASProfile.ProcessList.Process", ""},
    {"DNDOASProfile.ScanExtension", "0"},
    {"DNDOASProfile.ReadExclusionPaths.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadExclusionPaths.CLIPath", ""},
    {"DNDOASProfile.ReadExclusionPaths.ZarnPath", ""},
    {"DNDOASProfile.ReadExclusionFiles.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadExclusionFiles.CLIFile", ""},
    {"DNDOASProfile.ReadExclusionFiles.ZarnFile", ""},
    {"DNDOASProfile.ReadExclusionTypes.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadExclusionTypes.CLIFileType", ""},
    {"DNDOASProfile.ReadExclusionTypes.ZarnFileType", ""},
    {"DNDOASProfile.ReadExcludeFoldersAndSubFolders.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadExcludeFoldersAndSubFolders.CLIFolder", ""},
    {"DNDOASProfile.ReadExcludeFoldersAndSubFolders.ZarnFolder", ""},
    {"DNDOASProfile.WriteExclusionPaths.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.WriteExclusionPaths.CLIPath", ""},
    {"DNDOASProfile.WriteExclusionPaths.ZarnPath", ""},
    {"DNDOASProfile.WriteExclusionFiles.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.WriteExclusionFiles.CLIFile", ""},
    {"DNDOASProfile.WriteExclusionFiles.ZarnFile", ""},
    {"DNDOASProfile.WriteExclusionTypes.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.WriteExclusionTypes.CLIFileType", ""},
    {"DNDOASProfile.WriteExclusionTypes.ZarnFileType", ""},
    {"DNDOASProfile.WriteExcludeFoldersAndSubFolders.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.WriteExcludeFoldersAndSubFolders.CLIFolder", ""},
    {"DNDOASProfile.WriteExcludeFoldersAndSubFolders.ZarnFolder", ""},
    {"DNDOASProfile.ReadWriteExclusionPaths.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadWriteExclusionPaths.CLIPath", ""},
    {"DNDOASProfile.ReadWriteExclusionPaths.ZarnPath", ""},
    {"DNDOASProfile.ReadWriteExclusionFiles.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadWriteExclusionFiles.CLIFile", ""},
    {"DNDOASProfile.ReadWriteExclusionFiles.ZarnFile", ""},
    {"DNDOASProfile.ReadWriteExclusionTypes.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadWriteExclusionTypes.CLIFileType", ""},
    {"DNDOASProfile.ReadWriteExclusionTypes.ZarnFileType", ""},
    {"DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.<xmlattr>.delimiter", ","},
    {"DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.CLIFolder", ""},
    {"DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.ZarnFolder", ""},
};

const TaskRow kODSTask[] = {
    {"ODSProfile.TaskName", "quick scan", "full scan"},
    {"ODSProfile.TaskSchedule", "", ""},
    {"ODSProfile.TaskSource", "0", "0"},
    {"ODSProfile.ScanSubFolder", "1", "1"},
    {"ODSProfile.UseScanCache", "1", "1"},
    {"ODSProfile.ScanOnNetwork", "1", "1"},
    {"ODSProfile.ScanLocalDrives", "0", "1"},
    {"ODSProfile.ScanTmpFolders", "1", "0"},
    {"ODSProfile.ScanMacros", "0", "0"},
    {"ODSProfile.ScanExtension", "0", "0"},
    {"ODSProfile.FileTypeToScan", "0", "0"},
    {"ODSProfile.UserID", "0", "0"},
    {"ODSProfile.Threads", "5", "5"},
    {"ODSProfile.MaxScanTimeout", "45", "45"},
    {"ODSProfile.MaxCPULimit", "100", "100"},
    {"ODSProfile.IsORQEnabled", "1", "1"},
    {"ODSProfile.ORQSensitivityLevel", "3", "3"},
    {"ODSProfile.GroupID", "0", "0"},
    {"ODSProfile.FileTypeForDefaultAndSpecified.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypeForOnlySpecified.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypeForDefaultAndSpecified.FileType", "", ""},
    {"ODSProfile.FileTypeForOnlySpecified.FileType", "", ""},
    {"ODSProfile.ScanPaths.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.ScanPaths.Path", "", ""},
    {"ODSProfile.FileTypesToExclude.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileTypesToExclude.FileType", "", ""},
    {"ODSProfile.PathExclusions.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.PathExclusions.Path", "", ""},
    {"ODSProfile.FileExclusions.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FileExclusions.File", "", ""},
    {"ODSProfile.FoldersAndSubFoldersExclusion.<xmlattr>.delimiter", ",", ","},
    {"ODSProfile.FoldersAndSubFoldersExclusion.Folder", "", ""},
    {"ODSProfile.ScanArchiveEnabled", "0", "1"},
    {"ODSProfile.ScanMailEnabled", "0", "0"},
    {"ODSProfile.DetectJokesEnabled", "1", "1"},
    {"ODSProfile.DetectUnwantedProgramsEnabled", "1", "1"},
    {"ODSProfile.DetectUnknownMacrosEnabled", "1", "1"},
    {"ODSProfile.DetectUnknownProgramsEnabled", "1", "1"},
    {"ODSProfile.InfectionPrimaryAction", "1", "1"},
    {"ODSProfile.InfectionSecondaryAction", "2", "2"},
    {"ODSProfile.PUPPrimaryAction", "1", "1"},
    {"ODSProfile.PUPSecondaryAction", "2", "2"},
    {"ODSProfile.LastRunSummary.NoOfFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCleanFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesInfected", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesCleaned", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesDeleted", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesSkipped", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCleanORQFiles", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfCacheHit", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesExcluded", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesNotScannedDueToTimeout", "0", "0"},
    {"ODSProfile.LastRunSummary.NoOfFilesNotScannedDueToError", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMajorEngineVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMinorEngineVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMajorDATVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.ODSMinorDATVersion", "0", "0"},
    {"ODSProfile.LastRunSummary.TaskStartTime", "0", "0"},
    {"ODSProfile.LastRunSummary.TaskEndTime", "0", "0"},
    {"ODSProfile.LastRunSummary.TimeTaken", "0", "0"},
    {"ODSProfile.LastRunSummary.OdsStatus", "0", "0"},
};

const Row kUpdateTask[] = {
    {"UpdateProfile.TaskName", "Default Client Update task"},
    {"UpdateProfile.TaskOrigin", "0"},
    {"UpdateProfile.TaskUpdateType", "4"},
    {"UpdateProfile.TaskLastRun", "0"},
    {"UpdateProfile.TaskSchedule", ""},
};

// What each on-access profile adds to the common keys.
struct ProfileDefaults {
    const char* sectionType;
    const char* name;
    const char* keyword;
    bool lowRisk;  // the low-risk profile does not detect unknown programs and macros
};

// Built in this order; the map orders them by section type anyway.
const ProfileDefaults kProfiles[] = {
    {"1", "Standard", "standardprofile", false},
    {"3", "High Risk", "highrisk", false},
    {"4", "Extra Profile01", "extraprofile01", false},
    {"5", "Extra Profile02", "extraprofile02", false},
    {"2", "Low Risk", "lowrisk", true},
};

const char* const kQuickScanTask = "c98408b0-0b09-48a0-97fc-4f1f9902bc36";
const char* const kFullScanTask = "d15496b5-0a10-4f2d-b934-5e3694f333df";
const char* const kDefaultUpdateTask = "33313ed8-8688-4de7-b12b-8b1be7e46fcf";

template <std::size_t N>
void addRows(ZUR::SettingsMap& settings, const std::string& sectionType, const Row (&rows)[N]) {
    auto& section = settings[sectionType];
    for (const Row& row : rows) section[row.key] = row.value;
}

}  // namespace

ZUR::SettingsMap defaultSettings() {
    ZUR::SettingsMap settings;
    addRows(settings, "51", kOASGlobal);
    addRows(settings, "56", kODSGlobal);
    addRows(settings, "57", kORQSelection);
    addRows(settings, "53", kClientLogging);
    addRows(settings, "54", kProductInformation);
    addRows(settings, "55", kProductDefaults);
    addRows(settings, "52", kGlobal);
    addRows(settings, "58", kProxy);
    addRows(settings, "59", kAPExclusions);
    for (const ProfileDefaults& profile : kProfiles) {
        addRows(settings, profile.sectionType, kProfileCommon);
        auto& section = settings[profile.sectionType];
        section["DNDOASProfile.<xmlattr>.type"] = profile.sectionType;
        section["DNDOASProfile.ProfileName"] = profile.name;
        section["DNDOASProfile.ProfileKeyword"] = profile.keyword;
        if (profile.lowRisk) {
            section["DNDOASProfile.DetectUnknownProgramsEnabled"] = "0";
            section["DNDOASProfile.DetectUnknownMacrosEnabled"] = "0";
        }
    }
    auto& quick = settings[kQuickScanTask];
    auto& full = settings[kFullScanTask];
    quick["ODSProfile.<xmlattr>.type"] = kQuickScanTask;
    full["ODSProfile.<xmlattr>.type"] = kFullScanTask;
    for (const TaskRow& row : kODSTask) {
        quick[row.key] = row.quick;
        full[row.key] = row.full;
    }
    addRows(settings, kDefaultUpdateTask, kUpdateTask);
    settings[kDefaultUpdateTask]["UpdateProfile.<xmlattr>.type"] = kDefaultUpdateTask;
    return settings;
}

ZUR::SettingsMap shippedSettings() {
    ZUR::SettingsMap settings = defaultSettings();
    auto& productDefaults = settings["55"];
    productDefaults["DNDProductDefaultSettings.PrefixKeyword.KeyName"] = kDefaultLogDirKeyword;
    productDefaults["DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value"] = kDefaultLogDir;
    return settings;
}

}  // namespace KOVL
