// Tests of ZUR::XmlConfigStore: values, keys, merge/remove rules, loading,
// durability, rollback and concurrency between threads and processes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <kovl/platform/XmlConfigStore.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/filesystem.hpp>
#include <chrono>
#include <climits>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "support/TestSupport.h"

namespace fs = boost::filesystem;
using kovtest::readFile;
using kovtest::writeFile;
using ZUR::SettingsMap;
using ZUR::XmlConfigStore;
using Strings = std::map<std::string, std::string>;

namespace {

const char* const kGuid = "{5C1A0D2E-7B1F-4C55-9A0E-3D2B6F1E8A47}";  // the ODSProfile of kSample

// Sections of several shapes: plain values, delimited lists, attributes, a task and keywords.
const std::string kSample = kovtest::readFile(KOVCONFIG_TEST_DATA_DIR "/store_sample.xml");

// Runs `body` with a 64-byte file size limit, which makes every write of a
// temporary file fail, for root too.
template <class Body>
void withTinyFileSizeLimit(Body&& body) {
    struct rlimit saved {};
    ASSERT_EQ(0, ::getrlimit(RLIMIT_FSIZE, &saved));
    struct rlimit tiny = saved;
    tiny.rlim_cur = 64;
    auto* const oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &tiny));
    body();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
}

struct FileStat {
    ino_t ino;
    long long mtimeNs;
    unsigned mode;
};

}  // namespace

class XmlConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override { writeFile(path_, kSample); }

    static FileStat statOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(0, ::stat(path.c_str(), &st));
        return {st.st_ino, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, st.st_mode & 0777u};
    }
    std::unique_ptr<XmlConfigStore> open(const SettingsMap& defaults = {}) {
        auto store = std::make_unique<XmlConfigStore>();
        EXPECT_TRUE(store->loadPreferences(path_, defaults));
        return store;
    }
    std::vector<std::string> dirEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Polls `seen` for at most one second.
    template <class Seen>
    static bool eventually(Seen&& seen) {
        for (int i = 0; i < 200 && !seen(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return seen();
    }
    int temporaryFiles() const {
        const auto names = dirEntries();
        return static_cast<int>(std::count_if(names.begin(), names.end(), [](const std::string& name) {
            return name.compare(0, 13, "prefs.xml.tmp") == 0;
        }));
    }

    kovtest::TempDir dir;
    const fs::path dir_ = dir.path();
    const std::string path_ = dir.file("prefs.xml");
};

TEST_F(XmlConfigStoreTest, TrickyValuesRoundTripByteForByte) {
    const std::vector<std::string> values = {
        "  lead and trail  ", "inner   blanks", "<&\"'>]]>", "Grüße € 日本", "", "   ",
        "\ttab\nnew line\n",  "a.b=c;d"};
    auto store = open();
    for (std::size_t i = 0; i < values.size(); ++i) {
        store->writeString("type", "51", "DNDOASGlobalSettings.Value" + std::to_string(i), values[i]);
    }
    store->writeString("type", "1", "DNDOASProfile.ProcessList.<xmlattr>.note", " <\"&'> ");
    const std::string written = readFile(path_);

    auto second = open();
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i], second->readString("51", "DNDOASGlobalSettings.Value" + std::to_string(i))) << i;
    }
    EXPECT_EQ(" <\"&'> ", second->readString("1", "DNDOASProfile.ProcessList.<xmlattr>.note"));
    // Indentation is layout, never data, and does not pile up across rewrites.
    EXPECT_EQ("", second->readString("1", "DNDOASProfile.ProcessList"));
    second->writeString("type", "51", "DNDOASGlobalSettings.Label", "changed");
    second->writeString("type", "51", "DNDOASGlobalSettings.Label", "global");
    EXPECT_EQ(written, readFile(path_));
}

TEST_F(XmlConfigStoreTest, ReadIntAndReadBoolAcceptOnlyExactText) {
    auto store = open();
    const std::string key = "DNDOASGlobalSettings.Probe";
    for (const auto& row : kovtest::dataRows("store_texts.tsv")) {
        if (row[0] != "int" && row[0] != "bool") continue;
        SCOPED_TRACE(row[0] + " '" + row[1] + "'");
        store->writeString("type", "51", key, row[1]);
        const auto read = [&] {
            return row[0] == "int" ? store->readInt("51", key) : int(store->readBool("51", key));
        };
        if (row[2] == "throws") {
            EXPECT_THROW(read(), std::runtime_error);
        } else {
            EXPECT_EQ(std::stoi(row[2]), read());
        }
    }
    store->writeBool("type", "51", key, true);
    EXPECT_EQ("1", store->readString("51", key));
    store->writeInt("type", "51", key, -305);
    EXPECT_EQ("-305", store->readString("51", key));
}

