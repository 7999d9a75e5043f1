// kovconfig: what a change listener hears.
//
// KOVConfigController::registerChangeListener registers a ChangeListener; it
// is called on the controller's watching thread with the preferences that
// changed, one PreferenceChange each. See KOVConfigController.h for when.
#pragma once

#include <kovl/export.h>

#include <functional>
#include <string>
#include <vector>

namespace KOVL {

// One changed preference: the section type it lives in (the section's `type`
// attribute, e.g. "51"), its flattened key (e.g.
// "DNDOASGlobalSettings.MaxScanTimeout") and its text before and after. A key
// that did not exist before, or no longer exists, has the empty text on that
// side. The values of secret keys (passwords, keys, user ids, user names)
// are replaced by kSecretMarker on both sides.
struct PreferenceChange {
    std::string sectionType;
    std::string key;
    std::string oldValue;
    std::string newValue;
};

// What a secret value is replaced by.
inline constexpr const char* kSecretMarker = "(secret)";

using ChangeListener = std::function<void(const std::vector<PreferenceChange>& changes)>;

// Whether the values of `key` (a flattened key) are secret: its last
// component ends in "Password", "UserName", "UserID" or "Key", or names a
// credential, token or secret.
KOVL_EXPORT bool isSecretKey(const std::string& key);

}  // namespace KOVL
