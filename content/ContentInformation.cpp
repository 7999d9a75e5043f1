// Engine and DAT content information ("DNDGlobalSettings", section type "52"):
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

#include "config/Access.h"
#include "settings/ProductDirectories.h"

namespace KOVL {
namespace {
using detail::Setting;

constexpr const char* kGlobalSection = "52";

const char* const kMajorEngine = "DNDGlobalSettings.MajorEngineVersion";
const char* const kMinorEngine = "DNDGlobalSettings.MinorEngineVersion";
const char* const kMajorDAT = "DNDGlobalSettings.MajorDATVersion";
const char* const kMinorDAT = "DNDGlobalSettings.MinorDATVersion";
const char* const kReleaseDay = "DNDGlobalSettings.DATReleaseDay";
const char* const kReleaseMonth = "DNDGlobalSettings.DATReleaseMonth";
const char* const kReleaseYear = "DNDGlobalSettings.DATReleaseYear";
const char* const kExtraDATVersion = "DNDGlobalSettings.ExtraDATVersion";
const char* const kVirusList = "DNDGlobalSettings.ExtraDATVirusList.VirusName";
const char* const kIncrementalEngine = "DNDGlobalSettings.IncrementalUpdateEngineVersion";

const Setting<std::string> kDATUpdateTime{kGlobalSection, "DNDGlobalSettings.DATUpdateTime", "", ""};
// Emptied first, then read.
const Setting<std::string> kExtraDATVersionRow{kGlobalSection, kExtraDATVersion, "",
                                               "Unable to get Extra DAT version in Config Controller"};

// The store holds 32-bit integers: a 64-bit field is stored as its low 32 bits.
int low32(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

}  // namespace

// Fields read before a failure keep their new values; the rest keep the caller's.
int KOVConfigController::getEngineAndDATInfo(EngineAndDATInfo& info) {
    try {
        info.majorEngineVersion = configStore->readInt(kGlobalSection, kMajorEngine);
        info.minorEngineVersion = configStore->readInt(kGlobalSection, kMinorEngine);
        info.majorDATVersion = configStore->readInt(kGlobalSection, kMajorDAT);
        info.minorDATVersion = configStore->readInt(kGlobalSection, kMinorDAT);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get engine and DAT info value in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::setEngineAndDATInfo(EngineAndDATInfo& info) {
    return locked([&] {
        try {
            configStore->writeInt("type", kGlobalSection, kMajorEngine, low32(info.majorEngineVersion));
            configStore->writeInt("type", kGlobalSection, kMinorEngine, low32(info.minorEngineVersion));
            configStore->writeInt("type", kGlobalSection, kMajorDAT, low32(info.majorDATVersion));
            configStore->writeInt("type", kGlobalSection, kMinorDAT, low32(info.minorDATVersion));
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set engine and DAT info in Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

int KOVConfigController::getDATDateInfo(DATReleaseInfo& info) {
    try {
        info.day = configStore->readInt(kGlobalSection, kReleaseDay);
        info.month = configStore->readInt(kGlobalSection, kReleaseMonth);
        info.year = configStore->readInt(kGlobalSection, kReleaseYear);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get DAT's release date info in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::setDATDateInfo(DATReleaseInfo& info) {
    return locked([&] {
        try {
            configStore->writeInt("type", kGlobalSection, kReleaseDay, info.day);
            configStore->writeInt("type", kGlobalSection, kReleaseMonth, info.month);
            configStore->writeInt("type", kGlobalSection, kReleaseYear, info.year);
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set DAT's release date info in Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

std::string KOVConfigController::getDATUpdateDate() {
    return getStringConfiguration(kDATUpdateTime.sectionType, kDATUpdateTime.key);
}

int KOVConfigController::setDATUpdateDate(std::string date) { return lockedSet(kDATUpdateTime, date); }

// Both parts are read before `withMinor` is looked at: a failing minor read
// fails the major-only answer too. `version` changes only on success.
int KOVConfigController::getDATVersion(bool withMinor, std::string& version) {
    try {
        const std::string major = configStore->readString(kGlobalSection, kMajorDAT);
        const std::string minor = configStore->readString(kGlobalSection, kMinorDAT);
        version = withMinor ? major + "." + minor : major;
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get DAT version in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getEngineVersion(std::string& version) {
    try {
        const std::string major = configStore->readString(kGlobalSection, kMajorEngine);
        const std::string minor = configStore->readString(kGlobalSection, kMinorEngine);
        version = major + "." + minor;
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get engine version in Config Controller");
        return AM_STORE_FAILURE;
    }
}

int KOVConfigController::getExtraDATVersion(std::string& version) {
    return readInto(kExtraDATVersionRow, version);
}

int KOVConfigController::setExtraDATVersion(std::string version) {
    return locked([&] {
        try {
            configStore->writeString("type", kGlobalSection, kExtraDATVersion, version);
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set Extra DAT version info in Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

// An empty stored list (after trimming) leaves `names` as it was.
int KOVConfigController::getExtraDATVirusList(std::vector<std::string>& names) {
    try {
        std::vector<std::string> items = readList(kGlobalSection, kVirusList, kVirusList, true);
        if (!items.empty()) names.swap(items);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get virus list that Extra DAT can detect");
        return AM_STORE_FAILURE;
    }
}

// Replaces the whole list: the stored items are taken out, then the names are
// stored joined with the list's delimiter, unchanged and in order. An empty
// vector clears the list. The bulk operations' codes are not examined.
int KOVConfigController::setExtraDATVirusList(std::vector<std::string>& names) {
    return locked([&] {
        try {
            const std::string current = configStore->readString(kGlobalSection, kVirusList);
            if (!current.empty()) {
                delInternalSettings({}, {{kGlobalSection, {{kVirusList, current}}}});
                addInternalSettings({{kGlobalSection, {{kVirusList, ""}}}});
            }
            if (!names.empty()) {
                const std::string joined =
                    boost::algorithm::join(names, getDelimiter(kGlobalSection, kVirusList));
                addInternalSettings({{kGlobalSection, {{kVirusList, joined}}}});
            }
            return AM_SUCCESS;
        } catch (...) {
            logError("Unable to set virus list that Extra DAT can detect");
            return AM_STORE_FAILURE;
        }
    });
}

int KOVConfigController::getIncrementalUpdateEngineVersion(std::string& version) {
    try {
        version = configStore->readString(kGlobalSection, kIncrementalEngine);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get engine version for doing incremental update  in Config Controller");
        return AM_STORE_FAILURE;
    }
}

std::string KOVConfigController::getEngineFileName() { return "libqorbe.so.4"; }

std::string KOVConfigController::contentInstallDir() {
    const std::string dir = this->getProductInstallDir();
    return dir.empty() ? detail::kDefaultInstallDir : dir;
}

std::string KOVConfigController::contentVarDir() {
    const std::string dir = this->getProductVarDir();
    return dir.empty() ? detail::kDefaultVarDir : dir;
}

std::string KOVConfigController::getEngineRootDir() { return contentInstallDir() + "/var/engine"; }

std::string KOVConfigController::getBaseEngineDir() { return contentInstallDir() + "/var/engine/lib"; }

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

std::string KOVConfigController::getDATDir() { return contentVarDir() + "/dat"; }

std::string KOVConfigController::getExtraDATDir() { return contentVarDir() + "/dat/extra"; }

}  // namespace KOVL