TEST_F(XmlConfigStoreTest, MissingSectionOrKeyThrowsAndKeyExistsAnswers) {
    auto store = open();
    const std::vector<std::pair<std::string, std::string>> missing = {
        {"999", "DNDOASProfile.ScanArchiveEnabled"},    // no section of that type
        {"51", "DNDOASProfile.ScanArchiveEnabled"},     // type exists under another name
        {"1", "DNDOASProfile.NoSuchKey"},               // missing key
        {"1", "DNDOASProfile.ProcessList.<xmlattr>.x"}  // missing attribute
    };
    for (const auto& m : missing) {
        EXPECT_THROW(store->readString(m.first, m.second), std::runtime_error) << m.second;
        EXPECT_THROW(store->readInt(m.first, m.second), std::runtime_error) << m.second;
        EXPECT_THROW(store->readBool(m.first, m.second), std::runtime_error) << m.second;
        EXPECT_FALSE(store->keyExists(m.first, m.second)) << m.second;
    }
    EXPECT_TRUE(store->keyExists("1", "DNDOASProfile.ScanArchiveEnabled"));
    EXPECT_TRUE(store->keyExists("2", "DNDOASProfile.ProcessList.<xmlattr>.delimiter"));
    EXPECT_EQ("51", store->readString("51", "DNDOASGlobalSettings.<xmlattr>.type"));
    EXPECT_TRUE(store->readBool("1", "DNDOASProfile.ScanArchiveEnabled"));
    EXPECT_FALSE(store->readBool("51", "DNDOASGlobalSettings.ScanArchiveEnabled"));
}

TEST_F(XmlConfigStoreTest, WriteRequiresTypeAttributeAndExistingSection) {
    auto store = open();
    const std::string before = readFile(path_);
    EXPECT_THROW(store->writeString("name", "1", "DNDOASProfile.New", "v"), std::exception);
    EXPECT_THROW(store->writeString("type", "999", "DNDOASProfile.New", "v"), std::exception);
    EXPECT_THROW(store->writeInt("type", "51", "DNDOASProfile.New", 1), std::exception);
    EXPECT_THROW(store->writeBool("type", "1", "DNDOASProfile.Bad Name", true), std::exception);
    EXPECT_FALSE(store->keyExists("1", "DNDOASProfile.New"));
    EXPECT_EQ(before, readFile(path_));

    store->writeInt("type", "1", "DNDOASProfile.New.Deep", 5);
    EXPECT_EQ(5, store->readInt("1", "DNDOASProfile.New.Deep"));
    EXPECT_EQ(5, open()->readInt("1", "DNDOASProfile.New.Deep"));
}

// Rows of store_changes.tsv: name, merge or remove, answer, then entries
// "first|second|value|absent:type:key[=value]" (the maps given, what the store then holds).
TEST_F(XmlConfigStoreTest, MergeAndRemoveFollowTheirRules) {
    for (const auto& row : kovtest::dataRows("store_changes.tsv")) {
        SCOPED_TRACE(row[0]);
        SettingsMap first, second;
        std::vector<std::vector<std::string>> expected;  // type, key, value (absent: no value)
        for (std::size_t i = 3; i < row.size(); ++i) {
            const std::size_t colon = row[i].find(':'), at = row[i].find(':', colon + 1),
                              eq = row[i].find('=');
            const std::string what = row[i].substr(0, colon), type = row[i].substr(colon + 1, at - colon - 1);
            const std::string key = row[i].substr(at + 1, eq - at - 1);
            const std::string value = eq == std::string::npos ? "" : row[i].substr(eq + 1);
            if (what == "first" || what == "second") (what == "first" ? first : second)[type][key] = value;
            if (what == "value") expected.push_back({type, key, value});
            if (what == "absent") expected.push_back({type, key});
        }
        writeFile(path_, kSample);
        auto store = open();
        EXPECT_EQ(row[2] == "true",
                  row[1] == "merge" ? store->mergeSettings(first) : store->removeSettings(first, second));
        auto reloaded = open();
        for (const auto& e : expected) {
            for (XmlConfigStore* s : {store.get(), reloaded.get()}) {
                EXPECT_EQ(e.size() == 3, s->keyExists(e[0], e[1])) << e[1];
                EXPECT_EQ(e.size() == 3 ? e[2] : "",
                          s->keyExists(e[0], e[1]) ? s->readString(e[0], e[1]) : "");
            }
        }
    }
}

