#include "support/TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <boost/thread/exceptions.hpp>
#include <ctime>
#include <fstream>
#include <stdexcept>
#include <type_traits>
#include <utility>

#ifndef KOVCONFIG_SHIPPED_PREFS
#error "the build passes the path of the generated shipped preferences"
#endif

namespace kovtest {

std::ostream& operator<<(std::ostream& os, const LogLine& line) {
    return os << "{" << line.level << ", " << line.component << ", \"" << line.message << "\"}";
}

LogLine err(const std::string& message) { return {2, "ConfigController", message}; }
LogLine info(const std::string& message) { return {6, "ConfigController", message}; }
LogLine logLine(const std::string& text) {
    return {std::stoi(text.substr(0, text.find(':'))), "ConfigController", text.substr(text.find(':') + 1)};
}

void RecordingLogger::logMessage(int level, std::string component, std::string message) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back({level, std::move(component), std::move(message)});
}

std::vector<LogLine> RecordingLogger::lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

void RecordingLogger::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

std::vector<LogLine> RecordingLogger::controllerLines() const {
    std::vector<LogLine> result;
    for (const LogLine& line : lines()) {
        if (line.component == "ConfigController") result.push_back(line);
    }
    return result;
}

FaultInjectingStore::FaultInjectingStore(std::shared_ptr<ZUR::IConfigStore> inner)
    : inner_(std::move(inner)) {}

void FaultInjectingStore::failKey(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    failing_.insert(key);
}

void FaultInjectingStore::failWritesOf(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    failingWrites_.insert(key);
}

void FaultInjectingStore::failEverything(bool on) { failAll_ = on; }

void FaultInjectingStore::failBulk(bool on) { failBulk_ = on; }

void FaultInjectingStore::clearFaults() {
    std::lock_guard<std::mutex> lock(mutex_);
    failing_.clear();
    failingWrites_.clear();
    failAll_ = false;
    failBulk_ = false;
    hookKey_.clear();
    hook_ = nullptr;
}

void FaultInjectingStore::beforeWriteOf(const std::string& key, std::function<void()> hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hookKey_ = key;
    hook_ = std::move(hook);
}

void FaultInjectingStore::checkRead(const std::string& key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (failAll_ || failing_.count(key)) throw std::runtime_error("injected read failure: " + key);
}

void FaultInjectingStore::checkWrite(const std::string& key) const {
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (key == hookKey_) hook = hook_;
    }
    if (hook) hook();  // outside mutex_: a hook may call back into the controller
    std::lock_guard<std::mutex> lock(mutex_);
    if (failAll_ || failing_.count(key) || failingWrites_.count(key)) {
        throw std::runtime_error("injected write failure: " + key);
    }
}

bool FaultInjectingStore::readBool(std::string sectionType, std::string key) {
    checkRead(key);
    return inner_->readBool(sectionType, key);
}

int FaultInjectingStore::readInt(std::string sectionType, std::string key) {
    checkRead(key);
    return inner_->readInt(sectionType, key);
}

std::string FaultInjectingStore::readString(std::string sectionType, std::string key) {
    checkRead(key);
    return inner_->readString(sectionType, key);
}

bool FaultInjectingStore::keyExists(std::string sectionType, std::string key) {
    checkRead(key);
    return inner_->keyExists(sectionType, key);
}

void FaultInjectingStore::writeBool(std::string attrName, std::string sectionType, std::string key,
                                    bool value) {
    checkWrite(key);
    inner_->writeBool(attrName, sectionType, key, value);
    ++writes_;
}

void FaultInjectingStore::writeInt(std::string attrName, std::string sectionType, std::string key,
                                   int value) {
    checkWrite(key);
    inner_->writeInt(attrName, sectionType, key, value);
    ++writes_;
}

std::map<std::string, std::string> FaultInjectingStore::readAttributeMap(std::string key,
                                                                         std::string attrName) {
    checkRead(key);
    return inner_->readAttributeMap(key, attrName);
}

void FaultInjectingStore::writeString(std::string attrName, std::string sectionType, std::string key,
                                      std::string value) {
    checkWrite(key);
    inner_->writeString(attrName, sectionType, key, value);
    ++writes_;
}

bool FaultInjectingStore::mergeSettings(ZUR::SettingsMap settings) {
    for (const auto& section : settings) {
        for (const auto& entry : section.second) checkWrite(entry.first);
    }
    if (failBulk_) return false;
    const bool merged = inner_->mergeSettings(settings);
    ++writes_;
    return merged;
}

bool FaultInjectingStore::removeSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) {
    for (const auto& section : second) {
        for (const auto& entry : section.second) checkWrite(entry.first);
    }
    if (failBulk_) return false;
    const bool removed = inner_->removeSettings(first, second);
    ++writes_;
    return removed;
}

void FaultInjectingStore::readDelimiter(std::string sectionType, std::string path, std::string& delimiter) {
    checkRead(path);
    inner_->readDelimiter(sectionType, path, delimiter);
}

