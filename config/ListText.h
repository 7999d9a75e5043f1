// kovconfig: the text form of delimited value lists (private).
//
// One codec for every list of the preferences, used by the controller and by
// the store alike. A stored list is one text whose items are separated by any
// character of its delimiter; runs of delimiter characters count as one
// separator, and a leading or trailing separator yields one empty item (so ""
// is one empty item). An empty item names nothing: merging never adds one and
// removing never looks for one.
#pragma once

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>
#include <set>
#include <string>
#include <vector>

namespace KOVL {
namespace detail {

// The items of `text`, empty ones included.
inline std::vector<std::string> splitList(const std::string& text, const std::string& delimiter) {
    std::vector<std::string> items;
    boost::algorithm::split(items, text, boost::algorithm::is_any_of(delimiter),
                            boost::algorithm::token_compress_on);
    return items;
}

// The items joined with the whole delimiter text.
template <class Items>
std::string joinList(const Items& items, const std::string& delimiter) {
    return boost::algorithm::join(items, delimiter);
}

// The items of `text` that name something.
inline std::vector<std::string> namedItems(const std::string& text, const std::string& delimiter) {
    std::vector<std::string> items = splitList(text, delimiter);
    std::vector<std::string> named;
    named.reserve(items.size());
    for (std::string& item : items) {
        if (!item.empty()) named.push_back(std::move(item));
    }
    return named;
}

// `existing` followed by the named items of `incoming` it does not name yet.
inline std::string appendItems(const std::string& existing, const std::string& incoming,
                               const std::string& delimiter) {
    const std::vector<std::string> listed = namedItems(existing, delimiter);
    std::set<std::string> known(listed.begin(), listed.end());
    std::string result = existing;
    for (const std::string& item : namedItems(incoming, delimiter)) {
        if (!known.insert(item).second) continue;
        const bool endsWithDelimiter =
            result.size() >= delimiter.size() &&
            result.compare(result.size() - delimiter.size(), delimiter.size(), delimiter) == 0;
        if (!result.empty() && !endsWithDelimiter) result += delimiter;
        result += item;
    }
    return result;
}

}  // namespace detail
}  // namespace KOVL