TEST_F(XmlConfigStoreTest, ReadDelimiterPathForms) {
    auto store = open();
    for (const auto& row : kovtest::dataRows("store_texts.tsv", "delimiter")) {
        std::string delimiter = "#";
        store->readDelimiter(row[0], row[1], delimiter);
        EXPECT_EQ(row[2], delimiter) << row[1];
    }
    std::string delimiter;
    EXPECT_THROW(store->readDelimiter("999", "DNDGlobalSettings.ExtraDATVirusList.VirusName", delimiter),
                 std::runtime_error);
}

TEST_F(XmlConfigStoreTest, SectionAndAttributeMapShapes) {
    auto store = open();
    SettingsMap nested;
    Strings values;
    ASSERT_TRUE(store->readTypedSection("1", nested, values));
    EXPECT_EQ((Strings{{"ScanArchiveEnabled", "1"}}), values);
    EXPECT_EQ((SettingsMap{{"ProcessList", {{"Process", "a,b"}, {"<xmlattr>.delimiter", ","}}}}), nested);
    ASSERT_TRUE(store->readTypedSection(kGuid, nested, values));
    EXPECT_EQ((Strings{{"Name", "Weekly"}}), values);
    EXPECT_EQ((Strings{{"NoOfFiles", "12"}}), nested["LastRunSummary"]);
    EXPECT_FALSE(store->readTypedSection("999", nested, values));

    const SettingsMap all = store->readAllSettings();
    EXPECT_EQ(7u, all.size());
    EXPECT_EQ((Strings{{"DNDOASProfile.<xmlattr>.type", "1"},
                       {"DNDOASProfile.ScanArchiveEnabled", "1"},
                       {"DNDOASProfile.ProcessList.<xmlattr>.delimiter", ","},
                       {"DNDOASProfile.ProcessList.Process", "a,b"}}),
              all.at("1"));
    EXPECT_EQ("12", all.at(kGuid).at("ODSProfile.LastRunSummary.NoOfFiles"));

    EXPECT_EQ((Strings{{"alpha", "1"}, {"beta", "2"}, {"gamma", ""}}),
              store->readAttributeMap("DNDProductDefaultSettings.PrefixKeyword", "id"));
    EXPECT_THROW(store->readAttributeMap("DNDProductDefaultSettings.Nothing", "id"), std::runtime_error);
    EXPECT_THROW(store->readAttributeMap("NoSection.PrefixKeyword", "id"), std::runtime_error);
}

TEST_F(XmlConfigStoreTest, LoadRejectsUnusableFilesAndStaysUnloaded) {
    for (const auto& file : kovtest::dataRows("store_texts.tsv", "unloadable")) {
        SCOPED_TRACE(file[0]);
        writeFile(path_, file[1]);
        XmlConfigStore store;
        EXPECT_FALSE(store.loadPreferences(path_, {}));
        EXPECT_THROW(store.readString("51", "DNDOASGlobalSettings.Label"), std::runtime_error);
        EXPECT_THROW(store.writeString("type", "51", "DNDOASGlobalSettings.Label", "x"), std::exception);
        EXPECT_FALSE(store.mergeSettings({{"51", {{"DNDOASGlobalSettings.Label", "x"}}}}));
        EXPECT_FALSE(store.removeSettings({}, {{"51", {{"DNDOASGlobalSettings.Label", ""}}}}));
    }
    XmlConfigStore store;
    EXPECT_FALSE(store.loadPreferences((dir_ / "absent.xml").string(), {}));
    EXPECT_FALSE(store.loadPreferences(dir_.string(), {}));  // a directory
    fs::remove(dir_.string() + ".lock");  // the lock beside it, outside the temporary directory

    // The limits of an attached utility apply to the next load.
    writeFile(path_, kSample);
    EXPECT_THROW(store.attachUtility(nullptr), std::invalid_argument);
    store.attachUtility(std::make_shared<ZUR::IConfigStoreUtility>());  // keeps the default limits
    EXPECT_TRUE(store.loadPreferences(path_, {}));
    store.attachUtility(std::make_shared<ZUR::XmlConfigStoreUtility>(kSample.size() - 1, 32));
    EXPECT_FALSE(store.loadPreferences(path_, {}));
    store.attachUtility(std::make_shared<ZUR::XmlConfigStoreUtility>(kSample.size(), 3));
    EXPECT_FALSE(store.loadPreferences(path_, {}));
    store.attachUtility(std::make_shared<ZUR::XmlConfigStoreUtility>(kSample.size(), 4));
    EXPECT_TRUE(store.loadPreferences(path_, {}));
}

