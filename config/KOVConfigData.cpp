// Preference bootstrap: restore, attach, load, retry once from the shipped file.
//
// The preferences file is only ever replaced when it is missing or proven
// corrupt (read whole, and not a well-formed preferences file within the
// store's limits), and then by a shipped file that loads; a corrupt file is
// first kept aside. Through a store that offers preference files, each
// replacement is decided under the store's lock on the file as it is at that
// moment: a process that finds the file restored by another in the meantime
// loads it and replaces nothing. A file that cannot be read is left alone and
// the construction fails.
#include <kovl/config/Defaults.h>
#include <kovl/config/KOVConfigData.h>
#include <kovl/platform/XmlConfigStore.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <mutex>
#include <set>

namespace KOVL {

namespace {

using FileState = ZUR::IPreferenceFileStore::FileState;
using Restored = ZUR::IPreferenceFileStore::Restored;

const char* const kComponent = "KOVConfigData";

const char* const kMissingAndNoDefaults =
    "Fatal error after current preferences were missing and default preferences could not be used.";
const char* const kUtilityRefused = "Fatal error setting configuration store utility";
const char* const kLoadFailedNoCopy =
    "Fatal error after initialisation failed and default preferences could not be copied.";
const char* const kLoadFailedAfterCopy =
    "Fatal error after initialisation failed after default preferences was copied";
const char* const kLoadedAfterCopy = "Initialisation was successful after default preferences was copied";
const char* const kChangeableByOthers =
    "Fatal error after current preferences or their directory were found writable by other users or owned by "
    "another user: ";

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

// Why the file was not replaced, as a level-2 line before the fatal one.
std::string notReplaced(const std::string& path, Restored answer) {
    switch (answer) {
        case Restored::shippedUnusable:
            return "The shipped default preferences are missing or do not load; " + path +
                   " was not replaced";
        case Restored::notKeptAside:
            return "The corrupt preferences " + path + " could not be kept aside, so they were not replaced";
        case Restored::replaced:
        case Restored::foundRestored:
            break;
    }
    return "";
}

// Restores the file through the store; false, after a line saying why, when
// it was neither replaced nor found restored by another process.
bool restore(ZUR::ILogger& logger, ZUR::IPreferenceFileStore& store, const std::string& path,
             const std::string& shipped, const ZUR::IPreferenceFileStore::Inspection& seen,
             Restored& answer) {
    try {
        answer = store.restore(path, shipped, seen);
    } catch (const std::exception& error) {
        logger.logMessage(2, kComponent, error.what());
        return false;
    }
    if (answer == Restored::replaced || answer == Restored::foundRestored) return true;
    logger.logMessage(2, kComponent, notReplaced(path, answer));
    return false;
}

std::mutex& excludedFileSystemsMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

std::vector<std::string> KOVConfigData::defExcludedFSForOAS;

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
    : files_(std::move(files)), store_(store) {
    {
        std::lock_guard<std::mutex> lock(excludedFileSystemsMutex());
        for (const char* name : kBuiltInExcludedFileSystems) defExcludedFSForOAS.emplace_back(name);
    }
    const std::string& current = files_.current;
    auto* fileStore = dynamic_cast<ZUR::IPreferenceFileStore*>(store.get());

    // Without its directory the file can neither be trusted nor restored.
    const boost::filesystem::path directory = boost::filesystem::path(current).parent_path();
    boost::system::error_code ignored;
    if (!directory.empty() &&
        boost::filesystem::status(directory, ignored).type() == boost::filesystem::file_not_found) {
        logger.logMessage(2, kComponent,
                          "The directory " + directory.string() + " of the preferences does not exist");
        fatal(logger, kMissingAndNoDefaults, kMissingAndNoDefaults);
    }

    // As root, trust no file that another user could have written or redirected.
    std::string reason;
    if (fileStore != nullptr && ::geteuid() == 0 && !fileStore->trusted(current, reason)) {
        logger.logMessage(2, kComponent, "The preferences " + current + " are not trusted: " + reason);
        const std::string text = kChangeableByOthers + current;
        fatal(logger, text, text);
    }

    // Anything but a missing path (permission, I/O) leaves as the file-system error.
    if (!boost::filesystem::exists(boost::filesystem::status(current))) {
        bool restored = false;
        if (fileStore == nullptr) {
            restored = copyDefaultPrefs();
        } else {
            Restored answer;
            restored =
                restore(logger, *fileStore, current, files_.shipped, fileStore->inspect(current), answer);
        }
        if (!restored) fatal(logger, kMissingAndNoDefaults, kMissingAndNoDefaults);
    }

    try {
        store->attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility>(std::move(storeUtility)));
    } catch (...) {
        fatal(logger, kUtilityRefused, kUtilityRefused);
    }

    if (store->loadPreferences(current, defaultSettings())) return;

    if (fileStore == nullptr) {
        if (!copyDefaultPrefs()) fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
    } else {
        const ZUR::IPreferenceFileStore::Inspection seen = fileStore->inspect(current);
        Restored answer = Restored::foundRestored;
        switch (seen.state) {
            case FileState::usable:
                // Another process restored or rewrote it since the load: load what is there.
                break;
            case FileState::unreadable:
                logger.logMessage(2, kComponent,
                                  "The preferences " + current + " could not be read (" + seen.reason +
                                      "); they were left unchanged");
                fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
            case FileState::missing:
            case FileState::corrupt:
                if (!restore(logger, *fileStore, current, files_.shipped, seen, answer)) {
                    fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
                }
                break;
        }
        if (answer != Restored::replaced) {
            // Found usable or restored by another process: one more load, no copy.
            if (store->loadPreferences(current, defaultSettings())) return;
            fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
        }
    }

    if (!store->loadPreferences(current, defaultSettings())) {
        fatal(logger, kLoadFailedAfterCopy, std::string(kLoadFailedAfterCopy) + ".");
    }
    logger.logMessage(5, kComponent, kLoadedAfterCopy);
}

KOVConfigData::~KOVConfigData() = default;

bool KOVConfigData::copyDefaultPrefs() {
    if (auto* fileStore = dynamic_cast<ZUR::IPreferenceFileStore*>(store_.get())) {
        return fileStore->replaceWithShipped(files_.current, files_.shipped);
    }
    try {
        boost::filesystem::copy_file(files_.shipped, files_.current,
                                     boost::filesystem::copy_options::overwrite_existing);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace KOVL
