// Test doubles shared by the suites: a recording logger, a store wrapper that
// fails on chosen keys, a temporary directory and a controller fixture built
// over a private copy of the shipped preferences.
#pragma once

#include <gtest/gtest.h>
#include <kovl/kovl.h>

#include <atomic>
#include <boost/filesystem.hpp>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace kovtest {

struct LogLine {
    int level;
    std::string component;
    std::string message;
    bool operator==(const LogLine& o) const {
        return level == o.level && component == o.component && message == o.message;
    }
};
std::ostream& operator<<(std::ostream& os, const LogLine& line);
// Controller lines: an error (level 2), an information (level 6), or "level:text".
LogLine err(const std::string& message);
LogLine info(const std::string& message);
LogLine logLine(const std::string& levelAndText);

// Keeps every line; safe from many threads.
class RecordingLogger : public ZUR::ILogger {
public:
    int queryLogSettingA() override { return settingA; }
    void logMessage(int level, std::string component, std::string message) override;
    int queryLogSettingB() override { return settingB; }
    int queryLogSettingC() override { return settingC; }

    std::vector<LogLine> lines() const;
    void clear();
    // Lines of the controller's component only.
    std::vector<LogLine> controllerLines() const;

    int settingA = 7, settingB = 2048, settingC = 3;

private:
    mutable std::mutex mutex_;
    std::vector<LogLine> lines_;
};

// Delegates to a real store and throws std::runtime_error on chosen keys; the
// bootstrap's file operations go to the real store unchanged.
class FaultInjectingStore : public ZUR::IConfigStore, public ZUR::IPreferenceFileStore {
public:
    explicit FaultInjectingStore(std::shared_ptr<ZUR::IConfigStore> inner);

    void failKey(const std::string& key);       // reads and writes of the key throw
    void failWritesOf(const std::string& key);  // only writes of the key throw
    void failEverything(bool on = true);        // every read and write throws
    void failBulk(bool on = true);              // mergeSettings/removeSettings answer false
    void clearFaults();                         // also drops the write hook
    // Runs `hook` just before each write of `key` (replacing any earlier hook).
    void beforeWriteOf(const std::string& key, std::function<void()> hook);
    int writes() const { return writes_; }  // successful write*/merge/remove calls
    ZUR::IConfigStore& inner() { return *inner_; }

    bool readBool(std::string sectionType, std::string key) override;
    int readInt(std::string sectionType, std::string key) override;
    std::string readString(std::string sectionType, std::string key) override;
    bool keyExists(std::string sectionType, std::string key) override;
    void writeBool(std::string attrName, std::string sectionType, std::string key, bool value) override;
    void writeInt(std::string attrName, std::string sectionType, std::string key, int value) override;
    std::map<std::string, std::string> readAttributeMap(std::string key, std::string attrName) override;
    void writeString(std::string attrName, std::string sectionType, std::string key,
                     std::string value) override;
    bool mergeSettings(ZUR::SettingsMap settings) override;
    bool removeSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) override;
    void readDelimiter(std::string sectionType, std::string path, std::string& delimiter) override;
    void attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility> utility) override;
    bool loadPreferences(std::string path, ZUR::SettingsMap defaults) override;
    bool readTypedSection(std::string sectionType, ZUR::SettingsMap& nested,
                          std::map<std::string, std::string>& values) override;
    ZUR::SettingsMap readAllSettings() override;

    bool trusted(const std::string& path, std::string& reason) override {
        return files().trusted(path, reason);
    }
    Inspection inspect(const std::string& path) override { return files().inspect(path); }
    Restored restore(const std::string& path, const std::string& shipped, const Inspection& seen) override {
        return files().restore(path, shipped, seen);
    }
    bool replaceWithShipped(const std::string& path, const std::string& shipped) override {
        return files().replaceWithShipped(path, shipped);
    }

private:
    ZUR::IPreferenceFileStore& files() { return dynamic_cast<ZUR::IPreferenceFileStore&>(*inner_); }
    void checkRead(const std::string& key) const;
    void checkWrite(const std::string& key) const;

    std::shared_ptr<ZUR::IConfigStore> inner_;
    mutable std::mutex mutex_;
    std::set<std::string> failing_;
    std::set<std::string> failingWrites_;
    std::atomic<bool> failAll_{false};
    std::atomic<bool> failBulk_{false};
    std::atomic<int> writes_{0};
    std::string hookKey_;
    std::function<void()> hook_;
};

// A fresh directory under the system temporary directory, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const boost::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    boost::filesystem::path path_;
};

// Whole seconds of CLOCK_REALTIME, the clock the controller stamps with
// (std::time may read a coarser clock that lags it by a tick).
long nowSeconds();

// The rows of tests/data/<file> whose first field is `kind`, split at tabs,
// without that first field. Lines starting with '#' are comments.
std::vector<std::vector<std::string>> dataRows(const std::string& file, const std::string& kind);
// Every row of tests/data/<file> that is neither empty nor a comment, split at tabs.
std::vector<std::vector<std::string>> dataRows(const std::string& file);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Runs body(0) .. body(n-1) each in a forked child at once; true when every
// child exits with 0 (an exception counts as failure).
bool inChildren(int n, const std::function<bool(int)>& body);

// Whether the calling thread holds the controller mutex: an operation that
// takes it refuses, with boost::lock_error, a thread that already holds it.
bool mutexHeldHere(KOVL::KOVConfigController& controller);

// The interface's plain operations by name, read from IConfigController.h when
// the build is configured: getters without parameters, answering text ("1"/"0",
// the number, the string) or a list, and setters of one value given as text.
struct PlainOperations {
    using C = KOVL::KOVConfigController;
    std::map<std::string, std::function<std::string(C&)>> getters;
    std::map<std::string, std::function<std::vector<std::string>(C&)>> lists;
    std::map<std::string, std::function<int(C&, const std::string&)>> setters;
};
const PlainOperations& plainOperations();

// Path of the shipped default preferences generated by the build.
std::string shippedPrefs();

// A controller over <tmp>/prefs.xml, restored from the shipped defaults.
// `store` stays valid while the controller lives (the controller owns it).
class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    KOVL::KOVConfigController& ctl() { return *controller; }
    KOVL::PreferenceFiles files() const;
    // The stored text of a key, read past the fault injection.
    std::string stored(const std::string& sectionType, const std::string& key);
    // The stored time stamp, or "" when it is empty.
    std::string timeStamp() { return stored("52", "DNDGlobalSettings.LastUpdatedTimeStamp"); }
    // Writes past the fault injection.
    void put(const std::string& type, const std::string& key, const std::string& text) {
        store->inner().writeString("type", type, key, text);
    }
    void staleStamp() { store->inner().writeInt("type", "52", "DNDGlobalSettings.LastUpdatedTimeStamp", 1); }
    // A new controller (or host subclass) over the same preferences with these platform parts.
    template <class Controller = KOVL::KOVConfigController>
    void rebuild(std::shared_ptr<ZUR::IZlySSL> ssl, std::shared_ptr<ZUR::IZURUtils> utils = nullptr) {
        controller.reset();
        auto faulty = std::make_unique<FaultInjectingStore>(std::make_shared<ZUR::XmlConfigStore>());
        store = faulty.get();
        controller = std::make_unique<Controller>(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                                  std::move(faulty), ssl, utils, files());
    }

    TempDir dir;
    RecordingLogger logger;
    FaultInjectingStore* store = nullptr;
    std::unique_ptr<KOVL::KOVConfigController> controller;
};

}  // namespace kovtest
