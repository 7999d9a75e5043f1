// ODS and update tasks: the checks of a new task's option map before it is
// handed to the map callback, the task sections read back from the store, and
// the helpers that build a new task section.
#include <kovl/config/KOVConfigController.h>
#include <kovl/config/TaskSections.h>

#include <algorithm>
#include <boost/uuid/random_generator.hpp>
#include <boost/uuid/uuid.hpp>
#include <boost/uuid/uuid_io.hpp>
#include <iterator>
#include <set>
#include <stdexcept>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {
bool cpuLimitSupported(detail::ControllerImpl& d);
int handOverTask(detail::ControllerImpl& d, const std::map<int, std::vector<std::string>>& options,
                 const std::vector<int>& required, const std::string& emptyMessage,
                 const std::string& callMessage, const std::string& failureMessage);
ZUR::SettingsMap taskSections(detail::ControllerImpl& d, const std::string& otherTypeKey);

constexpr int kCPULimitOption = 132;

// Sections that are never tasks: the on-access profiles and every section of the schema.
const std::set<std::string>& fixedSections() {
    static const std::set<std::string> fixed = [] {
        std::set<std::string> types;
        for (const schema::Row& row : schema::kRows)
            if (!schema::isPerProfile(row)) types.insert(row.sectionType);
        for (int code = STANDARD_PROFILE; code <= EXTRA_PROFILE_02; ++code)
            types.insert(profileSectionType(static_cast<PROFILE_CODE>(code)));
        return types;
    }();
    return fixed;
}

bool isFixedSection(const std::string& sectionType) { return fixedSections().count(sectionType) != 0; }

}  // namespace

int KOVConfigController::setODSTaskConfig(std::map<int, std::vector<std::string>> options) {
    return handOverTask(*impl_, options, {100}, "Unable to add a new ODS Task as the configuration is empty",
                        "Call to registered callback function for adding new ODS Task",
                        "Unable to add new ODS Task in Config Controller");
}

int KOVConfigController::setUpdateTaskConfig(std::map<int, std::vector<std::string>> options) {
    return handOverTask(*impl_, options, {135, 136, 137},
                        "Unable to add a new update Task as the configuration is empty",
                        "Call to registered callback function for adding new update Task",
                        "Unable to add new update Task in Config Controller");
}

ZUR::SettingsMap KOVConfigController::getODSTaskSettings() {
    return taskSections(*impl_, taskTypeKey(UPDATE_TASK));
}

ZUR::SettingsMap KOVConfigController::getUpdateTaskSettings() {
    return taskSections(*impl_, taskTypeKey(ODS_TASK));
}

namespace {
bool cpuLimitSupported(detail::ControllerImpl& d) { return d.utils && d.utils->isCPULimitSupported(); }

// The two checks run unguarded: a failing CPU-limit query reaches the caller.
// Only the hand-over itself (callback, copy of the map, logging) answers 3017.
int handOverTask(detail::ControllerImpl& d, const std::map<int, std::vector<std::string>>& options,
                 const std::vector<int>& required, const std::string& emptyMessage,
                 const std::string& callMessage, const std::string& failureMessage) {
    const bool complete =
        std::any_of(required.begin(), required.end(), [&](int option) { return options.count(option) != 0; });
    if (!complete) {
        d.logError(emptyMessage);
        return AM_INVALID_KEY;
    }
    if (options.count(kCPULimitOption) != 0 && !cpuLimitSupported(d)) {
        d.logInfo("CPULimit option is not supported for current distribution's kernel version.");
        return AM_CPU_LIMIT_UNSUPPORTED;
    }
    try {
        const PrefMapCallback callback = d.prefMapCallback;
        if (!callback) {
            d.logError("Callback is not registered.");
            return AM_NO_CALLBACK;
        }
        d.logInfo(callMessage);
        callback(options);
        return AM_SUCCESS;
    } catch (...) {
        d.logError(failureMessage);
        return AM_CONFIG_NOT_APPLIED;
    }
}

// A section holding neither type key is answered by both task getters, one
// holding both by neither. Store failures reach the caller.
ZUR::SettingsMap taskSections(detail::ControllerImpl& d, const std::string& otherTypeKey) {
    ZUR::SettingsMap sections = d.configStore->readAllSettings();
    for (const std::string& fixed : fixedSections()) sections.erase(fixed);
    for (auto it = sections.begin(); it != sections.end();) {
        it = it->second.count(otherTypeKey) != 0 ? sections.erase(it) : std::next(it);
    }
    return sections;
}
}  // namespace

std::string taskSectionName(TASK_KIND kind) { return kind == UPDATE_TASK ? "UpdateProfile" : "ODSProfile"; }

std::string taskTypeKey(TASK_KIND kind) { return taskSectionName(kind) + ".<xmlattr>.type"; }

std::string newTaskSectionType() {
    boost::uuids::random_generator generate;
    return boost::uuids::to_string(generate());
}

ZUR::SettingsMap taskSectionSettings(TASK_KIND kind, const std::string& sectionType,
                                     const std::map<std::string, std::string>& values) {
    if (sectionType.empty() || isFixedSection(sectionType)) {
        throw std::invalid_argument("not a task section type: \"" + sectionType + "\"");
    }
    const std::string prefix = taskSectionName(kind) + ".";
    const std::string typeKey = taskTypeKey(kind);
    std::map<std::string, std::string> section{{typeKey, sectionType}};
    for (const auto& entry : values) {
        if (entry.first.compare(0, prefix.size(), prefix) != 0 || entry.first.size() == prefix.size() ||
            entry.first == typeKey) {
            throw std::invalid_argument("not a key of a " + taskSectionName(kind) + " task: \"" +
                                        entry.first + "\"");
        }
        section.emplace(entry.first, entry.second);
    }
    return {{sectionType, section}};
}

}  // namespace KOVL
