// zlytpcli: the product's fixed paths for an installed tool.
#include "ProductPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/filesystem/operations.hpp>
#include <cerrno>
#include <climits>
#include <string>

namespace fs = boost::filesystem;

namespace zlytpcli {

namespace {

const char* const kShippedRelative = "opt/Korvel/kov/tp/etc/prefs.xml";

// Every directory the tool creates on the way to the preferences file gets
// rwxr-xr-x: as root the library trusts the file only when its directory is
// owned by root and writable by nobody else, which this gives (the creator is
// the owner). Reading is left open because every file the library keeps there
// (preferences, lock, temporary copy, installation key) is created with mode
// 0600 whatever the umask, so a listing shows names only, and because it is
// the mode the packages give the same directories, so the layout does not
// depend on whether a package or the tool made it.
constexpr mode_t kDirectoryMode = S_IRWXU | S_IRGRP | S_IXGRP | S_IROTH | S_IXOTH;

fs::path executableDir() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0) return ".";
    return fs::path(std::string(buffer, static_cast<std::size_t>(n))).parent_path();
}

// Walks down from "/" to `dir` (absolute), creating each missing directory:
// made private first and then given kDirectoryMode through its descriptor, so
// neither the umask nor a moment of wider rights plays a part. Existing
// directories are left as they are; the library judges them. The walk stops at
// the first failure (no rights, a file in the way), and the library then names
// the path it cannot use.
void createMissingDirectories(const fs::path& dir) {
    int parent = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const fs::path& part : dir.relative_path()) {
        if (parent < 0) return;
        const std::string name = part.string();
        const bool created = ::mkdirat(parent, name.c_str(), S_IRWXU) == 0;
        if (!created && errno != EEXIST) break;
        // A directory of our own is opened without following a link; an
        // existing path may be a link an administrator made.
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (created ? O_NOFOLLOW : 0);
        const int child = ::openat(parent, name.c_str(), flags);
        ::close(parent);
        parent = child;
        if (created && parent >= 0 && ::fchmod(parent, kDirectoryMode) != 0) break;
    }
    if (parent >= 0) ::close(parent);
}

}  // namespace

std::vector<fs::path> installedShipped() {
    return {executableDir() / ".." / kShippedRelative, fs::path(ZLYTPCLI_INSTALLED_SHIPPED)};
}

std::vector<fs::path> shippedCandidates() {
    std::vector<fs::path> candidates = installedShipped();
    candidates.emplace_back(ZLYTPCLI_BUILD_SHIPPED);
    return candidates;
}

KOVL::PreferenceFiles productFiles() {
    KOVL::PreferenceFiles files;
    createMissingDirectories(fs::path(files.current).parent_path());
    boost::system::error_code error;
    if (fs::is_regular_file(files.shipped, error)) return files;
    // The build tree's copy is not used here: it may belong to another user,
    // and the product's own preferences are restored only from installed files.
    for (const fs::path& candidate : installedShipped()) {
        if (fs::is_regular_file(candidate, error)) {
            files.shipped = candidate.string();
            break;
        }
    }
    return files;
}

}  // namespace zlytpcli
