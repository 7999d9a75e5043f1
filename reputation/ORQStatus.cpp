// Reputation service: the on/off switch and the sensitivity level that the
// cached on-access configuration copies. Both read the store directly; the
// out-parameter is preset and keeps its preset when the read fails.

#include <string>

#include "config/Access.h"

namespace KOVL {

namespace {

const char* const kSelectionSection = "57";
const char* const kORQEnabledKey = "DNDORQSelectionCriteria.IsORQEnabled";
const char* const kORQSensitivityKey = "DNDORQSelectionCriteria.ORQSensitivityLevel";

}  // namespace

AM_ERROR_CODES KOVConfigController::getORQStatus(bool& enabled) {
    enabled = true;
    try {
        enabled = readStore<bool>(kSelectionSection, kORQEnabledKey);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get ORQ Status");
        return AM_STORE_FAILURE;
    }
}

AM_ERROR_CODES KOVConfigController::getORQSensitivity(int& level) {
    level = 3;
    try {
        level = readStore<int>(kSelectionSection, kORQSensitivityKey);
        return AM_SUCCESS;
    } catch (...) {
        logError("Unable to get ORQ Sensitivity value");
        return AM_STORE_FAILURE;
    }
}

}  // namespace KOVL