void FaultInjectingStore::attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility> utility) {
    inner_->attachUtility(std::move(utility));
}

bool FaultInjectingStore::loadPreferences(std::string path, ZUR::SettingsMap defaults) {
    return inner_->loadPreferences(path, defaults);
}

bool FaultInjectingStore::readTypedSection(std::string sectionType, ZUR::SettingsMap& nested,
                                           std::map<std::string, std::string>& values) {
    checkRead(sectionType);
    return inner_->readTypedSection(sectionType, nested, values);
}

ZUR::SettingsMap FaultInjectingStore::readAllSettings() {
    if (failAll_) throw std::runtime_error("injected read failure");
    return inner_->readAllSettings();
}

TempDir::TempDir()
    : path_(boost::filesystem::temp_directory_path() /
            boost::filesystem::unique_path("kovconfig-%%%%-%%%%-%%%%")) {
    boost::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
}

long nowSeconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long>(now.tv_sec);
}

std::vector<std::vector<std::string>> dataRows(const std::string& file) {
    std::ifstream in(std::string(KOVCONFIG_TEST_DATA_DIR) + "/" + file);
    std::vector<std::vector<std::string>> found;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
            fields.push_back(line.substr(from, tab - from));
        fields.push_back(line.substr(from));
        found.push_back(fields);
    }
    if (found.empty()) ADD_FAILURE() << "no rows in tests/data/" << file;
    return found;
}

std::vector<std::vector<std::string>> dataRows(const std::string& file, const std::string& kind) {
    std::vector<std::vector<std::string>> found;
    for (const auto& fields : dataRows(file))
        if (fields[0] == kind) found.emplace_back(fields.begin() + 1, fields.end());
    if (found.empty()) ADD_FAILURE() << "no \"" << kind << "\" rows in tests/data/" << file;
    return found;
}

namespace {

std::string asText(bool v) { return v ? "1" : "0"; }
std::string asText(int v) { return std::to_string(v); }
std::string asText(long v) { return std::to_string(v); }
std::string asText(const std::string& v) { return v; }

template <class T>
T fromText(const std::string& v) {
    if constexpr (std::is_same_v<T, std::string>)
        return v;
    else if constexpr (std::is_same_v<T, bool>)
        return v == "1";
    else
        return static_cast<T>(std::stol(v));
}

template <class Get>
void addGetter(PlainOperations& ops, const std::string& name, Get get) {
    using T = decltype(get(std::declval<PlainOperations::C&>()));
    if constexpr (std::is_same_v<T, std::vector<std::string>>)
        ops.lists.emplace(name, get);
    else
        ops.getters.emplace(name, [get](PlainOperations::C& c) { return asText(get(c)); });
}

PlainOperations readOperations() {
    PlainOperations ops;
#define KOVL_PLAIN_GETTER(type, name) \
    addGetter(ops, #name, [](PlainOperations::C& c) -> type { return c.name(); });
#define KOVL_PLAIN_SETTER(type, name)                                            \
    ops.setters.emplace(#name, [](PlainOperations::C& c, const std::string& v) { \
        return static_cast<int>(c.name(fromText<type>(v)));                      \
    });
#include "InterfaceOperations.inc"
#undef KOVL_PLAIN_GETTER
#undef KOVL_PLAIN_SETTER
    return ops;
}

}  // namespace

const PlainOperations& plainOperations() {
    static const PlainOperations ops = readOperations();
    return ops;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

bool inChildren(int n, const std::function<bool(int)>& body) {
    std::vector<pid_t> children;
    for (int i = 0; i < n; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int code = 2;
            try {
                code = body(i) ? 0 : 1;
            } catch (...) {
            }
            ::_exit(code);
        }
        if (pid > 0) children.push_back(pid);
    }
    bool allPassed = static_cast<int>(children.size()) == n;
    for (const pid_t pid : children) {
        int status = 0;
        allPassed =
            ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && allPassed;
    }
    return allPassed;
}

bool mutexHeldHere(KOVL::KOVConfigController& controller) {
    try {
        controller.setOASRunning(controller.isOASRunning());
        return false;
    } catch (const boost::lock_error&) {
        return true;
    }
}

std::string shippedPrefs() { return KOVCONFIG_SHIPPED_PREFS; }

KOVL::PreferenceFiles ControllerTest::files() const {
    KOVL::PreferenceFiles files;
    files.current = dir.file("prefs.xml");
    files.shipped = shippedPrefs();
    return files;
}

void ControllerTest::SetUp() { rebuild(nullptr); }

void ControllerTest::TearDown() {
    store->clearFaults();
    controller.reset();
    store = nullptr;
}

std::string ControllerTest::stored(const std::string& sectionType, const std::string& key) {
    return store->inner().readString(sectionType, key);
}

}  // namespace kovtest
