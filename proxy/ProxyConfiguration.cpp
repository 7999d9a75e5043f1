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

#include "config/Access.h"

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
             readList(kExclusions.sectionType, kExclusions.key, kExclusionsDelimiter, false)) {
            boost::algorithm::trim(item);
            if (!item.empty()) config.proxyExclusions.push_back(std::move(item));
        }
        config.proxyHttpAuthIsEnabled = getBooleanConfiguration(kAuthEnabled.sectionType, kAuthEnabled.key);
        config.proxyHttpAuthUserName = getStringConfiguration(kAuthUserName.sectionType, kAuthUserName.key);
        config.proxyHttpAuthPassword = getStringConfiguration(kAuthPassword.sectionType, kAuthPassword.key);
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
            writeStore(kEnabled, config.proxyIsEnabled);
            writeStore(kCustomEnabled, config.proxyCustomIsEnabled);
            writeStore(kCustomServer, config.proxyCustomServer);
            writeStore(kCustomPort, config.proxyCustomPort);
            writeStore(kAuthEnabled, config.proxyHttpAuthIsEnabled);
            writeStore(kAuthUserName, config.proxyHttpAuthUserName);
            writeStore(kAuthPassword, config.proxyHttpAuthPassword);
            const std::string joined = boost::algorithm::join(config.proxyExclusions, ",");
            const std::string old = readStore<std::string>(kExclusions.sectionType, kExclusions.key);
            configStore->removeSettings(
                {}, {{kExclusions.sectionType, {{kExclusionsDelimiter, ","}, {kExclusions.key, old}}}});
            configStore->mergeSettings(
                {{kExclusions.sectionType, {{kExclusionsDelimiter, ","}, {kExclusions.key, joined}}}});
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
