// On-access profiles: applying one command-line profile command (an option
// map) through the profile settings writer, and the process-settings choice.
// The command-line configuration takes no lock itself: each option is applied
// under the mutex the writer takes, and the map callback runs after it.

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {
int setOASProcSettingsTo(detail::ControllerImpl& d, const std::string& choice,
                         const std::string& callbackLine, const std::string& failure);

const detail::Setting<std::string> kProcSettings{KOVL_PREF("DNDOASGlobalSettings.ProfileName")};

const int kProfileWords = 0;
const int kOnlySpecifiedTypes = 4;
const int kSubOptionNames = 22;
const int kFolderMarker = 28;

// The last profile word decides; none selects the standard profile.
PROFILE_CODE profileOf(const std::vector<std::string>& words) {
    if (words.empty()) return STANDARD_PROFILE;
    if (words.back() == "lowrisk") return LOW_RISK_PROFILE;
    if (words.back() == "highrisk") return HIGH_RISK_PROFILE;
    return STANDARD_PROFILE;
}

// The last sub-option name decides; anything but the two adds means read and write.
int exclusionModeOf(const std::vector<std::string>& names, int current) {
    if (names.empty()) return current;
    if (names.back() == "addexclusionread") return SCAN_MODE_READ;
    if (names.back() == "addexclusionwrite") return SCAN_MODE_WRITE;
    return SCAN_MODE_READ_WRITE;
}

}  // namespace

int KOVConfigController::setOASProfileConfigurationFromCLI(bool scannerEnabled,
                                                           std::map<int, std::vector<std::string>> options,
                                                           std::set<int>& applied) {
    impl_->folderExclusion = false;
    if (options.empty() || options.count(kProfileWords) == 0) {
        impl_->logError("Unable to set OAS ProfileConfig as the map is empty");
        return AM_INVALID_KEY;
    }
    try {
        const PROFILE_CODE code = profileOf(options[kProfileWords]);
        const std::string profile = profileSectionType(code);

        const auto names = options.find(kSubOptionNames);
        if (names != options.end())
            impl_->exclusionMode = exclusionModeOf(names->second, impl_->exclusionMode);

        // File types the profile already lists are not added again.
        const auto types = options.find(kOnlySpecifiedTypes);
        if (types != options.end()) {
            const std::vector<std::string> listed = this->getFileTypesToScanOnlySpecified(code);
            std::vector<std::string>& words = types->second;
            words.erase(std::remove_if(words.begin(), words.end(),
                                       [&](const std::string& w) {
                                           return std::find(listed.begin(), listed.end(), w) != listed.end();
                                       }),
                        words.end());
            if (words.empty()) options.erase(types);
        }

        if (options.count(kFolderMarker) != 0) impl_->folderExclusion = true;

        int last = AM_SUCCESS;
        int written = 0;
        for (const auto& entry : options) {
            if (entry.first == kProfileWords) continue;
            last = this->setOASProfileSettings(profile, entry.first, entry.second, CLI);
            if (last == AM_SUCCESS) {
                ++written;
                applied.insert(entry.first);
            }
        }
        if (written == 0) return last;

        const PrefMapCallback callback = impl_->prefMapCallback;
        if (!callback) {
            impl_->logError("Callback is not registered.");
            return AM_NO_CALLBACK;
        }
        if (scannerEnabled) {
            impl_->logInfo(
                "Call to registered callback function for set OAS Profile Config and with OAS Scanner set "
                "enabled "
                "for preference type " +
                std::to_string(PREF_OAS_PROFILE_SCANNER_ENABLED));
        } else {
            impl_->logInfo(
                "Call to registered callback function for set OAS Profile Config and with OAS Scanner set "
                "disabled "
                "for preference type " +
                std::to_string(PREF_OAS_PROFILE_SCANNER_DISABLED));
        }
        callback(options);
        return AM_SUCCESS;
    } catch (...) {
        impl_->logError("Unable to set OAS ProfileConfig in Config Controller");
        return AM_CONFIG_NOT_APPLIED;
    }
}

namespace {

// The comparison and the write run under the mutex; the callback after it.
// The update time stamp is not touched.
int setOASProcSettingsTo(detail::ControllerImpl& d, const std::string& choice,
                         const std::string& callbackLine, const std::string& failure) {
    try {
        const bool changed = d.locked([&] {
            const std::string current = d.readStore(kProcSettings);
            if (current == choice) {
                d.logInfo("OAS ProcSettings is already set to " + current +
                          ". Hence not setting it again to same value");
                return false;
            }
            d.writeStore(kProcSettings, choice);
            return true;
        });
        if (!changed) return AM_ALREADY_SET;
        d.notify(PREF_OAS_PROC_SETTINGS, callbackLine + std::to_string(PREF_OAS_PROC_SETTINGS));
        return AM_SUCCESS;
    } catch (...) {
        d.logError(failure);
        return AM_STORE_FAILURE;
    }
}
}  // namespace

int KOVConfigController::setOASProcSettingsToStandard() {
    return setOASProcSettingsTo(
        *impl_, "standard",
        "Call to registered callback function for set OAS Proc Settings to Standard for "
        "preference type ",
        "Unable to set OAS ProcSettings to Standard in Config Controller");
}

int KOVConfigController::setOASProcSettingsToRiskbased() {
    return setOASProcSettingsTo(
        *impl_, "riskbased",
        "Call to registered callback function for set OAS Proc Settings to Risk based "
        "for preference type ",
        "Unable to set OAS ProcSettings to Risk based in Config Controller");
}

}  // namespace KOVL
