// On-access profiles: scan mode, which files are scanned, the two per-profile
// file-type lists and the product-wide file-type and excluded-file-system
// lists. Getters take no lock; the two setters rely on their caller holding
// the controller mutex.

#include <boost/lexical_cast.hpp>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {
const char* const kScanModeFailed = "Unable to set scan mode settings in Config Controller";
const char* const kFileTypesFailed = "Unable to set file types for scan settings in Config Controller";

using detail::Setting;

constexpr const char* kScanModeKey = KOVL_KEY("DNDOASProfile.ScanMode");
constexpr const char* kFileTypeToScanKey = KOVL_KEY("DNDOASProfile.FileTypeToScan");
constexpr const char* kDefaultAndSpecifiedKey =
    KOVL_KEY("DNDOASProfile.FileTypeForDefaultAndSpecified.FileType");
constexpr const char* kOnlySpecifiedKey = KOVL_KEY("DNDOASProfile.FileTypeForOnlySpecified.FileType");
constexpr const char* kDefaultFileTypesKey =
    KOVL_KEY("DNDProductDefaultSettings.DefaultFileTypeToScan.FileType");
constexpr const char* kExcludedFSKey = KOVL_KEY("DNDOASGlobalSettings.OASExcludedFileSystems.FileSystem");
const char* const kProfileListFailed = "Unable to get file types to scan from Config Controller";
const char* const kDefaultListFailed = "Unable to get default file types to scan from Config Controller";

// Scalar values of a profile section; the scan-mode and file-type lines name the profile.
Setting<int> scanModeOf(PROFILE_CODE code) {
    return {KOVL_PREF(kScanModeKey), code,
            "Unable to get scan mode settings for the profile " + profileSectionType(code)};
}

Setting<int> fileTypesOf(PROFILE_CODE code) {
    return {KOVL_PREF(kFileTypeToScanKey), code,
            "Unable to get file types to scan for the profile " + profileSectionType(code)};
}

Setting<bool> noExtensionOf(PROFILE_CODE code) {
    return {KOVL_PREF("DNDOASProfile.ScanExtension"), code,
            "Unable to get Scan No Extension value from Config Controller"};
}

Setting<bool> networkScanOf(PROFILE_CODE code) {
    return {KOVL_PREF("DNDOASProfile.ScanOnNetwork"), code,
            "Unable to get Network Filesystem scan value from Config Controller"};
}

std::string delimiterPathOf(const std::string& key) { return "preferences." + key; }

}  // namespace

ScanMode KOVConfigController::getScanMode(PROFILE_CODE code) {
    return static_cast<ScanMode>(impl_->readOr(scanModeOf(code)));
}

FileTypesForScan KOVConfigController::getScanFileTypes(PROFILE_CODE code) {
    return static_cast<FileTypesForScan>(impl_->readOr(fileTypesOf(code)));
}

bool KOVConfigController::getScanNoExtension(PROFILE_CODE code) { return impl_->readOr(noExtensionOf(code)); }

bool KOVConfigController::isNetworkFilesystemScanEnable(PROFILE_CODE code) {
    return impl_->readOr(networkScanOf(code));
}

// A profile text that is not a number leaves as boost::bad_lexical_cast
// before anything is read or written.
int KOVConfigController::setScanMode(std::string profile, ScanMode mode) {
    return impl_->transacted([&] {
        const auto code = static_cast<PROFILE_CODE>(boost::lexical_cast<int>(profile));
        if (this->getScanMode(code) == mode) {
            impl_->logInfo(
                "scan mode settings is already set to same value. Hence not setting it again to same value");
            return AM_ALREADY_SET;
        }
        return impl_->directWrites(kScanModeFailed, [&] {
            impl_->configStore->writeInt("type", profile, kScanModeKey, mode);
            updateTimeStamp();
        });
    });
}

// Leaving "default and specified" or "only specified" drops that mode's list,
// so switching back starts from an empty list.
int KOVConfigController::setScanFileTypes(std::string profile, FileTypesForScan types) {
    return impl_->transacted([&] {
        const auto code = static_cast<PROFILE_CODE>(boost::lexical_cast<int>(profile));
        const FileTypesForScan old = this->getScanFileTypes(code);
        if (old == types) {
            impl_->logInfo(
                "file types for scan settings is already set to same value. Hence not setting it again to "
                "same "
                "value");
            return AM_ALREADY_SET;
        }
        return impl_->directWrites(kFileTypesFailed, [&] {
            impl_->configStore->writeInt("type", profile, kFileTypeToScanKey, types);
            const std::string written = impl_->configStore->readString(profile, kFileTypeToScanKey);
            const char* leftList = old == ONLY_SPECIFIED          ? kOnlySpecifiedKey
                                   : old == DEFAULT_AND_SPECIFIED ? kDefaultAndSpecifiedKey
                                                                  : nullptr;
            if (leftList) impl_->configStore->removeSettings({}, {{profile, {{leftList, written}}}});
            updateTimeStamp();
        });
    });
}

std::vector<std::string> KOVConfigController::getFileTypesToScanDefaultAndSpecified(PROFILE_CODE code) {
    return impl_->listOr({KOVL_PREF(kDefaultAndSpecifiedKey), code, kProfileListFailed},
                         delimiterPathOf(kDefaultAndSpecifiedKey), true);
}

std::vector<std::string> KOVConfigController::getFileTypesToScanOnlySpecified(PROFILE_CODE code) {
    return impl_->listOr({KOVL_PREF(kOnlySpecifiedKey), code, kProfileListFailed},
                         delimiterPathOf(kOnlySpecifiedKey), true);
}

std::vector<std::string> KOVConfigController::getDefaultFileTypesToScan() {
    return impl_->listOr({KOVL_PREF(kDefaultFileTypesKey), kDefaultListFailed},
                         delimiterPathOf(kDefaultFileTypesKey), true);
}

// Only a failing read yields the built-in names (copied only then); a stored
// empty list stays empty.
std::vector<std::string> KOVConfigController::getDefaultExcludedFSForOAS() {
    try {
        return impl_->readList(sections::kOASGlobal, kExcludedFSKey, delimiterPathOf(kExcludedFSKey), true);
    } catch (...) {
        impl_->logError(kDefaultListFailed);
        return KOVConfigData::excludedFileSystems();
    }
}

}  // namespace KOVL