// Each kind of missing default is in the next test; here, present values win.
TEST_F(XmlConfigStoreTest, LoadAddsOnlyMissingDefaults) {
    const SettingsMap defaults = {{"1",
                                   {{"DNDOASProfile.ScanArchiveEnabled", "0"},
                                    {"DNDOASProfile.ProcessList.Process", "a,b,zz"},
                                    {"DNDOASProfile.ProcessList.<xmlattr>.delimiter", ";"},
                                    {"DNDOASProfile.NewKey", "nv"}}}};
    open(defaults);
    auto reloaded = open();
    EXPECT_EQ("1", reloaded->readString("1", "DNDOASProfile.ScanArchiveEnabled"));
    EXPECT_EQ("a,b", reloaded->readString("1", "DNDOASProfile.ProcessList.Process"));
    EXPECT_EQ(",", reloaded->readString("1", "DNDOASProfile.ProcessList.<xmlattr>.delimiter"));
    EXPECT_EQ("nv", reloaded->readString("1", "DNDOASProfile.NewKey"));

    // Everything present now: the file is left alone.
    const FileStat before = statOf(path_);
    const std::string text = readFile(path_);
    open(defaults);
    const FileStat after = statOf(path_);
    EXPECT_EQ(before.ino, after.ino);
    EXPECT_EQ(before.mtimeNs, after.mtimeNs);
    EXPECT_EQ(text, readFile(path_));
}

// Each kind of missing default on its own: the load writes it to the file;
// defaults already there, or not storable, leave the file untouched.
TEST_F(XmlConfigStoreTest, LoadCompletesEachKindOfMissingDefault) {
    struct Case {
        SettingsMap defaults;
        std::string type, key, value;  // what the file holds afterwards; empty type: file untouched
    };
    const std::string nul("v\0w", 3);
    const std::vector<Case> cases = {
        {{{"51", {{"DNDOASGlobalSettings.Label", "x"}, {"DNDOASGlobalSettings.NewKey", "n"}}}},
         "51",
         "DNDOASGlobalSettings.NewKey",
         "n"},
        {{{"1", {{"DNDOASProfile.ProcessList.<xmlattr>.extra", "e"}}}},
         "1",
         "DNDOASProfile.ProcessList.<xmlattr>.extra",
         "e"},
        {{{"52", {{"DNDGlobalSettings.PlainList.Item", "z"}, {"DNDGlobalSettings.PlainList.More", "m"}}}},
         "52",
         "DNDGlobalSettings.PlainList.More",
         "m"},
        {{{"77", {{"NewSection.Value", "7"}}}}, "77", "NewSection.Value", "7"},
        // Present under type 1 only: type 2's section still lacks it.
        {{{"1", {{"DNDOASProfile.ScanArchiveEnabled", "0"}}},
          {"2", {{"DNDOASProfile.ScanArchiveEnabled", "0"}}}},
         "2",
         "DNDOASProfile.ScanArchiveEnabled",
         "0"},
        {{{"51", {{"DNDOASGlobalSettings.Label", "x"}, {"DNDOASGlobalSettings", ""}}}}, "", "", ""},
        {{{"51", {{"DNDOASGlobalSettings..Gap", "v"}, {"DNDOASGlobalSettings.bad name", "v"}}},
          {"78", {{"<xmlattr>.x", "v"}, {"NulSection.Value", nul}}}},
         "",
         "",
         ""},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        writeFile(path_, kSample);
        open(cases[i].defaults);
        if (cases[i].type.empty()) {
            EXPECT_EQ(kSample, readFile(path_)) << "case " << i;
        } else {
            EXPECT_EQ(cases[i].value, open()->readString(cases[i].type, cases[i].key)) << "case " << i;
        }
    }
}

TEST_F(XmlConfigStoreTest, WritesReplaceTheFileWithMode0600) {
    ASSERT_EQ(0, ::chmod(path_.c_str(), 0644));
    auto store = open();
    const ino_t before = statOf(path_).ino;
    store->writeString("type", "51", "DNDOASGlobalSettings.Label", "new");
    const FileStat after = statOf(path_);
    EXPECT_NE(before, after.ino);
    EXPECT_EQ(0600u, after.mode);
    EXPECT_EQ(0600u, statOf(path_ + ".lock").mode);
    EXPECT_EQ((std::vector<std::string>{"prefs.xml", "prefs.xml.lock"}), dirEntries());
}

