// On-access profiles: the cached on-access configuration and how it is read,
// the process-settings choice, the prefix keywords and the two global profile
// switches (multiple profiles, scan-manager threads) that the cache copies.

#include <algorithm>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/lexical_cast.hpp>
#include <boost/thread/locks.hpp>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

using detail::Setting;

const char* const kProfileNameKey = KOVL_KEY("DNDOASGlobalSettings.ProfileName");
const char* const kPrefixKeywordNode = KOVL_KEY("DNDProductDefaultSettings.PrefixKeyword");
const char* const kDefaultProfileName = "default profile";
constexpr std::size_t kProfileNameWritable = sizeof(oas_profile::profile_name) - 1;

const Setting<std::string> kPrefixKeyword{KOVL_PREF("DNDOASGlobalSettings.OASPrefixKeyword")};
// Shipped as 1, but an unreadable setting reads as off.
const Setting<bool> kPrefixAutomatically{KOVL_PREF("DNDOASGlobalSettings.OASPrefixKeywordAutomatically"),
                                         false, "Unable to get prefix automatically setting value"};

// A global profile switch: its getter row and the two lines of its setter.
template <class T>
struct Switch {
    Setting<T> read;
    const char* alreadySet;  // level 6
    const char* failed;      // level 2
};

const Switch<bool> kMultipleProfiles{
    {KOVL_PREF("DNDOASGlobalSettings.EnableMultipleProfiles"),
     "Unable to get Multiple Profiles Settings value in Config Controller"},
    "Multiple profile setting is already set to same value. Hence not setting it again to same value",
    "Unable to set multiple profile setting in Config Controller"};

const Switch<int> kScanManagerThreads{
    {KOVL_PREF("DNDOASGlobalSettings.ScanManagerThreads"),
     "Unable to get Scan Manager thread Settings value in Config Controller"},
    "Scan manager thread setting is already set to same value. Hence not setting it again to same value",
    "Unable to set Scan manager thread Settings in Config Controller"};

// The stored values of a profile section, by short name, in reading order.
struct FlagField {
    const char* name;
    bool oas_profile::*field;
};
const FlagField kProfileFlags[] = {
    {"ScanArchiveEnabled", &oas_profile::scan_archive_enabled},
    {"DetectUnwantedProgramsEnabled", &oas_profile::detect_unwanted_programs_enabled},
    {"DetectUnknownMacrosEnabled", &oas_profile::detect_unknown_macros_enabled},
    {"DetectUnknownProgramsEnabled", &oas_profile::detect_unknown_programs_enabled},
    {"ScanMailEnabled", &oas_profile::scan_mail_enabled},
    {"DetectJokesEnabled", &oas_profile::detect_jokes_enabled},
};

struct ActionField {
    const char* name;
    int oas_profile::*field;
};
const ActionField kProfileActions[] = {
    {"InfectionPrimaryAction", &oas_profile::infection_primary_action},
    {"InfectionSecondaryAction", &oas_profile::infection_secondary_action},
    {"PUPPrimaryAction", &oas_profile::pup_primary_action},
    {"PUPSecondaryAction", &oas_profile::pup_secondary_action},
    {"ScanTimeoutAction", &oas_profile::scan_timeout_action},
    {"ScanErrorAction", &oas_profile::scan_error_action},
};

const PROFILE_CODE kAllProfiles[] = {STANDARD_PROFILE, LOW_RISK_PROFILE, HIGH_RISK_PROFILE, EXTRA_PROFILE_01,
                                     EXTRA_PROFILE_02};

}  // namespace

// The whole refresh runs under the controller mutex; everything called from
// here must not take it again. A conversion or store failure leaves with the
// fields refreshed so far (the mutex is released by the lock's destructor).
oas_configuration* KOVConfigController::getOASConfigurationData() {
    std::lock_guard<detail::ControllerMutex> lock(impl_->mutex);

    AM_ERROR_CODES ignoredCode = AM_SUCCESS;
    this->getOASStatus(impl_->oasConfig.oas_status, ignoredCode);
    impl_->oasConfig.multiple_profiles_enabled = this->getOASMultipleProfilesEnabled();
    impl_->oasConfig.scan_manager_threads = this->getScanManagerThreads();
    impl_->oasConfig.max_scan_timeout = static_cast<int>(this->getOASMaxScanTimeout());
    this->getORQStatus(impl_->oasConfig.orq_enabled);
    int sensitivity = 3;
    this->getORQSensitivity(sensitivity);
    impl_->oasConfig.orq_sensitivity = static_cast<std::uint8_t>(sensitivity);
    impl_->oasConfig.event_logging_enabled = this->isEventLoggingEnabled();
    impl_->oasConfig.log_setting_a = impl_->logger.queryLogSettingA();
    impl_->oasConfig.log_setting_c = impl_->logger.queryLogSettingC();
    impl_->oasConfig.log_setting_b = impl_->logger.queryLogSettingB();

    for (PROFILE_CODE code : kAllProfiles) {
        oas_profile fresh;
        readOASProfileDataFromConfigStore(code, fresh);
        oas_profile& slot = impl_->oasConfig.profiles[code - 1];
        slot = fresh;
        slot.profile_code = code;
    }
    return &impl_->oasConfig;
}

