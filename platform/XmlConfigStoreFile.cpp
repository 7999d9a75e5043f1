// kovconfig: file primitives of the XML configuration store.
#include "platform/XmlConfigStoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

namespace ZUR {
namespace xmlstore {

namespace {

[[noreturn]] void throwErrno(int err, const std::string& what, const std::string& file) {
    throw std::system_error(err, std::generic_category(), "XmlConfigStore: " + what + " '" + file + "'");
}

FileId idFromStat(const struct stat& st) {
    FileId id;
    id.valid = true;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    return id;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

struct Descriptor {
    explicit Descriptor(int value) : fd(value) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

// The temporary file of a replacement: its descriptor is closed and the file
// unlinked on scope exit unless it was renamed into place.
class TempFile {
public:
    TempFile(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    // Closes the descriptor, reporting the error close() returned.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void markCommitted() { committed_ = true; }

private:
    int fd_;
    std::string name_;
    bool committed_ = false;
};

}  // namespace

bool FileId::operator==(const FileId& other) const {
    if (valid != other.valid) return false;
    if (!valid) return true;
    return dev == other.dev && ino == other.ino && size == other.size && mtime.tv_sec == other.mtime.tv_sec &&
           mtime.tv_nsec == other.mtime.tv_nsec;
}

FileId statFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileId{};
    return idFromStat(st);
}

ReadStatus readBoundedFile(const std::string& path, std::size_t maxBytes, std::string& text, FileId& id) {
    text.clear();
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing : ReadStatus::ioError;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    if (!S_ISREG(st.st_mode)) return ReadStatus::notRegular;
    if (st.st_size <= 0) return ReadStatus::empty;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return ReadStatus::tooLarge;

    // The size is a hint only: read to end of file, never past the bound.
    const std::size_t readLimit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer.size()) {
            if (used > maxBytes) return ReadStatus::tooLarge;
            buffer.resize(std::min(buffer.size() * 2, readLimit));
        }
        const ssize_t n = ::read(file.fd, buffer.data() + used, buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadStatus::ioError;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return ReadStatus::tooLarge;
    if (used == 0) return ReadStatus::empty;
    // Identity after the read: a version rewritten in place while we read it
    // then looks changed at the next check and is read again.
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    text.assign(buffer.data(), used);
    id = idFromStat(st);
    return ReadStatus::ok;
}

void replaceFileDurably(const std::string& path, const std::string& content) {
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) throwErrno(errno, "cannot create a temporary file for", path);
    TempFile tmp(fd, std::string(name.data()));

    if (::fchmod(tmp.fd(), S_IRUSR | S_IWUSR) != 0) throwErrno(errno, "cannot set the mode of", tmp.name());
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(tmp.fd(), data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno(errno, "cannot write", tmp.name());
        }
        if (n == 0) throwErrno(EIO, "cannot write", tmp.name());
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(tmp.fd()) != 0) throwErrno(errno, "cannot fsync", tmp.name());
    if (tmp.close() != 0) throwErrno(errno, "cannot close", tmp.name());
    if (::rename(tmp.name().c_str(), path.c_str()) != 0) throwErrno(errno, "cannot rename over", path);
    tmp.markCommitted();

    const std::string dir = directoryOf(path);
    const Descriptor directory(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.fd < 0) throwErrno(errno, "cannot open the directory", dir);
    if (::fsync(directory.fd) != 0) throwErrno(errno, "cannot fsync the directory", dir);
}

FileLock::FileLock(const std::string& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, S_IRUSR | S_IWUSR);
    if (fd_ < 0) throwErrno(errno, "cannot open the lock file", lockPath);
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        throwErrno(err, "cannot lock", lockPath);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the flock
}

}  // namespace xmlstore
}  // namespace ZUR
