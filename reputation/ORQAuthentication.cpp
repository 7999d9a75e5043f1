// Reputation service: the authentication information of a query. The user id
// and the key are stored sealed (lower-case hexadecimal without the marker)
// and opened through the agent adaptor while the process-wide adaptor mutex is
// held; without an adaptor, or when opening fails, they are answered empty.
// Neither the stored nor the opened values are ever logged.

#include <kovl/config/Defaults.h>

#include <map>
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {
using detail::Setting;

const Setting<std::string> kHost{KOVL_PREF("DNDProductInformation.ORQHostAddr"),
                                 "Unable to get ORQ host address from preferences."};
const Setting<std::string> kUserID{KOVL_PREF("DNDProductInformation.ORQUserID"),
                                   "Unable to get ORQ UserID from preferences."};
const Setting<std::string> kKey{KOVL_PREF("DNDProductInformation.ORQKey"),
                                "Unable to get ORQ key from preferences."};
const Setting<std::string> kCACertFile{KOVL_PREF("DNDProductInformation.ORQCACertFile"),
                                       "Unable to get ORQ CA certificate path from preferences."};

// The clear credential, or empty: no adaptor, or it cannot open the value
// (a failure is silent, whatever the adaptor raised included).
std::string decryptedCredential(detail::ControllerImpl& d, const std::string& stored) {
    if (d.agentAdaptor == nullptr) return "";
    try {
        std::string sealed = detail::kSealedMarker + stored;
        std::string opened;
        if (d.agentAdaptor->decryptMessage(sealed, detail::kServerValueMode, opened)) return opened;
    } catch (...) {
    }
    return "";
}
}  // namespace

// Holds the adaptor mutex (detail::agentAdaptorMutex()) for the whole call; its lock error is let out.
std::map<std::string, std::string> KOVConfigController::getORQQueryAuthInformation() {
    boost::unique_lock<boost::mutex> lock(detail::agentAdaptorMutex());
    std::map<std::string, std::string> info;
    info["ORQHostAddr"] = impl_->accessStringOr(kHost);
    info["ORQUserID"] = decryptedCredential(*impl_, impl_->accessStringOr(kUserID));
    info["ORQKey"] = decryptedCredential(*impl_, impl_->accessStringOr(kKey));
    const std::string certificate = impl_->accessStringOr(kCACertFile);
    info["ORQCACertPath"] = this->getProductConfigDir() + "/" + certificate;
    return info;
}

}  // namespace KOVL
