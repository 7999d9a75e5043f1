// On-access profiles: the process lists of the low-risk and high-risk
// profiles. The writers hold the controller mutex for their whole
// read-modify-write and call only operations that do not take it again.

#include <algorithm>
#include <boost/algorithm/string/join.hpp>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

constexpr const char* kProcessKey = KOVL_KEY("DNDOASProfile.ProcessList.Process");
const std::string kProcessDelimiterPath = std::string("preferences.") + kProcessKey;

// The section of a profile that has a process list; "" for the others.
std::string riskSection(PROFILE_CODE code) {
    switch (code) {
        case LOW_RISK_PROFILE:
        case HIGH_RISK_PROFILE:
            return profileSectionType(code);
        default:
            return std::string();
    }
}

// getProcessList: high-risk names first, then low-risk names.
struct LabelledHalf {
    PROFILE_CODE code;
    const char* failed;
};
const LabelledHalf kProcessListHalves[] = {
    {HIGH_RISK_PROFILE, "Unable to get high risk process map from Config Controller"},
    {LOW_RISK_PROFILE, "Unable to get low risk process map from Config Controller"},
};

}  // namespace

std::vector<std::string> KOVConfigController::getProcess(PROFILE_CODE code) {
    return impl_->listOr({KOVL_PREF(kProcessKey), code, "Unable to get process from Config Controller"},
                         kProcessDelimiterPath, false);
}

std::vector<std::map<std::string, std::string>> KOVConfigController::getProcessList() {
    std::vector<std::map<std::string, std::string>> entries;
    for (const LabelledHalf& half : kProcessListHalves) {
        const std::string type = profileSectionType(half.code);
        try {
            for (const std::string& name : impl_->readList(type, kProcessKey, kProcessDelimiterPath, false))
                if (!name.empty()) entries.push_back({{type, name}});
        } catch (...) {
            impl_->logError(half.failed);
        }
    }
    return entries;
}

// The names go in ascending byte-wise order; the store merges them into the list.
int KOVConfigController::addProcess(PROFILE_CODE code, std::set<std::string>& names) {
    return impl_->locked([&] {
        const std::string type = riskSection(code);
        if (names.empty() || type.empty()) return AM_STORE_FAILURE;
        try {
            const std::string text = getValueWithDelimiter(type, kProcessKey, names);
            return addInternalSettings({{type, {{kProcessKey, text}}}});
        } catch (...) {
            impl_->logError("Unable to add process to Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

// Removes every occurrence of `name`; a list left without names stays present and empty.
int KOVConfigController::deleteProcess(PROFILE_CODE code, std::string name) {
    return impl_->locked([&] {
        const std::string type = riskSection(code);
        if (type.empty()) return AM_STORE_FAILURE;
        try {
            std::vector<std::string> remaining = this->getProcess(code);
            remaining.erase(std::remove(remaining.begin(), remaining.end(), name), remaining.end());
            const std::string remainingText =
                boost::algorithm::join(remaining, getDelimiter(type, kProcessKey));
            const AM_ERROR_CODES result = delInternalSettings({{type, {{kProcessKey, remainingText}}}},
                                                              {{type, {{kProcessKey, name}}}});
            if (!impl_->configStore->keyExists(type, kProcessKey))
                addInternalSettings({{type, {{kProcessKey, ""}}}});
            return result;
        } catch (...) {
            impl_->logError("Unable to delete process from Config Controller");
            return AM_STORE_FAILURE;
        }
    });
}

}  // namespace KOVL
