// AES-128-GCM agent adaptor: sealing and opening messages, the hexadecimal
// form of the management server's values and the installation key file.
#include <fcntl.h>
#include <kovl/platform/AesAgentAdaptor.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace ZUR {
namespace {

using Key = AesAgentAdaptor::Key;

constexpr std::size_t kNonceSize = 12;
constexpr std::size_t kTagSize = 16;
constexpr std::size_t kOverhead = kNonceSize + kTagSize;
// Longest message sealed or opened; keeps every length inside an int.
constexpr std::size_t kMaxMessage = 16 * 1024 * 1024;

// The product's built-in key for values exchanged with the management server.
constexpr Key kServerKey = {0xa0, 0xd4, 0xd2, 0x06, 0xee, 0x3d, 0x08, 0xae,
                            0x7e, 0xa8, 0x37, 0xe3, 0xf4, 0xd0, 0x87, 0xac};

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

unsigned char* bytesOf(std::string& s, std::size_t offset = 0) {
    return reinterpret_cast<unsigned char*>(&s[0]) + offset;
}

// nonce || cipher text || tag of `plain` under `key`.
bool seal(const Key& key, const std::string& plain, std::string& sealed) {
    if (plain.size() > kMaxMessage) return false;
    std::string result(kOverhead + plain.size(), '\0');
    unsigned char* nonce = bytesOf(result);
    unsigned char* body = bytesOf(result, kNonceSize);
    if (RAND_bytes(nonce, static_cast<int>(kNonceSize)) != 1) return false;
    CipherContext ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    int written = 0;
    int tail = 0;
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_128_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, static_cast<int>(kNonceSize), nullptr) != 1 ||
        EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, key.data(), nonce) != 1) {
        return false;
    }
    if (!plain.empty() &&
        EVP_EncryptUpdate(ctx.get(), body, &written, reinterpret_cast<const unsigned char*>(plain.data()),
                          static_cast<int>(plain.size())) != 1) {
        return false;
    }
    if (EVP_EncryptFinal_ex(ctx.get(), body + written, &tail) != 1 ||
        static_cast<std::size_t>(written + tail) != plain.size() ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, static_cast<int>(kTagSize),
                            body + plain.size()) != 1) {
        return false;
    }
    sealed = std::move(result);
    return true;
}

// The clear text of a sealed message, or false when it does not authenticate.
bool unseal(const Key& key, const std::string& sealed, std::string& plain) {
    if (sealed.size() < kOverhead || sealed.size() - kOverhead > kMaxMessage) return false;
    const auto* data = reinterpret_cast<const unsigned char*>(sealed.data());
    const std::size_t bodySize = sealed.size() - kOverhead;
    unsigned char tag[kTagSize];
    std::memcpy(tag, data + kNonceSize + bodySize, kTagSize);
    std::string result(bodySize, '\0');
    CipherContext ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    int written = 0;
    int tail = 0;
    bool ok =
        ctx && EVP_DecryptInit_ex(ctx.get(), EVP_aes_128_gcm(), nullptr, nullptr, nullptr) == 1 &&
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, static_cast<int>(kNonceSize), nullptr) == 1 &&
        EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, key.data(), data) == 1;
    if (ok && bodySize > 0) {
        ok = EVP_DecryptUpdate(ctx.get(), bytesOf(result), &written, data + kNonceSize,
                               static_cast<int>(bodySize)) == 1;
    }
    ok = ok && EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, static_cast<int>(kTagSize), tag) == 1 &&
         EVP_DecryptFinal_ex(ctx.get(), bytesOf(result) + written, &tail) == 1 &&
         static_cast<std::size_t>(written + tail) == bodySize;
    if (!ok) {
        if (!result.empty()) OPENSSL_cleanse(&result[0], result.size());
        return false;
    }
    plain = std::move(result);
    return true;
}

std::string toHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;  // upper case is not the stored form
}

// Lower-case hexadecimal starting at `offset`, or false.
bool fromHex(const std::string& text, std::size_t offset, std::string& bytes) {
    if (offset > text.size() || (text.size() - offset) % 2 != 0) return false;
    std::string result;
    result.reserve((text.size() - offset) / 2);
    for (std::size_t i = offset; i < text.size(); i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0) return false;
        result += static_cast<char>((high << 4) | low);
    }
    bytes = std::move(result);
    return true;
}

