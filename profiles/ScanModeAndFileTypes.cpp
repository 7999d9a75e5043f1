// On-access profiles: scan mode, which files are scanned, the two per-profile
// file-type lists and the product-wide file-type and excluded-file-system
// lists. Getters take no lock; the two setters rely on their caller holding
// the controller mutex.

#include <boost/lexical_cast.hpp>
#include <string>
#include <vector>

#include "config/Access.h"

namespace KOVL {

namespace {

using detail::Setting;

const char* const kScanModeKey = "DNDOASProfile.ScanMode";
const char* const kFileTypeToScanKey = "DNDOASProfile.FileTypeToScan";
const char* const kDefaultAndSpecifiedKey = "DNDOASProfile.FileTypeForDefaultAndSpecified.FileType";
const char* const kOnlySpecifiedKey = "DNDOASProfile.FileTypeForOnlySpecified.FileType";
const char* const kProfileListFailed = "Unable to get file types to scan from Config Controller";
const char* const kDefaultListFailed = "Unable to get default file types to scan from Config Controller";

std::string sectionOf(PROFILE_CODE code) { return std::to_string(static_cast<int>(code)); }

// Scalar values of a profile section; the scan-mode and file-type lines name the profile.
Setting<int> scanModeOf(PROFILE_CODE code) {
    return {sectionOf(code), kScanModeKey, SCAN_MODE_DECIDE,
            "Unable to get scan mode settings for the profile " + sectionOf(code)};
}

Setting<int> fileTypesOf(PROFILE_CODE code) {
    return {sectionOf(code), kFileTypeToScanKey, ALL_FILES,
            "Unable to get file types to scan for the profile " + sectionOf(code)};
}

Setting<bool> noExtensionOf(PROFILE_CODE code) {
    return {sectionOf(code), "DNDOASProfile.ScanExtension", false,
            "Unable to get Scan No Extension value from Config Controller"};
}

Setting<bool> networkScanOf(PROFILE_CODE code) {
    return {sectionOf(code), "DNDOASProfile.ScanOnNetwork", false,
            "Unable to get Network Filesystem scan value from Config Controller"};
}

std::string delimiterPathOf(const std::string& key) { return "preferences." + key; }

}  // namespace

ScanMode KOVConfigController::getScanMode(PROFILE_CODE code) {
    return static_cast<ScanMode>(readOr(scanModeOf(code)));
}

FileTypesForScan KOVConfigController::getScanFileTypes(PROFILE_CODE code) {
    return static_cast<FileTypesForScan>(readOr(fileTypesOf(code)));
}

bool KOVConfigController::getScanNoExtension(PROFILE_CODE code) { return readOr(noExtensionOf(code)); }

bool KOVConfigController::isNetworkFilesystemScanEnable(PROFILE_CODE code) {
    return readOr(networkScanOf(code));
}

// A profile text that is not a number leaves as boost::bad_lexical_cast
// before anything is read or written.
int KOVConfigController::setScanMode(std::string profile, ScanMode mode) {
    return transacted([&] {
        const auto code = static_cast<PROFILE_CODE>(boost::lexical_cast<int>(profile));
        if (this->getScanMode(code) == mode) {
            logInfo(
                "scan mode settings is already set to same value. Hence not setting it again to same value");
            return AM_ALREADY_SET;
        }
        try {
            configStore->writeInt("type", profile, kScanModeKey, mode);
            updateTimeStamp();
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set scan mode settings in Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

// Leaving "default and specified" or "only specified" drops that mode's list,
// so switching back starts from an empty list.
int KOVConfigController::setScanFileTypes(std::string profile, FileTypesForScan types) {
    return transacted([&] {
        const auto code = static_cast<PROFILE_CODE>(boost::lexical_cast<int>(profile));
        const FileTypesForScan old = this->getScanFileTypes(code);
        if (old == types) {
            logInfo(
                "file types for scan settings is already set to same value. Hence not setting it again to "
                "same "
                "value");
            return AM_ALREADY_SET;
        }
        try {
            configStore->writeInt("type", profile, kFileTypeToScanKey, types);
            const std::string written = configStore->readString(profile, kFileTypeToScanKey);
            const char* leftList = old == ONLY_SPECIFIED          ? kOnlySpecifiedKey
                                   : old == DEFAULT_AND_SPECIFIED ? kDefaultAndSpecifiedKey
                                                                  : nullptr;
            if (leftList) configStore->removeSettings({}, {{profile, {{leftList, written}}}});
            updateTimeStamp();
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set file types for scan settings in Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

std::vector<std::string> KOVConfigController::getFileTypesToScanDefaultAndSpecified(PROFILE_CODE code) {
    return listOr({sectionOf(code), kDefaultAndSpecifiedKey, {}, kProfileListFailed},
                  delimiterPathOf(kDefaultAndSpecifiedKey), true);
}

std::vector<std::string> KOVConfigController::getFileTypesToScanOnlySpecified(PROFILE_CODE code) {
    return listOr({sectionOf(code), kOnlySpecifiedKey, {}, kProfileListFailed},
                  delimiterPathOf(kOnlySpecifiedKey), true);
}

std::vector<std::string> KOVConfigController::getDefaultFileTypesToScan() {
    const std::string key = "DNDProductDefaultSettings.DefaultFileTypeToScan.FileType";
    return listOr({"55", key, {}, kDefaultListFailed}, delimiterPathOf(key), true);
}

// Only a failing read yields the built-in names (copied only then); a stored
// empty list stays empty.
std::vector<std::string> KOVConfigController::getDefaultExcludedFSForOAS() {
    const std::string key = "DNDOASGlobalSettings.OASExcludedFileSystems.FileSystem";
    try {
        return readList("51", key, delimiterPathOf(key), true);
    } catch (...) {
        logError(kDefaultListFailed);
        return KOVConfigData::excludedFileSystems();
    }
}

}  // namespace KOVL
