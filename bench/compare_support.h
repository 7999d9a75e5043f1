// Side-by-side benchmarks: the data sets and the baselines they are measured
// against. Every file lives in one private temporary directory that is removed
// at exit; controllers are built over it with KOVL::PreferenceFiles, so the
// product's own paths are never touched.
#pragma once

#include <kovl/kovl.h>
#include <sqlite3.h>
#include <sys/types.h>

#include <boost/filesystem.hpp>
#include <boost/property_tree/ptree.hpp>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "NullLogger.h"

namespace kovbench {

namespace fs = boost::filesystem;

NullLogger& nullLogger();

// A new directory below this run's scratch directory.
fs::path freshDir(const std::string& name);

std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);
// What a careful programmer writes by hand to replace a file durably: write a
// temporary file, fsync it, rename it over the file and fsync the directory.
void durableReplace(const std::string& path, const std::string& text);

// The shipped defaults (three task sections) with copies of its first ODS task
// section added before the global sections until `tasks` task sections exist.
std::string prefsWithTasks(int tasks);
// The global sections followed by task sections until the text holds at least
// `bytes` bytes: a plain preferences file of a chosen size for the store alone.
std::string prefsOfSize(std::size_t bytes);

std::unique_ptr<KOVL::KOVConfigController> makeController(const std::string& prefsPath);

// A directory holding prefs.xml and a controller over it. Construction
// completes the file with the defaults, so the file is whole afterwards.
struct DataSet {
    DataSet(const std::string& name, const std::string& text);
    fs::path dir;
    std::string prefs;
    std::unique_ptr<KOVL::KOVConfigController> controller;
};

DataSet& standardSet();    // the shipped defaults: 3 task sections
DataSet& thousandTasks();  // 1,000 task sections
DataSet& bulkSet();        // the shipped defaults plus the 100 keys of bulkKeys()
DataSet& sharedSet();      // read by this process while another one commits
// Profile 1 holding `count` exclusions spread over its 24 lists (10 or 10,000).
DataSet& exclusionSet(int count);

// The 24 exclusion list keys of a profile, in the order the flat list reads them.
const std::vector<std::string>& exclusionKeys();
// 100 integer keys of section "53" used by the bulk benchmarks.
const std::vector<std::string>& bulkKeys();

// Every value of a preferences file as the store flattens it: type -> key -> text.
ZUR::SettingsMap flatten(const std::string& prefsPath);

// The baseline a user would write with boost::property_tree alone.
boost::property_tree::ptree parseTree(const std::string& prefsPath);
// Finds the child of <preferences> whose type attribute is `type`, then `key` in it.
long rawTreeGet(const boost::property_tree::ptree& root, const std::string& type, const std::string& key);

// The same preferences in a SQLite table (type, key, value) with prepared statements.
class SqlitePrefs {
public:
    // journalMode "WAL" or "DELETE"; synchronous=FULL either way.
    SqlitePrefs(const std::string& path, const std::string& journalMode, const ZUR::SettingsMap& rows);
    ~SqlitePrefs();
    SqlitePrefs(const SqlitePrefs&) = delete;
    SqlitePrefs& operator=(const SqlitePrefs&) = delete;

    long selectLong(const std::string& type, const std::string& key);
    void update(const std::string& type, const std::string& key, const std::string& value);

private:
    void exec(const std::string& sql);
    sqlite3* db_ = nullptr;
    sqlite3_stmt* select_ = nullptr;
    sqlite3_stmt* update_ = nullptr;
};

// The floor: a hash map from type and key to the text, converted on each read.
class FlatMap {
public:
    explicit FlatMap(const ZUR::SettingsMap& rows);
    static std::string keyOf(const std::string& type, const std::string& key) { return type + '\n' + key; }
    long getLong(const std::string& flatKey) const;

private:
    std::unordered_map<std::string, std::string> values_;
};

// Another process running a controller over `prefsPath` that changes one
// setting in a loop until it is stopped. The constructor returns after its
// first commit; stop() answers how many commits it made.
class CommitLoop {
public:
    explicit CommitLoop(const std::string& prefsPath);
    ~CommitLoop();
    CommitLoop(const CommitLoop&) = delete;
    CommitLoop& operator=(const CommitLoop&) = delete;
    long stop();

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

// The body of the commit-loop process (see main): never returns.
[[noreturn]] void runCommitLoop(const std::string& prefsPath);

}  // namespace kovbench
