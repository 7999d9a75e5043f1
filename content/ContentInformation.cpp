// Engine and DAT content information (in "DNDGlobalSettings"):
// installed engine and DAT versions, the DAT release and update dates, the
// extra DAT and the threats it detects, and the directories the engine and
// the content files live in.
//
// Readers answer 3001, or log their one line and answer 3025. Writers hold
// the controller mutex for their whole run; except setDATUpdateDate (a generic
// string setter) they do not stamp the update time.
#include <boost/algorithm/string/join.hpp>
#include <cstdint>
#include <string>

#include "config/ControllerImpl.h"
#include "settings/ProductDirectories.h"

namespace KOVL {

namespace {
// What each content writer logs when it could not write.
const char* const kEngineAndDATFailed = "Unable to set engine and DAT info in Config Controller";
const char* const kReleaseDateFailed = "Unable to set DAT's release date info in Config Controller";
const char* const kExtraDATVersionFailed = "Unable to set Extra DAT version info in Config Controller";
const char* const kVirusListFailed = "Unable to set virus list that Extra DAT can detect";

using detail::Setting;

const Setting<int> kMajorEngine{KOVL_PREF("DNDGlobalSettings.MajorEngineVersion")};
const Setting<int> kMinorEngine{KOVL_PREF("DNDGlobalSettings.MinorEngineVersion")};
const Setting<int> kMajorDAT{KOVL_PREF("DNDGlobalSettings.MajorDATVersion")};
const Setting<int> kMinorDAT{KOVL_PREF("DNDGlobalSettings.MinorDATVersion")};
// Keys without a schema default: they exist once their setters wrote them, and
// a read before that fails.
const Setting<int> kReleaseDay{KOVL_PREF("DNDGlobalSettings.DATReleaseDay")};
const Setting<int> kReleaseMonth{KOVL_PREF("DNDGlobalSettings.DATReleaseMonth")};
const Setting<int> kReleaseYear{KOVL_PREF("DNDGlobalSettings.DATReleaseYear")};
const Setting<std::string> kDATUpdateTime{KOVL_PREF("DNDGlobalSettings.DATUpdateTime")};
const Setting<std::vector<std::string>> kVirusList{
    KOVL_PREF("DNDGlobalSettings.ExtraDATVirusList.VirusName")};
const Setting<std::string> kIncrementalEngine{KOVL_PREF("DNDGlobalSettings.IncrementalUpdateEngineVersion")};
// Emptied first, then read: an unreadable version is "" (not the schema's "0").
const Setting<std::string> kExtraDATVersion{KOVL_PREF("DNDGlobalSettings.ExtraDATVersion"), "",
                                            "Unable to get Extra DAT version in Config Controller"};

// The store holds 32-bit integers: a 64-bit field is stored as its low 32 bits.
int low32(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

}  // namespace

// Fields read before a failure keep their new values; the rest keep the caller's.
int KOVConfigController::getEngineAndDATInfo(EngineAndDATInfo& info) {
    try {
        info.majorEngineVersion = impl_->readStore(kMajorEngine);
        info.minorEngineVersion = impl_->readStore(kMinorEngine);
        info.majorDATVersion = impl_->readStore(kMajorDAT);
        info.minorDATVersion = impl_->readStore(kMinorDAT);
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get engine and DAT info value in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::setEngineAndDATInfo(EngineAndDATInfo& info) {
    return impl_->locked([&] {
        return impl_->directWrites(kEngineAndDATFailed, [&] {
            impl_->writeStore(kMajorEngine, low32(info.majorEngineVersion));
            impl_->writeStore(kMinorEngine, low32(info.minorEngineVersion));
            impl_->writeStore(kMajorDAT, low32(info.majorDATVersion));
            impl_->writeStore(kMinorDAT, low32(info.minorDATVersion));
        });
    });
}

int KOVConfigController::getDATDateInfo(DATReleaseInfo& info) {
    try {
        info.day = impl_->readStore(kReleaseDay);
        info.month = impl_->readStore(kReleaseMonth);
        info.year = impl_->readStore(kReleaseYear);
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get DAT's release date info in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::setDATDateInfo(DATReleaseInfo& info) {
    return impl_->locked([&] {
        return impl_->directWrites(kReleaseDateFailed, [&] {
            impl_->writeStore(kReleaseDay, info.day);
            impl_->writeStore(kReleaseMonth, info.month);
            impl_->writeStore(kReleaseYear, info.year);
        });
    });
}

std::string KOVConfigController::getDATUpdateDate() {
    return getStringConfiguration(kDATUpdateTime.sectionType, kDATUpdateTime.key);
}

int KOVConfigController::setDATUpdateDate(std::string date) { return impl_->lockedSet(kDATUpdateTime, date); }

// Both parts are read before `withMinor` is looked at: a failing minor read
// fails the major-only answer too. `version` changes only on success.
int KOVConfigController::getDATVersion(bool withMinor, std::string& version) {
    try {
        const std::string major = impl_->readStore<std::string>(kMajorDAT.sectionType, kMajorDAT.key);
        const std::string minor = impl_->readStore<std::string>(kMinorDAT.sectionType, kMinorDAT.key);
        version = withMinor ? major + "." + minor : major;
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get DAT version in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getEngineVersion(std::string& version) {
    try {
        const std::string major = impl_->readStore<std::string>(kMajorEngine.sectionType, kMajorEngine.key);
        const std::string minor = impl_->readStore<std::string>(kMinorEngine.sectionType, kMinorEngine.key);
        version = major + "." + minor;
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get engine version in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getExtraDATVersion(std::string& version) {
    return impl_->readInto(kExtraDATVersion, version);
}

int KOVConfigController::setExtraDATVersion(std::string version) {
    return impl_->locked([&] {
        return impl_->directWrites(kExtraDATVersionFailed,
                                   [&] { impl_->writeStore(kExtraDATVersion, version); });
    });
}

// An empty stored list (after trimming) leaves `names` as it was.
int KOVConfigController::getExtraDATVirusList(std::vector<std::string>& names) {
    try {
        std::vector<std::string> items =
            impl_->readList(kVirusList.sectionType, kVirusList.key, kVirusList.key, true);
        if (!items.empty()) names.swap(items);
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get virus list that Extra DAT can detect");
        return AM_STORE_FAILURE;
    }
}

// Replaces the whole list: the stored items are taken out, then the names are
// stored joined with the list's delimiter, unchanged and in order. An empty
// vector clears the list. The bulk operations' codes are not examined.
int KOVConfigController::setExtraDATVirusList(std::vector<std::string>& names) {
    return impl_->locked([&] {
        return impl_->directWrites(kVirusListFailed, [&] {
            const std::string current = impl_->readStore<std::string>(kVirusList.sectionType, kVirusList.key);
            if (!current.empty()) {
                delInternalSettings({}, {{kVirusList.sectionType, {{kVirusList.key, current}}}});
                addInternalSettings({{kVirusList.sectionType, {{kVirusList.key, ""}}}});
            }
            if (!names.empty()) {
                const std::string joined =
                    boost::algorithm::join(names, getDelimiter(kVirusList.sectionType, kVirusList.key));
                addInternalSettings({{kVirusList.sectionType, {{kVirusList.key, joined}}}});
            }
        });
    });
}

int KOVConfigController::getIncrementalUpdateEngineVersion(std::string& version) {
    try {
        version = impl_->readStore(kIncrementalEngine);
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to get engine version for doing incremental update  in Config Controller");
        return AM_STORE_FAILURE;
    }
}

std::string KOVConfigController::getEngineFileName() { return "libqorbe.so.4"; }

namespace {
std::string contentInstallDir(detail::ControllerImpl& d) {
    const std::string dir = d.self.getProductInstallDir();
    return dir.empty() ? detail::kDefaultInstallDir : dir;
}

std::string contentVarDir(detail::ControllerImpl& d) {
    const std::string dir = d.self.getProductVarDir();
    return dir.empty() ? detail::kDefaultVarDir : dir;
}
}  // namespace

std::string KOVConfigController::getEngineRootDir() { return contentInstallDir(*impl_) + "/var/engine"; }

std::string KOVConfigController::getBaseEngineDir() { return contentInstallDir(*impl_) + "/var/engine/lib"; }

std::string KOVConfigController::get64EngineBaseDir() { return this->getBaseEngineDir() + "/64"; }

// A failed version read leaves the path ending in "/".
std::string KOVConfigController::getEngineDir() {
    const std::string base = this->get64EngineBaseDir();
    std::string version;
    this->getEngineVersion(version);
    return base + "/" + version;
}

std::string KOVConfigController::getIncrementalUpdateEnginePath() {
    const std::string base = this->getBaseEngineDir();
    std::string version;
    getIncrementalUpdateEngineVersion(version);
    return base + "/32/" + version;
}

std::string KOVConfigController::getDATDir() { return contentVarDir(*impl_) + "/dat"; }

std::string KOVConfigController::getExtraDATDir() { return contentVarDir(*impl_) + "/dat/extra"; }

}  // namespace KOVL
