// Side-by-side benchmarks: data sets, baselines and the commit-loop process.
#include "compare_support.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/property_tree/xml_parser.hpp>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace kovbench {

namespace {

[[noreturn]] void sysFail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

struct Scratch {
    Scratch() : root(fs::temp_directory_path() / fs::unique_path("kovbench-%%%%-%%%%")) {
        fs::create_directories(root);
    }
    ~Scratch() {
        boost::system::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

// Start of the line holding `needle`; throws when it is missing.
std::size_t lineStartOf(const std::string& text, const std::string& needle, std::size_t from = 0) {
    const std::size_t at = text.find(needle, from);
    if (at == std::string::npos) throw std::runtime_error("shipped preferences lack " + needle);
    const std::size_t nl = text.rfind('\n', at);
    return nl == std::string::npos ? 0 : nl + 1;
}

// Just past the line holding `needle`.
std::size_t lineEndOf(const std::string& text, const std::string& needle, std::size_t from) {
    const std::size_t at = text.find(needle, from);
    if (at == std::string::npos) throw std::runtime_error("shipped preferences lack " + needle);
    const std::size_t nl = text.find('\n', at);
    return nl == std::string::npos ? text.size() : nl + 1;
}

// The first ODS task section of the shipped file, with its type replaced by a
// GUID-shaped text built from `n`.
std::string taskCopy(const std::string& shipped, int n) {
    const std::size_t begin = lineStartOf(shipped, "<ODSProfile type=\"");
    std::string section = shipped.substr(begin, lineEndOf(shipped, "</ODSProfile>", begin) - begin);
    const std::size_t quote = section.find('"');
    const std::size_t close = section.find('"', quote + 1);
    char guid[40];
    std::snprintf(guid, sizeof guid, "0b5e7c1a-0000-4000-8000-%012d", n);
    section.replace(quote + 1, close - quote - 1, guid);
    return section;
}

std::string shipped() { return readText(KOVBENCH_SHIPPED_PREFS); }

}  // namespace

NullLogger& nullLogger() {
    static NullLogger logger;
    return logger;
}

fs::path freshDir(const std::string& name) {
    const fs::path dir = scratch().root / name;
    fs::create_directories(dir);
    return dir;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

void durableReplace(const std::string& path, const std::string& text) {
    const std::string tmp = path + ".tmp";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) sysFail("open " + tmp);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) sysFail("write " + tmp);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) sysFail("fsync " + tmp);
    if (::close(fd) != 0) sysFail("close " + tmp);
    if (::rename(tmp.c_str(), path.c_str()) != 0) sysFail("rename " + tmp);
    const std::string dir = fs::path(path).parent_path().string();
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) sysFail("open " + dir);
    const int rc = ::fsync(dirFd);
    ::close(dirFd);
    if (rc != 0) sysFail("fsync " + dir);
}

std::string prefsWithTasks(int tasks) {
    std::string text = shipped();
    int existing = 0;
    for (const char* opening : {"<ODSProfile type=", "<UpdateProfile type="}) {
        for (std::size_t at = text.find(opening); at != std::string::npos; at = text.find(opening, at + 1))
            ++existing;
    }
    std::string added;
    for (int n = existing; n < tasks; ++n) added += taskCopy(text, n);
    text.insert(lineStartOf(text, "<DNDOASGlobalSettings type="), added);
    return text;
}

std::string prefsOfSize(std::size_t bytes) {
    const std::string source = shipped();
    const std::size_t begin = lineStartOf(source, "<DNDOASGlobalSettings type=");
    const std::size_t end = lineEndOf(source, "</DNDAPGlobalExclusions>", begin);
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<preferences>\n";
    text += source.substr(begin, end - begin);
    const std::string closing = "</preferences>\n";
    for (int n = 0; text.size() + closing.size() < bytes; ++n) text += taskCopy(source, n);
    return text + closing;
}

std::unique_ptr<KOVL::KOVConfigController> makeController(const std::string& prefsPath) {
    KOVL::PreferenceFiles files;
    files.current = prefsPath;
    files.shipped = KOVBENCH_SHIPPED_PREFS;
    return std::make_unique<KOVL::KOVConfigController>(
        nullLogger(), std::make_unique<ZUR::XmlConfigStoreUtility>(), std::make_unique<ZUR::XmlConfigStore>(),
        nullptr, nullptr, files);
}

