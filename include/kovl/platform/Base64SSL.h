// kovconfig: the byte codec around stored secrets.
//
// ZUR::Base64SSL implements IZlySSL as standard Base64 (RFC 4648, alphabet
// "A-Za-z0-9+/", "=" padding, no line breaks) through OpenSSL. Decoding is
// strict: a length that is not a multiple of four, a character outside the
// alphabet, misplaced padding or non-zero unused bits answer false and leave
// `out` empty. Stateless; safe from any thread.
#pragma once

#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <string>

namespace ZUR {

class KOVL_EXPORT Base64SSL : public IZlySSL {
public:
    // False for a negative count, null bytes with a positive count, or an
    // encoding too long for an int.
    bool encodeBytes(std::string& out, const unsigned char* bytes, int count) override;
    bool decodeBytes(std::string in, std::string& out) override;
};

}  // namespace ZUR
