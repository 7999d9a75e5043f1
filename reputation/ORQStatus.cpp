// Reputation service: the on/off switch and the sensitivity level that the
// cached on-access configuration copies. Both read the store directly; the
// out-parameter is preset and keeps its preset when the read fails.

#include <string>

#include "config/Access.h"

namespace KOVL {

namespace {

using detail::Setting;

const Setting<bool> kORQEnabled{KOVL_PREF("DNDORQSelectionCriteria.IsORQEnabled"),
                                "Unable to get ORQ Status"};
const Setting<int> kORQSensitivity{KOVL_PREF("DNDORQSelectionCriteria.ORQSensitivityLevel"),
                                   "Unable to get ORQ Sensitivity value"};

}  // namespace

AM_ERROR_CODES KOVConfigController::getORQStatus(bool& enabled) { return readInto(kORQEnabled, enabled); }

AM_ERROR_CODES KOVConfigController::getORQSensitivity(int& level) { return readInto(kORQSensitivity, level); }

}  // namespace KOVL
