// kovconfig: an agent adaptor with authenticated encryption.
//
// ZUR::AesAgentAdaptor encrypts with AES-128-GCM through OpenSSL. Every message
// gets a fresh random 12-byte nonce; the sealed form is nonce, cipher text and
// the 16-byte tag, in that order, so anything altered, cut short or sealed
// under another key fails to open and answers false.
//
//   mode 2  local secrets such as the proxy password: raw sealed bytes under
//           the installation's own key, read from `keyFile`. The file holds 16
//           random bytes; it is created with mode 0600 on first use when it is
//           missing (published atomically, never through a link), and refused
//           unless it is a regular file of the right size, owned by this user
//           and closed to group and others.
//   mode 3  values exchanged with the management server: "ZARNAES128:"
//           followed by the sealed bytes in lower-case hexadecimal, under the
//           product's built-in key.
//
// Any other mode answers false. On failure `out` and `length` are untouched.
// Construction does no I/O; the key file is read on first use of mode 2 and
// kept in memory (wiped on destruction). Safe from any thread.
#pragma once

#include <kovl/config/TpAgentAdaptor.h>
#include <kovl/export.h>

#include <array>
#include <mutex>
#include <string>

namespace ZUR {

class KOVL_EXPORT AesAgentAdaptor : public KOVL::TpAgentAdaptor {
public:
    static constexpr int kLocalMode = 2;
    static constexpr int kServerMode = 3;
    static constexpr const char* kServerMarker = "ZARNAES128:";
    // The installation key of the product, in its variable-data directory.
    static constexpr const char* kDefaultKeyFile = "/var/Korvel/kov/tp/tpagent.key";

    explicit AesAgentAdaptor(std::string keyFile = kDefaultKeyFile);
    ~AesAgentAdaptor() override;
    AesAgentAdaptor(const AesAgentAdaptor&) = delete;
    AesAgentAdaptor& operator=(const AesAgentAdaptor&) = delete;

    // Mode 2: `out` holds the sealed bytes; mode 3: the marker and hexadecimal
    // text. `length` is the size of `out`.
    bool encryptMessage(std::string& in, int mode, std::string& out, unsigned long& length) override;
    // Mode 2 takes the sealed bytes; mode 3 the marker and hexadecimal text.
    bool decryptMessage(std::string& in, int mode, std::string& out) override;

    using Key = std::array<unsigned char, 16>;

private:
    // The installation key: from memory, the key file, or a new key file.
    bool localKey(Key& key);

    std::string keyFile_;
    std::mutex mutex_;
    bool loaded_ = false;
    Key key_{};
};

}  // namespace ZUR