TEST_F(XmlConfigStoreTest, FailedWriteRollsBackInMemory) {
    auto store = open();
    const std::string before = readFile(path_);
    bool writeThrew = false, merged = true, removed = true;
    withTinyFileSizeLimit([&] {
        try {
            store->writeString("type", "51", "DNDOASGlobalSettings.Label", "lost");
        } catch (const std::exception&) {
            writeThrew = true;
        }
        merged = store->mergeSettings({{"51", {{"DNDOASGlobalSettings.Label", "lost"}}}});
        removed = store->removeSettings({}, {{"51", {{"DNDOASGlobalSettings.Label", ""}}}});
    });
    EXPECT_TRUE(writeThrew);
    EXPECT_FALSE(merged);
    EXPECT_FALSE(removed);
    EXPECT_EQ("global", store->readString("51", "DNDOASGlobalSettings.Label"));
    EXPECT_EQ(before, readFile(path_));
    EXPECT_EQ((std::vector<std::string>{"prefs.xml", "prefs.xml.lock"}), dirEntries());

    // The directory replaced by a plain file: nothing can be created there.
    fs::rename(dir_, dir_.string() + ".moved");
    writeFile(dir_.string(), "not a directory");
    EXPECT_THROW(store->writeString("type", "51", "DNDOASGlobalSettings.Label", "lost"), std::exception);
    EXPECT_FALSE(store->mergeSettings({{"51", {{"DNDOASGlobalSettings.Label", "lost"}}}}));
    EXPECT_EQ("global", store->readString("51", "DNDOASGlobalSettings.Label"));
    fs::remove(dir_);
    fs::rename(dir_.string() + ".moved", dir_);
}

TEST_F(XmlConfigStoreTest, TwoProcessesLoseNoUpdate) {
    constexpr int kWrites = 20;
    const auto key = [](int child, int i) {
        return "DNDOASGlobalSettings.P" + std::to_string(child) + "_" + std::to_string(i);
    };
    EXPECT_TRUE(kovtest::inChildren(2, [&](int child) {
        XmlConfigStore store;
        if (!store.loadPreferences(path_, {})) return false;
        for (int i = 0; i < kWrites; ++i) {
            if (child == 0) store.writeInt("type", "51", key(child, i), i);
            if (child == 1 && !store.mergeSettings({{"51", {{key(child, i), std::to_string(i)}}}}))
                return false;
        }
        return true;
    }));
    auto store = open();
    for (int child = 0; child < 2; ++child) {
        for (int i = 0; i < kWrites; ++i) EXPECT_EQ(i, store->readInt("51", key(child, i)));
    }
}

// The shared commit counter makes another store's commit visible to the very
// next read; an edit made without the lock is seen within a second.
TEST_F(XmlConfigStoreTest, OtherCommitsAtOnceAndEditsWithinOneSecond) {
    auto writer = open();
    auto reader = open();
    EXPECT_EQ("global", reader->readString("51", "DNDOASGlobalSettings.Label"));
    writer->writeString("type", "51", "DNDOASGlobalSettings.Label", "seen");
    EXPECT_EQ("seen", reader->readString("51", "DNDOASGlobalSettings.Label"));

    std::string edited = readFile(path_);
    edited.replace(edited.find("<Label>seen<"), 12, "<Label>edited<");
    writeFile(path_, edited);  // in place, as an editor may
    EXPECT_TRUE(
        eventually([&] { return reader->readString("51", "DNDOASGlobalSettings.Label") == "edited"; }));
}

TEST_F(XmlConfigStoreTest, ConcurrentReadersSeeWholeValuesWhileWriting) {
    auto writer = open();
    auto other = open();  // a second store on the same file reloads while it is read
    const std::string first(200, 'a'), second(300, 'b');
    writer->writeString("type", "51", "DNDOASGlobalSettings.Label", first);
    std::atomic<bool> done{false};
    std::atomic<int> bad{0}, reads{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t) {
        XmlConfigStore* store = t % 2 == 0 ? writer.get() : other.get();
        readers.emplace_back([&, store] {
            while (!done.load()) {
                try {
                    const std::string v = store->readString("51", "DNDOASGlobalSettings.Label");
                    if (v != first && v != second && v != "global") ++bad;
                    if (store->readInt("51", "DNDOASGlobalSettings.MaxScanTime") != 45) ++bad;
                    if (reads % 16 == 0 && store->readAllSettings().size() != 7u) ++bad;
                } catch (const std::exception&) {
                    ++bad;
                }
                ++reads;
            }
        });
    }
    // Reads are under way before the writes start, and the writes are
    // many enough for the second store to reload under its readers.
    while (reads.load() < 4 * 16) std::this_thread::yield();
    std::string last;
    for (int i = 0; i < 200; ++i) {
        last = i % 2 == 0 ? second : first;
        writer->writeString("type", "51", "DNDOASGlobalSettings.Label", last);
    }
    done = true;
    for (auto& r : readers) r.join();
    EXPECT_EQ(0, bad.load());
    EXPECT_EQ(last, writer->readString("51", "DNDOASGlobalSettings.Label"));
    EXPECT_TRUE(eventually([&] { return other->readString("51", "DNDOASGlobalSettings.Label") == last; }));
}

