// On-access exclusion lists: the source-specific and merged reads of one
// kind, the numbered list of every exclusion of a profile, the generic list
// read and the access-protection defaults. Nothing here takes the controller
// mutex; failures answer an empty (or, for the numbered list, shortened)
// result after one line.

#include <map>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"
#include "config/ListText.h"
#include "exclusions/ExclusionKeys.h"

namespace KOVL {

namespace {
using detail::exclusionKey;
using detail::ExclusionKind;

const char* const kFolderFailed = "Unable to get folder exclusion from Config Controller";
const char* const kFileFailed = "Unable to get file exclusions from Config Controller";
const char* const kFileTypeFailed = "Unable to get file type exclusions from Config Controller";

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Items exactly as stored: no trimming; every character of the delimiter separates.
std::vector<std::string> readExclusionList(detail::ControllerImpl& d, PROFILE_CODE profile,
                                           const std::string& key, const std::string& failure) {
    return d.listOr({profileSectionType(profile), key, {}, failure}, "preferences." + key, false);
}
}  // namespace

std::vector<std::string> KOVConfigController::getFolderExclusion(PROFILE_CODE profile, bool subfolders,
                                                                 ScanMode mode, DataSource source) {
    const ExclusionKind kind = subfolders ? ExclusionKind::Folder : ExclusionKind::Path;
    return readExclusionList(*impl_, profile, exclusionKey(kind, mode, source), kFolderFailed);
}

std::vector<std::string> KOVConfigController::getFilePathExclusion(PROFILE_CODE profile, ScanMode mode,
                                                                   DataSource source) {
    return readExclusionList(*impl_, profile, exclusionKey(ExclusionKind::File, mode, source), kFileFailed);
}

std::vector<std::string> KOVConfigController::getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode,
                                                                    DataSource source) {
    return readExclusionList(*impl_, profile, exclusionKey(ExclusionKind::FileType, mode, source),
                             kFileTypeFailed);
}

// Merged reads: command-line items first, then the management server's; duplicates stay.
std::vector<std::string> KOVConfigController::getFolderExclusion(PROFILE_CODE profile, bool subfolders,
                                                                 ScanMode mode) {
    return joined(this->getFolderExclusion(profile, subfolders, mode, CLI),
                  this->getFolderExclusion(profile, subfolders, mode, ZARN));
}

std::vector<std::string> KOVConfigController::getFilePathExclusion(PROFILE_CODE profile, ScanMode mode) {
    return joined(this->getFilePathExclusion(profile, mode, CLI),
                  this->getFilePathExclusion(profile, mode, ZARN));
}

std::vector<std::string> KOVConfigController::getFileTypesExclusion(PROFILE_CODE profile, ScanMode mode) {
    return joined(this->getFileTypesExclusion(profile, mode, CLI),
                  this->getFileTypesExclusion(profile, mode, ZARN));
}

// The order is the numbering the command-line tool shows and option 29 of the
// profile writer deletes by: paths, folders, files, file types; within each,
// command line read/write/read-write, then management server the same.
std::vector<std::map<std::string, std::string>> KOVConfigController::getExclusionList(PROFILE_CODE profile) {
    std::vector<std::map<std::string, std::string>> entries;
    try {
        for (ExclusionKind kind : detail::kExclusionKinds) {
            for (DataSource source : {CLI, ZARN}) {
                for (ScanMode mode : detail::kExclusionModes) {
                    std::vector<std::string> items =
                        detail::readExclusions(*this, kind, profile, mode, source);
                    const std::string key = exclusionKey(kind, mode, source);
                    for (std::string& item : items)
                        if (!item.empty()) entries.push_back({{key, std::move(item)}});
                }
            }
        }
    } catch (...) {
        impl_->logError("Unable to get exclusion list from Config Controller");
    }
    return entries;
}

std::vector<std::string> KOVConfigController::getExclusion(std::string type, std::string key) {
    try {
        const std::string text = impl_->configStore->readString(type, key);
        std::string delimiter = ",";
        impl_->configStore->readDelimiter(type, "preferences." + key, delimiter);
        return detail::splitList(text, delimiter);
    } catch (...) {
        impl_->logError("Unable to get exclusions in Config Controller");
        return {};
    }
}

std::vector<std::string> KOVConfigController::getAPDefaultExclusions() {
    return impl_->listOr({KOVL_PREF("DNDAPGlobalExclusions.APExclusions.APExclusion"),
                          "Unable to get default global exclusions for AP from Config Controller"},
                         KOVL_KEY("DNDAPGlobalExclusions.APExclusions.<xmlattr>.delimiter"), true);
}

}  // namespace KOVL
