// libFuzzer target over the delimited value lists: split and join of a
// stored list, and the named items and the append the store merges with.
//
// Input: the first byte picks the delimiter length (1 to 3 bytes, taken next);
// the rest is split in two at the first NUL: the stored text and the text of
// the items to append.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "config/ListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t delimiterSize = 1 + data[0] % 3;
    if (size < 1 + delimiterSize) return 0;
    const std::string delimiter(reinterpret_cast<const char*>(data) + 1, delimiterSize);
    const std::string rest(reinterpret_cast<const char*>(data) + 1 + delimiterSize, size - 1 - delimiterSize);
    const std::size_t nul = rest.find('\0');
    const std::string stored = rest.substr(0, nul);
    const std::string incoming = nul == std::string::npos ? std::string() : rest.substr(nul + 1);

    // Controller: no item holds a delimiter character, and joining the items
    // and splitting again gives the same items.
    const std::vector<std::string> items = KOVL::detail::splitList(stored, delimiter);
    for (const std::string& item : items) {
        if (item.find_first_of(delimiter) != std::string::npos) std::abort();
    }
    if (KOVL::detail::splitList(KOVL::detail::joinList(items, delimiter), delimiter) != items) std::abort();

    // The named items are the split's items less the empty ones.
    std::vector<std::string> named;
    for (const std::string& item : items) {
        if (!item.empty()) named.push_back(item);
    }
    if (KOVL::detail::namedItems(stored, delimiter) != named) std::abort();

    // Appending keeps the stored items and adds each new item once, in order.
    std::vector<std::string> expected = KOVL::detail::namedItems(stored, delimiter);
    std::set<std::string> known(expected.begin(), expected.end());
    for (const std::string& item : KOVL::detail::namedItems(incoming, delimiter)) {
        if (item.empty() || item.find_first_of(delimiter) != std::string::npos) std::abort();
        if (known.insert(item).second) expected.push_back(item);
    }
    const std::string appended = KOVL::detail::appendItems(stored, incoming, delimiter);
    if (KOVL::detail::namedItems(appended, delimiter) != expected) std::abort();
    return 0;
}
