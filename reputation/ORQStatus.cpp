// Reputation service: the on/off switch, the feedback switch and the
// sensitivity level. The getters read the store directly; the out-parameter is
// preset and keeps its preset when the read fails. The setters compare without
// the controller mutex, hold it only for the write and stamp nothing.

#include <string>

#include "config/ControllerImpl.h"

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

AM_ERROR_CODES KOVConfigController::getORQStatus(bool& enabled) {
    return impl_->readInto(kORQEnabled, enabled);
}

AM_ERROR_CODES KOVConfigController::getORQFeedbackStatus(bool& enabled) {
    return impl_->readInto(kORQFeedback, enabled);
}

AM_ERROR_CODES KOVConfigController::getORQSensitivity(int& level) {
    return impl_->readInto(kORQSensitivity, level);
}

AM_ERROR_CODES KOVConfigController::setORQStatus(bool enable) {
    const std::string word = enable ? "Enabled" : "Disabled";
    return impl_->compareWrite(
        kORQEnabled, enable, [&] { return impl_->readStore(kORQEnabled); }, true,
        "ORQ Status is already set to " + word + " state. Hence not setting it again to same value",
        "Unable to set ORQ Status to " + word + " state in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setORQFeedbackStatus(bool enable) {
    const std::string word = enable ? "enabled" : "disabled";
    return impl_->compareWrite(
        kORQFeedback, enable, [&] { return impl_->readStore(kORQFeedback); }, true,
        "Korvel ORQ feedback status is already set to " + word +
            " state. Hence not setting it again to same value",
        "Unable to set ORQ feedback Status to " + word + " state in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setORQSensitivity(int level) {
    return impl_->compareWrite(
        kORQSensitivity, level, [&] { return impl_->readStore(kORQSensitivity); }, true,
        "ORQ Sensitivity is already set, Hence not setting it again to same value",
        "Unable to set ORQ Sensitivity value in Config Controller");
}

}  // namespace KOVL
