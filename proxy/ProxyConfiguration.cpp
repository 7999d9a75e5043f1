// Proxy settings (section "58") as one record, and the two transformations of
// the proxy password. The record carries the password exactly as stored
// (sealed and encoded): callers encrypt before writing and decrypt after
// reading. The password operations hold the process-wide adaptor mutex, never
// log, and report failure only through their result.

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <climits>
#include <string>
#include <vector>

#include "config/Access.h"

namespace KOVL {

namespace {

constexpr const char* kProxySection = "58";
const char* const kEnabled = "DNDProxySettings.ProxyIsEnabled";
const char* const kCustomEnabled = "DNDProxySettings.ProxyCustomIsEnabled";
const char* const kCustomServer = "DNDProxySettings.ProxyCustomServer";
const char* const kCustomPort = "DNDProxySettings.ProxyCustomPort";
const char* const kExclusions = "DNDProxySettings.ProxyExclusions.ProxyExclusion";
const char* const kExclusionsDelimiter = "DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter";
const char* const kAuthEnabled = "DNDProxySettings.ProxyHttpAuthIsEnabled";
const char* const kAuthUserName = "DNDProxySettings.ProxyHttpAuthUserName";
const char* const kAuthPassword = "DNDProxySettings.ProxyHttpAuthPassword";

using detail::kLocalSecretMode;
using detail::kSealedMarker;
using detail::kServerValueMode;

}  // namespace

// A failure leaves the later fields at their initial values.
ZUR::ZURProxyConfig KOVConfigController::getProxyConfiguration() {
    ZUR::ZURProxyConfig config;
    try {
        config.proxyIsEnabled = getBooleanConfiguration(kProxySection, kEnabled);
        config.proxyCustomIsEnabled = getBooleanConfiguration(kProxySection, kCustomEnabled);
        config.proxyCustomServer = getStringConfiguration(kProxySection, kCustomServer);
        config.proxyCustomPort = getStringConfiguration(kProxySection, kCustomPort);
        for (std::string& item : readList(kProxySection, kExclusions, kExclusionsDelimiter, false)) {
            boost::algorithm::trim(item);
            if (!item.empty()) config.proxyExclusions.push_back(std::move(item));
        }
        config.proxyHttpAuthIsEnabled = getBooleanConfiguration(kProxySection, kAuthEnabled);
        config.proxyHttpAuthUserName = getStringConfiguration(kProxySection, kAuthUserName);
        config.proxyHttpAuthPassword = getStringConfiguration(kProxySection, kAuthPassword);
    } catch (...) {
        logError("Unable to get Settings for Proxy");
    }
    return config;
}

// Writes every field without comparing or stamping; the exclusion list is
// replaced as a whole (old value removed, new one merged with ","). Fields
// written before a failure stay written.
AM_ERROR_CODES KOVConfigController::setProxyConfiguration(ZUR::ZURProxyConfig& config) {
    try {
        return locked([&] {
            configStore->writeBool("type", kProxySection, kEnabled, config.proxyIsEnabled);
            configStore->writeBool("type", kProxySection, kCustomEnabled, config.proxyCustomIsEnabled);
            configStore->writeString("type", kProxySection, kCustomServer, config.proxyCustomServer);
            configStore->writeString("type", kProxySection, kCustomPort, config.proxyCustomPort);
            configStore->writeBool("type", kProxySection, kAuthEnabled, config.proxyHttpAuthIsEnabled);
            configStore->writeString("type", kProxySection, kAuthUserName, config.proxyHttpAuthUserName);
            configStore->writeString("type", kProxySection, kAuthPassword, config.proxyHttpAuthPassword);
            const std::string joined = boost::algorithm::join(config.proxyExclusions, ",");
            const std::string old = configStore->readString(kProxySection, kExclusions);
            configStore->removeSettings({},
                                        {{kProxySection, {{kExclusionsDelimiter, ","}, {kExclusions, old}}}});
            configStore->mergeSettings(
                {{kProxySection, {{kExclusionsDelimiter, ","}, {kExclusions, joined}}}});
            return AM_SUCCESS;
        });
    } catch (...) {
        logError("Unable to set Proxy settings");
        return AM_STORE_FAILURE;
    }
}

// clear text -> adaptor mode 2 -> encoded text. The lock error of the adaptor
// mutex is let out.
bool KOVConfigController::getEncryptedProxyPass(std::string& clearPassword, std::string& encryptedPassword) {
    boost::unique_lock<boost::mutex> lock(m_agentAdaptorMutex);
    encryptedPassword.clear();
    if (agentAdaptor == nullptr || !ssl) return false;
    try {
        std::string bytes;
        unsigned long length = 0;
        if (!agentAdaptor->encryptMessage(clearPassword, kLocalSecretMode, bytes, length)) return false;
        if (length > bytes.size() || length > static_cast<unsigned long>(INT_MAX)) return false;
        return ssl->encodeBytes(encryptedPassword, reinterpret_cast<const unsigned char*>(bytes.data()),
                                static_cast<int>(length));
    } catch (...) {
        return false;
    }
}

// A stored text with the marker is opened whole with mode 3; any other is
// decoded and opened with mode 2. The lock error of the adaptor mutex is let out.
bool KOVConfigController::getDecryptedProxyPass(std::string& storedPassword, std::string& clearPassword) {
    boost::unique_lock<boost::mutex> lock(m_agentAdaptorMutex);
    clearPassword.clear();
    if (agentAdaptor == nullptr) return false;
    try {
        if (storedPassword.rfind(kSealedMarker, 0) == 0) {
            return agentAdaptor->decryptMessage(storedPassword, kServerValueMode, clearPassword);
        }
        std::string bytes;
        if (!ssl || !ssl->decodeBytes(storedPassword, bytes)) return false;
        return agentAdaptor->decryptMessage(bytes, kLocalSecretMode, clearPassword);
    } catch (...) {
        return false;
    }
}

}  // namespace KOVL
