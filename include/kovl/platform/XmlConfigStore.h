// kovconfig: the XML configuration store.
//
// ZUR::XmlConfigStore keeps the preferences in one XML file:
//
//   <preferences>
//     <DNDOASGlobalSettings type="51"> ... </DNDOASGlobalSettings>
//     <DNDOASProfile type="2"> ... </DNDOASProfile>
//   </preferences>
//
// A key "S.A.B" with section type T names A.B inside the child S of
// <preferences> whose attribute `type` is T; "<xmlattr>.X" components name
// attributes. A list is a node carrying a `delimiter` attribute whose value
// child holds all items joined with that delimiter.
//
// Thread safety: every operation may be called from many threads at once;
// reads run in parallel, changes are serialised.
// Processes: several processes may hold a store on the same file. A change is
// made under an exclusive advisory lock on "<file>.lock" after reloading the
// file if another process replaced it, so no process's update is lost. Every
// read compares the file's identity (inode, size, nanosecond mtime) with the
// version in memory and reloads it when another process committed a change.
// Removing a list by naming it with the empty value keeps it when it holds
// items, so a caller acting on an older view cannot drop items added since.
// Durability: every change is written to a temporary file in the same
// directory (mode 0600), fsynced, renamed over the file, and the directory is
// fsynced. A change whose write fails is rolled back in memory and reported.
// Errors: reads throw std::runtime_error for a missing section, key or a value
// that does not convert; writes throw when nothing was written.
#pragma once

#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <map>
#include <memory>
#include <string>

namespace ZUR {

// Limits the store applies to the files it parses. Attaching a utility to a
// store replaces the limits it uses from then on.
class KOVL_EXPORT XmlConfigStoreUtility : public IConfigStoreUtility {
public:
    XmlConfigStoreUtility() = default;
    XmlConfigStoreUtility(std::size_t maxFileBytes, int maxDepth);

    std::size_t maxFileBytes() const { return maxFileBytes_; }
    int maxDepth() const { return maxDepth_; }

private:
    std::size_t maxFileBytes_ = 16u * 1024u * 1024u;
    int maxDepth_ = 32;
};

class KOVL_EXPORT XmlConfigStore : public IConfigStore {
public:
    XmlConfigStore();
    ~XmlConfigStore() override;
    XmlConfigStore(const XmlConfigStore&) = delete;
    XmlConfigStore& operator=(const XmlConfigStore&) = delete;

    bool readBool(std::string sectionType, std::string key) override;
    int readInt(std::string sectionType, std::string key) override;
    std::string readString(std::string sectionType, std::string key) override;
    bool keyExists(std::string sectionType, std::string key) override;
    void writeBool(std::string attrName, std::string sectionType, std::string key, bool value) override;
    void writeInt(std::string attrName, std::string sectionType, std::string key, int value) override;
    std::map<std::string, std::string> readAttributeMap(std::string key, std::string attrName) override;
    void writeString(std::string attrName, std::string sectionType, std::string key,
                     std::string value) override;
    bool mergeSettings(SettingsMap settings) override;
    bool removeSettings(SettingsMap first, SettingsMap second) override;
    void readDelimiter(std::string sectionType, std::string path, std::string& delimiter) override;
    void attachUtility(std::shared_ptr<IConfigStoreUtility> utility) override;
    bool loadPreferences(std::string path, SettingsMap defaults) override;
    bool readTypedSection(std::string sectionType, SettingsMap& nested,
                          std::map<std::string, std::string>& values) override;
    SettingsMap readAllSettings() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ZUR