DataSet::DataSet(const std::string& name, const std::string& text)
    : dir(freshDir(name)), prefs((dir / "prefs.xml").string()) {
    writeText(prefs, text);
    controller = makeController(prefs);
}

DataSet& standardSet() {
    static DataSet set("standard", shipped());
    return set;
}

DataSet& thousandTasks() {
    static DataSet set("tasks1000", prefsWithTasks(1000));
    return set;
}

const std::vector<std::string>& bulkKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> made;
        char name[64];
        for (int i = 0; i < 100; ++i) {
            std::snprintf(name, sizeof name, "DNDClientLogging.BenchValue%03d", i);
            made.emplace_back(name);
        }
        return made;
    }();
    return keys;
}

DataSet& bulkSet() {
    static DataSet set = [] {
        DataSet made("bulk", shipped());
        ZUR::SettingsMap values;
        for (const std::string& key : bulkKeys()) values["53"][key] = "0";
        if (made.controller->addSettings(values) != KOVL::AM_SUCCESS)
            throw std::runtime_error("cannot add the bulk keys");
        return made;
    }();
    return set;
}

DataSet& sharedSet() {
    static DataSet set("shared", shipped());
    return set;
}

const std::vector<std::string>& exclusionKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> made;
        const std::pair<const char*, const char*> kinds[] = {{"ExclusionPaths", "Path"},
                                                             {"ExcludeFoldersAndSubFolders", "Folder"},
                                                             {"ExclusionFiles", "File"},
                                                             {"ExclusionTypes", "FileType"}};
        for (const auto& kind : kinds) {
            for (const char* source : {"CLI", "Zarn"}) {
                for (const char* mode : {"Read", "Write", "ReadWrite"}) {
                    made.push_back(std::string("DNDOASProfile.") + mode + kind.first + "." + source +
                                   kind.second);
                }
            }
        }
        return made;
    }();
    return keys;
}

namespace {
DataSet makeExclusionSet(int count) {
    DataSet made("exclusions" + std::to_string(count), shipped());
    const std::vector<std::string>& keys = exclusionKeys();
    std::map<std::string, std::string> lists;
    char item[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, "/srv/data/excluded%05d", i);
        std::string& list = lists[keys[static_cast<std::size_t>(i) % keys.size()]];
        if (!list.empty()) list += ',';
        list += item;
    }
    if (made.controller->addSettings({{"1", lists}}) != KOVL::AM_SUCCESS)
        throw std::runtime_error("cannot add the exclusions");
    return made;
}
}  // namespace

DataSet& exclusionSet(int count) {
    if (count == 10) {
        static DataSet ten = makeExclusionSet(10);
        return ten;
    }
    if (count == 10000) {
        static DataSet many = makeExclusionSet(10000);
        return many;
    }
    throw std::invalid_argument("exclusion sets hold 10 or 10000 items");
}

ZUR::SettingsMap flatten(const std::string& prefsPath) {
    ZUR::XmlConfigStore store;
    if (!store.loadPreferences(prefsPath, {})) throw std::runtime_error("cannot load " + prefsPath);
    return store.readAllSettings();
}

boost::property_tree::ptree parseTree(const std::string& prefsPath) {
    boost::property_tree::ptree tree;
    boost::property_tree::read_xml(prefsPath, tree);
    return tree;
}

long rawTreeGet(const boost::property_tree::ptree& root, const std::string& type, const std::string& key) {
    const std::size_t dot = key.find('.');
    const std::string inSection = key.substr(dot + 1);
    for (const auto& section : root.get_child("preferences")) {
        const auto attr = section.second.get_child_optional("<xmlattr>.type");
        if (attr && attr->data() == type) return section.second.get<long>(inSection);
    }
    throw std::runtime_error("no section of type " + type);
}

