// Delimited value lists: finding a list's delimiter, joining items for
// storage and reading a stored list back into items.
#include <kovl/config/KOVConfigController.h>

#include <boost/algorithm/string/trim.hpp>

#include "config/ControllerImpl.h"
#include "config/ListText.h"

namespace KOVL {

std::string KOVConfigController::getDelimiter(std::string sectionType, std::string key) {
    std::string delimiter = ",";
    impl_->configStore->readDelimiter(sectionType, key, delimiter);
    try {
        // An empty value node is dropped so that the next merge starts a fresh list.
        if (impl_->configStore->readString(sectionType, key).empty()) {
            impl_->configStore->removeSettings({}, {{sectionType, {{key, ""}}}});
        }
    } catch (...) {
        impl_->logInfo("Unable to find key in XML");
    }
    return delimiter;
}

std::string KOVConfigController::getValueWithDelimiter(std::string sectionType, std::string key,
                                                       std::vector<std::string> items) {
    return detail::joinList(items, getDelimiter(sectionType, key));
}

std::string KOVConfigController::getValueWithDelimiter(std::string sectionType, std::string key,
                                                       std::set<std::string> items) {
    return detail::joinList(items, getDelimiter(sectionType, key));
}

std::vector<std::string> detail::ControllerImpl::readList(const std::string& sectionType,
                                                          const std::string& key,
                                                          const std::string& delimiterPath, bool trimText) {
    std::string text = configStore->readString(sectionType, key);
    if (trimText) boost::algorithm::trim(text);
    if (text.empty()) return {};
    std::string delimiter = ",";
    configStore->readDelimiter(sectionType, delimiterPath, delimiter);
    return detail::splitList(text, delimiter);
}

std::vector<std::string> detail::ControllerImpl::listOr(
    const detail::Setting<std::vector<std::string>>& setting, const std::string& delimiterPath,
    bool trimText) {
    try {
        return readList(setting.sectionType, setting.key, delimiterPath, trimText);
    } catch (...) {
        logError(setting.message);
        return setting.fallback;
    }
}

}  // namespace KOVL
