// zlytpcli: the product's fixed paths for an installed tool.
#include "ProductPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/filesystem/operations.hpp>
#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = boost::filesystem;

namespace zlytpcli {

namespace {

const char* const kShippedRelative = "opt/Korvel/kov/tp/etc/prefs.xml";
const char* const kCurrentRelative = "var/Korvel/kov/tp/prefs.xml";

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

// Walks down from "/" to `dir`, creating each missing directory: made
// private first and then given kDirectoryMode through its descriptor, so
// neither the umask nor a moment of wider rights plays a part, and fsynced
// into its parent, so that a power cut cannot leave a file in a directory
// whose own entry was lost. Existing directories are left as they are; the
// library judges them. The walk stops at the first failure (no rights, a file
// in the way), and the library then names the path it cannot use.
void createMissingDirectories(const fs::path& dir) {
    const fs::path absolute = fs::absolute(dir);
    int parent = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const fs::path& part : absolute.relative_path()) {
        if (parent < 0) return;
        const std::string name = part.string();
        if (name == "." || name.empty()) continue;
        const bool created = ::mkdirat(parent, name.c_str(), S_IRWXU) == 0;
        if (!created && errno != EEXIST) break;
        if (created) ::fsync(parent);
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

// Copies `from` to `to` when `to` is missing: written to a file of this
// process's own, fsynced, linked in under the final name (which fails, and
// leaves the other's copy, when another process got there first) and the
// directory fsynced. Never a half-written copy, never an error for a race.
void copyOnce(const fs::path& from, const fs::path& to) {
    std::ifstream in(from.string(), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) return;
    const std::string temporary = to.string() + ".tmp." + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    if (fd < 0) return;
    bool whole = ::fchmod(fd, S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) == 0;
    for (std::size_t done = 0; whole && done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        whole = n > 0;
        if (whole) done += static_cast<std::size_t>(n);
    }
    whole = whole && ::fsync(fd) == 0;
    ::close(fd);
    if (whole) ::link(temporary.c_str(), to.c_str());
    ::unlink(temporary.c_str());
    const int directory = ::open(to.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

// Copies of the shipped defaults that an installation of this tool brought,
// in the order they are tried: beside the tool (an installation moved as a
// whole to another prefix), then where the build configured it to be installed.
std::vector<fs::path> installedShipped() {
    return {executableDir() / ".." / kShippedRelative, fs::path(ZLYTPCLI_INSTALLED_SHIPPED)};
}

// The same, then the copy in the build tree (for a tool run from its build).
std::vector<fs::path> shippedCandidates() {
    std::vector<fs::path> candidates = installedShipped();
    candidates.emplace_back(ZLYTPCLI_BUILD_SHIPPED);
    return candidates;
}

}  // namespace

KOVL::PreferenceFiles filesUnder(const fs::path& root) {
    KOVL::PreferenceFiles files;
    files.current = (root / kCurrentRelative).string();
    files.shipped = (root / kShippedRelative).string();
    createMissingDirectories(fs::path(files.current).parent_path());
    createMissingDirectories(fs::path(files.shipped).parent_path());
    boost::system::error_code error;
    if (fs::exists(fs::symlink_status(files.shipped, error))) return files;
    for (const fs::path& candidate : shippedCandidates()) {
        if (fs::is_regular_file(candidate, error)) {
            copyOnce(candidate, files.shipped);
            break;
        }
    }
    return files;
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
