// Preference bootstrap: restore, attach, load, retry once from the shipped file.
//
// The preferences file is only ever replaced when it is missing or proven
// corrupt (read whole, and not a well-formed preferences file within the
// store's limits); a corrupt file is first kept aside. A file that cannot be
// read is left alone and the construction fails. Every replacement is the
// store's atomic, durable one, which never writes through a link.
#include <kovl/config/Defaults.h>
#include <kovl/config/KOVConfigData.h>
#include <kovl/platform/XmlConfigStore.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <mutex>
#include <set>

#include "platform/PreferenceFileGuard.h"
#include "platform/XmlConfigStoreFile.h"

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
const char* const kNotReadable =
    "Fatal error after current preferences could not be read or loaded; they were left unchanged: ";
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
    : files_(std::move(files)), maxFileBytes_(ZUR::XmlConfigStoreUtility().maxFileBytes()) {
    {
        std::lock_guard<std::mutex> lock(excludedFileSystemsMutex());
        for (const char* name : kBuiltInExcludedFileSystems) defExcludedFSForOAS.emplace_back(name);
    }

    // The file is judged with the limits the store will apply.
    int maxDepth = ZUR::XmlConfigStoreUtility().maxDepth();
    if (const auto* limits = dynamic_cast<const ZUR::XmlConfigStoreUtility*>(storeUtility.get())) {
        maxFileBytes_ = limits->maxFileBytes();
        maxDepth = limits->maxDepth();
    }

    // As root, trust no file that another user could have written.
    const uid_t uid = ::geteuid();
    if (uid == 0 && !ZUR::xmlstore::changeableOnlyBy(files_.current, uid)) {
        const std::string text = kChangeableByOthers + files_.current;
        fatal(logger, text, text);
    }

    // Anything but a missing path (permission, I/O) leaves as the file-system error.
    if (!boost::filesystem::exists(boost::filesystem::status(files_.current)) && !copyDefaultPrefs()) {
        fatal(logger, kMissingAndNoDefaults, kMissingAndNoDefaults);
    }

    try {
        store->attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility>(std::move(storeUtility)));
    } catch (...) {
        fatal(logger, kUtilityRefused, kUtilityRefused);
    }

    if (store->loadPreferences(files_.current, defaultSettings())) return;

    switch (ZUR::xmlstore::judgeFile(files_.current, maxFileBytes_, maxDepth)) {
        case ZUR::xmlstore::FileVerdict::missing:
            break;
        case ZUR::xmlstore::FileVerdict::corrupt:
            // Without a kept copy the file must not be replaced.
            if (ZUR::xmlstore::keepAside(files_.current).empty()) {
                fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
            }
            break;
        case ZUR::xmlstore::FileVerdict::unreadable:
        case ZUR::xmlstore::FileVerdict::wellFormed: {
            const std::string text = kNotReadable + files_.current;
            fatal(logger, text, text);
        }
    }

    if (!copyDefaultPrefs()) fatal(logger, kLoadFailedNoCopy, kLoadFailedNoCopy);
    if (!store->loadPreferences(files_.current, defaultSettings())) {
        fatal(logger, kLoadFailedAfterCopy, std::string(kLoadFailedAfterCopy) + ".");
    }
    logger.logMessage(5, kComponent, kLoadedAfterCopy);
}

KOVConfigData::~KOVConfigData() = default;

// The shipped file is read whole (a regular file within the size limit) and
// the preferences file replaced atomically and durably by a new file of mode
// 0600 (the preferences hold secrets). The rename replaces a link or a FIFO
// at the path itself; nothing is ever opened for writing there.
bool KOVConfigData::copyDefaultPrefs() {
    try {
        std::string text;
        ZUR::xmlstore::FileId id;
        const ZUR::xmlstore::ReadStatus status =
            ZUR::xmlstore::readBoundedFile(files_.shipped, maxFileBytes_, text, id);
        if (status != ZUR::xmlstore::ReadStatus::ok && status != ZUR::xmlstore::ReadStatus::empty)
            return false;
        ZUR::xmlstore::replaceFileDurably(files_.current, text);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace KOVL
