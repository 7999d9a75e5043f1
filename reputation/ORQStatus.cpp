// Reputation service: the on/off switch, the feedback switch and the
// sensitivity level. The getters read the store directly; the out-parameter is
// preset and keeps its preset when the read fails. The setters compare without
// the controller mutex, hold it only for the write and stamp nothing.

#include <string>

#include "config/Access.h"

namespace KOVL {

namespace {

using detail::Setting;

const Setting<bool> kORQEnabled{KOVL_PREF("DNDORQSelectionCriteria.IsORQEnabled"),
                                "Unable to get ORQ Status"};
const Setting<bool> kORQFeedback{KOVL_PREF("DNDGlobalSettings.IsORQFeedbackEnabled"),
                                 "Unable to get ORQ feedback status"};
const Setting<int> kORQSensitivity{KOVL_PREF("DNDORQSelectionCriteria.ORQSensitivityLevel"),
                                   "Unable to get ORQ Sensitivity value"};

}  // namespace

AM_ERROR_CODES KOVConfigController::getORQStatus(bool& enabled) { return readInto(kORQEnabled, enabled); }

AM_ERROR_CODES KOVConfigController::getORQFeedbackStatus(bool& enabled) {
    return readInto(kORQFeedback, enabled);
}

AM_ERROR_CODES KOVConfigController::getORQSensitivity(int& level) { return readInto(kORQSensitivity, level); }

AM_ERROR_CODES KOVConfigController::setORQStatus(bool enable) {
    const std::string word = enable ? "Enabled" : "Disabled";
    return compareWrite(
        kORQEnabled, enable, [&] { return readStore(kORQEnabled); }, true,
        "ORQ Status is already set to " + word + " state. Hence not setting it again to same value",
        "Unable to set ORQ Status to " + word + " state in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setORQFeedbackStatus(bool enable) {
    const std::string word = enable ? "enabled" : "disabled";
    return compareWrite(
        kORQFeedback, enable, [&] { return readStore(kORQFeedback); }, true,
        "Korvel ORQ feedback status is already set to " + word +
            " state. Hence not setting it again to same value",
        "Unable to set ORQ feedback Status to " + word + " state in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setORQSensitivity(int level) {
    return compareWrite(
        kORQSensitivity, level, [&] { return readStore(kORQSensitivity); }, true,
        "ORQ Sensitivity is already set, Hence not setting it again to same value",
        "Unable to set ORQ Sensitivity value in Config Controller");
}

}  // namespace KOVL