TEST_F(XmlConfigStoreTest, TransactionReadsItsOwnWritesAndCommitsOnce) {
    auto store = open();
    auto other = open();
    const unsigned long before = store->commits();
    {
        ZUR::StoreTransaction outer(*store);
        ASSERT_TRUE(outer.outermost());
        store->writeString("type", "51", "DNDOASGlobalSettings.Label", "inside");
        {
            ZUR::StoreTransaction inner(*store);  // joins; its commit does nothing
            EXPECT_FALSE(inner.outermost());
            store->writeInt("type", "51", "DNDOASGlobalSettings.MaxScanTime", 90);
            inner.commit();
        }
        EXPECT_EQ("inside", store->readString("51", "DNDOASGlobalSettings.Label"));
        EXPECT_EQ(before, store->commits());
        std::string seenByAnotherThread;
        std::thread([&] {
            seenByAnotherThread = store->readString("51", "DNDOASGlobalSettings.Label");
        }).join();
        EXPECT_EQ("global", seenByAnotherThread);
        EXPECT_EQ("global", other->readString("51", "DNDOASGlobalSettings.Label"));
        outer.commit();
    }
    EXPECT_EQ(before + 1, store->commits());
    EXPECT_EQ(90, other->readInt("51", "DNDOASGlobalSettings.MaxScanTime"));
    EXPECT_EQ("inside", other->readString("51", "DNDOASGlobalSettings.Label"));
}

TEST_F(XmlConfigStoreTest, KilledWritersLeaveAtMostOneTemporaryFile) {
    const std::string big(64 * 1024, 'x');  // long writes, so kills land inside them
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            XmlConfigStore store;
            if (store.loadPreferences(path_, {})) {
                for (int i = 0;; ++i)
                    store.writeString("type", "51", "DNDOASGlobalSettings.Label", big + std::to_string(i));
            }
            ::_exit(3);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * (round % 5)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(pid, ::waitpid(pid, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_LE(temporaryFiles(), 1) << "round " << round;
    }
    auto store = open();  // the file is whole
    store->writeString("type", "51", "DNDOASGlobalSettings.Label", "after");
    EXPECT_EQ(0, temporaryFiles());
}

TEST_F(XmlConfigStoreTest, NoPathWritesThroughALink) {
    auto store = open();
    // A link at the temporary name is dropped, its target untouched.
    writeFile((dir_ / "victim").string(), "keep");
    fs::create_symlink(dir_ / "victim", path_ + ".tmp");
    store->writeString("type", "51", "DNDOASGlobalSettings.Label", "linked");
    EXPECT_EQ("keep", readFile((dir_ / "victim").string()));
    EXPECT_FALSE(fs::is_symlink(path_));

    // A dangling link as the lock file: changes fail, the target never appears.
    fs::remove(path_ + ".lock");
    fs::create_symlink(dir_ / "target", path_ + ".lock");
    EXPECT_THROW(store->writeString("type", "51", "DNDOASGlobalSettings.Label", "lost"), std::exception);
    EXPECT_FALSE(store->mergeSettings({{"51", {{"DNDOASGlobalSettings.Label", "lost"}}}}));
    XmlConfigStore late;
    EXPECT_TRUE(late.loadPreferences(path_, {}));
    EXPECT_FALSE(fs::exists(dir_ / "target"));
    EXPECT_EQ("linked", store->readString("51", "DNDOASGlobalSettings.Label"));
}

// A directory the process may write but not open: the rename is done, so the
// change stands although the directory cannot be fsynced.
TEST_F(XmlConfigStoreTest, FailedDirectorySyncAfterTheRenameKeepsTheCommit) {
    EXPECT_TRUE(kovtest::inChildren(1, [&](int) {
        if (::geteuid() == 0) {
            for (const auto& name : {dir_.string(), path_}) {
                if (::chown(name.c_str(), 65534, 65534) != 0) return false;
            }
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) return false;
        }
        if (::chmod(dir_.c_str(), 0300) != 0) return false;
        kovtest::RecordingLogger log;
        XmlConfigStore store;
        store.attachUtility(std::make_shared<ZUR::XmlConfigStoreUtility>(log));
        if (!store.loadPreferences(path_, {})) return false;
        store.writeString("type", "51", "DNDOASGlobalSettings.Label", "durable");
        // The change stands, and the log says it may not survive a power cut.
        const std::vector<kovtest::LogLine> lines = log.lines();
        return store.readString("51", "DNDOASGlobalSettings.Label") == "durable" && store.commits() == 1 &&
               lines.size() == 1 && lines[0].level == 2 && lines[0].component == "XmlConfigStore" &&
               lines[0].message.find("could not be synced (Permission denied)") != std::string::npos;
    }));
    ::chmod(dir_.c_str(), 0700);
    EXPECT_NE(std::string::npos, readFile(path_).find("<Label>durable</Label>"));
}

