// kovconfig: the command-line vocabulary as one table.
//
// Every constant of AMCliStringConstants is one row X(name, value) of
// KOVL_CLI_CONSTANTS. The list is the one source of the vocabulary: the class
// in AMCliStringConstants.h expands it to declare the constants, and
// cli/AMCliStringConstants.cpp expands it to define them (in row order, which
// is also their initialisation order) and to build the name table returned by
// AMCliStringConstants::all().
//
// A value is a string literal, or an expression over constants of earlier rows:
// help texts that enumerate parameter words are composed from literal fragments
// and the current value of each word, one entry per line, indented by "\n     ".
// Inside the class scope of the definitions the earlier constants are visible
// unqualified. A row may only name constants of rows above it.
#pragma once

#include <string>

// clang-format off
#define KOVL_CLI_CONSTANTS(X)                                                                              \
    /* ---- Command words, typed after "--" (59) ---- */                                                   \
    X(CLI_HELP_CMD, "help")                                                                                \
    X(CLI_VERSION_CMD, "version")                                                                          \
    X(CLI_SETOASGLOBALCONFIG_CMD, "setoasglobalconfig")                                                    \
    X(CLI_SETOASTODEFAULT_CMD, "setoastodefault")                                                          \
    X(CLI_ORQTELEMETRY_CMD, "orqtelemetry")                                                                \
    X(CLI_PROXYSERVERCONFIG_CMD, "proxyserverconfig")                                                      \
    X(CLI_SCHEDULETASK_CMD, "scheduletask")                                                                \
    X(CLI_SCHEDULETASK_SUB_DAILY_CMD, "daily")                                                             \
    X(CLI_SCHEDULETASK_SUB_MONTHLY_CMD, "monthly")                                                         \
    X(CLI_SCHEDULETASK_SUB_WEEKLY_CMD, "weekly")                                                           \
    X(CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD, "unspecified")                                                 \
    X(CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD, "dayofweek")                                                     \
    X(CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD, "dayofmonth")                                                   \
    X(CLI_SCHEDULETASK_SUB_STARTTIME_CMD, "starttime")                                                     \
    X(CLI_ADDPROCESS_CMD, "addprocess")                                                                    \
    X(CLI_SETPROCESS_CMD, "setprocess")                                                                    \
    X(CLI_DELPROCESS_CMD, "delprocess")                                                                    \
    X(CLI_SETQUARANTINEFOLDER_CMD, "setquarantinefolder")                                                  \
    X(CLI_LISTQUARANTINEITEMS_CMD, "listquarantineitems")                                                  \
    X(CLI_VERBOSE_CMD, "verbose")                                                                          \
    X(CLI_FLUSHSCANCACHE_CMD, "flushscancache")                                                            \
    X(CLI_SHOWSCANCACHESTATUS_CMD, "showscancachestatus")                                                  \
    X(CLI_SHOWLOGSETTINGS_CMD, "showlogsettings")                                                          \
    X(CLI_RESTOREQUARANTINEITEMS_CMD, "restorequarantineitems")                                            \
    X(CLI_SETPRODUCTLOGFILE_CMD, "setproductlogfile")                                                      \
    X(CLI_PRODUCTLOG_CMD, "productlog")                                                                    \
    X(CLI_DEBUGLOG_CMD, "debuglog")                                                                        \
    X(CLI_USESYSLOG_CMD, "usesyslog")                                                                      \
    X(CLI_ORQ_CMD, "orq")                                                                                  \
    X(CLI_OAS_ACTIVITYLOG_CMD, "oasactivitylog")                                                           \
    X(CLI_USEFANOTIFY_CMD, "usefanotify")                                                                  \
    X(CLI_USEKERNELMODULE_CMD, "usekernelmodule")                                                          \
    X(CLI_SETMAXPRODUCTLOGSIZE_CMD, "setmaxproductlogsize")                                                \
    X(CLI_SETOASPROFILECONFIG_CMD, "setoasprofileconfig")                                                  \
    X(CLI_GETOASPROFILECONFIG_CMD, "getoasprofileconfig")                                                  \
    X(CLI_ADDUPDATETASK_CMD, "addupdatetask")                                                              \
    X(CLI_ADDODSTASK_CMD, "addodstask")                                                                    \
    X(CLI_RUNTASK_CMD, "runtask")                                                                          \
    X(CLI_DELETETASK_CMD, "deltask")                                                                       \
    X(CLI_STOPTASK_CMD, "stoptask")                                                                        \
    X(CLI_SHOWTASK_CMD, "showtask")                                                                        \
    X(CLI_LISTTASKS_CMD, "listtasks")                                                                      \
    X(CLI_GETOASCONFIG_CMD, "getoasconfig")                                                                \
    X(CLI_CREATEAPRULE_CMD, "createaprule")                                                                \
    X(CLI_EDITAPRULE_CMD, "editaprule")                                                                    \
    X(CLI_ADDREPOSITORY_CMD, "addrepository")                                                              \
    X(CLI_DISABLEREPOSITORY_CMD, "disablerepository")                                                      \
    X(CLI_ENABLEREPOSITORY_CMD, "enablerepository")                                                        \
    X(CLI_SHOWREPOSITORY_CMD, "showrepositories")                                                          \
    X(CLI_SHOWPROXYSERVERCONFIG_CMD, "showproxyserverconfig")                                              \
    X(CLI_SETREPOSITORYPRIORITY_CMD, "setrepositorypriority")                                              \
    X(CLI_ADDPROXY_CMD, "addproxy")                                                                        \
    X(CLI_REMOVEPROXY_CMD, "removeproxy")                                                                  \
    X(CLI_GET_ALL_AP_RULES_CMD, "getallaprules")                                                           \
    X(CLI_GET_AP_RULE_CONFIG_CMD, "getapruleconfig")                                                       \
    X(CLI_DELETE_AP_RULE_CMD, "deleteaprule")                                                              \
    X(CLI_GET_AP_EXCLUSION_CMD, "getapexclusions")                                                         \
    X(CLI_SET_AP_EXCLUSION_CMD, "setapexclusions")                                                         \
    X(CLI_DELETE_AP_EXCLUSION_CMD, "deleteapexclusions")                                                   \
    /* ---- Sub-option and parameter words (160) ---- */                                                   \
    X(PARAM_ENABLE, "enable")                                                                              \
    X(PARAM_DISABLE, "disable")                                                                            \
    X(CLI_SETOASGLOBALCONFIG_SUB_OAS, "oas")                                                               \
    X(CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME, "maxscantime")                                               \
    X(CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS, "procsettings")                                             \
    X(CLI_SUB_ORQ, "orq")                                                                                  \
    X(CLI_SUB_ORQ_STATE, "state")                                                                          \
    X(CLI_SUB_ORQ_SENSITIVITY, "sensitivity")                                                              \
    X(CLI_ORQ_SENSITIVITY_LEVEL_VERY_LOW, "verylow")                                                       \
    X(CLI_ORQ_SENSITIVITY_LEVEL_LOW, "low")                                                                \
    X(CLI_ORQ_SENSITIVITY_LEVEL_MEDIUM, "medium")                                                          \
    X(CLI_ORQ_SENSITIVITY_LEVEL_HIGH, "high")                                                              \
    X(CLI_ORQ_SENSITIVITY_LEVEL_VERY_HIGH, "veryhigh")                                                     \
    X(CLI_ORQTELEMETRY_SUB_SETSTATUS, "setstatus")                                                         \
    X(CLI_ORQTELEMETRY_SUB_GETSTATUS, "getstatus")                                                         \
    X(PARAM_ALL, "all")                                                                                    \
    X(PARAM_DEFAULT_AND_SPECIFIED, "defaultandspecified")                                                  \
    X(PARAM_ONLY_SPECIFIED, "onlyspecified")                                                               \
    X(PARAM_ALLOW, "allow")                                                                                \
    X(PARAM_DENY, "deny")                                                                                  \
    X(PARAM_CONTINUE, "continue")                                                                          \
    X(PARAM_NO_SECONDARY_ACTION_AVAILABLE, "No secondary options available")                               \
    X(PARAM_CLEAN, "clean")                                                                                \
    X(PARAM_DELETE, "delete")                                                                              \
    X(PARAM_HIGHRISK, "highrisk")                                                                          \
    X(PARAM_LOWRISK, "lowrisk")                                                                            \
    X(PARAM_STANDARD, "standard")                                                                          \
    X(PARAM_NOPROXY, "noproxy")                                                                            \
    X(PARAM_SYSTEMPROXY, "systemproxy")                                                                    \
    X(PARAM_CUSTOMPROXY, "customproxy")                                                                    \
    X(CLI_OAS_PARAM_ON, "on")                                                                              \
    X(CLI_OAS_PARAM_OFF, "off")                                                                            \
    X(CLI_PROCSETTINGS_PARAM_STANDARD, "standard")                                                         \
    X(CLI_PROCSETTINGS_PARAM_RISKBASED, "riskbased")                                                       \
    X(CLI_PROXYSERVERCONFIG_SUB_TYPE, "type")                                                              \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH, "httpauth")                                                      \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME, "username")                                             \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD, "password")                                             \
    X(CLI_PROXYSERVERCONFIG_SUB_URL, "url")                                                                \
    X(CLI_PROXYSERVERCONFIG_SUB_PORT, "port")                                                              \
    X(PARAM_FILE, "file")                                                                                  \
    X(PARAM_PROCESS, "process")                                                                            \
    X(PARAM_CREATE, "create")                                                                              \
    X(PARAM_EXECUTE, "execute")                                                                            \
    X(PARAM_READ, "read")                                                                                  \
    X(PARAM_RENAME, "rename")                                                                              \
    X(PARAM_WRITE, "write")                                                                                \
    X(PARAM_CHANGE_OWNER, "changeowner")                                                                   \
    X(PARAM_CHANGE_PERMISSIONS, "changepermissions")                                                       \
    X(PARAM_HARDLINK, "hardlink")                                                                          \
    X(PARAM_SYMLINK, "symlink")                                                                            \
    X(PARAM_ANYACCESS, "anyaccess")                                                                        \
    X(PARAM_CREATETHREAD, "createthread")                                                                  \
    X(PARAM_CHANGE, "change")                                                                              \
    X(PARAM_TERMINATE, "terminate")                                                                        \
    X(PARAM_RUN, "run")                                                                                    \
    X(PARAM_REMOVABLE, "removable")                                                                        \
    X(PARAM_NETWORK, "network")                                                                            \
    X(PARAM_FIXED, "fixed")                                                                                \
    X(CLI_SUB_HIGHRISK, "highrisk")                                                                        \
    X(CLI_SUB_LOWRISK, "lowrisk")                                                                          \
    X(CLI_SUB_FORCE, "force")                                                                              \
    X(CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONNAME, "detectionname")                                       \
    X(CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONALIAS, "detectionalias")                                     \
    X(CLI_ADDUPDATETASK_SUB_UPDATETYPE, "updatetype")                                                      \
    X(CLI_SETOASPROFILECONFIG_SUB_SETMODE, "setmode")                                                      \
    X(CLI_SETMODE_PARAM_SOR, "sor")                                                                        \
    X(CLI_SETMODE_PARAM_SOW, "sow")                                                                        \
    X(CLI_SETMODE_PARAM_KORVEL, "korvel")                                                                  \
    X(CLI_SETMODE_PARAM_NOSCAN, "noscan")                                                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD, "addexclusionread")                                    \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE, "addexclusionwrite")                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW, "addexclusionrw")                                        \
    X(CLI_SUB_FILETYPESTOSCAN, "filetypestoscan")                                                          \
    X(CLI_SUB_SCANMACROS, "scanmacros")                                                                    \
    X(CLI_SUB_ADDFILETYPE, "addfiletype")                                                                  \
    X(CLI_SUB_DELFILETYPE, "delfiletype")                                                                  \
    X(CLI_SUB_NOEXTENSION, "noextension")                                                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_ONSCANERROR, "onscanerror")                                              \
    X(CLI_SETOASPROFILECONFIG_SUB_ONSCANTIMEOUT, "onscantimeout")                                          \
    X(CLI_SETOASPROFILECONFIG_SUB_NETWORKSCAN, "networkscan")                                              \
    X(CLI_ADDODSTASK_SUB_SCANNETWORKDRIVES, "scannetworkdrives")                                           \
    X(CLI_SUB_SCANARCHIVE, "scanarchive")                                                                  \
    X(CLI_SUB_SCANMIME, "scanmime")                                                                        \
    X(CLI_SUB_SCANPUPS, "scanpups")                                                                        \
    X(CLI_SUB_SCANUNKNOWNPROGRAMS, "scanunknownprograms")                                                  \
    X(CLI_SUB_SCANUNKNOWNMACROS, "scanunknownmacros")                                                      \
    X(CLI_SUB_SCANSUBFOLDERS, "scansubfolders")                                                            \
    X(CLI_SUB_SCANLOCALDRIVES, "scanlocaldrives")                                                          \
    X(CLI_SUB_SCANTMPFOLDERS, "scantmpfolders")                                                            \
    X(CLI_SUB_USESCANCACHE, "usescancache")                                                                \
    X(CLI_SUB_PRIMARYACTION, "primaryaction")                                                              \
    X(CLI_SUB_SECONDARYACTION, "secondaryaction")                                                          \
    X(CLI_SUB_PRIMARYACTIONPUP, "primaryactionpup")                                                        \
    X(CLI_SUB_SECONDARYACTIONPUP, "secondaryactionpup")                                                    \
    X(CLI_SUB_ODSTHREADS, "odsthreads")                                                                    \
    X(CLI_SUB_MAXSCANTIME, "maxscantime")                                                                  \
    X(CLI_SUB_MAXCPULIMIT, "setmaxcpulimit")                                                               \
    X(CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION, "delexclusion")                                            \
    X(CLI_GETOASCONFIG_SUB_SUMMARY, "summary")                                                             \
    X(CLI_GETOASCONFIG_SUB_PROCESSLIST, "processlist")                                                     \
    X(CLI_GETOASCONFIG_SUB_EXCLUSIONLIST, "exclusionlist")                                                 \
    X(CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN, "listfiletypestoscan")                                     \
    X(CLI_LISTFILETYPESTOSCAN_PARAM_DEFAULT_AND_SPECIFIED, "defaultandspecified")                          \
    X(CLI_LISTFILETYPESTOSCAN_PARAM_ONLY_SPECIFIED, "onlyspecified")                                       \
    X(CLI_PROFILE_PARAM_STANDARD, "standard")                                                              \
    X(CLI_PROFILE_PARAM_LOWRISK, "lowrisk")                                                                \
    X(CLI_PROFILE_PARAM_HIGHRISK, "highrisk")                                                              \
    X(CLI_SUB_PROFILE, "profile")                                                                          \
    X(CLI_SUB_TASK_NAME, "name")                                                                           \
    X(CLI_SUB_TASK_UID, "uuid")                                                                            \
    X(CLI_SUB_TASK_INDEX, "index")                                                                         \
    X(CLI_ADDODSTASK_SUB_SCANPATHS, "scanpaths")                                                           \
    X(CLI_SUB_EXCLUDE_PATHS, "excludepaths")                                                               \
    X(CLI_SUB_EXCLUDE_FILE_TYPE, "excludefiletype")                                                        \
    X(CLI_SUB_EXCLUDE_SUBFOLDER, "excludesubfolder")                                                       \
    X(CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER, "excludepathwithsubfolder")                                     \
    X(CLI_CREATEAPRULE_RULENAME, "rulename")                                                               \
    X(CLI_CREATEAPRULE_BLOCK, "block")                                                                     \
    X(CLI_CREATEAPRULE_REPORT, "report")                                                                   \
    X(CLI_CREATEAPRULE_INCLUDEPROCESS, "includeprocess")                                                   \
    X(CLI_CREATEAPRULE_EXCLUDEPROCESS, "excludeprocess")                                                   \
    X(CLI_CREATEAPRULE_INCLUDEUSERS, "includeusers")                                                       \
    X(CLI_CREATEAPRULE_EXCLUDEUSERS, "excludeusers")                                                       \
    X(CLI_CREATEAPRULE_ADDSUBRULE, "addsubrule")                                                           \
    X(CLI_CREATEAPRULE_SUBRULENAME, "subrulename")                                                         \
    X(CLI_CREATEAPRULE_SUBRULETYPE, "subruletype")                                                         \
    X(CLI_CREATEAPRULE_OPERATIONS, "operations")                                                           \
    X(CLI_CREATEAPRULE_INCLUDETARGETFILE, "includetargetfile")                                             \
    X(CLI_CREATEAPRULE_INCLUDETARGETDSTFILE, "includetargetdstfile")                                       \
    X(CLI_CREATEAPRULE_INCLUDETARGETDRIVETYPE, "includetargetdrivetype")                                   \
    X(CLI_CREATEAPRULE_INCLUDETARGETPROCESS, "includetargetprocess")                                       \
    X(CLI_CREATEAPRULE_EXCLUDETARGETFILE, "excludetargetfile")                                             \
    X(CLI_CREATEAPRULE_EXCLUDETARGETDSTFILE, "excludetargetdstfile")                                       \
    X(CLI_CREATEAPRULE_EXCLUDETARGETDRIVETYPE, "excludetargetdrivetype")                                   \
    X(CLI_CREATEAPRULE_EXCLUDETARGETPROCESS, "excludetargetprocess")                                       \
    X(CLI_EDITAPRULE_REPORT, "report")                                                                     \
    X(CLI_EDITAPRULE_BLOCK, "block")                                                                       \
    X(CLI_EDITAPRULE_ADDSUBRULE, "addsubrule")                                                             \
    X(CLI_EDITAPRULE_SUBRULENAME, "subrulename")                                                           \
    X(CLI_EDITAPRULE_SUBRULETYPE, "subruletype")                                                           \
    X(CLI_EDITAPRULE_OPERATIONS, "operations")                                                             \
    X(CLI_EDITAPRULE_INCLUDETARGETFILE, "includetargetfile")                                               \
    X(CLI_EDITAPRULE_INCLUDETARGETDSTFILE, "includetargetdstfile")                                         \
    X(CLI_EDITAPRULE_INCLUDETARGETDRIVETYPE, "includetargetdrivetype")                                     \
    X(CLI_EDITAPRULE_INCLUDETARGETPROCESS, "includetargetprocess")                                         \
    X(CLI_EDITAPRULE_EXCLUDETARGETFILE, "excludetargetfile")                                               \
    X(CLI_EDITAPRULE_EXCLUDETARGETDSTFILE, "excludetargetdstfile")                                         \
    X(CLI_EDITAPRULE_EXCLUDETARGETDRIVETYPE, "excludetargetdrivetype")                                     \
    X(CLI_EDITAPRULE_EXCLUDETARGETPROCESS, "excludetargetprocess")                                         \
    X(CLI_GET_AP_STATUS, "getapstatus")                                                                    \
    X(CLI_SET_AP_STATUS, "setapstatus")                                                                    \
    X(CLI_REPOSITORY_NAME, "name")                                                                         \
    X(CLI_REPOSITORY_TYPE, "type")                                                                         \
    X(CLI_REPOSITORY_TYPE_DESC_FOR_PROXY, "Type of the repository. Allowed values are http or ftp.")       \
    X(CLI_REPOSITORY_URL, "url")                                                                           \
    X(CLI_REPOSITORY_PORT, "port")                                                                         \
    X(CLI_REPOSITORY_USERNAME, "username")                                                                 \
    X(CLI_REPOSITORY_PASSWORD, "password")                                                                 \
    X(CLI_REPOSITORY_PRIORITY, "priority")                                                                 \
    /* ---- Words and labels printed by the tool (94) ---- */                                              \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_VERY_LOW, "Very Low")                                               \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_LOW, "Low")                                                         \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_MEDIUM, "Medium")                                                   \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_HIGH, "High")                                                       \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_VERY_HIGH, "Very High")                                             \
    X(CLI_OUTPUT_ORQ_SENSITIVITY_LEVEL_UNKNOWN, "Not Applicable")                                          \
    X(RULES_NOT_PRESENT, "No Rules are present")                                                           \
    X(PERMISSION_DENIED, "Operation not permitted")                                                        \
    X(VALUE_FOR_COMMA_DELIMITER, ",")                                                                      \
    X(VALUE_FOR_COLON_DELIMITER, ":")                                                                      \
    X(VALUE_FOR_USER_CONFIRMATION, "Y")                                                                    \
    X(RISKBASED, "Risk based")                                                                             \
    X(STANDARD, "Standard")                                                                                \
    X(HIGHRISK, "High Risk")                                                                               \
    X(LOWRISK, "Low Risk")                                                                                 \
    X(DISABLED, "Disabled")                                                                                \
    X(ENABLED, "Enabled")                                                                                  \
    X(COMPLIANT, "Compliant")                                                                              \
    X(NONCOMPLIANT, "Non-compliant")                                                                       \
    X(ALLOW, "Allow")                                                                                      \
    X(CLEAN, "Clean")                                                                                      \
    X(DELETE, "Delete")                                                                                    \
    X(CONTINUE, "Continue")                                                                                \
    X(DENY, "Deny")                                                                                        \
    X(IGNORED, "No Secondary options available for this action")                                           \
    X(NO_SCAN, "No Scan")                                                                                  \
    X(SCAN_ON_READ, "Scan on Read")                                                                        \
    X(SCAN_ON_WRITE, "Scan on Write")                                                                      \
    X(SCAN_ON_READ_AND_WRITE, "Scan on Read and Write")                                                    \
    X(KORVEL, "Let Korvel decide")                                                                         \
    X(ALL, "All")                                                                                          \
    X(DEFAULT, "Default and Specified")                                                                    \
    X(SPECIFIED, "Only Specified")                                                                         \
    X(READ, "read")                                                                                        \
    X(WRITE, "write")                                                                                      \
    X(READANDWRITE, "readandwrite")                                                                        \
    X(NOT_APPLICABLE, "Not Applicable")                                                                    \
    X(NOT_DEFINED, "Not Defined")                                                                          \
    X(FILETYPESTOSCAN, "File Type To Scan")                                                                \
    X(SCANMODE, "Scan Mode")                                                                               \
    X(PRIMARY_ACTION, "Threat detection first response")                                                   \
    X(SECONDARY_ACTION, "If first response fails")                                                         \
    X(PRIMARY_ACTION_PUP, "Unwanted program first response")                                               \
    X(SECONDARY_ACTION_PUP, "If first response fails")                                                     \
    X(SCAN_ERROR, "On Scan Error")                                                                         \
    X(SCAN_TIMEOUT, "On Timeout")                                                                          \
    X(DETECT_JOKES, "Detect Jokes")                                                                        \
    X(DETECT_UNKNOWNMACROS, "Detect unknown macros")                                                       \
    X(DETECT_UNWANTED_PROGRAMS, "Detect unwanted programs threats")                                        \
    X(DETECT_UNKNOWN_PROGRAMS, "Detect unknown programs threats")                                          \
    X(SCAN_ARCHIVES, "Scan Archive")                                                                       \
    X(SCAN_NO_EXTENSIONS, "Scan files with no extension")                                                  \
    X(SCAN_MACROS, "Scan Macros")                                                                          \
    X(SCAN_MIME, "Scan MIME")                                                                              \
    X(SCAN_NETWORK, "Scan Network")                                                                        \
    X(PROCESS_LIST, "Process List")                                                                        \
    X(FOLDER_EXCLUSION_ON_READ, "Exclude Folders And SubFolders On Read")                                  \
    X(PATH_EXCLUSION_ON_READ, "Path Exclusions On Read")                                                   \
    X(FILE_EXCLUSION_ON_READ, "File Exclusions On Read")                                                   \
    X(TYPE_EXCLUSION_ON_READ, "Type Exclusions On Read")                                                   \
    X(FOLDER_EXCLUSION_ON_READ_WRITE, "Exclude Folders And SubFolders On Read And Write")                  \
    X(PATH_EXCLUSION_ON_READ_WRITE, "Path Exclusions On Read And Write")                                   \
    X(FILE_EXCLUSION_ON_READ_WRITE, "File Exclusions On Read And Write")                                   \
    X(TYPE_EXCLUSION_ON_READ_WRITE, "Type Exclusions On Read And Write")                                   \
    X(FILE_TYPE_EXTENSION_TO_BE_SCANNED, "File Type Extension To Be Scanned")                              \
    X(FOLDER_EXCLUSION_ON_WRITE, "Exclude Folders And SubFolders On Write")                                \
    X(PATH_EXCLUSION_ON_WRITE, "Path Exclusions On Write")                                                 \
    X(FILE_EXCLUSION_ON_WRITE, "File Exclusions On Write")                                                 \
    X(TYPE_EXCLUSION_ON_WRITE, "Type Exclusions On Write")                                                 \
    X(FILE_TYPES_TO_BE_SCANNED, "File Types To Be Scanned")                                                \
    X(WHEN_TO_SCAN, "When to scan")                                                                        \
    X(WHAT_TO_SCAN, "What to scan")                                                                        \
    X(WEEKLY, "Weekly")                                                                                    \
    X(MONTHLY, "Monthly")                                                                                  \
    X(DAT, "dat")                                                                                          \
    X(ENGINE, "engine")                                                                                    \
    X(ON_ACCESS_SCAN, "On-Access Scan: ")                                                                  \
    X(PROFILE_SETTING, "Profile Setting: ")                                                                \
    X(MAXIMUM_SCAN_TIME, "Maximum scan time: ")                                                            \
    X(ORQ_STATUS, "ORQ: ")                                                                                 \
    X(ORQ_SENSITIVITY, "ORQ Sensitivity Level: ")                                                          \
    X(ORQ_TELEMETRY, "ORQ Telemetry: ")                                                                    \
    X(AP_STATUS, "Access Protection: ")                                                                    \
    X(REPOSITORY_TYPE_HTTP, "http")                                                                        \
    X(REPOSITORY_TYPE_FTP, "ftp")                                                                          \
    X(REPOSITORY_TYPE_LOCAL, "local")                                                                      \
    X(SHOWPROXYCONFIG_TYPE, "Type - ")                                                                     \
    X(SHOWPROXYCONFIG_HTTP_AUTHENTICATION, "HTTP Authentication - ")                                       \
    X(SHOWPROXYCONFIG_URL, "URL - ")                                                                       \
    X(SHOWPROXYCONFIG_PORT, "Port - ")                                                                     \
    X(SHOWPROXYCONFIG_USERNAME, "Username - ")                                                             \
    X(SHOWPROXYCONFIG_TYPE_NOPROXY, "No Proxy")                                                            \
    X(SHOWPROXYCONFIG_TYPE_SYSTEMPROXY, "System Proxy")                                                    \
    X(SHOWPROXYCONFIG_TYPE_CUSTOMPROXY, "Custom Proxy")                                                    \
    /* ---- Event names logged by the tool (2) ---- */                                                     \
    X(LOG_EVENT_AMCLI_SETOASGLOBALCONFIG, "AMCliSetOasGlobalConfig")                                       \
    X(LOG_EVENT_AMCLI_ACCESSPROTECTION, "AMCliAccessProtection")                                           \
    /* ---- Display names of options, used inside messages (173) ---- */                                   \
    X(HELP_OPTION, "Help options")                                                                         \
    X(VERSION_OPTION, "Version Information")                                                               \
    X(SETOASGLOBALCONFIG_OPTION, "Configure OAS global settings")                                          \
    X(SETOASGLOBALCONFIG_SUB_OAS_OPTION, "Oas option")                                                     \
    X(SETOASGLOBALCONFIG_SUB_MAXSCANTIME_OPTION, "Maxscantime option")                                     \
    X(SETOASGLOBALCONFIG_SUB_PROCSETTINGS_OPTION, "Procsettings option")                                   \
    X(SETOASGLOBALCONFIG_SUB_ORQ_OPTION, "ORQ option")                                                     \
    X(SETOASGLOBALCONFIG_SUB_ORQ_STATE_OPTION, "ORQ State option")                                         \
    X(SETOASGLOBALCONFIG_SUB_ORQ_SENSITIVITY_OPTION, "ORQ Sensitivity option")                             \
    X(ORQTELEMETRY_OPTION, "ORQ telemetry option")                                                         \
    X(ORQTELEMETRY_SUB_SETSTATUS_OPTION, "Set state option ")                                              \
    X(ORQTELEMETRY_SUB_GETSTATUS_OPTION, "Get state option")                                               \
    X(PROXYSERVERCONFIG_OPTION, "Proxy server config option")                                              \
    X(PROXYSERVERCONFIG_SUB_TYPE_OPTION, "Type option")                                                    \
    X(PROXYSERVERCONFIG_SUB_HTTPAUTH_OPTION, "HTTP auth option")                                           \
    X(PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME_OPTION, "Username option")                                   \
    X(PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD_OPTION, "Password option")                                   \
    X(PROXYSERVERCONFIG_SUB_URL_OPTION, "URL option")                                                      \
    X(PROXYSERVERCONFIG_SUB_PORT_OPTION, "Port option")                                                    \
    X(RESTOREQUARANTINEITEMS_SUB_DETECTIONALIAS_OPTION, "Detection Alias option")                          \
    X(RESTOREQUARANTINEITEMS_SUB_DETECTIONNAME_OPTION, "Detection Name option")                            \
    X(SETPRODUCTLOGFILE_OPTION, "Set Product Log File option")                                             \
    X(PRODUCTLOG_OPTION, "Product Log option")                                                             \
    X(DEBUGLOG_OPTION, "Debug Log option")                                                                 \
    X(USESYSLOG_OPTION, "Use Syslog option")                                                               \
    X(ORQ_OPTION, "ORQ option")                                                                            \
    X(OAS_ACTIVITYLOG_OPTION, "On Access Scan Activity Log option")                                        \
    X(USEFANOTIFY_OPTION, "Use Fanotify option")                                                           \
    X(USEKERNELMODULE_OPTION, "Use Kernel Module option")                                                  \
    X(SETMAXPRODUCTLOGSIZE_OPTION, "Set Max product log size option")                                      \
    X(ADDPROCESS_OPTION, "Add Process option")                                                             \
    X(HIGHRISK_OPTION, "Highrisk option")                                                                  \
    X(LOWRISK_OPTION, "Lowrisk option")                                                                    \
    X(FORCE_OPTION, "Force option")                                                                        \
    X(SETPROCESS_OPTION, "Set Process option")                                                             \
    X(DELPROCESS_OPTION, "Delete Process option")                                                          \
    X(SCHEDULETASK_OPTION, "Schedule Task option")                                                         \
    X(SETQUARANTINEFOLDER_OPTION, "Setquarantine Folder option")                                           \
    X(LISTQUARANTINEITEMS_OPTION, "List Quarantine Items option")                                          \
    X(VERBOSE_OPTION, "Verbose option")                                                                    \
    X(FLUSHSCANCACHE_OPTION, "Flush Scan Cache option")                                                    \
    X(SHOWSCANCACHESTATUS_OPTION, "Show Scan Cache option")                                                \
    X(SHOWLOGSETTINGS_OPTION, "Show Log Settings option")                                                  \
    X(RESTOREQUARANTINEITEMS_OPTION, "Restore Quarantine Items option")                                    \
    X(SETOASPROFILECONFIG_SUB_SETMODE_OPTION, "Setmode option")                                            \
    X(SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD_OPTION, "Addexclusionread option")                          \
    X(SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE_OPTION, "Addexclusionwrite option")                        \
    X(SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW_OPTION, "Addexclusionrw option")                              \
    X(SUB_FILETYPESTOSCAN_OPTION, "Filetypestoscan option")                                                \
    X(SUB_SCANMACROS_OPTION, "Scanmacros option")                                                          \
    X(SUB_ADDFILETYPE_OPTION, "Addfiletype option")                                                        \
    X(SUB_DELFILETYPE_OPTION, "Delfiletype option")                                                        \
    X(SUB_NOEXTENSION_OPTION, "Noextension option")                                                        \
    X(SETOASPROFILECONFIG_SUB_ONSCANERROR_OPTION, "Onscanerror option")                                    \
    X(SETOASPROFILECONFIG_SUB_ONSCANTIMEOUT_OPTION, "Onscantimeout option")                                \
    X(SUB_NETWORKSCAN_OPTION, "Networkscan option")                                                        \
    X(SUB_SCANARCHIVE_OPTION, "Scanarchive option")                                                        \
    X(SUB_SCANMIME_OPTION, "Scanmime option")                                                              \
    X(SUB_SCANPUPS_OPTION, "Scanpups option")                                                              \
    X(SUB_SCANSUBFOLDERS_OPTION, "Scansubfolders option")                                                  \
    X(SUB_SCANLOCALDRIVES_OPTION, "Scanlocaldrives option")                                                \
    X(SUB_SCANTMPFOLDERS_OPTION, "Scantmpfolders option")                                                  \
    X(SUB_USESCANCACHE_OPTION, "Usescancache option")                                                      \
    X(SUB_SCANUNKNOWNPROGRAMS_OPTION, "Scanunknownprograms option")                                        \
    X(SUB_SCANUNKNOWNMACROS_OPTION, "Scanunknownmacros option")                                            \
    X(SUB_PRIMARYACTION_OPTION, "Primaryaction option")                                                    \
    X(SUB_SECONDARYACTION_OPTION, "Secondaryaction option")                                                \
    X(SUB_PRIMARYACTIONPUP_OPTION, "Primaryactionpup option")                                              \
    X(SUB_SECONDARYACTIONPUP_OPTION, "Secondaryactionpup option")                                          \
    X(SUB_ODSTHREADS_OPTION, "ODS Threads option")                                                         \
    X(SUB_MAXSCANTIME_OPTION, "ODS Maxscantime option")                                                    \
    X(SUB_MAXCPULIMIT_OPTION, "ODS Maximum CPU Limit usage option")                                        \
    X(SUB_ORQ_OPTION, "ODS ORQ option")                                                                    \
    X(SUB_ORQSTATE_OPTION, "ODS ORQ state option")                                                         \
    X(SUB_ORQSENSITIVITY_OPTION, "ODS ORQ sensitivity option")                                             \
    X(GET_AP_STATUS_OPTION, "Get Access Protection status option")                                         \
    X(SET_AP_STATUS_OPTION, "Access Protection Enable or Disable option")                                  \
    X(SETOASPROFILECONFIG_SUB_DELEXCLUSION_OPTION, "Delexclusion option")                                  \
    X(SCHEDULETASK_SUB_DAILY_OPTION, "Daily option")                                                       \
    X(SCHEDULETASK_SUB_WEEKLY_OPTION, "Weekly option")                                                     \
    X(SCHEDULETASK_SUB_MONTHLY_OPTION, "Monthly option")                                                   \
    X(SCHEDULETASK_SUB_UNSPECIFIED_OPTION, "Unspecified Option")                                           \
    X(SCHEDULETASK_SUB_DAYOFWEEK_OPTION, "Day of week option")                                             \
    X(SCHEDULETASK_SUB_DAYOFMONTH_OPTION, "Day of month option")                                           \
    X(SCHEDULETASK_SUB_STARTTIME_OPTION, "Startime option")                                                \
    X(SETOASPROFILECONFIG_OPTION, "Configures profile specific On-Access scanning options")                \
    X(SETOASTODEFAULT_OPTION, "Resets On-Access policy to factory default")                                \
    X(ADDUPDATETASK_OPTION, "Add Update Task option")                                                      \
    X(SUB_UPDATETYPE_OPTION, "Update Type option")                                                         \
    X(ADDODSTASK_OPTION, "Creates an On-Demand task (ODS)")                                                \
    X(RUNTASK_OPTION, "Runs a task")                                                                       \
    X(DELETETASK_OPTION, "Deletes a task")                                                                 \
    X(STOPTASK_OPTION, "Stops a task")                                                                     \
    X(SHOWTASK_OPTION, "Shows the task configuration")                                                     \
    X(LISTTASKS_OPTION, "Lists all the tasks configured on the system")                                    \
    X(GETOASCONFIG_OPTION, "Get OAS configuration settings")                                               \
    X(GETOASPROFILECONFIG_OPTION, "Get OAS profile configuration settings")                                \
    X(GETOASCONFIG_SUB_SUMMARY_OPTION, "Summary option")                                                   \
    X(GETOASCONFIG_SUB_PROCESSLIST_OPTION, "Processlist option")                                           \
    X(GETOASCONFIG_SUB_EXCLUSIONLIST_OPTION, "Exclusionlist option")                                       \
    X(PROFILE_OPTION, "Profile option")                                                                    \
    X(TASK_NAME_OPTION, "Name option")                                                                     \
    X(TASK_UID_OPTION, "Uid option")                                                                       \
    X(TASK_INDEX_OPTION, "Index option")                                                                   \
    X(EXCLUDE_PATHS_OPTION, "Exclude path option")                                                         \
    X(EXCLUDE_FILE_TYPE_OPTION, "Exclude filetype option")                                                 \
    X(EXCLUDE_SUBFOLDER_OPTION, "Exclude subfolder option")                                                \
    X(EXCLUDE_PATH_WITH_SUBFOLDER_OPTION, "Exclude paths with subfolders")                                 \
    X(ADDODSTASK_SUB_SCANPATHS_OPTION, "Scan paths option")                                                \
    X(GETOASCONFIG_SUB_LISTFILETYPESTOSCAN_OPTION, "Listfiletypestoscan option")                           \
    X(ADDREPOSITORY_OPTION, "Add repository option")                                                       \
    X(DISABLEREPOSITORY_OPTION, "Disable repository option")                                               \
    X(ENABLEREPOSITORY_OPTION, "Enable repository option")                                                 \
    X(SHOWREPOSITORY_OPTION, "Show repository option")                                                     \
    X(SHOWPROXYSERVERCONFIG_OPTION, "Show proxy server config option")                                     \
    X(SETREPOSITORYPRIORITY_OPTION, "Set repository priority option")                                      \
    X(ADDPROXY_OPTION, "Add proxy option")                                                                 \
    X(REMOVEPROXY_OPTION, "Remove proxy option")                                                           \
    X(REPOSITORY_NAME_OPTION, "Add repository name option")                                                \
    X(REPOSITORY_TYPE_OPTION, "Add repository type option")                                                \
    X(REPOSITORY_URL_OPTION, "Add repository url option")                                                  \
    X(REPOSITORY_PORT_OPTION, "Add repository port option")                                                \
    X(REPOSITORY_USERNAME_OPTION, "Add repository username option")                                        \
    X(REPOSITORY_PASSWORD_OPTION, "Add repository password option")                                        \
    X(REPOSITORY_PRIORITY_OPTION, "Add repository priority option")                                        \
    X(ADDREPOSITORY_ALL_OPTION, "Add repository all options")                                              \
    X(DISABLEREPOSITORY_ALL_OPTION, "Disable repository all options")                                      \
    X(ENABLEREPOSITORY_ALL_OPTION, "Enable repository all options")                                        \
    X(SETREPOSITORYPRIORITY_ALL_OPTION, "Set repository priority all options")                             \
    X(ADDPROXY_ALL_OPTION, "Add proxy all options")                                                        \
    X(REMOVEPROXY_ALL_OPTION, "Add proxy all options")                                                     \
    X(CREATEAPRULE_OPTION, "Create Access Protection Rule option")                                         \
    X(CREATEAPRULE_RULENAME_OPTION, "Rule Name option")                                                    \
    X(CREATEAPRULE_BLOCK_OPTION, "Block option")                                                           \
    X(CREATEAPRULE_REPORT_OPTION, "Report option")                                                         \
    X(CREATEAPRULE_INCLUDEPROCESS_OPTION, "Include Process option")                                        \
    X(CREATEAPRULE_EXCLUDEPROCESS_OPTION, "Exclude Process option")                                        \
    X(CREATEAPRULE_INCLUDEUSERS_OPTION, "Include Users option")                                            \
    X(CREATEAPRULE_EXCLUDEUSERS_OPTION, "Exclude Users option")                                            \
    X(CREATEAPRULE_ADDSUBRULE_OPTION, "Add Sub Rule option")                                               \
    X(CREATEAPRULE_SUBRULENAME_OPTION, "Sub Rule Name option")                                             \
    X(CREATEAPRULE_SUBRULETYPE_OPTION, "Sub Rule Type option")                                             \
    X(CREATEAPRULE_OPERATIONS_OPTION, "Operations Options")                                                \
    X(CREATEAPRULE_INCLUDETARGETFILE_OPTION, "Include Target File option")                                 \
    X(CREATEAPRULE_INCLUDETARGETDSTFILE_OPTION, "Include Target destination file option")                  \
    X(CREATEAPRULE_INCLUDETARGETDRIVETYPE_OPTION, " Include Target drive type option")                     \
    X(CREATEAPRULE_INCLUDETARGETPROCESS_OPTION, "Include Target process option")                           \
    X(CREATEAPRULE_EXCLUDETARGETFILE_OPTION, "Exclude Target File option")                                 \
    X(CREATEAPRULE_EXCLUDETARGETDSTFILE_OPTION, "Exclude Target destination file option")                  \
    X(CREATEAPRULE_EXCLUDETARGETDRIVETYPE_OPTION, "Exclude Target drive type option")                      \
    X(CREATEAPRULE_EXCLUDETARGETPROCESS_OPTION, "Exclude Target process option")                           \
    X(GET_ALL_AP_RULES_OPTION, "Get All Access Protection rules option")                                   \
    X(GET_AP_RULE_CONFIG_OPTION, "Get Access Protection rule configuration option")                        \
    X(DELETE_AP_RULE_OPTION, "Delete Access Protection rule option")                                       \
    X(EDITAPRULE_OPTION, "Edit Access Protection Rule option")                                             \
    X(EDITAPRULE_BLOCK_OPTION, "Block option")                                                             \
    X(EDITAPRULE_REPORT_OPTION, "Report option")                                                           \
    X(EDITAPRULE_ADDSUBRULE_OPTION, "Add Sub Rule option")                                                 \
    X(EDITAPRULE_SUBRULENAME_OPTION, "Sub Rule Name option")                                               \
    X(EDITAPRULE_SUBRULETYPE_OPTION, "Sub Rule Type option")                                               \
    X(EDITAPRULE_OPERATIONS_OPTION, "Operations Options")                                                  \
    X(EDITAPRULE_INCLUDETARGETFILE_OPTION, "Include Target File option")                                   \
    X(EDITAPRULE_INCLUDETARGETDSTFILE_OPTION, "Include Target destination file option")                    \
    X(EDITAPRULE_INCLUDETARGETDRIVETYPE_OPTION, " Include Target drive type option")                       \
    X(EDITAPRULE_INCLUDETARGETPROCESS_OPTION, "Include Target process option")                             \
    X(EDITAPRULE_EXCLUDETARGETFILE_OPTION, "Exclude Target File option")                                   \
    X(EDITAPRULE_EXCLUDETARGETDSTFILE_OPTION, "Exclude Target destination file option")                    \
    X(EDITAPRULE_EXCLUDETARGETDRIVETYPE_OPTION, "Exclude Target drive type option")                        \
    X(EDITAPRULE_EXCLUDETARGETPROCESS_OPTION, "Exclude Target process option")                             \
    X(GET_AP_EXCLUSION_OPTION, "Get Access Protection exclusion option")                                   \
    X(SET_AP_EXCLUSION_OPTION, "Set Access Protection exclusion option")                                   \
    X(DELETE_AP_EXCLUSION_OPTION, "Delete Access Protection exclusion option")                             \
    X(ALL_OPTION, "")                                                                                      \
    /* ---- Error and status messages (268) ---- */                                                        \
    X(QUARANTINE_ITEMS_COULD_NOT_BE_SHOWN_MSG, "Quarantined items could not be shown.")                    \
    X(RESTORE_QUARANTINE_COULD_NOT_BE_PERFORMED_MSG, "Quarantined items could not be restored.")           \
    X(ONLY_ONE_RESTORE_QUARANTINE_ITEMS_SUBOPTION_ALLOWED_MSG,                                             \
      "Only one sub-option is allowed with --restorequarantineitems. Specify either --detectionname or "   \
      "--detectionalias.")                                                                                 \
    X(PARSE_EXCEPTION_MSG,                                                                                 \
      "The command line could not be parsed. Run zlytpcli --help to see the valid options.")               \
    X(RET_SUCCESS_MSG, "The operation completed successfully.")                                            \
    X(NO_OPTION_PASSED_MSG, "No option was provided. Run zlytpcli --help to see the valid options.")       \
    X(INVALID_CMD_OPTION_MSG, "Invalid option. Run zlytpcli --help to see the valid options.")             \
    X(INVALID_PROFILE_OPTION_MSG,                                                                          \
      "Invalid value provided for --profile option. Allowed values are standard, lowrisk and highrisk.")   \
    X(SPECIFY_PROFILE_OPTION_MSG, "Specify the profile with the --profile option.")                        \
    X(INVALID_LISTFILETYPESTOSCAN_ARGUMENT_MSG,                                                            \
      "Invalid value provided for --listfiletypestoscan option. Allowed values are defaultandspecified "   \
      "and onlyspecified.")                                                                                \
    X(INVALID_SET_PRODUCT_LOG_FILE_MSG,                                                                    \
      "Invalid value provided for --setproductlogfile option. Provide the absolute path of the product "   \
      "log file.")                                                                                         \
    X(INVALID_PRODUCT_LOG_ARGUMENT_MSG,                                                                    \
      "Invalid value provided for --productlog option. Allowed values are enable or disable.")             \
    X(INVALID_DEBUG_LOG_ARGUMENT_MSG,                                                                      \
      "Invalid value provided for --debuglog option. Allowed values are enable or disable.")               \
    X(INVALID_USE_SYSLOG_ARGUMENT_MSG,                                                                     \
      "Invalid value provided for --usesyslog option. Allowed values are enable or disable.")              \
    X(INVALID_ORQ_ARGUMENT_MSG,                                                                            \
      "Invalid value provided for --orq option. Allowed values are enable or disable.")                    \
    X(INVALID_OAS_ACTIVITYLOG_ARGUMENT_MSG,                                                                \
      "Invalid value provided for --oasactivitylog option. Allowed values are enable or disable.")         \
    X(INVALID_USE_FANOTIFY_ARGUMENT_MSG,                                                                   \
      "Invalid value provided for --usefanotify option. Allowed values are enable or disable.")            \
    X(INVALID_MAX_PRODUCTLOG_SIZE_ARGUMENT_MSG,                                                            \
      "Invalid value provided for --setmaxproductlogsize option. Provide the maximum size of the product " \
      "log in MB as a positive whole number.")                                                             \
    X(INVALID_SETSTATUS_ARGUMENT_MSG,                                                                      \
      "Invalid value provided for --setstatus option. Allowed values are enable or disable.")              \
    X(INVALID_PROXYSERVERCONFIG_SUB_TYPE_ARGUMENT_MSG,                                                     \
      "Invalid value provided for --type option. Allowed values are noproxy, systemproxy and customproxy.") \
    X(INVALID_PROXYSERVERCONFIG_SUB_HTTPAUTH_ARGUMENT_MSG,                                                 \
      "Invalid value provided for --httpauth option. Allowed values are enable or disable.")               \
    X(ORQ_OPTION_MANDATORY_WITH_STATE_OPTION_MSG,                                                          \
      "The --orq option is mandatory with the --state option.")                                            \
    X(ORQ_OPTION_MANDATORY_WITH_SENSITIVITY_OPTION_MSG,                                                    \
      "The --orq option is mandatory with the --sensitivity option.")                                      \
    X(NO_SUBOPTIONS_ALLOWED_WHEN_TYPE_IS_NOPROXY_MSG,                                                      \
      "No other sub-options are allowed when the proxy type is noproxy.")                                  \
    X(SUBOPTIONS_URL_NOT_ALLOWED_WHEN_TYPE_IS_SYSTEMPROXY_MSG,                                             \
      "The --url sub-option is not allowed when the proxy type is systemproxy.")                           \
    X(SUBOPTIONS_PORT_NOT_ALLOWED_WHEN_TYPE_IS_SYSTEMPROXY_MSG,                                            \
      "The --port sub-option is not allowed when the proxy type is systemproxy.")                          \
    X(SUBOPTIONS_URL_AND_PORT_MANDATORY_WHEN_TYPE_IS_CUSTOMPROXY_MSG,                                      \
      "The --url and --port sub-options are mandatory when the proxy type is customproxy.")                \
    X(SUBOPTIONS_HTTPAUTH_IS_MANDATORY_WITH_USERNAME_MSG,                                                  \
      "The --httpauth sub-option is mandatory with the --username sub-option.")                            \
    X(SUBOPTIONS_HTTPAUTH_IS_MANDATORY_WITH_PASSWORD_MSG,                                                  \
      "The --httpauth sub-option is mandatory with the --password sub-option.")                            \
    X(SUBOPTIONS_USERNAME_AND_PASSWORD_MANDATORY_WITH_HTTPAUTH_MSG,                                        \
      "The --username and --password sub-options are mandatory when --httpauth is enable.")                \
    X(SUBOPTIONS_USERNAME_AND_PASSWORD_NOT_ALLOWED_WHEN_HTTPAUTH_IS_DISABLE_MSG,                           \
      "The --username and --password sub-options are not allowed when --httpauth is disable.")             \
    X(SUCCESSFULLY_SET_PROXY_CONFIG_MSG, "Proxy server configuration set successfully.")                   \
    X(SET_MAX_PRODUCTLOG_SIZE_SUCCESS_MSG, "Maximum product log size set successfully.")                   \
    X(SET_MAX_PRODUCTLOG_SIZE_FAILURE_MSG, "Maximum product log size could not be set.")                   \
    X(PRODUCTLOG_SIZE_SET_TO_SAME_VALUE_MSG, "Maximum product log size is already set to the same value.") \
    X(PRODUCT_LOG_FILE_COULD_NOT_BE_SET_MSG, "Product log file could not be set.")                         \
    X(PRODUCT_LOG_CONFIGURATION_COULD_NOT_BE_SET_MSG, "Product log configuration could not be set.")       \
    X(DEBUG_LOG_CONFIGURATION_COULD_NOT_BE_SET_MSG, "Debug log configuration could not be set.")           \
    X(USE_SYSLOG_CONFIGURATION_COULD_NOT_BE_SET_MSG, "Syslog configuration could not be set.")             \
    X(ORQ_CONFIGURATION_COULD_NOT_BE_SET_MSG, "ORQ configuration could not be set.")                       \
    X(OAS_ACTIVITYLOG_CONFIGURATION_COULD_NOT_BE_SET_MSG,                                                  \
      "On-Access Scan activity log configuration could not be set.")                                       \
    X(USE_FANOTIFY_CONFIGURATION_COULD_NOT_BE_SET_MSG, "Fanotify configuration could not be set.")         \
    X(USE_KERNELMODULE_CONFIGURATION_COULD_NOT_BE_SET_MSG,                                                 \
      "Kernel module configuration could not be set.")                                                     \
    X(ONE_SUB_COMMAND_ALLOWED_MSG, "Only one sub-command is allowed at a time.")                           \
    X(ONE_SUBOPTION_ALLOWED_MSG, "Only one sub-option is allowed at a time.")                              \
    X(MAXSCANTIME_OUT_OF_RANGE_MSG,                                                                        \
      "Maximum scan time is out of range. Provide a value from 10 to 9999 seconds.")                       \
    X(MAXCPULIMIT_OUT_OF_RANGE_MSG,                                                                        \
      "Maximum CPU limit is out of range. Provide a percentage from 1 to 100.")                            \
    X(INVALID_PROCSETTINGS_ARGUMENT_MSG,                                                                   \
      "Invalid value provided for --procsettings option. Allowed values are standard or riskbased.")       \
    X(ORQ_SUBOPTION_REQUIRED_MSG, "Specify the --state or --sensitivity sub-option with --orq.")           \
    X(INVALID_ORQ_STATE_ARGUMENT_MSG,                                                                      \
      "Invalid value provided for --state option. Allowed values are enable or disable.")                  \
    X(INVALID_ORQ_SENSITIVITY_ARGUMENT_MSG,                                                                \
      "Invalid value provided for --sensitivity option. Allowed values are verylow, low, medium, high "    \
      "and veryhigh.")                                                                                     \
    X(VALUE_COULD_NOT_BE_SET_MSG, "The value could not be set.")                                           \
    X(QUARANTINE_FOLDER_COULD_NOT_BE_SET_MSG, "Quarantine folder could not be set.")                       \
    X(INVALID_UPDATETYPE_ARGUMENT_MSG,                                                                     \
      "Invalid value provided for --updatetype option. Allowed values are dat and engine. Separate "       \
      "several values with a comma.")                                                                      \
    X(INVALID_FILE_ARGUMENT_MSG, "Invalid file path. Provide the absolute path of an existing file.")      \
    X(INVALID_EXCLUDE_PATHS_ARGUMENT_MSG,                                                                  \
      "Invalid value provided for --excludepaths option. Provide absolute paths separated by commas.")     \
    X(INVALID_SCAN_PATHS_ARGUMENT_MSG,                                                                     \
      "Invalid value provided for --scanpaths option. Provide absolute paths separated by commas.")        \
    X(INVALID_EXCLUDE_PATH_WITH_SUBFOLDER_ARGUMENT_MSG,                                                    \
      "Invalid value provided for --excludepathwithsubfolder option. Provide absolute folder paths "       \
      "separated by commas.")                                                                              \
    X(INVALID_DAYOFWEEK_ARGUMENT_MSG,                                                                      \
      "Invalid value provided for --dayofweek option. Provide days as numbers from 1 (Sunday) to 7 "       \
      "(Saturday), separated by commas.")                                                                  \
    X(INVALID_START_TIME_ARGUMENT_MSG,                                                                     \
      "Invalid value provided for --starttime option. Provide the time in 24-hour HH:MM format.")          \
    X(INVALID_DAYOFMONTH_ARGUMENT_MSG,                                                                     \
      "Invalid value provided for --dayofmonth option. Allowed values are 1 to 31.")                       \
    X(INVALID_ADDFILETYPE_ARGUMENT_MSG,                                                                    \
      "Invalid value provided for --addfiletype option. Provide file extensions without the leading dot, " \
      "separated by commas.")                                                                              \
    X(INVALID_SETQUARANTINE_FOLDER_PATH_MSG,                                                               \
      "Invalid quarantine folder path. Provide the absolute path of an existing folder.")                  \
    X(INVALID_TYPE_ARGUMENT_MSG, "Invalid value provided for --type option.")                              \
    X(INVALID_HIGHRISK_ARGUMENT_MSG,                                                                       \
      "Invalid value provided for --highrisk option. Provide process names separated by commas.")          \
    X(INVALID_LOWRISK_ARGUMENT_MSG,                                                                        \
      "Invalid value provided for --lowrisk option. Provide process names separated by commas.")           \
    X(INVALID_VALUE_FOR_ODSTHREADS_MSG,                                                                    \
      "Invalid value provided for --odsthreads option. Provide a positive whole number.")                  \
    X(INVALID_GETOASPROFILECONFIG_ARGUMENT_MSG,                                                            \
      "Invalid argument for --getoasprofileconfig. Specify the profile with --profile.")                   \
    X(EXCLUDESUBFOLDER_OPTION_NOT_ALLOWED_MSG,                                                             \
      "The --excludesubfolder option is allowed only with folder paths given in --excludepaths.")          \
    X(ONLY_ONE_EXCLUSION_OPTION_ALLOWED_MSG,                                                               \
      "Only one of --addexclusionread, --addexclusionwrite and --addexclusionrw is allowed at a time.")    \
    X(SPECIFY_ATLEAST_ONE_ADDEXCLUSION_SUBOPTION_MSG,                                                      \
      "Specify at least one of --excludepaths, --excludefiletype and --excludepathwithsubfolder to add "   \
      "an exclusion.")                                                                                     \
    X(SPECIFY_ATLEAST_ONE_FILETYPESTOSCAN_SUBOPTION_MSG,                                                   \
      "Specify at least one sub-option with --filetypestoscan.")                                           \
    X(THESE_OPTIONS_ALLOWED_ONLY_FOR_FILETYPESTOSCAN_MSG,                                                  \
      "The --addfiletype, --delfiletype, --noextension and --scanmacros options are allowed only with "    \
      "--filetypestoscan.")                                                                                \
    X(NO_SUBOPTIONS_ALLOWED_FOR_FILETYPESTOSCAN_MSG,                                                       \
      "No sub-options are allowed when --filetypestoscan is all.")                                         \
    X(NOSCAN_ALLOWED_ONLY_FOR_LOWRISK_PROFILE_MSG,                                                         \
      "The noscan mode is allowed only for the lowrisk profile.")                                          \
    X(NOEXTENSION_SUBOPTION_NOT_ALLOWED_FOR_FILETYPESTOSCAN_MSG,                                           \
      "The --noextension sub-option is not allowed with the selected --filetypestoscan value.")            \
    X(SCANMACROS_SUBOPTION_NOT_ALLOWED_FOR_FILETYPESTOSCAN_MSG,                                            \
      "The --scanmacros sub-option is not allowed with the selected --filetypestoscan value.")             \
    X(SPECIFY_ADDFILETYPE_OR_NOEXTENSION_SUBOPTION_FOR_FILETYPESTOSCAN_MSG,                                \
      "Specify the --addfiletype or --noextension sub-option when --filetypestoscan is onlyspecified.")    \
    X(SPECIFY_ATLEAST_ONE_ADDPROCESS_SUBOPTION_MSG,                                                        \
      "Specify the --highrisk or --lowrisk sub-option with --addprocess.")                                 \
    X(SPECIFY_ATLEAST_ONE_SETPROCESS_SUBOPTION_MSG,                                                        \
      "Specify the --highrisk or --lowrisk sub-option with --setprocess.")                                 \
    X(SPECIFY_ATLEAST_ONE_SETOASPROFILECONFIG_SUBOPTION_MSG,                                               \
      "Specify at least one sub-option with --setoasprofileconfig.")                                       \
    X(SPECIFY_ATLEAST_ONE_RESTOREQUARANTINEITEMS_SUBOPTION_MSG,                                            \
      "Specify the --detectionname or --detectionalias sub-option with --restorequarantineitems.")         \
    X(ADDPROCESS_TO_ONLY_ONE_RISK_TYPE_MSG, "Processes can be added to only one risk type at a time.")     \
    X(SAMEPROCESS_CAN_NOT_BE_ADDED_TO_HIGH_RISK_TYPE_MSG,                                                  \
      "The process is already in the low-risk process list and cannot be added to the high-risk process "  \
      "list.")                                                                                             \
    X(SAMEPROCESS_CAN_NOT_BE_ADDED_TO_LOW_RISK_TYPE_MSG,                                                   \
      "The process is already in the high-risk process list and cannot be added to the low-risk process "  \
      "list.")                                                                                             \
    X(PROCESS_COULD_NOT_BE_DELETED_MSG, "Process could not be deleted.")                                   \
    X(PROCESS_LIST_COULD_NOT_BE_SHOWN_MSG, "Process list could not be shown.")                             \
    X(FILE_TYPES_TO_SCAN_LIST_COULD_NOT_BE_SHOWN_MSG, "List of file types to scan could not be shown.")    \
    X(EXCLUSION_LIST_COULD_NOT_BE_SHOWN_MSG, "Exclusion list could not be shown.")                         \
    X(OAS_SUMMARY_COULD_NOT_BE_SHOWN_MSG, "On-Access Scan summary could not be shown.")                    \
    X(OAS_PROFILE_CONFIG_COULD_NOT_BE_SHOWN_MSG,                                                           \
      "On-Access Scan profile configuration could not be shown.")                                          \
    X(NO_PROCESS_TO_SHOW_MSG, "There are no processes to show.")                                           \
    X(NO_EXCLUSIONS_TO_SHOW_MSG, "There are no exclusions to show.")                                       \
    X(NO_EXCLUSIONS_TO_SHOW_MSG_FOR_STANDARD_PROFILE,                                                      \
      "There are no exclusions to show for the standard profile.")                                         \
    X(NO_FILETYPES_TO_SHOW_MSG, "There are no file types to show.")                                        \
    X(NO_QUARANTINE_ITEMS_TO_SHOW_MSG, "There are no quarantined items to show.")                          \
    X(INVALID_SETMODE_OPTION_MSG,                                                                          \
      "Invalid value provided for --setmode option. Allowed values are sor, sow, korvel and noscan.")      \
    X(INVALID_FILETYPESTOSCAN_OPTION_MSG,                                                                  \
      "Invalid value provided for --filetypestoscan option. Allowed values are all, defaultandspecified "  \
      "and onlyspecified.")                                                                                \
    X(INVALID_ONSCANERROR_OPTION_MSG,                                                                      \
      "Invalid value provided for --onscanerror option. Allowed values are allow or deny.")                \
    X(INVALID_ONSCANTIMEOUT_OPTION_MSG,                                                                    \
      "Invalid value provided for --onscantimeout option. Allowed values are allow or deny.")              \
    X(INVALID_NETWORKSCAN_OPTION_MSG,                                                                      \
      "Invalid value provided for --networkscan option. Allowed values are enable or disable.")            \
    X(INVALID_SCANARCHIVE_OPTION_MSG,                                                                      \
      "Invalid value provided for --scanarchive option. Allowed values are enable or disable.")            \
    X(INVALID_NOEXTENSION_OPTION_MSG,                                                                      \
      "Invalid value provided for --noextension option. Allowed values are enable or disable.")            \
    X(INVALID_SCANSUBFOLDERS_OPTION_MSG,                                                                   \
      "Invalid value provided for --scansubfolders option. Allowed values are enable or disable.")         \
    X(INVALID_SCANLOCALDRIVES_OPTION_MSG,                                                                  \
      "Invalid value provided for --scanlocaldrives option. Allowed values are enable or disable.")        \
    X(INVALID_SCANTMPFOLDERS_OPTION_MSG,                                                                   \
      "Invalid value provided for --scantmpfolders option. Allowed values are enable or disable.")         \
    X(INVALID_SCANNETWORKDRIVES_OPTION_MSG,                                                                \
      "Invalid value provided for --scannetworkdrives option. Allowed values are enable or disable.")      \
    X(INVALID_USESCANCACHE_OPTION_MSG,                                                                     \
      "Invalid value provided for --usescancache option. Allowed values are enable or disable.")           \
    X(INVALID_SCANMACROS_OPTION_MSG,                                                                       \
      "Invalid value provided for --scanmacros option. Allowed values are enable or disable.")             \
    X(INVALID_SCANMIME_OPTION_MSG,                                                                         \
      "Invalid value provided for --scanmime option. Allowed values are enable or disable.")               \
    X(INVALID_SCANPUPS_OPTION_MSG,                                                                         \
      "Invalid value provided for --scanpups option. Allowed values are enable or disable.")               \
    X(INVALID_ORQSTATE_OPTION_MSG,                                                                         \
      "Invalid value provided for --state option. Allowed values are enable or disable.")                  \
    X(INVALID_ORQSENSITIVITY_OPTION_MSG,                                                                   \
      "Invalid value provided for --sensitivity option. Allowed values are verylow, low, medium, high "    \
      "and veryhigh.")                                                                                     \
    X(INVALID_SCANUNKNOWNPROGRAMS_OPTION_MSG,                                                              \
      "Invalid value provided for --scanunknownprograms option. Allowed values are enable or disable.")    \
    X(INVALID_SCANUNKNOWNMACROS_OPTION_MSG,                                                                \
      "Invalid value provided for --scanunknownmacros option. Allowed values are enable or disable.")      \
    X(INVALID_PRIMARYACTION_OPTION_MSG,                                                                    \
      "Invalid value provided for --primaryaction option. Run zlytpcli --help to see the allowed actions.") \
    X(INVALID_SECONDARYACTION_OPTION_MSG,                                                                  \
      "Invalid value provided for --secondaryaction option. Run zlytpcli --help to see the allowed "       \
      "actions.")                                                                                          \
    X(INVALID_PRIMARYACTIONPUP_OPTION_MSG,                                                                 \
      "Invalid value provided for --primaryactionpup option. Run zlytpcli --help to see the allowed "      \
      "actions.")                                                                                          \
    X(INVALID_SECONDARYACTIONPUP_OPTION_MSG,                                                               \
      "Invalid value provided for --secondaryactionpup option. Run zlytpcli --help to see the allowed "    \
      "actions.")                                                                                          \
    X(INVALID_TASK_INDEX_OPTION_MSG,                                                                       \
      "Invalid value provided for --index option. Provide the index of an existing task as shown by "      \
      "--listtasks.")                                                                                      \
    X(INVALID_TASK_NAME_MSG,                                                                               \
      "Invalid value provided for --name option. Provide the name of an existing task as shown by "        \
      "--listtasks.")                                                                                      \
    X(INVALID_SCAN_ODS_SETTINGS_MSG,                                                                       \
      "Invalid on-demand scan settings. Run zlytpcli --help to see the valid options.")                    \
    X(NO_TASK_AVAILABLE_MSG, "There are no tasks configured.")                                             \
    X(SCHEDULE_TASK_COULD_NOT_BE_SET_MSG, "Task schedule could not be set.")                               \
    X(OAS_PROFILE_COULD_NOT_BE_SET_MSG, "On-Access Scan profile configuration could not be set.")          \
    X(OPERATION_CANCELLED_MSG, "Operation cancelled.")                                                     \
    X(USER_CONFIRMATION_MSG, "Do you want to continue? Enter Y to confirm or any other key to cancel: ")   \
    X(TASK_COULD_NOT_BE_RUN_MSG, "Task could not be run.")                                                 \
    X(PROVIDE_ATLEAST_ONE_RUN_TASK_SUBOPTION_MSG,                                                          \
      "Provide the --index or --name sub-option with --runtask.")                                          \
    X(PROVIDE_ONLY_ONE_RUN_TASK_SUBOPTION_MSG,                                                             \
      "Provide only one of the --index and --name sub-options with --runtask.")                            \
    X(TASK_COULD_NOT_BE_STOPPED_MSG, "Task could not be stopped.")                                         \
    X(TASK_COULD_NOT_BE_DELETED_MSG, "Task could not be deleted.")                                         \
    X(TASK_COULD_NOT_BE_SHOWN_MSG, "Task could not be shown.")                                             \
    X(TASKS_COULD_NOT_BE_LISTED_MSG, "Tasks could not be listed.")                                         \
    X(REPOSITORIES_COULD_NOT_BE_LISTED_MSG, "Repositories could not be listed.")                           \
    X(PROXY_SERVER_CONFIG_COULD_NOT_BE_SHOWN_MSG, "Proxy server configuration could not be shown.")        \
    X(ODS_TASK_COULD_NOT_BE_ADDED_MSG, "On-demand scan task could not be added.")                          \
    X(UPDATE_TASK_COULD_NOT_BE_ADDED_MSG, "Update task could not be added.")                               \
    X(UPDATE_TASK_RUNNING_MSG, "An update task is already running. Try again after it has finished.")      \
    X(PROVIDE_START_TIME_OPTION_MSG, "Provide the --starttime sub-option for this schedule.")              \
    X(START_TIME_OPTION_NOT_ALLOWED_MSG, "The --starttime sub-option is not allowed with --unspecified.")  \
    X(ERROR_WHILE_DISPLAYING_SCHEDULE_INFORMATION_MSG,                                                     \
      "An error occurred while displaying the schedule information.")                                      \
    X(SPECIFY_INDEX_OR_NAME_OF_TASK_MSG, "Specify the task with the --index or --name sub-option.")        \
    X(SPECIFY_ONLY_ONE_OPTION_INDEX_OR_NAME_MSG,                                                           \
      "Specify only one of the --index and --name sub-options.")                                           \
    X(ONLY_ONE_SCHEDULE_TASK_SUBOPTION_ALLOWED_MSG,                                                        \
      "Only one of --daily, --weekly, --monthly and --unspecified is allowed with --scheduletask.")        \
    X(ATLEAST_ONE_SCHEDULE_TASK_SUBOPTION_ALLOWED_MSG,                                                     \
      "Specify one of --daily, --weekly, --monthly and --unspecified with --scheduletask.")                \
    X(DAYOFWEEK_SUBOPTION_NOT_ALLOWED_MSG, "The --dayofweek sub-option is allowed only with --weekly.")    \
    X(DAYOFMONTH_SUBOPTION_NOT_ALLOWED_MSG, "The --dayofmonth sub-option is allowed only with --monthly.") \
    X(DAYOFWEEK_SUBOPTION_IS_MISSING_MSG, "The --dayofweek sub-option is mandatory with --weekly.")        \
    X(DAYOFMONTH_SUBOPTION_IS_MISSING_MSG, "The --dayofmonth sub-option is mandatory with --monthly.")     \
    X(SUCCESSFULLY_FLUSHED_THE_SCANCACHE_MSG, "Scan cache flushed successfully.")                          \
    X(FAILED_TO_FLUSH_SCANCACHE_MSG, "Failed to flush the scan cache.")                                    \
    X(FAILED_TO_SHOW_SCANCACHE_STATUS_MSG, "Failed to show the scan cache status.")                        \
    X(FAILED_TO_SHOW_LOG_SETTINGS_MSG, "Failed to show the log settings.")                                 \
    X(UNKNOWN_PARAMETER_FOUND_MSG,                                                                         \
      "Unknown parameter found. Run zlytpcli --help to see the valid options.")                            \
    X(RULE_COULD_NOT_BE_DELETED_MSG, "Access Protection rule could not be deleted.")                       \
    X(RULE_COULD_NOT_BE_FOUND_MSG, "Access Protection rule could not be found.")                           \
    X(AP_RULE_DELETED_MSG, "Access Protection rule deleted successfully.")                                 \
    X(INVALID_SECONDARY_ACTION_FOR_SPECIFIED_PRIMARY_ACTION_MSG,                                           \
      "The secondary action is not valid for the specified primary action.")                               \
    X(INVALID_SECONDARY_ACTION_PUP_FOR_SPECIFIED_PRIMARY_ACTION_PUP_MSG,                                   \
      "The secondary action for unwanted programs is not valid for the specified primary action for "      \
      "unwanted programs.")                                                                                \
    X(SAME_PARAMETER_FOUND_FOR_ACTION_MSG, "The primary and secondary actions must be different.")         \
    X(SAME_PARAMETER_FOUND_FOR_PUP_ACTION_MSG,                                                             \
      "The primary and secondary actions for unwanted programs must be different.")                        \
    X(FMP_REGISTRATION_FMPEXCEPTION_MSG,                                                                   \
      "zlytpcli could not register with the Velantra for Linux messaging service: the service reported "   \
      "an error.")                                                                                         \
    X(FMP_REGISTRATION_UNKNOWNEXCEPTION_MSG,                                                               \
      "zlytpcli could not register with the Velantra for Linux messaging service: an unknown error "       \
      "occurred.")                                                                                         \
    X(FMP_REGISTRATION_ERROR_MSG,                                                                          \
      "zlytpcli could not register with the Velantra for Linux messaging service. Check that the product " \
      "services are running.")                                                                             \
    X(ZUR_DEREGISTRATION_ERROR_MSG,                                                                        \
      "zlytpcli could not deregister from the Velantra for Linux platform service.")                       \
    X(ZUR_COMMUNICATION_ERROR_IN_SHOWING_VERSION_MSG,                                                      \
      "Could not communicate with the Velantra for Linux platform service while showing the version "      \
      "information.")                                                                                      \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_OAS_ON_MSG,                                                       \
      "Could not communicate with the Velantra for Linux platform service while turning On-Access Scan "   \
      "on.")                                                                                               \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_OAS_OFF_MSG,                                                      \
      "Could not communicate with the Velantra for Linux platform service while turning On-Access Scan "   \
      "off.")                                                                                              \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_ORQ_TELEMETRY_ENABLE_MSG,                                         \
      "Could not communicate with the Velantra for Linux platform service while enabling ORQ telemetry.")  \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_PROXY_SERVER_CONFIG_MSG,                                          \
      "Could not communicate with the Velantra for Linux platform service while setting the proxy server " \
      "configuration.")                                                                                    \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_ORQ_TELEMETRY_DISABLE_MSG,                                        \
      "Could not communicate with the Velantra for Linux platform service while disabling ORQ telemetry.") \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_MAXSCANTIME_MSG,                                                  \
      "Could not communicate with the Velantra for Linux platform service while setting the maximum scan " \
      "time.")                                                                                             \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_PROCSETTINGS_MSG,                                                 \
      "Could not communicate with the Velantra for Linux platform service while setting the process "      \
      "settings.")                                                                                         \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_ORQ_STATE_MSG,                                                    \
      "Could not communicate with the Velantra for Linux platform service while setting the ORQ state.")   \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_ORQ_SENSITIVITY_MSG,                                              \
      "Could not communicate with the Velantra for Linux platform service while setting the ORQ "          \
      "sensitivity level.")                                                                                \
    X(AP_RULE_COULD_NOT_BE_CREATED_MSG, "Access Protection rule could not be created.")                    \
    X(AP_RULE_NAME_ALREADY_EXISTS_MSG, "An Access Protection rule with this name already exists.")         \
    X(AP_SUBRULE_NAME_ALREADY_EXISTS_MSG,                                                                  \
      "A sub-rule with this name already exists in the Access Protection rule.")                           \
    X(AP_ADDING_SUBRULE_NOT_ALLOWED_MSG,                                                                   \
      "Adding a sub-rule is not allowed for this Access Protection rule.")                                 \
    X(PROCESS_NAMES_SHOULD_BE_UNIQUE_FOR_INCLUDETARGETPROCESS_MSG,                                         \
      "Process names provided for --includetargetprocess must be unique.")                                 \
    X(PROCESS_NAMES_SHOULD_BE_UNIQUE_FOR_EXCLUDETARGETPROCESS_MSG,                                         \
      "Process names provided for --excludetargetprocess must be unique.")                                 \
    X(PROCESS_NAMES_SHOULD_BE_UNIQUE_FOR_INCLUDEPROCESS_MSG,                                               \
      "Process names provided for --includeprocess must be unique.")                                       \
    X(PROCESS_NAMES_SHOULD_BE_UNIQUE_FOR_EXCLUDEPROCESS_MSG,                                               \
      "Process names provided for --excludeprocess must be unique.")                                       \
    X(PROCESS_NAMES_SHOULD_BE_UNIQUE_FOR_EXCLUSIONS_MSG,                                                   \
      "Process names provided for the Access Protection exclusions must be unique.")                       \
    X(INVALID_AP_RULENAME_MSG,                                                                             \
      "Invalid value provided for --rulename option. Provide a non-empty rule name.")                      \
    X(INVALID_AP_SUBRULE_NAME_MSG,                                                                         \
      "Invalid value provided for --subrulename option. Provide a non-empty sub-rule name.")               \
    X(INVALID_SUBRULE_OPERATIONS_ARGUMENT_MSG,                                                             \
      "Invalid value provided for --operations option. Provide operations separated by commas.")           \
    X(INVALID_INCLUDETARGETFILE_ARGUMENT_MSG, "Invalid value provided for --includetargetfile option.")    \
    X(INVALID_FILE_OPERATION_ARGUMENT_MSG,                                                                 \
      "Invalid file operation. Allowed values are create, execute, read, rename, write, changeowner, "     \
      "changepermissions, hardlink, symlink and anyaccess.")                                               \
    X(ZUR_COMMUNICATION_ERROR_IN_GETTING_AP_STATUS_MSG,                                                    \
      "Could not communicate with the Velantra for Linux platform service while getting the Access "       \
      "Protection status.")                                                                                \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_AP_ENABLE_MSG,                                                    \
      "Could not communicate with the Velantra for Linux platform service while enabling Access "          \
      "Protection.")                                                                                       \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_AP_DISABLE_MSG,                                                   \
      "Could not communicate with the Velantra for Linux platform service while disabling Access "         \
      "Protection.")                                                                                       \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_AP_CREATE_RULE_MSG,                                               \
      "Could not communicate with the Velantra for Linux platform service while creating the Access "      \
      "Protection rule.")                                                                                  \
    X(ZUR_COMMUNICATION_ERROR_IN_GETTING_ALL_AP_RULES_MSG,                                                 \
      "Could not communicate with the Velantra for Linux platform service while getting the Access "       \
      "Protection rules.")                                                                                 \
    X(ZUR_COMMUNICATION_ERROR_IN_GETTING_AP_RULE_CONFIG_MSG,                                               \
      "Could not communicate with the Velantra for Linux platform service while getting the Access "       \
      "Protection rule configuration.")                                                                    \
    X(ZUR_COMMUNICATION_ERROR_IN_DELETING_AP_RULE_MSG,                                                     \
      "Could not communicate with the Velantra for Linux platform service while deleting the Access "      \
      "Protection rule.")                                                                                  \
    X(ZUR_COMMUNICATION_ERROR_IN_SETTING_AP_EDIT_RULE_MSG,                                                 \
      "Could not communicate with the Velantra for Linux platform service while editing the Access "       \
      "Protection rule.")                                                                                  \
    X(ZUR_COMMUNICATION_ERROR_IN_GETTING_AP_EXCLUSION_MSG,                                                 \
      "Could not communicate with the Velantra for Linux platform service while getting the Access "       \
      "Protection exclusions.")                                                                            \
    X(ZUR_COMMUNICATION_ERROR_IN_DELETING_AP_EXCLUSION_MSG,                                                \
      "Could not communicate with the Velantra for Linux platform service while deleting the Access "      \
      "Protection exclusions.")                                                                            \
    X(THESE_OPTIONS_ALLOWED_ONLY_FOR_SUBRULETYPE_FILE_MSG,                                                 \
      "The --includetargetfile, --includetargetdstfile, --includetargetdrivetype, --excludetargetfile, "   \
      "--excludetargetdstfile and --excludetargetdrivetype options are allowed only when --subruletype "   \
      "is file.")                                                                                          \
    X(THESE_OPTIONS_ALLOWED_ONLY_FOR_SUBRULETYPE_PROCESS_MSG,                                              \
      "The --includetargetprocess and --excludetargetprocess options are allowed only when --subruletype " \
      "is process.")                                                                                       \
    X(INVALID_AP_BLOCK_MSG,                                                                                \
      "Invalid value provided for --block option. Allowed values are enable or disable.")                  \
    X(INVALID_AP_REPORT_MSG,                                                                               \
      "Invalid value provided for --report option. Allowed values are enable or disable.")                 \
    X(INVALID_AP_SUBRULETYPE_MSG,                                                                          \
      "Invalid value provided for --subruletype option. Allowed values are file or process.")              \
    X(INVALID_PROCESS_OPERATION_ARGUMENT_MSG,                                                              \
      "Invalid process operation. Allowed values are createthread, change, terminate, run and anyaccess.") \
    X(INVALID_INCLUDETARGETFILE_FILEPATHS_ARGUMENT_MSG,                                                    \
      "File paths provided for --includetargetfile are invalid. Provide absolute paths separated by "      \
      "commas.")                                                                                           \
    X(INVALID_INCLUDETARGETDSTFILE_FILEPATHS_ARGUMENT_MSG,                                                 \
      "File paths provided for --includetargetdstfile are invalid. Provide absolute paths separated by "   \
      "commas.")                                                                                           \
    X(INVALID_INCLUDETARGETDSTFILE_ARGUMENT_MSG,                                                           \
      "Invalid value provided for --includetargetdstfile option.")                                         \
    X(INVALID_INCLUDE_DRIVETYPES_MSG,                                                                      \
      "Invalid value provided for --includetargetdrivetype option. Allowed values are removable, network " \
      "and fixed.")                                                                                        \
    X(INVALID_EXCLUDETARGETFILE_FILEPATHS_ARGUMENT_MSG,                                                    \
      "File paths provided for --excludetargetfile are invalid. Provide absolute paths separated by "      \
      "commas.")                                                                                           \
    X(INVALID_EXCLUDETARGETFILE_ARGUMENT_MSG, "Invalid value provided for --excludetargetfile option.")    \
    X(INVALID_EXCLUDETARGETDSTFILE_FILEPATHS_ARGUMENT_MSG,                                                 \
      "File paths provided for --excludetargetdstfile are invalid. Provide absolute paths separated by "   \
      "commas.")                                                                                           \
    X(INVALID_EXCLUDETARGETDSTFILE_ARGUMENT_MSG,                                                           \
      "Invalid value provided for --excludetargetdstfile option.")                                         \
    X(INVALID_EXCLUDE_DRIVETYPES_MSG,                                                                      \
      "Invalid value provided for --excludetargetdrivetype option. Allowed values are removable, network " \
      "and fixed.")                                                                                        \
    X(INVALID_INCLUDETARGETPROCESS_MSG, "Invalid value provided for --includetargetprocess option.")       \
    X(INVALID_INCLUDETARGETPROCESS_FORMAT_MSG,                                                             \
      "Values provided for --includetargetprocess options are incorrect. Format is "                       \
      "name1:file1,name2:file1,name3:file3,...")                                                           \
    X(INVALID_EXCLUDETARGETPROCESS_MSG, "Invalid value provided for --excludetargetprocess option.")       \
    X(INVALID_EXCLUDETARGETPROCESS_FORMAT_MSG,                                                             \
      "Values provided for --excludetargetprocess options are incorrect. Format is "                       \
      "name1:file1,name2:file1,name3:file3,...")                                                           \
    X(INVALID_INCLUDEPROCESS_MSG, "Invalid value provided for --includeprocess option.")                   \
    X(INVALID_INCLUDEPROCESS_FORMAT_MSG,                                                                   \
      "Values provided for --includeprocess options are incorrect. Format is "                             \
      "name1:file1,name2:file1,name3:file3,...")                                                           \
    X(INVALID_EXCLUDEPROCESS_MSG, "Invalid value provided for --excludeprocess option.")                   \
    X(INVALID_EXCLUDEPROCESS_FORMAT_MSG,                                                                   \
      "Values provided for --excludeprocess options are incorrect. Format is "                             \
      "name1:file1,name2:file1,name3:file3,...")                                                           \
    X(INVALID_INCLUDE_USERSNAME_ARGUMENT_MSG,                                                              \
      "Invalid value provided for --includeusers option. Provide user names separated by commas.")         \
    X(INVALID_EXCLUDE_USERSNAME_ARGUMENT_MSG,                                                              \
      "Invalid value provided for --excludeusers option. Provide user names separated by commas.")         \
    X(INVALID_EXCLUSIONLIST_MSG, "Invalid Access Protection exclusion list.")                              \
    X(INVALID_EXCLUSIONLIST_FORMAT_MSG,                                                                    \
      "Values provided for the Access Protection exclusions are incorrect. Format is "                     \
      "name1:file1,name2:file2,...")                                                                       \
    X(INVALID_RULE_INDEX_MSG,                                                                              \
      "Invalid rule index. Provide the index of an existing rule as shown by --getallaprules.")            \
    X(ATLEAST_ONE_TARGET_OPTIONS_SHOULD_BE_SPECIFIED_MSG,                                                  \
      "Specify at least one target option for the sub-rule.")                                              \
    X(SUBRULENAME_MANDATORY_WITH_ADDSUBRULE_MSG,                                                           \
      "The --subrulename option is mandatory with --addsubrule.")                                          \
    X(OPERATIONS_MANDATORY_WITH_ADDSUBRULE_MSG, "The --operations option is mandatory with --addsubrule.") \
    X(SUBRULETYPE_MANDATORY_WITH_ADDSUBRULE_MSG,                                                           \
      "The --subruletype option is mandatory with --addsubrule.")                                          \
    X(ONLY_REPORT_AND_BLOCK_ALLOWED_WHEN_ADDSUBRULE_IS_MISSING_MSG,                                        \
      "Only the --report and --block options are allowed when --addsubrule is not specified.")             \
    X(PROVIDE_ATLEAST_ONE_OF_REPORT_OR_BLOCK_OR_ADDSUBRULE_OPTION_MSG,                                     \
      "Provide at least one of the --report, --block and --addsubrule options.")                           \
    X(ADDSUBRULE_ACTION_SHOULD_BE_SPECIFIED_MSG,                                                           \
      "Specify the --addsubrule option to add a sub-rule to the rule.")                                    \
    X(AP_RULE_COULD_NOT_BE_EDITED_MSG, "Access Protection rule could not be edited.")                      \
    X(AP_EXCLUSION_COULD_NOT_BE_SET_MSG, "Access Protection exclusions could not be set.")                 \
    X(AP_EXCLUSION_COULD_NOT_BE_DELETED_MSG, "Access Protection exclusions could not be deleted.")         \
    X(RULES_COULD_NOT_BE_LISTED_MSG, "Access Protection rules could not be listed.")                       \
    X(NO_RULES_AVAILABLE_MSG, "There are no Access Protection rules configured.")                          \
    X(EXCLUSIONS_COULD_NOT_BE_LISTED_MSG, "Access Protection exclusions could not be listed.")             \
    X(NO_EXCLUSIONS_AVAILABLE_MSG, "There are no Access Protection exclusions configured.")                \
    X(REPOSITORY_COULD_NOT_BE_ADDED_MSG, "Repository could not be added.")                                 \
    X(PROXY_COULD_NOT_BE_ADDED_MSG, "Proxy could not be added.")                                           \
    X(REPOSITORY_PRIORITY_COULD_NOT_BE_CHANGED_MSG, "Repository priority could not be changed.")           \
    X(DISABLED_REPOSITORY_PRIORITY_COULD_NOT_BE_SET_MSG,                                                   \
      "The priority of a disabled repository cannot be set. Enable the repository first.")                 \
    X(REPOSITORY_COULD_NOT_BE_DISABLED_MSG, "Repository could not be disabled.")                           \
    X(REPOSITORY_COULD_NOT_BE_ENABLED_MSG, "Repository could not be enabled.")                             \
    X(PROXY_COULD_NOT_BE_REMOVED_MSG, "Proxy could not be removed.")                                       \
    X(REPOSITORY_ENABLED_MSG, "Repository enabled successfully.")                                          \
    X(REPOSITORY_DISABLED_MSG, "Repository disabled successfully.")                                        \
    X(REPOSITORY_ADDED_MSG, "Repository added successfully.")                                              \
    X(PROXY_ADDED_MSG, "Proxy added successfully.")                                                        \
    X(PROXY_REMOVED_MSG, "Proxy removed successfully.")                                                    \
    X(REPOSITORY_PRIORITY_MSG, "Repository priority set successfully.")                                    \
    X(REPOSITORY_REMOVED_MSG, "Repository removed successfully.")                                          \
    X(INVALID_REPOSITORY_NAME_MSG, "Provide a valid repository name.")                                     \
    X(INVALID_REPOSITORY_TYPE_MSG_1,                                                                       \
      "Provide a valid repository type. Allowed values are http, ftp and local.")                          \
    X(INVALID_REPOSITORY_TYPE_MSG_2, "Provide a valid proxy type. Allowed values are http or ftp.")        \
    X(INVALID_REPOSITORY_URL_MSG, "Provide a valid repository URL.")                                       \
    X(INVALID_REPOSITORY_PORT_MSG, "Provide valid repository port. Allowed values are 0-65535.")           \
    X(INVALID_PROXYSERVER_PORT_MSG,                                                                        \
      "Provide valid value for proxy server port. Allowed values are 0-65535.")                            \
    X(INVALID_PROXYSERVER_URL_MSG, "Provide a valid URL or IP address for the proxy server.")              \
    X(INVALID_PROXYSERVER_USERNAME_MSG, "Provide a valid user name for the proxy server.")                 \
    X(INVALID_PROXYSERVER_PASSWORD_MSG, "Provide a valid password for the proxy server.")                  \
    X(INVALID_REPOSITORY_USERNAME_MSG, "Provide a valid repository user name.")                            \
    X(INVALID_REPOSITORY_PASSWORD_MSG, "Provide a valid repository password.")                             \
    X(INVALID_REPOSITORY_PRIORITY_MSG,                                                                     \
      "Provide valid repository priority. Value should be greater than 0.")                                \
    /* ---- Help texts (206) ---- */                                                                       \
    X(CLI_DESCRIPTION,                                                                                     \
      "zlytpcli is the command-line tool that configures and manages the threat prevention module of "     \
      "Velantra for Linux. Each command is typed after \"--\", followed by its sub-options and their "     \
      "values. Run zlytpcli --help to list all the commands.")                                             \
    X(CLI_HELP_CMD_DESC, "Shows the help of all the zlytpcli commands and their sub-options.")             \
    X(CLI_VERSION_CMD_DESC, "Shows the version of Velantra for Linux and of its engine and DAT content.")  \
    X(CLI_SETOASGLOBALCONFIG_CMD_DESC,                                                                     \
      std::string("Configures the On-Access Scan settings that apply to all profiles. Sub-options:"        \
                  "\n     --")                                                                             \
          + CLI_SETOASGLOBALCONFIG_SUB_OAS + ": Turns On-Access Scan on or off.\n     --"                  \
          + CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME                                                         \
          + ": Sets the maximum time spent scanning one file.\n     --"                                    \
          + CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS                                                        \
          + ": Selects standard or risk-based process settings.\n     --"                                  \
          + CLI_SUB_ORQ + ": Configures the ORQ file reputation service.\n")                               \
    X(CLI_SETOASTODEFAULT_CMD_DESC,                                                                        \
      "Resets the On-Access Scan configuration of all profiles to the factory defaults. zlytpcli asks "    \
      "for confirmation unless --force is given.")                                                         \
    X(CLI_SETOASTODEFAULT_CMD_DESC_SHORT,                                                                  \
      "Resets the On-Access Scan configuration to the factory defaults.")                                  \
    X(CLI_ORQTELEMETRY_CMD_DESC,                                                                           \
      std::string("Configures or shows ORQ telemetry. Sub-options:\n     --")                              \
          + CLI_ORQTELEMETRY_SUB_SETSTATUS + ": Enables or disables ORQ telemetry.\n     --"               \
          + CLI_ORQTELEMETRY_SUB_GETSTATUS + ": Shows whether ORQ telemetry is enabled.\n")                \
    X(CLI_ORQTELEMETRY_SUB_SETSTATUS_DESC,                                                                 \
      std::string("This option is used to set ORQ telemetry configuration to enabled or disabled state."   \
                  "\n     ")                                                                               \
          + PARAM_ENABLE + ": Enables the collection of ORQ telemetry data.\n     "                        \
          + PARAM_DISABLE + ": Disables the collection of ORQ telemetry data.\n")                          \
    X(CLI_ORQTELEMETRY_SUB_GETSTATUS_DESC,                                                                 \
      "This option is used to show whether ORQ telemetry is enabled or disabled.")                         \
    X(CLI_SETOASGLOBALCONFIG_SUB_OAS_DESC,                                                                 \
      std::string("Turns On-Access Scan on or off.\n     ")                                                \
          + CLI_OAS_PARAM_ON + ": Turns On-Access Scan on.\n     "                                         \
          + CLI_OAS_PARAM_OFF + ": Turns On-Access Scan off.\n")                                           \
    X(CLI_SETOASGLOBALCONFIG_SUB_MAXSCANTIME_DESC,                                                         \
      "Sets the maximum time in seconds that On-Access Scan spends on one file, from 10 to 9999. The "     \
      "default is 45.")                                                                                    \
    X(CLI_SETOASGLOBALCONFIG_SUB_PROCSETTINGS_DESC,                                                        \
      std::string("Selects how On-Access Scan chooses the profile for a process.\n     ")                  \
          + CLI_PROCSETTINGS_PARAM_STANDARD + ": Scans every process with the standard profile.\n     "    \
          + CLI_PROCSETTINGS_PARAM_RISKBASED                                                               \
          + ": Scans the processes of the high-risk and low-risk process lists with the high-risk and "    \
            "low-risk profiles, and every other process with the standard profile.\n")                     \
    X(CLI_SUB_ORQ_DESC,                                                                                    \
      std::string("Configures the ORQ file reputation service. Sub-options:\n     --")                     \
          + CLI_SUB_ORQ_STATE + ": Enables or disables ORQ.\n     --"                                      \
          + CLI_SUB_ORQ_SENSITIVITY + ": Sets the ORQ sensitivity level.\n")                               \
    X(CLI_SUB_ORQ_STATE_DESC,                                                                              \
      std::string("Enables or disables ORQ file reputation lookups.\n     ")                               \
          + PARAM_ENABLE + ": Enables ORQ lookups.\n     "                                                 \
          + PARAM_DISABLE + ": Disables ORQ lookups.\n")                                                   \
    X(CLI_SUB_ORQ_SENSITIVITY_DESC,                                                                        \
      std::string("Sets the ORQ sensitivity level. A higher level detects more threats and may report "    \
                  "more false positives.\n     ")                                                          \
          + CLI_ORQ_SENSITIVITY_LEVEL_VERY_LOW + ": Very low sensitivity.\n     "                          \
          + CLI_ORQ_SENSITIVITY_LEVEL_LOW + ": Low sensitivity.\n     "                                    \
          + CLI_ORQ_SENSITIVITY_LEVEL_MEDIUM + ": Medium sensitivity.\n     "                              \
          + CLI_ORQ_SENSITIVITY_LEVEL_HIGH + ": High sensitivity.\n     "                                  \
          + CLI_ORQ_SENSITIVITY_LEVEL_VERY_HIGH + ": Very high sensitivity.\n")                            \
    X(CLI_PROXYSERVERCONFIG_CMD_DESC,                                                                      \
      std::string("Configures the proxy server that Velantra for Linux uses to reach the ORQ service. "    \
                  "Sub-options:\n     --")                                                                 \
          + CLI_PROXYSERVERCONFIG_SUB_TYPE + ": Proxy type.\n     --"                                      \
          + CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH + ": Enables or disables HTTP authentication.\n     --"     \
          + CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME + ": User name for HTTP authentication.\n     --"  \
          + CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD + ": Password for HTTP authentication.\n     --"   \
          + CLI_PROXYSERVERCONFIG_SUB_URL + ": URL or IP address of the custom proxy server.\n     --"     \
          + CLI_PROXYSERVERCONFIG_SUB_PORT + ": Port of the custom proxy server.\n")                       \
    X(CLI_PROXYSERVERCONFIG_SUB_TYPE_DESC,                                                                 \
      std::string("Sets the proxy type.\n     ")                                                           \
          + PARAM_NOPROXY + ": Connects directly, without a proxy.\n     "                                 \
          + PARAM_SYSTEMPROXY + ": Uses the proxy configured on the system.\n     "                        \
          + PARAM_CUSTOMPROXY + ": Uses the proxy server given with --url and --port.\n")                  \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_DESC,                                                             \
      std::string("Enables or disables HTTP authentication with the proxy server.\n     ")                 \
          + PARAM_ENABLE                                                                                   \
          + ": Authenticates with the user name and password given with --username and --password."        \
            "\n     "                                                                                      \
          + PARAM_DISABLE + ": Connects without authentication.\n")                                        \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_USERNAME_DESC,                                                    \
      "User name for authentication with the proxy server. Allowed only when --httpauth is enable.")       \
    X(CLI_PROXYSERVERCONFIG_SUB_HTTPAUTH_PASSWORD_DESC,                                                    \
      "Password for authentication with the proxy server. Allowed only when --httpauth is enable.")        \
    X(CLI_PROXYSERVERCONFIG_SUB_URL_DESC, "URL or IP address of the custom proxy server.")                 \
    X(CLI_PROXYSERVERCONFIG_SUB_PORT_DESC, "Port of the custom proxy server, from 0 to 65535.")            \
    X(CLI_SUB_HIGHRISK_DESC,                                                                               \
      "Comma-separated list of process names that are scanned with the high-risk profile.")                \
    X(CLI_SUB_LOWRISK_DESC,                                                                                \
      "Comma-separated list of process names that are scanned with the low-risk profile.")                 \
    X(CLI_SUB_FORCE_DESC, "Performs the operation without asking for confirmation.")                       \
    X(CLI_SCHEDULETASK_CMD_DESC,                                                                           \
      std::string("Schedules an existing task. Identify the task with --index or --name and choose one "   \
                  "schedule:\n     --")                                                                    \
          + CLI_SCHEDULETASK_SUB_DAILY_CMD + ": Runs the task every day.\n     --"                         \
          + CLI_SCHEDULETASK_SUB_WEEKLY_CMD + ": Runs the task on the given days of the week.\n     --"    \
          + CLI_SCHEDULETASK_SUB_MONTHLY_CMD + ": Runs the task on the given day of the month.\n     --"   \
          + CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD + ": Removes the schedule of the task.\n")                \
    X(CLI_SCHEDULETASK_CMD_DESC_SHORT, "Schedules a task.")                                                \
    X(CLI_SCHEDULETASK_SUB_DAILY_CMD_DESC, "Runs the task every day at the time given with --starttime.")  \
    X(CLI_SCHEDULETASK_SUB_MONTHLY_CMD_DESC,                                                               \
      "Runs the task every month on the day given with --dayofmonth, at the time given with --starttime.") \
    X(CLI_SCHEDULETASK_SUB_WEEKLY_CMD_DESC,                                                                \
      "Runs the task every week on the days given with --dayofweek, at the time given with --starttime.")  \
    X(CLI_SCHEDULETASK_SUB_UNSPECIFIED_CMD_DESC,                                                           \
      "Removes the schedule of the task. The task then runs only when started with --runtask.")            \
    X(CLI_SCHEDULETASK_SUB_DAYOFWEEK_CMD_DESC,                                                             \
      "Days of the week on which a weekly task runs, as numbers from 1 (Sunday) to 7 (Saturday) "          \
      "separated by commas.")                                                                              \
    X(CLI_SCHEDULETASK_SUB_DAYOFMONTH_CMD_DESC,                                                            \
      "Day of the month on which a monthly task runs, from 1 to 31.")                                      \
    X(CLI_SCHEDULETASK_SUB_STARTTIME_CMD_DESC,                                                             \
      "Time of day at which the task starts, in 24-hour HH:MM format.")                                    \
    X(CLI_ADDPROCESS_CMD_DESC,                                                                             \
      std::string("Adds processes to the process lists used by risk-based process settings. "              \
                  "Sub-options:\n     --")                                                                 \
          + CLI_SUB_HIGHRISK + ": Process names to add to the high-risk process list.\n     --"            \
          + CLI_SUB_LOWRISK + ": Process names to add to the low-risk process list.\n")                    \
    X(CLI_ADDPROCESS_CMD_DESC_SHORT, "Adds high-risk or low-risk processes.")                              \
    X(CLI_SETPROCESS_CMD_DESC,                                                                             \
      std::string("Replaces the process lists used by risk-based process settings. Sub-options:"           \
                  "\n     --")                                                                             \
          + CLI_SUB_HIGHRISK + ": Process names that make up the new high-risk process list.\n     --"     \
          + CLI_SUB_LOWRISK + ": Process names that make up the new low-risk process list.\n")             \
    X(CLI_SETPROCESS_CMD_DESC_SHORT, "Replaces the high-risk or low-risk process list.")                   \
    X(CLI_SUB_DELPROCESS_INDEX_DESC,                                                                       \
      "Index of the process to delete, as shown by --getoasconfig --processlist.")                         \
    X(CLI_DELPROCESS_CMD_DESC,                                                                             \
      "Deletes a process from the high-risk or low-risk process list. Identify the process with --index.") \
    X(CLI_DELPROCESS_CMD_DESC_SHORT, "Deletes a high-risk or low-risk process.")                           \
    X(CLI_SETQUARANTINEFOLDER_CMD_DESC,                                                                    \
      "Sets the folder in which Velantra for Linux keeps quarantined files.")                              \
    X(CLI_LISTQUARANTINEITEMS_CMD_DESC,                                                                    \
      "Lists the quarantined items. Add --verbose to show the details of each item.")                      \
    X(CLI_LISTQUARANTINEITEMS_CMD_DESC_SHORT, "Lists the quarantined items.")                              \
    X(CLI_LISTQUARANTINEITEMS_VERBOSE_CMD_DESC, "Shows the details of each quarantined item.")             \
    X(CLI_FLUSHSCANCACHE_CMD_DESC,                                                                         \
      "Clears the scan cache, so that every file is scanned again on its next access.")                    \
    X(CLI_SHOWSCANCACHESTATUS_CMD_DESC, "Shows the status of the scan cache.")                             \
    X(CLI_SHOWLOGSETTINGS_CMD_DESC, "Shows the logging settings of Velantra for Linux.")                   \
    X(CLI_RESTOREQUARANTINEITEMS_CMD_DESC,                                                                 \
      std::string("Restores quarantined items to their original location. Select the items with one "      \
                  "sub-option:\n     --")                                                                  \
          + CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONNAME                                                   \
          + ": Restores the items with the given detection name.\n     --"                                 \
          + CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONALIAS                                                  \
          + ": Restores the items with the given detection alias.\n")                                      \
    X(CLI_RESTOREQUARANTINEITEMS_CMD_DESC_SHORT, "Restores quarantined items.")                            \
    X(CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONNAME_DESC,                                                   \
      "Detection name of the quarantined items to restore, as shown by --listquarantineitems.")            \
    X(CLI_RESTOREQUARANTINEITEMS_SUB_DETECTIONALIAS_DESC,                                                  \
      "Detection alias of the quarantined items to restore, as shown by --listquarantineitems --verbose.") \
    X(CLI_SETPRODUCTLOGFILE_CMD_DESC,                                                                      \
      "Sets the absolute path of the file to which Velantra for Linux writes its product log.")            \
    X(CLI_SETPRODUCTLOGFILE_CMD_DESC_SHORT, "Sets the product log file.")                                  \
    X(CLI_PRODUCTLOG_CMD_DESC,                                                                             \
      std::string("Turns the product log on or off.\n     ")                                               \
          + PARAM_ENABLE + ": Writes the product log.\n     "                                              \
          + PARAM_DISABLE + ": Stops writing the product log.\n")                                          \
    X(CLI_PRODUCTLOG_CMD_DESC_SHORT, "Turns the product log on or off.")                                   \
    X(CLI_DEBUGLOG_CMD_DESC,                                                                               \
      std::string("Turns debug logging on or off.\n     ")                                                 \
          + PARAM_ENABLE + ": Writes debug messages to the product log.\n     "                            \
          + PARAM_DISABLE + ": Stops writing debug messages.\n")                                           \
    X(CLI_DEBUGLOG_CMD_DESC_SHORT, "Turns debug logging on or off.")                                       \
    X(CLI_USESYSLOG_CMD_DESC,                                                                              \
      std::string("Selects whether the product log is also sent to syslog.\n     ")                        \
          + PARAM_ENABLE + ": Sends the product log to syslog.\n     "                                     \
          + PARAM_DISABLE + ": Stops sending the product log to syslog.\n")                                \
    X(CLI_USESYSLOG_CMD_DESC_SHORT, "Turns logging to syslog on or off.")                                  \
    X(CLI_ORQ_CMD_DESC,                                                                                    \
      std::string("Turns the ORQ file reputation service on or off.\n     ")                               \
          + PARAM_ENABLE + ": Looks up the reputation of scanned files with ORQ.\n     "                   \
          + PARAM_DISABLE + ": Stops ORQ lookups.\n")                                                      \
    X(CLI_ORQ_CMD_DESC_SHORT, "Turns ORQ on or off.")                                                      \
    X(CLI_OAS_ACTIVITYLOG_CMD_DESC,                                                                        \
      std::string("Turns the On-Access Scan activity log on or off.\n     ")                               \
          + PARAM_ENABLE + ": Logs every file that On-Access Scan scans.\n     "                           \
          + PARAM_DISABLE + ": Stops logging On-Access Scan activity.\n")                                  \
    X(CLI_OAS_ACTIVITYLOG_CMD_DESC_SHORT, "Turns the On-Access Scan activity log on or off.")              \
    X(CLI_USEFANOTIFY_CMD_DESC,                                                                            \
      std::string("Selects whether On-Access Scan intercepts file access with fanotify.\n     ")           \
          + PARAM_ENABLE + ": Intercepts file access with fanotify.\n     "                                \
          + PARAM_DISABLE + ": Does not use fanotify to intercept file access.\n")                         \
    X(CLI_USEFANOTIFY_CMD_DESC_SHORT, "Turns the use of fanotify on or off.")                              \
    X(CLI_USEKERNELMODULE_CMD_DESC,                                                                        \
      std::string("Selects whether On-Access Scan intercepts file access with its kernel module.\n     ")  \
          + PARAM_ENABLE + ": Intercepts file access with the kernel module.\n     "                       \
          + PARAM_DISABLE + ": Does not use the kernel module to intercept file access.\n")                \
    X(CLI_USEKERNELMODULE_CMD_DESC_SHORT, "Turns the use of the kernel module on or off.")                 \
    X(CLI_SETMAXPRODUCTLOGSIZE_CMD_DESC,                                                                   \
      "Sets the maximum size of the product log file in MB. When the file reaches this size, it is "       \
      "rotated.")                                                                                          \
    X(CLI_SETMAXPRODUCTLOGSIZE_CMD_DESC_SHORT, "Sets the maximum size of the product log.")                \
    X(CLI_SETOASPROFILECONFIG_CMD_DESC,                                                                    \
      "Configures the On-Access Scan settings of one profile, selected with --profile. Each sub-option "   \
      "changes one setting; run zlytpcli --help to see them all.")                                         \
    X(CLI_GETOASPROFILECONFIG_CMD_DESC,                                                                    \
      "Shows the On-Access Scan settings of the profile selected with --profile.")                         \
    X(CLI_GETOASPROFILECONFIG_CMD_DESC_SHORT, "Shows the settings of an On-Access Scan profile.")          \
    X(CLI_ADDUPDATETASK_CMD_DESC,                                                                          \
      "Creates a task that updates the engine and DAT content. Name the task with --name and choose the "  \
      "content with --updatetype.")                                                                        \
    X(CLI_ADDUPDATETASK_CMD_DESC_SHORT, "Creates an update task.")                                         \
    X(CLI_ADDUPDATETASK_SUB_UPDATETYPE_DESC,                                                               \
      std::string("Content that the update task updates. Separate several values with a comma.\n     ")    \
          + DAT + ": Updates the DAT content.\n     "                                                      \
          + ENGINE + ": Updates the scan engine.\n")                                                       \
    X(CLI_ADDODSTASK_CMD_DESC,                                                                             \
      "Creates an on-demand scan task. Name the task with --name, give the paths to scan with "            \
      "--scanpaths and tune the scan with the other sub-options.")                                         \
    X(CLI_RUNTASK_CMD_DESC, "Runs a task now.")                                                            \
    X(CLI_RUNTASK_CMD_DESC_LONG,                                                                           \
      "Runs a task immediately. Identify the task with --index or --name, as shown by --listtasks.")       \
    X(CLI_DELETETASK_CMD_DESC, "Deletes a task. Identify the task with --index or --name.")                \
    X(CLI_STOPTASK_CMD_DESC, "Stops a running task. Identify the task with --index or --name.")            \
    X(CLI_SHOWTASK_CMD_DESC,                                                                               \
      "Shows the configuration of a task. Identify the task with --index or --name.")                      \
    X(CLI_LISTTASKS_CMD_DESC,                                                                              \
      "Lists all the tasks configured on the system with their index, name, type and status.")             \
    X(CLI_LISTTASKS_CMD_DESC_SHORT, "Lists the configured tasks.")                                         \
    X(CLI_SETOASPROFILECONFIG_SUB_SETMODE_DESC,                                                            \
      std::string("Sets when the profile scans files.\n     ")                                             \
          + CLI_SETMODE_PARAM_SOR + ": Scans files when they are read.\n     "                             \
          + CLI_SETMODE_PARAM_SOW + ": Scans files when they are written.\n     "                          \
          + CLI_SETMODE_PARAM_KORVEL + ": Lets Korvel decide when to scan.\n     "                         \
          + CLI_SETMODE_PARAM_NOSCAN + ": Does not scan. Allowed only for the low-risk profile.\n")        \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONREAD_DESC,                                                   \
      "Adds an exclusion that applies when files are read. Give the items with --excludepaths, "           \
      "--excludefiletype or --excludepathwithsubfolder.")                                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONWRITE_DESC,                                                  \
      "Adds an exclusion that applies when files are written. Give the items with --excludepaths, "        \
      "--excludefiletype or --excludepathwithsubfolder.")                                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_ADDEXCLUSIONRW_DESC,                                                     \
      "Adds an exclusion that applies when files are read or written. Give the items with "                \
      "--excludepaths, --excludefiletype or --excludepathwithsubfolder.")                                  \
    X(CLI_SETOASPROFILECONFIG_SUB_FILETYPESTOSCAN_DESC,                                                    \
      std::string("Selects the file types that the profile scans.\n     ")                                 \
          + PARAM_ALL + ": Scans all files.\n     "                                                        \
          + PARAM_DEFAULT_AND_SPECIFIED                                                                    \
          + ": Scans the default file types and the types added with --addfiletype.\n     "                \
          + PARAM_ONLY_SPECIFIED + ": Scans only the types added with --addfiletype.\n")                   \
    X(CLI_ADDODSTASK_SUB_FILETYPESTOSCAN_DESC,                                                             \
      std::string("Selects the file types that the on-demand scan task scans.\n     ")                     \
          + PARAM_ALL + ": Scans all files.\n     "                                                        \
          + PARAM_DEFAULT_AND_SPECIFIED                                                                    \
          + ": Scans the default file types and the types added with --addfiletype.\n     "                \
          + PARAM_ONLY_SPECIFIED + ": Scans only the types added with --addfiletype.\n")                   \
    X(CLI_SUB_SCANMACROS_DESC,                                                                             \
      std::string("Selects whether files that can hold macros are scanned.\n     ")                        \
          + PARAM_ENABLE + ": Scans files that can hold macros.\n     "                                    \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_SUB_ADDFILETYPE_DESC,                                                                            \
      "Comma-separated list of file extensions, without the leading dot, to add to the specified file "    \
      "types.")                                                                                            \
    X(CLI_SUB_DELFILETYPE_DESC,                                                                            \
      "Comma-separated list of file extensions, without the leading dot, to remove from the specified "    \
      "file types.")                                                                                       \
    X(CLI_SUB_NOEXTENSION_DESC,                                                                            \
      std::string("Selects whether files without an extension are scanned.\n     ")                        \
          + PARAM_ENABLE + ": Scans files without an extension.\n     "                                    \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_SETOASPROFILECONFIG_SUB_ONSCANERROR_DESC,                                                        \
      std::string("Selects what happens to the access when a file cannot be scanned.\n     ")              \
          + PARAM_ALLOW + ": Allows the access.\n     "                                                    \
          + PARAM_DENY + ": Denies the access.\n")                                                         \
    X(CLI_SETOASPROFILECONFIG_SUB_ONSCANTIMEOUT_DESC,                                                      \
      std::string("Selects what happens to the access when the scan of a file exceeds the maximum scan "   \
                  "time.\n     ")                                                                          \
          + PARAM_ALLOW + ": Allows the access.\n     "                                                    \
          + PARAM_DENY + ": Denies the access.\n")                                                         \
    X(CLI_SETOASPROFILECONFIG_SUB_NETWORKSCAN_DESC,                                                        \
      std::string("Selects whether the profile scans files on network file systems.\n     ")               \
          + PARAM_ENABLE + ": Scans files on network file systems.\n     "                                 \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_ADDODSTASK_SUB_SCANNETWORKDRIVES_DESC,                                                           \
      std::string("Selects whether the on-demand scan task scans network drives.\n     ")                  \
          + PARAM_ENABLE + ": Scans network drives.\n     "                                                \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_SETOASPROFILECONFIG_SUB_SCANARCHIVE_DESC,                                                        \
      std::string("Selects whether the profile scans inside archives.\n     ")                             \
          + PARAM_ENABLE + ": Scans inside archives.\n     "                                               \
          + PARAM_DISABLE + ": Does not scan inside archives.\n")                                          \
    X(CLI_ADDODSTASK_SUB_SCANARCHIVE_DESC,                                                                 \
      std::string("Selects whether the on-demand scan task scans inside archives.\n     ")                 \
          + PARAM_ENABLE + ": Scans inside archives.\n     "                                               \
          + PARAM_DISABLE + ": Does not scan inside archives.\n")                                          \
    X(CLI_SETOASPROFILECONFIG_SUB_SCANMIME_DESC,                                                           \
      std::string("Selects whether the profile scans MIME encoded files.\n     ")                          \
          + PARAM_ENABLE + ": Scans MIME encoded files.\n     "                                            \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_ADDODSTASK_SUB_SCANMIME_DESC,                                                                    \
      std::string("Selects whether the on-demand scan task scans MIME encoded files.\n     ")              \
          + PARAM_ENABLE + ": Scans MIME encoded files.\n     "                                            \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_SETOASPROFILECONFIG_SUB_SCANPUPS_DESC,                                                           \
      std::string("Selects whether the profile detects potentially unwanted programs.\n     ")             \
          + PARAM_ENABLE + ": Detects unwanted programs.\n     "                                           \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_ADDODSTASK_SUB_SCANPUPS_DESC,                                                                    \
      std::string("Selects whether the on-demand scan task detects potentially unwanted programs."         \
                  "\n     ")                                                                               \
          + PARAM_ENABLE + ": Detects unwanted programs.\n     "                                           \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_SETOASPROFILECONFIG_SUB_SCANUNKNOWNPROGRAMS_DESC,                                                \
      std::string("Selects whether the profile detects unknown program threats.\n     ")                   \
          + PARAM_ENABLE + ": Detects unknown program threats.\n     "                                     \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_ADDODSTASK_SUB_SCANUNKNOWNPROGRAMS_DESC,                                                         \
      std::string("Selects whether the on-demand scan task detects unknown program threats.\n     ")       \
          + PARAM_ENABLE + ": Detects unknown program threats.\n     "                                     \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_SETOASPROFILECONFIG_SUB_SCANUNKNOWNMACROS_DESC,                                                  \
      std::string("Selects whether the profile detects unknown macro threats.\n     ")                     \
          + PARAM_ENABLE + ": Detects unknown macro threats.\n     "                                       \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_ADDODSTASK_SUB_SCANUNKNOWNMACROS_DESC,                                                           \
      std::string("Selects whether the on-demand scan task detects unknown macro threats.\n     ")         \
          + PARAM_ENABLE + ": Detects unknown macro threats.\n     "                                       \
          + PARAM_DISABLE + ": Does not detect them.\n")                                                   \
    X(CLI_ADDODSTASK_SUB_SCANSUBFOLDERS_DESC,                                                              \
      std::string("Selects whether the on-demand scan task scans the subfolders of the scan paths."        \
                  "\n     ")                                                                               \
          + PARAM_ENABLE + ": Scans subfolders.\n     "                                                    \
          + PARAM_DISABLE + ": Scans only the given folders.\n")                                           \
    X(CLI_ADDODSTASK_SUB_SCANLOCALDRIVES_DESC,                                                             \
      std::string("Selects whether the on-demand scan task scans all local drives.\n     ")                \
          + PARAM_ENABLE + ": Scans all local drives.\n     "                                              \
          + PARAM_DISABLE + ": Scans only the given scan paths.\n")                                        \
    X(CLI_ADDODSTASK_SUB_SCANTMPFOLDERS_DESC,                                                              \
      std::string("Selects whether the on-demand scan task scans the temporary folders.\n     ")           \
          + PARAM_ENABLE + ": Scans the temporary folders.\n     "                                         \
          + PARAM_DISABLE + ": Does not scan them.\n")                                                     \
    X(CLI_ADDODSTASK_SUB_USESCANCACHE_DESC,                                                                \
      std::string("Selects whether the on-demand scan task skips files that the scan cache marks as "      \
                  "clean.\n     ")                                                                         \
          + PARAM_ENABLE + ": Uses the scan cache.\n     "                                                 \
          + PARAM_DISABLE + ": Scans every file.\n")                                                       \
    X(CLI_SETOASPROFILECONFIG_SUB_PRIMARYACTION_DESC,                                                      \
      std::string("Sets the first response of the profile when a threat is detected.\n     ")              \
          + PARAM_CLEAN                                                                                    \
          + ": Cleans the detected file. If it cannot be cleaned, the next response applies.\n     "       \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_DENY + ": Denies access to the detected file.\n")                                        \
    X(CLI_ADDODSTASK_SUB_PRIMARYACTION_DESC,                                                               \
      std::string("Sets the first response of the on-demand scan task when a threat is detected.\n     ")  \
          + PARAM_CLEAN                                                                                    \
          + ": Cleans the detected file. If it cannot be cleaned, the next response applies.\n     "       \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_CONTINUE + ": Reports the detection and continues scanning.\n")                          \
    X(CLI_SETOASPROFILECONFIG_SUB_SECONDARYACTION_DESC,                                                    \
      std::string("Sets the response of the profile when the first response to a threat fails.\n     ")    \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_DENY + ": Denies access to the detected file.\n")                                        \
    X(CLI_ADDODSTASK_SUB_SECONDARYACTION_DESC,                                                             \
      std::string("Sets the response of the on-demand scan task when the first response to a threat "      \
                  "fails.\n     ")                                                                         \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_CONTINUE + ": Reports the detection and continues scanning.\n")                          \
    X(CLI_SETOASPROFILECONFIG_SUB_PRIMARYACTIONPUP_DESC,                                                   \
      std::string("Sets the first response of the profile when an unwanted program is detected.\n     ")   \
          + PARAM_CLEAN                                                                                    \
          + ": Cleans the detected file. If it cannot be cleaned, the next response applies.\n     "       \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_DENY + ": Denies access to the detected file.\n")                                        \
    X(CLI_ADDODSTASK_SUB_PRIMARYACTIONPUP_DESC,                                                            \
      std::string("Sets the first response of the on-demand scan task when an unwanted program is "        \
                  "detected.\n     ")                                                                      \
          + PARAM_CLEAN                                                                                    \
          + ": Cleans the detected file. If it cannot be cleaned, the next response applies.\n     "       \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_CONTINUE + ": Reports the detection and continues scanning.\n")                          \
    X(CLI_SETOASPROFILECONFIG_SUB_SECONDARYACTIONPUP_DESC,                                                 \
      std::string("Sets the response of the profile when the first response to an unwanted program "       \
                  "fails.\n     ")                                                                         \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_DENY + ": Denies access to the detected file.\n")                                        \
    X(CLI_ADDODSTASK_SUB_SECONDARYACTIONPUP_DESC,                                                          \
      std::string("Sets the response of the on-demand scan task when the first response to an unwanted "   \
                  "program fails.\n     ")                                                                 \
          + PARAM_DELETE + ": Deletes the detected file.\n     "                                           \
          + PARAM_CONTINUE + ": Reports the detection and continues scanning.\n")                          \
    X(CLI_ADDODSTASK_SUB_ODSTHREADS_DESC,                                                                  \
      "Number of threads that the on-demand scan task uses, a positive whole number. The default is 5.")   \
    X(CLI_ADDODSTASK_SUB_MAXSCANTIME_DESC,                                                                 \
      "Maximum time in seconds that the on-demand scan task spends on one file. The default is 45.")       \
    X(CLI_ADDODSTASK_SUB_MAXCPULIMIT_DESC,                                                                 \
      "Maximum CPU usage of the on-demand scan task, as a percentage from 1 to 100. The default is 100. "  \
      "Available only where the kernel supports CPU limiting.")                                            \
    X(CLI_SETOASPROFILECONFIG_SUB_DELEXCLUSION_DESC,                                                       \
      "Deletes an exclusion of the profile. Identify the exclusion with --index, as shown by "             \
      "--getoasconfig --exclusionlist.")                                                                   \
    X(CLI_GETOASCONFIG_CMD_DESC,                                                                           \
      std::string("Shows the On-Access Scan configuration. Sub-options:\n     --")                         \
          + CLI_GETOASCONFIG_SUB_SUMMARY + ": Shows a summary of the configuration.\n     --"              \
          + CLI_GETOASCONFIG_SUB_PROCESSLIST                                                               \
          + ": Shows the high-risk and low-risk process lists.\n     --"                                   \
          + CLI_GETOASCONFIG_SUB_EXCLUSIONLIST + ": Shows the exclusions of a profile.\n     --"           \
          + CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN + ": Shows the file types that a profile scans.\n")   \
    X(CLI_SUB_PROFILE_DESC,                                                                                \
      std::string("Selects the On-Access Scan profile.\n     ")                                            \
          + CLI_PROFILE_PARAM_STANDARD + ": The standard profile.\n     "                                  \
          + CLI_PROFILE_PARAM_LOWRISK + ": The low-risk profile.\n     "                                   \
          + CLI_PROFILE_PARAM_HIGHRISK + ": The high-risk profile.\n")                                     \
    X(CLI_SUB_TASK_NAME_DESC, "Name of the task.")                                                         \
    X(CLI_SUB_TASK_UID_DESC, "Unique identifier (UUID) of the task.")                                      \
    X(CLI_SUB_RUNTASK_INDEX_DESC, "Index of the task to run, as shown by --listtasks.")                    \
    X(CLI_SUB_DELETETASK_INDEX_DESC, "Index of the task to delete, as shown by --listtasks.")              \
    X(CLI_SUB_STOPTASK_INDEX_DESC, "Index of the task to stop, as shown by --listtasks.")                  \
    X(CLI_SUB_SHOWTASK_INDEX_DESC, "Index of the task to show, as shown by --listtasks.")                  \
    X(CLI_SUB_SCHEDULETASK_INDEX_DESC, "Index of the task to schedule, as shown by --listtasks.")          \
    X(CLI_SUB_DELEXCLUSION_INDEX_DESC,                                                                     \
      "Index of the exclusion to delete, as shown by --getoasconfig --exclusionlist.")                     \
    X(CLI_ADDODSTASK_SUB_SCANPATHS_DESC,                                                                   \
      "Comma-separated list of absolute paths that the on-demand scan task scans.")                        \
    X(CLI_SUB_EXCLUDE_PATHS_DESC,                                                                          \
      "Comma-separated list of absolute file or folder paths to exclude from scanning.")                   \
    X(CLI_SUB_EXCLUDE_FILE_TYPE_DESC,                                                                      \
      "Comma-separated list of file extensions, without the leading dot, to exclude from scanning.")       \
    X(CLI_SUB_EXCLUDE_SUBFOLDER_DESC,                                                                      \
      "Also excludes the subfolders of the folders given with --excludepaths.")                            \
    X(CLI_SUB_EXCLUDE_PATH_WITH_SUBFOLDER_DESC,                                                            \
      "Comma-separated list of absolute folder paths to exclude from scanning together with their "        \
      "subfolders.")                                                                                       \
    X(CLI_GETOASCONFIG_SUB_SUMMARY_DESC, "Shows a summary of the On-Access Scan configuration.")           \
    X(CLI_GETOASCONFIG_SUB_PROCESSLIST_DESC, "Shows the high-risk and low-risk process lists.")            \
    X(CLI_GETOASCONFIG_SUB_EXCLUSIONLIST_DESC,                                                             \
      "Shows the exclusions of the profile selected with --profile.")                                      \
    X(CLI_GETOASCONFIG_SUB_LISTFILETYPESTOSCAN_DESC,                                                       \
      std::string("Shows the file types that the profile selected with --profile scans.\n     ")           \
          + CLI_LISTFILETYPESTOSCAN_PARAM_DEFAULT_AND_SPECIFIED                                            \
          + ": Shows the default file types and the added types.\n     "                                   \
          + CLI_LISTFILETYPESTOSCAN_PARAM_ONLY_SPECIFIED + ": Shows only the added types.\n")              \
    X(ALL_OPTION_DESC, "Shows the help of every option of the command.")                                   \
    X(CLI_CREATEAPRULE_CMD_DESC,                                                                           \
      "Creates an Access Protection rule. Name the rule with --rulename, choose whether it blocks or "     \
      "reports with --block and --report, select the processes and users it applies to, and add "          \
      "sub-rules with --addsubrule.")                                                                      \
    X(CLI_CREATEAPRULE_RULENAME_DESC, "Name of the Access Protection rule.")                               \
    X(CLI_CREATEAPRULE_BLOCK_DESC,                                                                         \
      std::string("Selects whether the rule blocks the operations it matches.\n     ")                     \
          + PARAM_ENABLE + ": Blocks matching operations.\n     "                                          \
          + PARAM_DISABLE + ": Does not block them.\n")                                                    \
    X(CLI_CREATEAPRULE_REPORT_DESC,                                                                        \
      std::string("Selects whether the rule reports the operations it matches.\n     ")                    \
          + PARAM_ENABLE + ": Reports matching operations.\n     "                                         \
          + PARAM_DISABLE + ": Does not report them.\n")                                                   \
    X(CLI_CREATEAPRULE_INCLUDEPROCESS_DESC,                                                                \
      "Processes to which the rule applies, in the format name1:file1,name2:file2,...")                    \
    X(CLI_CREATEAPRULE_EXCLUDEPROCESS_DESC,                                                                \
      "Processes to which the rule does not apply, in the format name1:file1,name2:file2,...")             \
    X(CLI_CREATEAPRULE_INCLUDEUSERS_DESC, "Comma-separated list of user names to which the rule applies.") \
    X(CLI_CREATEAPRULE_EXCLUDEUSERS_DESC,                                                                  \
      "Comma-separated list of user names to which the rule does not apply.")                              \
    X(CLI_CREATEAPRULE_ADDSUBRULE_DESC,                                                                    \
      "Adds a sub-rule to the rule. Give it with --subrulename, --subruletype, --operations and its "      \
      "target options.")                                                                                   \
    X(CLI_CREATEAPRULE_SUBRULENAME_DESC, "Name of the sub-rule.")                                          \
    X(CLI_CREATEAPRULE_SUBRULETYPE_DESC,                                                                   \
      std::string("Type of the sub-rule.\n     ")                                                          \
          + PARAM_FILE + ": The sub-rule protects files.\n     "                                           \
          + PARAM_PROCESS + ": The sub-rule protects processes.\n")                                        \
    X(CLI_CREATEAPRULE_OPERATIONS_DESC,                                                                    \
      std::string("Comma-separated list of the operations that the sub-rule matches.\n     ")              \
          + PARAM_CREATE + ": Creating a file.\n     "                                                     \
          + PARAM_EXECUTE + ": Executing a file.\n     "                                                   \
          + PARAM_READ + ": Reading a file.\n     "                                                        \
          + PARAM_RENAME + ": Renaming a file.\n     "                                                     \
          + PARAM_WRITE + ": Writing a file.\n     "                                                       \
          + PARAM_CHANGE_OWNER + ": Changing the owner of a file.\n     "                                  \
          + PARAM_CHANGE_PERMISSIONS + ": Changing the permissions of a file.\n     "                      \
          + PARAM_HARDLINK + ": Creating a hard link to a file.\n     "                                    \
          + PARAM_SYMLINK + ": Creating a symbolic link to a file.\n     "                                 \
          + PARAM_CREATETHREAD + ": Creating a thread in a process.\n     "                                \
          + PARAM_CHANGE + ": Changing a process.\n     "                                                  \
          + PARAM_TERMINATE + ": Terminating a process.\n     "                                            \
          + PARAM_RUN + ": Running a process.\n     "                                                      \
          + PARAM_ANYACCESS + ": Any access to the target.\n")                                             \
    X(CLI_CREATEAPRULE_INCLUDETARGETFILE_DESC,                                                             \
      "Comma-separated list of file paths that the sub-rule protects.")                                    \
    X(CLI_CREATEAPRULE_INCLUDETARGETDSTFILE_DESC,                                                          \
      "Comma-separated list of destination file paths, of rename and link operations, that the sub-rule "  \
      "protects.")                                                                                         \
    X(CLI_CREATEAPRULE_INCLUDETARGETDRIVETYPE_DESC,                                                        \
      std::string("Comma-separated list of the drive types that the sub-rule protects.\n     ")            \
          + PARAM_REMOVABLE + ": Removable drives.\n     "                                                 \
          + PARAM_NETWORK + ": Network drives.\n     "                                                     \
          + PARAM_FIXED + ": Fixed drives.\n")                                                             \
    X(CLI_CREATEAPRULE_INCLUDETARGETPROCESS_DESC,                                                          \
      "Processes that the sub-rule protects, in the format name1:file1,name2:file2,...")                   \
    X(CLI_CREATEAPRULE_EXCLUDETARGETFILE_DESC,                                                             \
      "Comma-separated list of file paths that the sub-rule does not protect.")                            \
    X(CLI_CREATEAPRULE_EXCLUDETARGETDSTFILE_DESC,                                                          \
      "Comma-separated list of destination file paths, of rename and link operations, that the sub-rule "  \
      "does not protect.")                                                                                 \
    X(CLI_CREATEAPRULE_EXCLUDETARGETDRIVETYPE_DESC,                                                        \
      std::string("Comma-separated list of the drive types that the sub-rule does not protect.\n     ")    \
          + PARAM_REMOVABLE + ": Removable drives.\n     "                                                 \
          + PARAM_NETWORK + ": Network drives.\n     "                                                     \
          + PARAM_FIXED + ": Fixed drives.\n")                                                             \
    X(CLI_CREATEAPRULE_EXCLUDETARGETPROCESS_DESC,                                                          \
      "Processes that the sub-rule does not protect, in the format name1:file1,name2:file2,...")           \
    X(CLI_EDITAPRULE_CMD_DESC,                                                                             \
      "Edits an existing Access Protection rule, identified by its index as shown by --getallaprules. "    \
      "Change whether it blocks or reports with --block and --report, and add sub-rules with "             \
      "--addsubrule.")                                                                                     \
    X(CLI_EDITAPRULE_REPORT_DESC,                                                                          \
      std::string("Changes whether the rule reports the operations it matches.\n     ")                    \
          + PARAM_ENABLE + ": Reports matching operations.\n     "                                         \
          + PARAM_DISABLE + ": Does not report them.\n")                                                   \
    X(CLI_EDITAPRULE_BLOCK_DESC,                                                                           \
      std::string("Changes whether the rule blocks the operations it matches.\n     ")                     \
          + PARAM_ENABLE + ": Blocks matching operations.\n     "                                          \
          + PARAM_DISABLE + ": Does not block them.\n")                                                    \
    X(CLI_EDITAPRULE_ADDSUBRULE_DESC, CLI_CREATEAPRULE_ADDSUBRULE_DESC)                                    \
    X(CLI_EDITAPRULE_SUBRULENAME_DESC, CLI_CREATEAPRULE_SUBRULENAME_DESC)                                  \
    X(CLI_EDITAPRULE_SUBRULETYPE_DESC, CLI_CREATEAPRULE_SUBRULETYPE_DESC)                                  \
    X(CLI_EDITAPRULE_OPERATIONS_DESC, CLI_CREATEAPRULE_OPERATIONS_DESC)                                    \
    X(CLI_EDITAPRULE_INCLUDETARGETFILE_DESC, CLI_CREATEAPRULE_INCLUDETARGETFILE_DESC)                      \
    X(CLI_EDITAPRULE_INCLUDETARGETDSTFILE_DESC, CLI_CREATEAPRULE_INCLUDETARGETDSTFILE_DESC)                \
    X(CLI_EDITAPRULE_INCLUDETARGETDRIVETYPE_DESC, CLI_CREATEAPRULE_INCLUDETARGETDRIVETYPE_DESC)            \
    X(CLI_EDITAPRULE_INCLUDETARGETPROCESS_DESC, CLI_CREATEAPRULE_INCLUDETARGETPROCESS_DESC)                \
    X(CLI_EDITAPRULE_EXCLUDETARGETFILE_DESC, CLI_CREATEAPRULE_EXCLUDETARGETFILE_DESC)                      \
    X(CLI_EDITAPRULE_EXCLUDETARGETDSTFILE_DESC, CLI_CREATEAPRULE_EXCLUDETARGETDSTFILE_DESC)                \
    X(CLI_EDITAPRULE_EXCLUDETARGETDRIVETYPE_DESC, CLI_CREATEAPRULE_EXCLUDETARGETDRIVETYPE_DESC)            \
    X(CLI_EDITAPRULE_EXCLUDETARGETPROCESS_DESC, CLI_CREATEAPRULE_EXCLUDETARGETPROCESS_DESC)                \
    X(CLI_ADDREPOSITORY_CMD_DESC,                                                                          \
      std::string("Adds a repository from which Velantra for Linux downloads updates. Sub-options:"        \
                  "\n     --")                                                                             \
          + CLI_REPOSITORY_NAME + ": Name of the repository.\n     --"                                     \
          + CLI_REPOSITORY_TYPE + ": Type of the repository.\n     --"                                     \
          + CLI_REPOSITORY_URL + ": URL of the repository.\n     --"                                       \
          + CLI_REPOSITORY_PORT + ": Port of the repository.\n     --"                                     \
          + CLI_REPOSITORY_USERNAME + ": User name for the repository.\n     --"                           \
          + CLI_REPOSITORY_PASSWORD + ": Password for the repository.\n     --"                            \
          + CLI_REPOSITORY_PRIORITY + ": Priority of the repository.\n")                                   \
    X(CLI_DISABLEREPOSITORY_CMD_DESC,                                                                      \
      "Disables the repository given with --name, so that it is no longer used for updates.")              \
    X(CLI_ENABLEREPOSITORY_CMD_DESC,                                                                       \
      "Enables the repository given with --name, so that it is used for updates again.")                   \
    X(CLI_SHOWREPOSITORY_CMD_DESC,                                                                         \
      "Lists the configured repositories with their type, URL, priority and state.")                       \
    X(CLI_SHOWPROXYSERVERCONFIG_CMD_DESC, "Shows the proxy server configuration.")                         \
    X(CLI_SETREPOSITORYPRIORITY_CMD_DESC,                                                                  \
      "Sets the priority of the repository given with --name. Repositories are tried in order of "         \
      "priority, 1 first.")                                                                                \
    X(CLI_ADDPROXY_CMD_DESC,                                                                               \
      "Adds a proxy server through which the repositories are reached. Give it with --name, --type, "      \
      "--url, --port, --username and --password.")                                                         \
    X(CLI_REMOVEPROXY_CMD_DESC, "Removes the proxy server given with --name.")                             \
    X(CLI_GET_AP_STATUS_DESC, "Shows whether Access Protection is enabled or disabled.")                   \
    X(CLI_SET_AP_STATUS_DESC,                                                                              \
      std::string("Enables or disables Access Protection.\n     ")                                         \
          + PARAM_ENABLE + ": Enables Access Protection.\n     "                                           \
          + PARAM_DISABLE + ": Disables Access Protection.\n")                                             \
    X(CLI_GET_ALL_AP_RULES_CMD_DESC, "Lists all the Access Protection rules with their index and name.")   \
    X(CLI_GET_AP_RULE_CONFIG_CMD_DESC,                                                                     \
      "Shows the configuration of the Access Protection rule with the given index, as shown by "           \
      "--getallaprules.")                                                                                  \
    X(CLI_GET_AP_RULE_CONFIG_CMD_DESC_SHORT, "Shows the configuration of an Access Protection rule.")      \
    X(CLI_DELETE_AP_RULE_CMD_DESC,                                                                         \
      "Deletes the Access Protection rule with the given index, as shown by --getallaprules.")             \
    X(CLI_DELETE_AP_RULE_CMD_DESC_SHORT, "Deletes an Access Protection rule.")                             \
    X(CLI_GET_AP_EXCLUSION_CMD_DESC, "Shows the processes excluded from Access Protection.")               \
    X(CLI_SET_AP_EXCLUSION_CMD_DESC,                                                                       \
      "Sets the processes excluded from Access Protection, in the format name1:file1,name2:file2,...")     \
    X(CLI_SET_AP_EXCLUSION_CMD_DESC_SHORT, "Sets the Access Protection exclusions.")                       \
    X(CLI_DELETE_AP_EXCLUSION_CMD_DESC, "Deletes the processes excluded from Access Protection.")          \
    X(CLI_DELETE_AP_EXCLUSION_CMD_DESC_SHORT, "Deletes the Access Protection exclusions.")                 \
    X(CLI_REPOSITORY_NAME_DESC, "Name of the repository.")                                                 \
    X(CLI_REPOSITORY_TYPE_DESC,                                                                            \
      std::string("Type of the repository.\n     ")                                                        \
          + REPOSITORY_TYPE_HTTP + ": An HTTP server.\n     "                                              \
          + REPOSITORY_TYPE_FTP + ": An FTP server.\n     "                                                \
          + REPOSITORY_TYPE_LOCAL + ": A local or mounted folder.\n")                                      \
    X(CLI_REPOSITORY_URL_DESC, "URL of the repository, or the path of a local repository.")                \
    X(CLI_REPOSITORY_PORT_DESC, "Port of the repository, from 0 to 65535.")                                \
    X(CLI_REPOSITORY_USERNAME_DESC, "User name for the repository, if it requires authentication.")        \
    X(CLI_REPOSITORY_PASSWORD_DESC, "Password for the repository, if it requires authentication.")         \
    X(CLI_REPOSITORY_PRIORITY_DESC,                                                                        \
      "Priority of the repository, a number greater than 0. 1 is the highest priority.")
// clang-format on