SqlitePrefs::SqlitePrefs(const std::string& path, const std::string& journalMode,
                         const ZUR::SettingsMap& rows) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    exec("PRAGMA journal_mode=" + journalMode);
    exec("PRAGMA synchronous=FULL");
    exec(
        "CREATE TABLE prefs(type TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, "
        "PRIMARY KEY(type, key)) WITHOUT ROWID");
    exec("BEGIN");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db_, "INSERT INTO prefs VALUES(?1, ?2, ?3)", -1, &insert, nullptr);
    for (const auto& typed : rows) {
        for (const auto& entry : typed.second) {
            sqlite3_bind_text(insert, 1, typed.first.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, entry.first.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, entry.second.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(insert) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
    exec("COMMIT");
    if (sqlite3_prepare_v2(db_, "SELECT value FROM prefs WHERE type = ?1 AND key = ?2", -1, &select_,
                           nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db_, "UPDATE prefs SET value = ?3 WHERE type = ?1 AND key = ?2", -1, &update_,
                           nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(db_));
    }
}

SqlitePrefs::~SqlitePrefs() {
    sqlite3_finalize(select_);
    sqlite3_finalize(update_);
    sqlite3_close(db_);
}

void SqlitePrefs::exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(sql + ": " + message);
    }
}

long SqlitePrefs::selectLong(const std::string& type, const std::string& key) {
    sqlite3_bind_text(select_, 1, type.data(), static_cast<int>(type.size()), SQLITE_STATIC);
    sqlite3_bind_text(select_, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(select_);
    const long value = rc == SQLITE_ROW ? static_cast<long>(sqlite3_column_int64(select_, 0)) : -1;
    sqlite3_reset(select_);
    if (rc != SQLITE_ROW) throw std::runtime_error("no row for " + key);
    return value;
}

void SqlitePrefs::update(const std::string& type, const std::string& key, const std::string& value) {
    sqlite3_bind_text(update_, 1, type.data(), static_cast<int>(type.size()), SQLITE_STATIC);
    sqlite3_bind_text(update_, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(update_, 3, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(update_);
    sqlite3_reset(update_);
    if (rc != SQLITE_DONE || sqlite3_changes(db_) != 1) throw std::runtime_error(sqlite3_errmsg(db_));
}

FlatMap::FlatMap(const ZUR::SettingsMap& rows) {
    for (const auto& typed : rows) {
        for (const auto& entry : typed.second) values_.emplace(keyOf(typed.first, entry.first), entry.second);
    }
}

long FlatMap::getLong(const std::string& flatKey) const {
    const auto found = values_.find(flatKey);
    if (found == values_.end()) throw std::runtime_error("no value");
    long value = 0;
    const std::string& text = found->second;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// ---- commit loop ----------------------------------------------------------

namespace {
volatile sig_atomic_t stopRequested = 0;
void requestStop(int) { stopRequested = 1; }

void writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}
}  // namespace

void runCommitLoop(const std::string& prefsPath) {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    const pid_t parent = ::getppid();
    long commits = 0;
    {
        auto controller = makeController(prefsPath);
        int level = controller->getLogLevelForOAS();
        while (!stopRequested && ::getppid() == parent) {
            level = level == 3 ? 4 : 3;
            if (controller->setLogLevelForOAS(level) != KOVL::AM_SUCCESS) break;
            if (++commits == 1) writeAll(STDOUT_FILENO, "r");
        }
    }
    writeAll(STDOUT_FILENO, std::to_string(commits) + "\n");
    std::exit(0);
}

CommitLoop::CommitLoop(const std::string& prefsPath) {
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) sysFail("readlink /proc/self/exe");
    self[length] = '\0';
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) sysFail("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::string flag = "--commit-loop";
    std::string path = prefsPath;
    char* argv[] = {self, &flag[0], &path[0], nullptr};
    const int rc = posix_spawn(&pid_, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = fds[0];
    if (rc != 0) {
        pid_ = -1;
        errno = rc;
        sysFail("spawn the commit loop");
    }
    char ready = 0;
    if (::read(out_, &ready, 1) != 1 || ready != 'r') {
        stop();
        throw std::runtime_error("the commit loop did not start");
    }
}

long CommitLoop::stop() {
    if (pid_ < 0) return 0;
    ::kill(pid_, SIGTERM);
    std::string rest;
    char buffer[64];
    ssize_t n;
    while ((n = ::read(out_, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        rest.append(buffer, static_cast<std::size_t>(n));
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    ::close(out_);
    out_ = -1;
    return std::atol(rest.c_str());
}

CommitLoop::~CommitLoop() { stop(); }

}  // namespace kovbench