TEST_F(XmlConfigStoreTest, ReloadLackingSectionsIsCompletedFromTheDefaults) {
    auto store =
        open({{"51", {{"DNDOASGlobalSettings.MaxScanTime", "45"}, {"DNDOASGlobalSettings.Extra", "7"}}}});
    writeFile(path_ + ".new", "<preferences/>");
    fs::rename(path_ + ".new", path_);
    EXPECT_TRUE(eventually([&] { return !store->keyExists("51", "DNDOASGlobalSettings.Label"); }));
    EXPECT_EQ(7, store->readInt("51", "DNDOASGlobalSettings.Extra"));
    store->writeInt("type", "51", "DNDOASGlobalSettings.MaxScanTime", 60);
    EXPECT_EQ(60, open()->readInt("51", "DNDOASGlobalSettings.MaxScanTime"));
}

TEST_F(XmlConfigStoreTest, ConversionErrorsNameTheKeyNotTheValue) {
    auto store = open();
    store->writeString("type", "51", "DNDOASGlobalSettings.Label", "s3cr3t-value");
    for (const bool asBool : {false, true}) {
        try {
            asBool ? (void)store->readBool("51", "DNDOASGlobalSettings.Label")
                   : (void)store->readInt("51", "DNDOASGlobalSettings.Label");
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& e) {
            EXPECT_EQ(std::string::npos, std::string(e.what()).find("s3cr3t")) << e.what();
            EXPECT_NE(std::string::npos, std::string(e.what()).find("DNDOASGlobalSettings.Label"));
        }
    }
}

// The controller over the store itself (no fault injection): every operation
// that changes preferences is one transaction and one commit.
class StoreTransactionTest : public ::testing::Test {
protected:
    void SetUp() override { controller = makeController(logger, store); }

    std::unique_ptr<KOVL::KOVConfigController> makeController(kovtest::RecordingLogger& log,
                                                              XmlConfigStore*& raw) {
        auto owned = std::make_unique<XmlConfigStore>();
        raw = owned.get();
        return std::make_unique<KOVL::KOVConfigController>(
            log, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::move(owned), nullptr, nullptr,
            KOVL::PreferenceFiles{dir.file("prefs.xml"), kovtest::shippedPrefs()});
    }

    kovtest::TempDir dir;
    kovtest::RecordingLogger logger;
    XmlConfigStore* store = nullptr;
    std::unique_ptr<KOVL::KOVConfigController> controller;
};

TEST_F(StoreTransactionTest, EachChangingOperationIsExactlyOneCommit) {
    KOVL::KOVConfigController& c = *controller;
    std::set<std::string> names{"curl", "wget"};
    const std::vector<std::pair<std::string, std::function<int()>>> operations = {
        {"generic setter", [&] { return c.setLogLevelForOAS(c.getLogLevelForOAS() + 1); }},
        {"setter without the mutex",
         [&] { return c.setUseFanotifyForFileAccess(!c.getUseFanotifyForFileAccess()); }},
        {"scan mode",
         [&] {
             return c.setScanMode("3", c.getScanMode(KOVL::HIGH_RISK_PROFILE) == KOVL::SCAN_MODE_READ
                                           ? KOVL::SCAN_MODE_WRITE
                                           : KOVL::SCAN_MODE_READ);
         }},
        {"bulk add",
         [&] {
             return c.addSettings({{"52", {{"DNDGlobalSettings.A", "1"}, {"DNDGlobalSettings.B", "2"}}}});
         }},
        {"add processes", [&] { return c.addProcess(KOVL::HIGH_RISK_PROFILE, names); }},
        {"delete a process", [&] { return c.deleteProcess(KOVL::HIGH_RISK_PROFILE, "curl"); }},
    };
    for (const auto& operation : operations) {
        const unsigned long before = store->commits();
        EXPECT_EQ(KOVL::AM_SUCCESS, operation.second()) << operation.first;
        EXPECT_EQ(before + 1, store->commits()) << operation.first;
    }
    const unsigned long before = store->commits();
    EXPECT_EQ(KOVL::AM_ALREADY_SET, c.setLogLevelForOAS(c.getLogLevelForOAS()));
    EXPECT_EQ(before, store->commits());
    EXPECT_EQ(std::vector<std::string>{"wget"}, c.getProcess(KOVL::HIGH_RISK_PROFILE));
}