void KOVConfigController::readOASProfileDataFromConfigStore(PROFILE_CODE code, oas_profile& record) {
    // The name always reads as the built-in one; the last character is left as the caller had it.
    const std::size_t nameLength = std::strlen(kDefaultProfileName);
    std::fill(record.profile_name, record.profile_name + kProfileNameWritable, '\0');
    std::copy(kDefaultProfileName, kDefaultProfileName + nameLength, record.profile_name);

    ZUR::SettingsMap nested;
    std::map<std::string, std::string> values;
    const bool found = this->getProfileDetails(code, nested, values);
    record.reserved_flag = false;
    record.profile_code = code;
    if (!found) {
        impl_->logError("Failed to get profile details for profile " +
                        std::to_string(static_cast<int>(code)));
        return;
    }
    // Strict text conversion: "true" or "" throw boost::bad_lexical_cast to the caller.
    for (const FlagField& flag : kProfileFlags)
        record.*flag.field = boost::lexical_cast<bool>(values[flag.name]);
    for (const ActionField& action : kProfileActions)
        record.*action.field = boost::lexical_cast<int>(values[action.name]);
}

bool KOVConfigController::getProfileDetails(PROFILE_CODE code, ZUR::SettingsMap& nested,
                                            std::map<std::string, std::string>& values) {
    return impl_->configStore->readTypedSection(profileSectionType(code), nested, values);
}

// "standard" or "riskbased"; "" when the choice cannot be read.
std::string KOVConfigController::getOASProcSettings() {
    return getStringConfiguration(sections::kOASGlobal, kProfileNameKey);
}

std::string KOVConfigController::getOASPrefixKeyword() {
    return getStringConfiguration(kPrefixKeyword.sectionType, kPrefixKeyword.key);
}

int KOVConfigController::setOASPrefixKeyword(std::string keyword) {
    return impl_->lockedSet(kPrefixKeyword, keyword);
}

bool KOVConfigController::isPrefixAutomaticallyEnabled() { return impl_->accessOr(kPrefixAutomatically); }

int KOVConfigController::setPrefixAutomatically(bool enable) {
    return impl_->lockedSet(kPrefixAutomatically, enable);
}

std::map<std::string, std::string> KOVConfigController::getPrefixKeyword() {
    return impl_->configStore->readAttributeMap(kPrefixKeywordNode, "value");
}

std::set<std::string> KOVConfigController::getPrefixKeywordData(std::string name) {
    const std::map<std::string, std::string> keywords = this->getPrefixKeyword();
    const auto found = keywords.find(name);
    const std::string text = found == keywords.end() ? std::string() : found->second;
    std::vector<std::string> values;
    boost::algorithm::split(values, text, boost::algorithm::is_any_of(","));
    return std::set<std::string>(values.begin(), values.end());
}

bool KOVConfigController::getOASMultipleProfilesEnabled() { return impl_->readOr(kMultipleProfiles.read); }

int KOVConfigController::getScanManagerThreads() { return impl_->readOr(kScanManagerThreads.read); }

// Both switches: compare with the getter's answer, write, stamp, all under the mutex.
int KOVConfigController::setMultipleProfilesEnabled(bool enable) {
    const Switch<bool>& row = kMultipleProfiles;
    return impl_->locked([&] {
        return impl_->compareWriteStamp(
            enable, [&] { return getOASMultipleProfilesEnabled(); },
            [&] { impl_->writeStore(row.read, enable); }, row.alreadySet, row.failed);
    });
}

int KOVConfigController::setScanManagerThreads(int threads) {
    const Switch<int>& row = kScanManagerThreads;
    return impl_->locked([&] {
        return impl_->compareWriteStamp(
            threads, [&] { return getScanManagerThreads(); }, [&] { impl_->writeStore(row.read, threads); },
            row.alreadySet, row.failed);
    });
}

}  // namespace KOVL
