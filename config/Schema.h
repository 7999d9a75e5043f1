// The preference schema as one compile-time table: for every key of every
// section, the section type, the key, the value type and the schema default.
//
// config/Defaults.cpp builds the defaults (and the shipped file) from it, and
// a getter or setter row names its preference with KOVL_PREF("key"), which
// finds the key here at compile time: a key that is not in the table, or a row
// whose value type differs from the key's, does not compile. Include only from
// the library's own .cpp files.
#pragma once

#include <kovl/config/Defaults.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace KOVL {
namespace schema {

// Node: a list or group node itself, which holds no value of its own.
enum class Kind { Text, Bool, Int, List, Node };

struct Row {
    const char* sectionType;  // kEachProfile: the key is in every on-access profile
    const char* key;
    Kind kind;
    const char* value;  // schema default; kNoDefault: none, or one of its own per profile
};

inline constexpr const char* kEachProfile = "";
inline constexpr const char* kNoDefault = nullptr;

// Every key of the fixed sections and of every profile. Each profile's type,
// name and keyword (kNoDefault here) are filled in by config/Defaults.cpp.
inline constexpr Row kRows[] = {
    // OASGlobal
    {sections::kOASGlobal, "DNDOASGlobalSettings.<xmlattr>.type", Kind::Text, sections::kOASGlobal},
    {sections::kOASGlobal, "DNDOASGlobalSettings.UseKernelModule", Kind::Bool, "0"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.UseFanotify", Kind::Bool, "0"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.NetlinkRequestSocket", Kind::Int, "31"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.NetlinkResponseSocket", Kind::Int, "30"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.SyscallTableAddress", Kind::Text, ""},
    {sections::kOASGlobal, "DNDOASGlobalSettings.KallsymsLookUpNameAddress", Kind::Text, ""},
    {sections::kOASGlobal, "DNDOASGlobalSettings.IsOASEnabled", Kind::Bool, "1"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.IsOASSupported", Kind::Bool, "1"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.EnableMultipleProfiles", Kind::Bool, "0"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.ProfileName", Kind::Text, "standard"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.ScanManagerThreads", Kind::Int, "5"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.MaxScanTimeout", Kind::Int, "45"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.MaxRequestQueueSize", Kind::Int, "50"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.RequestSizeMonitorInterval", Kind::Int, "2"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.RequestQueueReducePercentage", Kind::Int, "50"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.ActionWhenRequestQueueOverflows", Kind::Text, "allow"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.MinValueOfScanTime", Kind::Int, "10"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.MaxValueOfScanTime", Kind::Int, "9999"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASPrefixKeyword", Kind::Text, ""},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASPrefixKeywordAutomatically", Kind::Bool, "1"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASExcludedFileSystems.<xmlattr>.delimiter", Kind::Text,
     ","},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASExcludedFileSystems.FileSystem", Kind::List, ""},
    {sections::kOASGlobal, "DNDOASGlobalSettings.EnableOASMgrWatchDog", Kind::Bool, "0"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASMgrWatchDogInterval", Kind::Int, "5"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.OASMgrTimeoutInterval", Kind::Int, "1"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.CacheMaxLimit", Kind::Int, "65536"},
    {sections::kOASGlobal, "DNDOASGlobalSettings.CachePurgeLimit", Kind::Int, "512"},
    // ODSGlobal
    {sections::kODSGlobal, "DNDODSGlobalSettings.<xmlattr>.type", Kind::Text, sections::kODSGlobal},
    {sections::kODSGlobal, "DNDODSGlobalSettings.MaxConcurrentODSLimit", Kind::Int, "10"},
    // ORQSelection
    {sections::kORQSelection, "DNDORQSelectionCriteria.<xmlattr>.type", Kind::Text, sections::kORQSelection},
    {sections::kORQSelection, "DNDORQSelectionCriteria.IsORQEnabled", Kind::Bool, "1"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQSensitivityLevel", Kind::Int, "3"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria2.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria3.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria4.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria8.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.HighLevelCriteria.<xmlattr>.delimiter", Kind::Text,
     ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ExecutingTypes.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ELFTypes.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria2.Folder", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria3.FileSystem", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria4.Folder", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.SelCriteria8.FileType", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.HighLevelCriteria.FileType", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ExecutingTypes.FileType", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ELFTypes.FileType", Kind::List, ""},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQThrottling.Threshold", Kind::Int, "200"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQThrottling.NumHitsToday", Kind::Int, "0"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQThrottling.NumConsumedQuota", Kind::Int, "0"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.LastORQParamsUpdate", Kind::Int, "0"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfRequestsInAQuery",
     Kind::Int, "5"},
    {sections::kORQSelection,
     "DNDORQSelectionCriteria.ORQQueryConfigurations.AverageSSLHandShakeTimeForLast24Hours", Kind::Int, "0"},
    {sections::kORQSelection,
     "DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRetriesForAQueryForLast24Hours", Kind::Int, "0"},
    {sections::kORQSelection, "DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRTTForLast24Hours",
     Kind::Int, "0"},
    {sections::kORQSelection,
     "DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfORQQueriesForLast24Hours", Kind::Int, "0"},
    // ProductInformation
    {sections::kProductInformation, "DNDProductInformation.<xmlattr>.type", Kind::Text,
     sections::kProductInformation},
    {sections::kProductInformation, "DNDProductInformation.ProductName", Kind::Text, "Velantra for Linux"},
    {sections::kProductInformation, "DNDProductInformation.ProductNameForEvent", Kind::Text, "VelantraLinux"},
    {sections::kProductInformation, "DNDProductInformation.VendorName", Kind::Text, "Korvel"},
    {sections::kProductInformation, "DNDProductInformation.HotFixes.HotFix", Kind::Text, ""},
    {sections::kProductInformation, "DNDProductInformation.Patch", Kind::Text, ""},
    {sections::kProductInformation, "DNDProductInformation.ProductVersion", Kind::Text, "1.0.0"},
    {sections::kProductInformation, "DNDProductInformation.ProductCopyright", Kind::Text,
     "Copyright (C) 2026 Korvel. All rights reserved."},
    {sections::kProductInformation, "DNDProductInformation.ProductInstallDir", Kind::Text,
     "/opt/Korvel/kov/tp"},
    {sections::kProductInformation, "DNDProductInformation.ProductBinDir", Kind::Text, "bin"},
    {sections::kProductInformation, "DNDProductInformation.ProductVarDir", Kind::Text, "/var/Korvel/kov/tp"},
    {sections::kProductInformation, "DNDProductInformation.ProductODSReportDir", Kind::Text, "odsreport"},
    {sections::kProductInformation, "DNDProductInformation.ProductCLIName", Kind::Text, "zlytpcli"},
    {sections::kProductInformation, "DNDProductInformation.DaysSinceInstallation", Kind::Int, "1"},
    {sections::kProductInformation, "DNDProductInformation.ORQHostAddr", Kind::Text, "orq.korvel.com"},
    // The built-in account: sealed under the product's built-in key (agent
    // adaptor mode 3), stored without the "ZARNAES128:" marker.
    {sections::kProductInformation, "DNDProductInformation.ORQUserID", Kind::Text,
     "a7d3829173636ad3feac30fadca3438e72b6e30de0b2842f2d65bda39412d03cc4ae9dad09bdb58574fc17e6cb37e98a"},
    {sections::kProductInformation, "DNDProductInformation.ORQKey", Kind::Text,
     "d8a16ed7eb9bf74db90850e3c8e635c0ae3225a927f7ddbf7a15719672984a0b9732b4aed83ac14d018ce8483f98090d0f3f"
     "537f3fc46bce70d745fee578e50b"},
    {sections::kProductInformation, "DNDProductInformation.ORQCACertFile", Kind::Text, "production.crt"},
    {sections::kProductInformation, "DNDProductInformation.ORQProductName", Kind::Text, "Velantra for Linux"},
    // Global
    {sections::kGlobal, "DNDGlobalSettings.<xmlattr>.type", Kind::Text, sections::kGlobal},
    {sections::kGlobal, "DNDGlobalSettings.IsORQFeedbackEnabled", Kind::Bool, "1"},
    {sections::kGlobal, "DNDGlobalSettings.QuarantineDirectory", Kind::Text, "/Quarantine/"},
    {sections::kGlobal, "DNDGlobalSettings.MountMonitorInterval", Kind::Int, "30"},
    {sections::kGlobal, "DNDGlobalSettings.UpdateTimeoutInterval", Kind::Int, "180"},
    {sections::kGlobal, "DNDGlobalSettings.MajorEngineVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.MinorEngineVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.IncrementalUpdateEngineVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.MajorDATVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.MinorDATVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.ExtraDATVersion", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.ExtraDATVirusCount", Kind::Int, "0"},
    {sections::kGlobal, "DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kGlobal, "DNDGlobalSettings.ExtraDATVirusList.VirusName", Kind::List, ""},
    // Empty until the first change through the controller stamps it.
    {sections::kGlobal, "DNDGlobalSettings.LastUpdatedTimeStamp", Kind::Int, ""},
    // Written by the content setters; no default.
    {sections::kGlobal, "DNDGlobalSettings.DATUpdateTime", Kind::Text, kNoDefault},
    {sections::kGlobal, "DNDGlobalSettings.DATReleaseYear", Kind::Int, kNoDefault},
    {sections::kGlobal, "DNDGlobalSettings.DATReleaseMonth", Kind::Int, kNoDefault},
    {sections::kGlobal, "DNDGlobalSettings.DATReleaseDay", Kind::Int, kNoDefault},
    {sections::kGlobal, "DNDGlobalSettings.EnableDefaultClientUpdateTask", Kind::Bool, "1"},
    {sections::kGlobal, "DNDGlobalSettings.MarkerDefaultClientUpdateTask", Kind::Bool, "1"},
    {sections::kGlobal, "DNDGlobalSettings.ClientUpdateTaskScheduledTime", Kind::Text, "12:00"},
    {sections::kGlobal, "DNDGlobalSettings.IsAPEnabled", Kind::Bool, "1"},
    {sections::kGlobal, "DNDGlobalSettings.IsPostDeploymentStartUp", Kind::Bool, "1"},
    {sections::kGlobal, "DNDGlobalSettings.IsAutoContentUpdateEnabled", Kind::Bool, "1"},
    // ClientLogging
    {sections::kClientLogging, "DNDClientLogging.<xmlattr>.type", Kind::Text, sections::kClientLogging},
    {sections::kClientLogging, "DNDClientLogging.LogPath", Kind::Text, "/var/Korvel/kov/log/tp"},
    {sections::kClientLogging, "DNDClientLogging.EnableActivityLogging", Kind::Bool, "1"},
    {sections::kClientLogging, "DNDClientLogging.EnableDebugLoggingForOAS", Kind::Bool, "0"},
    {sections::kClientLogging, "DNDClientLogging.EnableDebugLoggingForODS", Kind::Bool, "0"},
    {sections::kClientLogging, "DNDClientLogging.EnableEventLogging", Kind::Bool, "1"},
    {sections::kClientLogging, "DNDClientLogging.EnableSendingEventsToZarn", Kind::Bool, "1"},
    {sections::kClientLogging, "DNDClientLogging.LimitActivityLogSize", Kind::Bool, "1"},
    {sections::kClientLogging, "DNDClientLogging.ActivityLogSize", Kind::Int, "10"},
    {sections::kClientLogging, "DNDClientLogging.LimitDebugLogSize", Kind::Bool, "1"},
    {sections::kClientLogging, "DNDClientLogging.DebugLogSize", Kind::Int, "10"},
    {sections::kClientLogging, "DNDClientLogging.ZarnLogLevelForOAS", Kind::Int, "3"},
    {sections::kClientLogging, "DNDClientLogging.LogLevelForOAS", Kind::Int, "2"},
    {sections::kClientLogging, "DNDClientLogging.ZarnLogLevelForODS", Kind::Int, "3"},
    {sections::kClientLogging, "DNDClientLogging.LogLevelForODS", Kind::Int, "2"},
    {sections::kClientLogging, "DNDClientLogging.EnableOASActivityLogging", Kind::Bool, "0"},
    {sections::kClientLogging, "DNDClientLogging.EnableDebugLoggingForMsgBus", Kind::Bool, "0"},
    // Proxy
    {sections::kProxy, "DNDProxySettings.<xmlattr>.type", Kind::Text, sections::kProxy},
    {sections::kProxy, "DNDProxySettings.ProxyIsEnabled", Kind::Bool, "0"},
    {sections::kProxy, "DNDProxySettings.ProxyCustomIsEnabled", Kind::Bool, "0"},
    {sections::kProxy, "DNDProxySettings.ProxyCustomServer", Kind::Text, ""},
    {sections::kProxy, "DNDProxySettings.ProxyCustomPort", Kind::Text, ""},
    {sections::kProxy, "DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kProxy, "DNDProxySettings.ProxyExclusions.ProxyExclusion", Kind::List, ""},
    {sections::kProxy, "DNDProxySettings.ProxyHttpAuthIsEnabled", Kind::Bool, "0"},
    {sections::kProxy, "DNDProxySettings.ProxyHttpAuthUserName", Kind::Text, ""},
    {sections::kProxy, "DNDProxySettings.ProxyHttpAuthPassword", Kind::Text, ""},
    // APExclusions
    {sections::kAPExclusions, "DNDAPGlobalExclusions.<xmlattr>.type", Kind::Text, sections::kAPExclusions},
    {sections::kAPExclusions, "DNDAPGlobalExclusions.APExclusions.<xmlattr>.delimiter", Kind::Text, ","},
    {sections::kAPExclusions, "DNDAPGlobalExclusions.APExclusions.APExclusion", Kind::List, ""},
    // ProductDefaults
    {sections::kProductDefaults, "DNDProductDefaultSettings.PrefixKeyword", Kind::Node, kNoDefault},
    {sections::kProductDefaults, "DNDProductDefaultSettings.<xmlattr>.type", Kind::Text,
     sections::kProductDefaults},
    {sections::kProductDefaults, "DNDProductDefaultSettings.ZURSocketPath", Kind::Text,
     "/var/Korvel/kov/zur/zursocket"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForFM", Kind::Text, "zlytpd"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForScanFactory", Kind::Text,
     "zlyscanfactory"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForScanActionMgr", Kind::Text,
     "zlyscanactionmgr"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForOASMgr", Kind::Text, "zlyoasmgr"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForODSMgr", Kind::Text, "zlyodsmanager"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.LogFileForODSCollector", Kind::Text,
     "zlyodscollector"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.ProductMaxLogFileSize", Kind::Int, "10"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.ProductMaxRotatedLogFileCount", Kind::Int, "5"},
    {sections::kProductDefaults, "DNDProductDefaultSettings.PrefixKeyword.<xmlattr>.delimiter", Kind::Text,
     ","},
    {sections::kProductDefaults, "DNDProductDefaultSettings.PrefixKeyword.KeyName", Kind::List, ""},
    {sections::kProductDefaults, "DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value",
     Kind::Text, ""},
    {sections::kProductDefaults, "DNDProductDefaultSettings.DefaultFileTypeToScan.<xmlattr>.delimiter",
     Kind::Text, ","},
    {sections::kProductDefaults, "DNDProductDefaultSettings.DefaultFileTypeToScan.FileType", Kind::List, ""},
    // ProfileCommon
    {kEachProfile, "DNDOASProfile.<xmlattr>.type", Kind::Text, kNoDefault},
    {kEachProfile, "DNDOASProfile.ProfileName", Kind::Text, kNoDefault},
    {kEachProfile, "DNDOASProfile.ProfileKeyword", Kind::Text, kNoDefault},
    {kEachProfile, "DNDOASProfile.ScanArchiveEnabled", Kind::Bool, "0"},
    {kEachProfile, "DNDOASProfile.ScanMailEnabled", Kind::Bool, "0"},
    {kEachProfile, "DNDOASProfile.DetectJokesEnabled", Kind::Bool, "1"},
    {kEachProfile, "DNDOASProfile.DetectUnwantedProgramsEnabled", Kind::Bool, "1"},
    {kEachProfile, "DNDOASProfile.DetectUnknownProgramsEnabled", Kind::Bool, "1"},
    {kEachProfile, "DNDOASProfile.DetectUnknownMacrosEnabled", Kind::Bool, "1"},
    {kEachProfile, "DNDOASProfile.InfectionPrimaryAction", Kind::Int, "1"},
    {kEachProfile, "DNDOASProfile.InfectionSecondaryAction", Kind::Int, "2"},
    {kEachProfile, "DNDOASProfile.PUPPrimaryAction", Kind::Int, "1"},
    {kEachProfile, "DNDOASProfile.PUPSecondaryAction", Kind::Int, "2"},
    {kEachProfile, "DNDOASProfile.ScanTimeoutAction", Kind::Int, "0"},
    {kEachProfile, "DNDOASProfile.ScanErrorAction", Kind::Int, "4"},
    {kEachProfile, "DNDOASProfile.ScanOnNetwork", Kind::Bool, "0"},
    {kEachProfile, "DNDOASProfile.ScanMode", Kind::Int, "4"},
    {kEachProfile, "DNDOASProfile.FileTypeToScan", Kind::Int, "0"},
    {kEachProfile, "DNDOASProfile.ScanMacros", Kind::Bool, "0"},
    {kEachProfile, "DNDOASProfile.FileTypeForDefaultAndSpecified.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.FileTypeForOnlySpecified.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.FileTypeForDefaultAndSpecified.FileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.FileTypeForOnlySpecified.FileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ProcessList.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ProcessList.<xmlattr>.matchallprocess", Kind::Text, "0"},
    {kEachProfile, "DNDOASProfile.ProcessList.Process", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ScanExtension", Kind::Bool, "0"},
    {kEachProfile, "DNDOASProfile.ReadExclusionPaths.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadExclusionPaths.CLIPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExclusionPaths.ZarnPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExclusionFiles.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadExclusionFiles.CLIFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExclusionFiles.ZarnFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExclusionTypes.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadExclusionTypes.CLIFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExclusionTypes.ZarnFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExcludeFoldersAndSubFolders.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadExcludeFoldersAndSubFolders.CLIFolder", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadExcludeFoldersAndSubFolders.ZarnFolder", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionPaths.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.WriteExclusionPaths.CLIPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionPaths.ZarnPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionFiles.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.WriteExclusionFiles.CLIFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionFiles.ZarnFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionTypes.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.WriteExclusionTypes.CLIFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExclusionTypes.ZarnFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExcludeFoldersAndSubFolders.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.WriteExcludeFoldersAndSubFolders.CLIFolder", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.WriteExcludeFoldersAndSubFolders.ZarnFolder", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionPaths.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionPaths.CLIPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionPaths.ZarnPath", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionFiles.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionFiles.CLIFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionFiles.ZarnFile", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionTypes.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionTypes.CLIFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExclusionTypes.ZarnFileType", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.<xmlattr>.delimiter", Kind::Text, ","},
    {kEachProfile, "DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.CLIFolder", Kind::List, ""},
    {kEachProfile, "DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.ZarnFolder", Kind::List, ""},
};

// The built-in tasks: their keys with the quick-scan and the full-scan
// default, and the default update task's keys.
struct TaskRow {
    const char* key;
    const char* quick;
    const char* full;
};
inline constexpr TaskRow kODSTask[] = {
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

struct TaskKey {
    const char* key;
    const char* value;
};
inline constexpr TaskKey kUpdateTask[] = {
    {"UpdateProfile.TaskName", "Default Client Update task"},
    {"UpdateProfile.TaskOrigin", "0"},
    {"UpdateProfile.TaskUpdateType", "4"},
    {"UpdateProfile.TaskLastRun", "0"},
    {"UpdateProfile.TaskSchedule", ""},
};

constexpr bool isPerProfile(const Row& row) { return row.sectionType[0] == '\0'; }

// The row of `key`; only a key of a fixed section or of every profile is found.
constexpr std::size_t indexOf(std::string_view key) {
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (key == kRows[i].key) return i;
    throw std::logic_error("the key is not in the preference schema");
}

template <class T>
constexpr Kind kindOf() {
    if constexpr (std::is_same_v<T, bool>) {
        return Kind::Bool;
    } else if constexpr (std::is_same_v<T, int>) {
        return Kind::Int;
    } else if constexpr (std::is_same_v<T, std::string>) {
        return Kind::Text;
    } else {
        static_assert(std::is_same_v<T, std::vector<std::string>>, "values are bool, int, text or lists");
        return Kind::List;
    }
}

// Whether a row of `kind` can be read as a T: its own type, or a number or a
// flag read as its stored text (the form some getters answer in).
template <class T>
constexpr bool readsAs(Kind kind) {
    return kind == kindOf<T>() ||
           (std::is_same_v<T, std::string> && (kind == Kind::Int || kind == Kind::Bool));
}

// One row of the table as a type, so that rows built from it are checked at compile time.
template <std::size_t I>
struct Entry {
    static constexpr const Row& row = kRows[I];
    static constexpr bool perProfile = isPerProfile(kRows[I]);
};

// The schema default as a value of the getter's type (a value-initialised
// one for a row without default).
template <class T>
T defaultOf(const Row& row) {
    if (row.value == kNoDefault) return T{};
    if constexpr (std::is_same_v<T, bool>) {
        return std::string_view(row.value) == "1";
    } else if constexpr (std::is_same_v<T, int>) {
        return std::stoi(row.value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        return row.value;
    } else {
        return std::string_view(row.value).empty() ? T{} : T{row.value};
    }
}

}  // namespace schema
}  // namespace KOVL

// The schema row of a preference key, found at compile time.
#define KOVL_PREF(key) \
    ::KOVL::schema::Entry<::KOVL::schema::indexOf(key)> {}

// The key itself, checked against the schema at compile time: for code that
// composes a key's section type at run time or hands keys around as data.
#define KOVL_KEY(name) (::KOVL::schema::Entry<::KOVL::schema::indexOf(name)>::row.key)
