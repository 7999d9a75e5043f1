// On-access exclusion deletion: one item of one list (for the profile
// writer's delete-by-number), or every list of one source of a profile.
// Only the standard, low-risk and high-risk profiles are accepted.

#include <map>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"
#include "exclusions/ExclusionKeys.h"

namespace KOVL {

namespace {
// "1" to "3"; "" for the extra profiles and any other code.
std::string deletableSection(PROFILE_CODE profile) {
    return profile >= STANDARD_PROFILE && profile <= HIGH_RISK_PROFILE ? profileSectionType(profile)
                                                                       : std::string();
}

}  // namespace

// The store takes the named item out of the list and keeps the rest.
int KOVConfigController::deleteExclusionList(PROFILE_CODE profile, std::string key, std::string item) {
    const std::string type = deletableSection(profile);
    if (type.empty()) return AM_STORE_FAILURE;
    return delInternalSettings({}, {{type, {{key, item}}}});
}

namespace {

// Removes every item of the source's twelve lists in one request (sent even
// when there is nothing to remove), then writes the twelve keys back empty.
// A refused removal skips the re-creation.
int clearSourceExclusions(detail::ControllerImpl& d, PROFILE_CODE profile, DataSource source) {
    const std::string type = deletableSection(profile);
    if (type.empty()) return AM_STORE_FAILURE;
    std::map<std::string, std::string> removal;
    std::map<std::string, std::string> emptied;
    for (detail::ExclusionKind kind : detail::kExclusionKinds) {
        for (ScanMode mode : detail::kExclusionModes) {
            const std::string key = detail::exclusionKey(kind, mode, source);
            const std::string text = d.self.getValueWithDelimiter(
                type, key, detail::readExclusions(d.self, kind, profile, mode, source));
            if (!text.empty()) removal[key] = text;
            emptied[key] = "";
        }
    }
    const int removed = d.self.delInternalSettings({}, {{type, removal}});
    if (removed != AM_SUCCESS) return removed;
    return d.self.addInternalSettings({{type, emptied}});
}
}  // namespace

int KOVConfigController::deleteProfileCLIExclusion(PROFILE_CODE profile) {
    return impl_->locked([&] { return clearSourceExclusions(*impl_, profile, CLI); });
}

int KOVConfigController::deleteProfileZarnExclusion(PROFILE_CODE profile) {
    return impl_->locked([&] { return clearSourceExclusions(*impl_, profile, ZARN); });
}

}  // namespace KOVL
