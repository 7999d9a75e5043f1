// kovconfig: platform interfaces.
//
// The configuration store, its utility, the logger, the SSL byte codec and the
// platform utilities that the controller is handed by its host. Hosts and test
// suites implement them; the library ships its own implementations in
// <kovl/platform/...>. Implementations must be safe to call from several
// threads at once: the controller calls them without a lock of its own for
// every getter.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ZUR {

// Section type -> (key -> value text).
using SettingsMap = std::map<std::string, std::map<std::string, std::string>>;

// Opaque helper object of the store; the controller only hands it on.
class IConfigStoreUtility {
public:
    virtual ~IConfigStoreUtility() = default;
};

// The configuration store. Reads throw when the section or key is missing or
// the value does not convert; writes throw when nothing was written.
class IConfigStore {
public:
    virtual ~IConfigStore() = default;
    virtual bool readBool(std::string sectionType, std::string key) = 0;
    virtual int readInt(std::string sectionType, std::string key) = 0;
    virtual std::string readString(std::string sectionType, std::string key) = 0;
    virtual bool keyExists(std::string sectionType, std::string key) = 0;
    virtual void writeBool(std::string attrName, std::string sectionType, std::string key, bool value) = 0;
    virtual void writeInt(std::string attrName, std::string sectionType, std::string key, int value) = 0;
    virtual std::map<std::string, std::string> readAttributeMap(std::string key, std::string attrName) = 0;
    virtual void writeString(std::string attrName, std::string sectionType, std::string key,
                             std::string value) = 0;
    virtual bool mergeSettings(SettingsMap settings) = 0;
    virtual bool removeSettings(SettingsMap first, SettingsMap second) = 0;
    virtual void readDelimiter(std::string sectionType, std::string path, std::string& delimiter) = 0;
    virtual void attachUtility(std::shared_ptr<IConfigStoreUtility> utility) = 0;
    virtual bool loadPreferences(std::string path, SettingsMap defaults) = 0;
    virtual bool readTypedSection(std::string sectionType, SettingsMap& nested,
                                  std::map<std::string, std::string>& values) = 0;
    virtual SettingsMap readAllSettings() = 0;
};

// The platform logger. Level 2 marks failures, 6 informational lines.
class ILogger {
public:
    virtual ~ILogger() = default;
    virtual int queryLogSettingA() = 0;
    virtual void logMessage(int level, std::string component, std::string message) = 0;
    virtual int queryLogSettingB() = 0;
    virtual int queryLogSettingC() = 0;
};

// Byte encoding used around the proxy password.
class IZlySSL {
public:
    virtual ~IZlySSL() = default;
    virtual bool encodeBytes(std::string& out, const unsigned char* bytes, int count) = 0;
    virtual bool decodeBytes(std::string in, std::string& out) = 0;
};

// Questions about the running system.
class IZURUtils {
public:
    virtual ~IZURUtils() = default;
    virtual bool isCPULimitSupported() = 0;
};

// Proxy settings as the host's updater consumes them.
struct ZURProxyConfig {
    bool proxyIsEnabled = false;
    bool proxyCustomIsEnabled = false;
    std::string proxyCustomServer;
    std::string proxyCustomPort;
    std::vector<std::string> proxyExclusions;
    bool proxyHttpAuthIsEnabled = false;
    std::string proxyHttpAuthUserName;
    std::string proxyHttpAuthPassword;
};

}  // namespace ZUR