bool hasMarker(const std::string& text) {
    const std::size_t size = std::strlen(AesAgentAdaptor::kServerMarker);
    return text.size() >= size && text.compare(0, size, AesAgentAdaptor::kServerMarker) == 0;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool readFully(int fd, unsigned char* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, into + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeFully(int fd, const unsigned char* from, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, from + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

enum class KeyFile { Read, Missing, Unusable };

// Reads the key without following a link; refuses anything that is not a
// private regular file of exactly one key.
KeyFile readKeyFile(const std::string& path, Key& key) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return errno == ENOENT ? KeyFile::Missing : KeyFile::Unusable;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
        (info.st_mode & (S_IRWXG | S_IRWXO)) != 0 || info.st_size != static_cast<off_t>(key.size())) {
        return KeyFile::Unusable;
    }
    Key candidate{};
    if (!readFully(fd.get(), candidate.data(), candidate.size())) return KeyFile::Unusable;
    key = candidate;
    OPENSSL_cleanse(candidate.data(), candidate.size());
    return KeyFile::Read;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes a new random key to a private temporary file and links it into place,
// so that a reader never sees a partial key and a concurrent creator's key is
// never replaced. False when the file could not be made (the caller re-reads:
// another process may have won the race).
bool createKeyFile(const std::string& path) {
    Key key{};
    unsigned char suffix[8];
    if (RAND_bytes(key.data(), static_cast<int>(key.size())) != 1 || RAND_bytes(suffix, sizeof suffix) != 1) {
        return false;
    }
    std::string name(reinterpret_cast<const char*>(suffix), sizeof suffix);
    const std::string temporary = path + ".new." + toHex(name);
    bool linked = false;
    {
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 S_IRUSR | S_IWUSR));
        if (fd.get() >= 0) {
            const bool written = ::fchmod(fd.get(), S_IRUSR | S_IWUSR) == 0 &&
                                 writeFully(fd.get(), key.data(), key.size()) && ::fsync(fd.get()) == 0;
            linked = fd.close() && written && ::link(temporary.c_str(), path.c_str()) == 0;
            ::unlink(temporary.c_str());
        }
    }
    OPENSSL_cleanse(key.data(), key.size());
    if (linked) {
        FileDescriptor dir(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.get() >= 0) ::fsync(dir.get());
    }
    return linked;
}

}  // namespace

AesAgentAdaptor::AesAgentAdaptor(std::string keyFile) : keyFile_(std::move(keyFile)) {}

AesAgentAdaptor::~AesAgentAdaptor() { OPENSSL_cleanse(key_.data(), key_.size()); }

bool AesAgentAdaptor::localKey(Key& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!loaded_) {
        KeyFile state = readKeyFile(keyFile_, key_);
        if (state == KeyFile::Missing) {
            createKeyFile(keyFile_);
            state = readKeyFile(keyFile_, key_);
        }
        loaded_ = state == KeyFile::Read;
        if (!loaded_) return false;
    }
    key = key_;
    return true;
}

bool AesAgentAdaptor::encryptMessage(std::string& in, int mode, std::string& out, unsigned long& length) {
    std::string sealed;
    if (mode == kLocalMode) {
        Key key{};
        const bool ok = localKey(key) && seal(key, in, sealed);
        OPENSSL_cleanse(key.data(), key.size());
        if (!ok) return false;
    } else if (mode == kServerMode) {
        if (!seal(kServerKey, in, sealed)) return false;
        sealed = kServerMarker + toHex(sealed);
    } else {
        return false;
    }
    length = sealed.size();
    out = std::move(sealed);
    return true;
}

bool AesAgentAdaptor::decryptMessage(std::string& in, int mode, std::string& out) {
    std::string plain;
    if (mode == kLocalMode) {
        Key key{};
        const bool ok = localKey(key) && unseal(key, in, plain);
        OPENSSL_cleanse(key.data(), key.size());
        if (!ok) return false;
    } else if (mode == kServerMode) {
        std::string sealed;
        if (!hasMarker(in) || !fromHex(in, std::strlen(kServerMarker), sealed) ||
            !unseal(kServerKey, sealed, plain)) {
            return false;
        }
    } else {
        return false;
    }
    out = std::move(plain);
    return true;
}

}  // namespace ZUR
