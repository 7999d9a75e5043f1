// kovconfig: the text form of delimited value lists (private).
//
// A stored list is one text whose items are separated by any character of
// its delimiter; runs of delimiter characters count as one separator.
#pragma once

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>
#include <string>
#include <vector>

namespace KOVL {
namespace detail {

// The items of `text`; a leading or trailing separator yields an empty item.
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

}  // namespace detail
}  // namespace KOVL
