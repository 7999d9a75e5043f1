// Standard Base64 through OpenSSL's block codec, with the strict input checks
// that the block decoder itself does not make.
#include <kovl/platform/Base64SSL.h>
#include <openssl/evp.h>

#include <climits>
#include <cstddef>

namespace ZUR {
namespace {

// The value of a Base64 digit, or -1.
int digitValue(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Number of trailing "=" of a well-formed text, or -1 when the text is not
// canonical Base64.
int paddingOf(const std::string& text) {
    if (text.size() % 4 != 0) return -1;
    std::size_t pad = 0;
    while (pad < 2 && pad < text.size() && text[text.size() - 1 - pad] == '=') ++pad;
    const std::size_t digits = text.size() - pad;
    for (std::size_t i = 0; i < digits; ++i) {
        if (digitValue(text[i]) < 0) return -1;
    }
    if (pad > 0) {
        // The bits of the last digit that encode no byte must be zero.
        const int last = digitValue(text[digits - 1]);
        const int unused = pad == 2 ? 0x0f : 0x03;
        if ((last & unused) != 0) return -1;
    }
    return static_cast<int>(pad);
}

}  // namespace

bool Base64SSL::encodeBytes(std::string& out, const unsigned char* bytes, int count) {
    if (count < 0 || (count > 0 && bytes == nullptr)) return false;
    const std::size_t textSize = 4 * ((static_cast<std::size_t>(count) + 2) / 3);
    if (textSize >= static_cast<std::size_t>(INT_MAX)) return false;
    if (count == 0) {
        out.clear();
        return true;
    }
    std::string text(textSize + 1, '\0');  // the encoder adds a terminating NUL
    const int written = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(&text[0]), bytes, count);
    if (written < 0 || static_cast<std::size_t>(written) != textSize) return false;
    text.resize(textSize);
    out = std::move(text);
    return true;
}

bool Base64SSL::decodeBytes(std::string in, std::string& out) {
    out.clear();
    if (in.size() >= static_cast<std::size_t>(INT_MAX)) return false;
    const int pad = paddingOf(in);
    if (pad < 0) return false;
    if (in.empty()) return true;
    std::string bytes(in.size() / 4 * 3, '\0');
    const int decoded =
        EVP_DecodeBlock(reinterpret_cast<unsigned char*>(&bytes[0]),
                        reinterpret_cast<const unsigned char*>(in.data()), static_cast<int>(in.size()));
    // The block decoder counts the padding as zero bytes.
    if (decoded < pad || static_cast<std::size_t>(decoded) != bytes.size()) return false;
    bytes.resize(static_cast<std::size_t>(decoded - pad));
    out = std::move(bytes);
    return true;
}

}  // namespace ZUR
