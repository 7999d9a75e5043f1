// Proxy settings ("DNDProxySettings") as one record, and the two transformations of
// the proxy password. The record carries the password exactly as stored
// (sealed and encoded): callers encrypt before writing and decrypt after
// reading. The password operations hold the process-wide adaptor mutex, never
// log, and report failure only through their result.

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <climits>
#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

using detail::Setting;

const Setting<bool> kEnabled{KOVL_PREF("DNDProxySettings.ProxyIsEnabled")};
const Setting<bool> kCustomEnabled{KOVL_PREF("DNDProxySettings.ProxyCustomIsEnabled")};
const Setting<std::string> kCustomServer{KOVL_PREF("DNDProxySettings.ProxyCustomServer")};
const Setting<std::string> kCustomPort{KOVL_PREF("DNDProxySettings.ProxyCustomPort")};
const Setting<std::vector<std::string>> kExclusions{
    KOVL_PREF("DNDProxySettings.ProxyExclusions.ProxyExclusion")};
const char* const kExclusionsDelimiter = KOVL_KEY("DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter");
const Setting<bool> kAuthEnabled{KOVL_PREF("DNDProxySettings.ProxyHttpAuthIsEnabled")};
const Setting<std::string> kAuthUserName{KOVL_PREF("DNDProxySettings.ProxyHttpAuthUserName")};
const Setting<std::string> kAuthPassword{KOVL_PREF("DNDProxySettings.ProxyHttpAuthPassword")};

using detail::kLocalSecretMode;
using detail::kSealedMarker;
using detail::kServerValueMode;

}  // namespace

// A failure leaves the later fields at their initial values.
ZUR::ZURProxyConfig KOVConfigController::getProxyConfiguration() {
    ZUR::ZURProxyConfig config;
    try {
        config.proxyIsEnabled = getBooleanConfiguration(kEnabled.sectionType, kEnabled.key);
        config.proxyCustomIsEnabled = getBooleanConfiguration(kCustomEnabled.sectionType, kCustomEnabled.key);
        config.proxyCustomServer = getStringConfiguration(kCustomServer.sectionType, kCustomServer.key);
        config.proxyCustomPort = getStringConfiguration(kCustomPort.sectionType, kCustomPort.key);
        for (std::string& item :
             impl_->readList(kExclusions.sectionType, kExclusions.key, kExclusionsDelimiter, false)) {
            boost::algorithm::trim(item);
            if (!item.empty()) config.proxyExclusions.push_back(std::move(item));
        }
        config.proxyHttpAuthIsEnabled = getBooleanConfiguration(kAuthEnabled.sectionType, kAuthEnabled.key);
        config.proxyHttpAuthUserName = getStringConfiguration(kAuthUserName.sectionType, kAuthUserName.key);
        config.proxyHttpAuthPassword = getStringConfiguration(kAuthPassword.sectionType, kAuthPassword.key);
    } catch (...) {
        impl_->logError("Unable to get Settings for Proxy");
    }
    return config;
}

// Writes every field without comparing or stamping; the exclusion list is
// replaced as a whole (old value removed, new one merged with ","). Fields
// written before a failure stay written.
AM_ERROR_CODES KOVConfigController::setProxyConfiguration(ZUR::ZURProxyConfig& config) {
    try {
        return impl_->locked([&] {
            impl_->writeStore(kEnabled, config.proxyIsEnabled);
            impl_->writeStore(kCustomEnabled, config.proxyCustomIsEnabled);
            impl_->writeStore(kCustomServer, config.proxyCustomServer);
            impl_->writeStore(kCustomPort, config.proxyCustomPort);
            impl_->writeStore(kAuthEnabled, config.proxyHttpAuthIsEnabled);
            impl_->writeStore(kAuthUserName, config.proxyHttpAuthUserName);
            impl_->writeStore(kAuthPassword, config.proxyHttpAuthPassword);
            const std::string joined = boost::algorithm::join(config.proxyExclusions, ",");
            const std::string old = impl_->readStore<std::string>(kExclusions.sectionType, kExclusions.key);
            impl_->configStore->removeSettings(
                {}, {{kExclusions.sectionType, {{kExclusionsDelimiter, ","}, {kExclusions.key, old}}}});
            impl_->configStore->mergeSettings(
                {{kExclusions.sectionType, {{kExclusionsDelimiter, ","}, {kExclusions.key, joined}}}});
            return AM_SUCCESS;
        });
    } catch (...) {
        impl_->logError("Unable to set Proxy settings");
        return AM_STORE_FAILURE;
    }
}

// clear text -> adaptor mode 2 -> encoded text. The lock error of the adaptor
// mutex is let out.
bool KOVConfigController::getEncryptedProxyPass(std::string& clearPassword, std::string& encryptedPassword) {
    boost::unique_lock<boost::mutex> lock(detail::agentAdaptorMutex());
    encryptedPassword.clear();
    if (impl_->agentAdaptor == nullptr || !impl_->ssl) return false;
    try {
        std::string bytes;
        unsigned long length = 0;
        if (!impl_->agentAdaptor->encryptMessage(clearPassword, kLocalSecretMode, bytes, length))
            return false;
        if (length > bytes.size() || length > static_cast<unsigned long>(INT_MAX)) return false;
        return impl_->ssl->encodeBytes(encryptedPassword,
                                       reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<int>(length));
    } catch (...) {
        return false;
    }
}

// A stored text with the marker is opened whole with mode 3; any other is
// decoded and opened with mode 2. The lock error of the adaptor mutex is let out.
bool KOVConfigController::getDecryptedProxyPass(std::string& storedPassword, std::string& clearPassword) {
    boost::unique_lock<boost::mutex> lock(detail::agentAdaptorMutex());
    clearPassword.clear();
    if (impl_->agentAdaptor == nullptr) return false;
    try {
        if (storedPassword.rfind(kSealedMarker, 0) == 0) {
            return impl_->agentAdaptor->decryptMessage(storedPassword, kServerValueMode, clearPassword);
        }
        std::string bytes;
        if (!impl_->ssl || !impl_->ssl->decodeBytes(storedPassword, bytes)) return false;
        return impl_->agentAdaptor->decryptMessage(bytes, kLocalSecretMode, clearPassword);
    } catch (...) {
        return false;
    }
}

}  // namespace KOVL