// A commit that cannot be written: the operation answers 3025 with its own
// failure line, once, and the memory keeps the old value.
TEST_F(StoreTransactionTest, FailedCommitAnswersTheOperationsFailure) {
    KOVL::KOVConfigController& c = *controller;
    const int level = c.getLogLevelForOAS();
    const bool fanotify = c.getUseFanotifyForFileAccess();
    const unsigned long before = store->commits();
    logger.clear();
    int levelAnswer = 0, fanotifyAnswer = 0;
    withTinyFileSizeLimit([&] {
        levelAnswer = c.setLogLevelForOAS(level + 1);
        fanotifyAnswer = c.setUseFanotifyForFileAccess(!fanotify);
    });

    EXPECT_EQ(KOVL::AM_STORE_FAILURE, levelAnswer);
    EXPECT_EQ(KOVL::AM_STORE_FAILURE, fanotifyAnswer);
    const std::vector<kovtest::LogLine> expected = {
        {2, "ConfigController", "Unable to set value in setIntegerConfiguration in Config Controller"},
        {2, "ConfigController",
         "In setBooleanConfiguration unable to set configuration value in Config Controller for key "
         "DNDOASGlobalSettings.UseFanotify"},
    };
    EXPECT_EQ(expected, logger.lines());
    EXPECT_EQ(level, c.getLogLevelForOAS());
    EXPECT_EQ(fanotify, c.getUseFanotifyForFileAccess());
    EXPECT_EQ(before, store->commits());
    EXPECT_EQ(KOVL::AM_SUCCESS, c.setLogLevelForOAS(level + 1));  // and the store works on
}

// One process adds names while the other adds and deletes its own: each
// deletion rewrites the list it read, so without one atomic read-modify-write
// across processes the first one's names get lost.
TEST_F(StoreTransactionTest, TwoProcessesAddingAndDeletingProcessNamesLoseNone) {
    constexpr int kNames = 20;
    EXPECT_TRUE(kovtest::inChildren(2, [&](int child) {
        kovtest::RecordingLogger log;
        XmlConfigStore* raw = nullptr;
        auto own = makeController(log, raw);
        for (int i = 0; i < kNames; ++i) {
            const std::string name = "p" + std::to_string(child) + "_" + std::to_string(i);
            std::set<std::string> one{name};
            if (own->addProcess(KOVL::HIGH_RISK_PROFILE, one) != KOVL::AM_SUCCESS) return false;
            if (child == 1 && own->deleteProcess(KOVL::HIGH_RISK_PROFILE, name) != KOVL::AM_SUCCESS)
                return false;
        }
        return true;
    }));
    std::vector<std::string> expected;
    for (int i = 0; i < kNames; ++i) expected.push_back("p0_" + std::to_string(i));
    std::vector<std::string> listed = controller->getProcess(KOVL::HIGH_RISK_PROFILE);
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, listed);
}

// A lock held elsewhere (here by another open file description, as another
// process would hold it) is waited for within the utility's limit, then the
// change fails saying so and changes nothing; once released, changes go on.
TEST_F(XmlConfigStoreTest, ChangeBehindAHeldLockFailsAfterTheWaitInsteadOfHanging) {
    auto store = open();
    store->attachUtility(
        std::make_shared<ZUR::XmlConfigStoreUtility>(1u << 20, 32, std::chrono::milliseconds(150)));
    const int holder = ::open((path_ + ".lock").c_str(), O_RDWR);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(0, ::flock(holder, LOCK_EX));
    const std::string before = readFile(path_);
    try {
        store->writeString("type", "51", "DNDOASGlobalSettings.Label", "blocked");
        ADD_FAILURE() << "the write did not fail";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string::npos,
                  std::string(error.what()).find("held the lock '" + path_ + ".lock' for 150 ms"))
            << error.what();
    }
    EXPECT_EQ(before, readFile(path_));
    EXPECT_EQ("global", store->readString("51", "DNDOASGlobalSettings.Label"));
    ::close(holder);
    store->writeString("type", "51", "DNDOASGlobalSettings.Label", "free");
    EXPECT_EQ("free", open()->readString("51", "DNDOASGlobalSettings.Label"));
}
