// Preference bootstrap: restore, attach, load, retry once from the shipped file.
#include <kovl/config/Defaults.h>
#include <kovl/config/KOVConfigData.h>

#include <boost/filesystem.hpp>
#include <mutex>
#include <set>

namespace KOVL {

namespace {

const char* const kComponent = "KOVConfigData";

const char* const kMissingAndNoDefaults =
    "Fatal error after current preferences were missing and default preferences could not be used.";
const char* const kUtilityRefused = "Fatal error setting configuration store utility";
const char* const kLoadFailedNoCopy =
    "Fatal error after initialisation failed and default preferences could not be copied.";
const char* const kLoadFailedAfterCopy =
    "Fatal error after initialisation failed after default preferences was copied";
const char* const kLoadedAfterCopy = "Initialisation was successful after default preferences was copied";

const char* const kBuiltInExcludedFileSystems[] = {
    "cgroup",     "devtmpfs",   "tmpfs",     "usbfs",        "fuse",     "fuseblk",     "fusectl",
    "sysfs",      "rootfs",     "bdev",      "proc",         "cpuset",   "binfmt_misc", "debugfs",
    "securityfs", "sockfs",     "pipefs",    "anon_inodefs", "futexfs",  "inotifyfs",   "eventpollfs",
    "ramfs",      "hugetlbfs",  "autofs",    "vboxfs",       "aufs",     "unionfs",     "squashfs",
    "cramfs",     "rpc_pipefs", "vxclonefs", "novfs",        "fuse.s3fs"};

[[noreturn]] void fatal(ZUR::ILogger& logger, const std::string& logged, const std::string& raised) {
    logger.logMessage(2, kComponent, logged);
    throw raised;
}

}  // namespace

std::vector<std::string> KOVConfigData::defExcludedFSForOAS;

namespace {
std::mutex& excludedFileSystemsMutex() {
    static std::mutex mutex;
    return mutex;
}
}  // namespace

std::vector<std::string> KOVConfigData::excludedFileSystems() {
    std::lock_guard<std::mutex> lock(excludedFileSystemsMutex());
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const std::string& name : defExcludedFSForOAS) {
        if (seen.insert(name).second) names.push_back(name);
    }
    return names;
}

IConfigurationData::~IConfigurationData() = default;

KOVConfigData::KOVConfigData(ZUR::ILogger& logger, std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                             std::shared_ptr<ZUR::IConfigStore> store, PreferenceFiles files)
    : files_(std::move(files)) {
    {
        std::lock_guard<std::mutex> lock(excludedFileSystemsMutex());
        for (const char* name : kBuiltInExcludedFileSystems) defExcludedFSForOAS.emplace_back(name);
    }

    const ZUR::SettingsMap defaults = defaultSettings();

    // Anything but a missing path (permission, I/O) leaves as the file-system error.
    if (!boost::filesystem::exists(boost::filesystem::status(files_.current)) && !copyDefaultPrefs()) {
        fatal(logger, kMissingAndNoDefaults, kMissingAndNoDefaults);
    }

    try {
        store->attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility>(std::move(storeUtility)));
    } catch (...) {
        fatal(logger, kUtilityRefused, kUtilityRefused);
    }

    if (store->loadPreferences(files_.current, defaults)) return;

    if (!copyDefaultPrefs()) fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
    if (!store->loadPreferences(files_.current, defaults)) {
        fatal(logger, kLoadFailedAfterCopy, std::string(kLoadFailedAfterCopy) + ".");
    }
    logger.logMessage(5, kComponent, kLoadedAfterCopy);
}

KOVConfigData::~KOVConfigData() = default;

bool KOVConfigData::copyDefaultPrefs() {
    try {
        namespace fs = boost::filesystem;
        fs::copy_file(files_.shipped, files_.current, fs::copy_options::overwrite_existing);
        // The preferences hold secrets: only the owner may read them.
        fs::permissions(files_.current, fs::owner_read | fs::owner_write);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace KOVL
