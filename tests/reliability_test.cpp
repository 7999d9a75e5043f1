// Reliability of the bootstrap and the parser against hostile or unlucky
// files: deep or malformed markup, character references XML cannot carry,
// FIFOs, links, unreadable files and files other users may change. Whatever
// could crash or hang runs in a forked child with a bounded wait.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <boost/filesystem.hpp>
#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <thread>

#include "platform/store/DurableFile.h"
#include "support/TestSupport.h"

namespace {

namespace fs = boost::filesystem;
using KOVL::KOVConfigController;
using kovtest::LogLine;

const char* const kLogPath = "DNDClientLogging.LogPath";
const char* const kDefaultLogPath = "/var/Korvel/kov/log/tp";
const char* const kRestored = "Initialisation was successful after default preferences was copied";
constexpr int kChildBoundSeconds = 120;
// The load figures (docs/RELIABILITY.md quotes them).
constexpr int kThreads = 8;
constexpr int kProcesses = 4;
constexpr int kChangesEach = 25;
constexpr int kKills = 50;

using kovtest::readFile;
using kovtest::writeFile;

// The fatal texts of the bootstrap (see the file's header).
std::string fatalText(std::size_t index, const std::string& path = "") {
    return kovtest::dataRows("reliability_fatal_texts.txt").at(index).at(0) + path;
}
const std::size_t kNotReadable = 0;
const std::size_t kChangeableByOthers = 1;

// Runs `body` in a forked child and answers what it returned, "raised: <text>"
// for a std::string it raised, or how the child ended: "signal N", or "hung"
// when it had not finished within the bound (it is then killed).
std::string inChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string result;
        try {
            result = body();
        } catch (const std::string& raised) {
            result = "raised: " + raised;
        } catch (const std::exception& e) {
            result = std::string("exception: ") + e.what();
        }
        // Results are short: one write fits the pipe.
        ::_exit(::write(fds[1], result.data(), result.size()) == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string reported;
    bool hung = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, kChildBoundSeconds * 1000) <= 0) {
            hung = true;
            break;
        }
        char buffer[4096];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        reported.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (hung) ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (hung) return "hung";
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return reported;
}

// "\n" in a data row stands for a line break.
std::string decode(std::string text) {
    for (std::size_t at = 0; (at = text.find("\\n", at)) != std::string::npos; ++at)
        text.replace(at, 2, "\n");
    return text;
}

// Nesting far past any stack.
std::string deepMarkup() {
    std::string out;
    for (int i = 0; i < 100000; ++i) out += "<a>";
    return out;
}

class ReliabilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.current = dir.file("prefs.xml");
        files.shipped = dir.file("shipped.xml");
        fs::copy_file(kovtest::shippedPrefs(), files.shipped);
    }

    std::unique_ptr<KOVConfigController> build() {
        return std::make_unique<KOVConfigController>(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                                     std::make_unique<ZUR::XmlConfigStore>(), nullptr,
                                                     nullptr, files);
    }

    // Constructs in a child; answers the stored log path and the bootstrap's log lines.
    std::string constructInChild() {
        return inChild([this] {
            auto controller = build();
            std::string result = controller->getStringConfiguration("53", kLogPath);
            for (const LogLine& line : logger.lines())
                result += "|" + std::to_string(line.level) + " " + line.message;
            return result;
        });
    }

    // The files kept aside next to the preferences.
    std::vector<std::string> keptAside() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("prefs.xml.corrupt-", 0) == 0) names.push_back(entry.path().string());
        }
        return names;
    }

    // The stress keys the file holds now, loaded by a fresh store that writes
    // nothing; "unloadable" when the file does not load as it is.
    std::set<std::string> stressKeys() const {
        ZUR::XmlConfigStore store;
        store.attachUtility(std::make_shared<ZUR::XmlConfigStoreUtility>());
        if (!store.loadPreferences(files.current, {})) return {"unloadable"};
        std::set<std::string> keys;
        const ZUR::SettingsMap all = store.readAllSettings();
        for (const auto& entry : all.at("53")) {
            if (entry.first.rfind("DNDClientLogging.Stress.", 0) == 0) keys.insert(entry.first.substr(24));
        }
        return keys;
    }

    static ZUR::SettingsMap stressChange(const std::string& name) {
        return {{"53", {{"DNDClientLogging.Stress." + name, "1"}}}};
    }

    kovtest::TempDir dir;
    kovtest::RecordingLogger logger;
    KOVL::PreferenceFiles files;
};

TEST_F(ReliabilityTest, ConcurrentWritersLoseNothingAndKilledWritersLeaveALoadableFile) {
    std::set<std::string> expected;
    // Writer `w` of kind `kind` adds its changes through `controller`; true when all succeed.
    const auto writer = [&](KOVConfigController& controller, const std::string& kind, int w) {
        bool ok = true;
        for (int i = 0; i < kChangesEach; ++i)
            ok = controller.addSettings(stressChange(kind + std::to_string(w) + "N" + std::to_string(i))) ==
                     KOVL::AM_SUCCESS &&
                 ok;
        return ok;
    };
    const auto expect = [&](const std::string& kind, int writers) {
        for (int w = 0; w < writers; ++w)
            for (int i = 0; i < kChangesEach; ++i)
                expected.insert(kind + std::to_string(w) + "N" + std::to_string(i));
    };
    {
        auto controller = build();
        std::vector<std::thread> threads;
        std::atomic<int> failures{0};
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] { failures += writer(*controller, "T", t) ? 0 : 1; });
        for (std::thread& thread : threads) thread.join();
        EXPECT_EQ(failures.load(), 0);
    }
    expect("T", kThreads);
    EXPECT_EQ(stressKeys(), expected);

    EXPECT_TRUE(kovtest::inChildren(kProcesses, [&](int p) { return writer(*build(), "P", p); }));
    expect("P", kProcesses);
    EXPECT_EQ(stressKeys(), expected);

    // A writer killed at any moment leaves the file loadable, with every
    // change it committed before and nothing of earlier rounds lost.
    for (int k = 0; k < kKills; ++k) {
        const std::string prefix = "K" + std::to_string(k) + "N";
        const pid_t pid = ::fork();
        if (pid == 0) {
            auto controller = build();
            for (int i = 0;; ++i) controller->addSettings(stressChange(prefix + std::to_string(i)));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + (k * 7) % 40));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::set<std::string> keys = stressKeys();
        ASSERT_EQ(keys.count("unloadable"), 0u) << "after kill " << k;
        int committed = 0;
        while (keys.erase(prefix + std::to_string(committed)) == 1) ++committed;
        EXPECT_EQ(keys, expected) << "after kill " << k;
        for (int i = 0; i < committed; ++i) expected.insert(prefix + std::to_string(i));
    }
    EXPECT_TRUE(keptAside().empty());
}

TEST_F(ReliabilityTest, CorruptFilesAreKeptAsideThenReplacedWithoutCrashing) {
    std::vector<std::pair<std::string, std::string>> cases;
    for (const auto& row : kovtest::dataRows("reliability_corrupt_files.tsv"))
        cases.emplace_back(row.at(0), decode(row.at(1)));
    ASSERT_EQ(cases.size(), 16u);
    // Deep nesting hidden from a scan that reads "<!...[" differently from the parser.
    const std::string deep = deepMarkup();
    cases.emplace_back("deep in unknown markup", "<preferences><!x[>" + deep + "]></preferences>");
    cases.emplace_back("deep in a doctype", "<!DOCTYPE p [>" + deep + "]>");
    cases.emplace_back("deep behind a quote in a name",
                       "<preferences><a b\"c=\"x\">" + deep + "\"></a></preferences>");
    cases.emplace_back("deep", "<preferences>" + deep);
    cases.emplace_back("over the size limit",
                       "<preferences>" + std::string(16u * 1024u * 1024u, ' ') + "</preferences>");

    for (const auto& row : cases) {
        writeFile(files.current, row.second);
        EXPECT_EQ(constructInChild(), std::string(kDefaultLogPath) + "|5 " + kRestored) << row.first;
        const std::vector<std::string> kept = keptAside();
        ASSERT_EQ(kept.size(), 1u) << row.first;
        EXPECT_TRUE(readFile(kept.front()) == row.second) << row.first;
        fs::remove(kept.front());
    }
}

TEST_F(ReliabilityTest, HostileFileArrivingWhileRunningLeavesTheLastGoodCopy) {
    const std::string result = inChild([this] {
        auto controller = build();
        const std::string next = dir.file("next.xml");
        writeFile(next, "<preferences><!x[>" + deepMarkup() + "]></preferences>");
        fs::rename(next, files.current);
        return controller->getStringConfiguration("53", kLogPath);
    });
    EXPECT_EQ(result, kDefaultLogPath);
}

TEST_F(ReliabilityTest, CarriableCharacterReferencesSurviveAndNulIsNeverWritten) {
    writeFile(files.current,
              "<preferences><DNDClientLogging type=\"53\"><LogPath>&#65;&#x1F600;&#x9;&#xE000;"
              "</LogPath></DNDClientLogging></preferences>");
    const std::string expected = "A\xF0\x9F\x98\x80\t\xEE\x80\x80";
    {
        auto controller = build();
        EXPECT_EQ(controller->getStringConfiguration("53", kLogPath), expected);
        EXPECT_EQ(controller->setLogLevelForOAS(4), KOVL::AM_SUCCESS);
        // A NUL cannot be carried by the file: refused, nothing written.
        EXPECT_EQ(controller->setLogPath(std::string("/a\0b", 4)), KOVL::AM_STORE_FAILURE);
    }
    auto again = build();
    for (const LogLine& line : logger.lines()) EXPECT_NE(line.component, "KOVConfigData") << line.message;
    EXPECT_EQ(again->getStringConfiguration("53", kLogPath), expected);
    EXPECT_EQ(again->getIntegerConfiguration("53", "DNDClientLogging.LogLevelForOAS"), 4);
    EXPECT_TRUE(keptAside().empty());
}

TEST_F(ReliabilityTest, RestoreNeverWritesThroughALink) {
    // A link to a corrupt file: the link is kept aside and replaced, the target untouched.
    const std::string target = dir.file("target");
    writeFile(target, "not xml");
    ::chmod(target.c_str(), 0644);
    fs::create_symlink(target, files.current);
    EXPECT_EQ(constructInChild(), std::string(kDefaultLogPath) + "|5 " + kRestored);
    EXPECT_EQ(readFile(target), "not xml");
    struct stat st {};
    ASSERT_EQ(::lstat(files.current.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ASSERT_EQ(keptAside().size(), 1u);
    EXPECT_TRUE(fs::is_symlink(keptAside().front()));

    // A dangling link: replaced, its target never created.
    fs::remove(files.current);
    const std::string nowhere = dir.file("nowhere");
    fs::create_symlink(nowhere, files.current);
    EXPECT_EQ(constructInChild(), kDefaultLogPath);
    EXPECT_FALSE(fs::exists(fs::symlink_status(nowhere)));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(files.current)));

    // copyDefaultPrefs over a link to a good file replaces the link only, with the shipped file.
    auto controller = build();
    fs::remove(files.current);
    fs::copy_file(files.shipped, nowhere);
    writeFile(nowhere, readFile(nowhere) + "<!-- mine -->");
    fs::create_symlink(nowhere, files.current);
    KOVL::KOVConfigData data(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                             std::make_shared<ZUR::XmlConfigStore>(), files);
    EXPECT_TRUE(data.copyDefaultPrefs());
    EXPECT_NE(readFile(nowhere).find("<!-- mine -->"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(files.current)));
    EXPECT_EQ(readFile(files.current), readFile(files.shipped));
    fs::remove(files.shipped);  // nothing to copy from
    EXPECT_FALSE(data.copyDefaultPrefs());
}

TEST_F(ReliabilityTest, UnreadableFifoOrDirectoryIsLeftAloneAndFatalWithoutHanging) {
    ASSERT_EQ(::mkfifo(files.current.c_str(), 0600), 0);
    EXPECT_EQ(constructInChild(), "raised: " + fatalText(kNotReadable));
    EXPECT_TRUE(fs::is_other(fs::symlink_status(files.current)));
    fs::remove(files.current);
    fs::create_directory(files.current);
    EXPECT_EQ(constructInChild(), "raised: " + fatalText(kNotReadable));
    EXPECT_TRUE(fs::is_directory(files.current));
    fs::remove(files.current);
    EXPECT_TRUE(keptAside().empty());

    if (::geteuid() != 0) GTEST_SKIP() << "permission denied needs another user to be tried";
    // EACCES for a user that may not read the file.
    writeFile(files.current, "<preferences><mine/></preferences>");
    ASSERT_EQ(::chown(files.current.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(files.current.c_str(), 0), 0);
    const std::string result = inChild([this] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return std::string("cannot drop privileges");
        build();
        return std::string("constructed");
    });
    EXPECT_EQ(result, "raised: " + fatalText(kNotReadable));
    EXPECT_EQ(readFile(files.current), "<preferences><mine/></preferences>");
    EXPECT_TRUE(keptAside().empty());
}

TEST_F(ReliabilityTest, RootRefusesFilesOtherUsersMayChange) {
    if (::geteuid() != 0) GTEST_SKIP() << "the check applies to root only";
    const std::string mine = "<preferences><mine/></preferences>";
    const std::string target = dir.file("target");
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    const std::string directory = dir.path().string();
    const std::vector<Case> cases = {
        {"directory 0777", [&] { ::chmod(directory.c_str(), 0777); }},
        {"directory 0775", [&] { ::chmod(directory.c_str(), 0775); }},
        {"directory of another user", [&] { (void)::chown(directory.c_str(), 65534, 0); }},
        {"file 0666", [&] { ::chmod(files.current.c_str(), 0666); }},
        {"file 0620", [&] { ::chmod(files.current.c_str(), 0620); }},
        {"file of another user", [&] { (void)::chown(files.current.c_str(), 65534, 0); }},
        {"link to a 0666 file",
         [&] {
             fs::rename(files.current, target);
             ::chmod(target.c_str(), 0666);
             fs::create_symlink(target, files.current);
         }},
    };
    for (const Case& c : cases) {
        logger.clear();
        ::chmod(directory.c_str(), 0700);
        (void)::chown(directory.c_str(), 0, 0);
        fs::remove(files.current);
        fs::remove(target);
        writeFile(files.current, mine);
        ::chmod(files.current.c_str(), 0600);
        c.arrange();
        const std::string expected = fatalText(kChangeableByOthers, files.current);
        try {
            build();
            ADD_FAILURE() << c.what << ": constructed";
        } catch (const std::string& raised) {
            EXPECT_EQ(raised, expected) << c.what;
        }
        const std::vector<LogLine> lines = logger.lines();
        ASSERT_EQ(lines.size(), 2u) << c.what;
        EXPECT_EQ(lines[0].message.rfind("The preferences " + files.current + " are not trusted: ", 0), 0u)
            << lines[0].message;
        EXPECT_EQ(lines[1], (LogLine{2, "KOVConfigData", expected})) << c.what;
        EXPECT_EQ(readFile(files.current), mine) << c.what;
    }
    ::chmod(directory.c_str(), 0700);
    (void)::chown(directory.c_str(), 0, 0);
}

// A store whose restore first lets `before` run: a second process that
// restores the file and commits while this one is paused right there.
class PausedRestoreStore : public kovtest::FaultInjectingStore {
public:
    explicit PausedRestoreStore(std::function<void()> before)
        : FaultInjectingStore(std::make_shared<ZUR::XmlConfigStore>()), before_(std::move(before)) {}
    Restored restore(const std::string& path, const std::string& shipped, const Inspection& seen) override {
        if (before_) std::exchange(before_, nullptr)();
        return FaultInjectingStore::restore(path, shipped, seen);
    }

private:
    std::function<void()> before_;
};

// Two first starts race: B judged the file missing (or corrupt) before A
// restored it and added a name; B's restore then finds the file changed and
// replaces nothing, so A's acknowledged change stays.
TEST_F(ReliabilityTest, ConcurrentFirstStartsKeepTheFirstOnesChange) {
    for (const char* start : {"missing", "corrupt"}) {
        SCOPED_TRACE(start);
        fs::remove(files.current);
        if (std::string(start) == "corrupt") writeFile(files.current, "<preferences><broken>");
        std::set<std::string> curl{"curl"};
        auto paused = std::make_unique<PausedRestoreStore>([&] {
            auto first = build();
            ASSERT_EQ(first->addProcess(KOVL::HIGH_RISK_PROFILE, curl), KOVL::AM_SUCCESS);
        });
        KOVConfigController second(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::move(paused),
                                   nullptr, nullptr, files);
        EXPECT_EQ(second.getProcess(KOVL::HIGH_RISK_PROFILE), std::vector<std::string>{"curl"});
        EXPECT_EQ(build()->getProcess(KOVL::HIGH_RISK_PROFILE), std::vector<std::string>{"curl"});
    }
    EXPECT_EQ(keptAside().size(), 1u);  // the corrupt file, once
}

// A writer whose lock file was removed under it fails its commit instead of
// writing over what a later writer committed under a new lock file.
TEST_F(ReliabilityTest, RemovedLockFileFailsTheHoldersCommitInsteadOfLosingTheOther) {
    auto controller = build();
    ZUR::XmlConfigStore holder, later;
    ASSERT_TRUE(holder.loadPreferences(files.current, {}));
    ASSERT_TRUE(later.loadPreferences(files.current, {}));
    {
        ZUR::StoreTransaction transaction(holder);
        holder.writeString("type", "53", "DNDClientLogging.LogPath", "/holder");
        fs::remove(files.current + ".lock");
        later.writeString("type", "53", "DNDClientLogging.LogLevelForOAS", "7");
        EXPECT_THROW(transaction.commit(), std::runtime_error);
    }
    ZUR::XmlConfigStore fresh;
    ASSERT_TRUE(fresh.loadPreferences(files.current, {}));
    EXPECT_EQ(fresh.readString("53", "DNDClientLogging.LogLevelForOAS"), "7");
    EXPECT_EQ(fresh.readString("53", kLogPath), kDefaultLogPath);
}

// Reloading the same file does not map its counter again.
TEST_F(ReliabilityTest, RepeatedLoadsKeepOneMappingOfTheCounter) {
    auto controller = build();
    ZUR::XmlConfigStore store;
    const auto counterMappings = [this] {
        std::istringstream maps(readFile("/proc/self/maps"));
        int count = 0;
        for (std::string line; std::getline(maps, line);) {
            if (line.size() >= files.current.size() + 5 &&
                line.compare(line.size() - files.current.size() - 5, std::string::npos,
                             files.current + ".lock") == 0) {
                ++count;
            }
        }
        return count;
    };
    const int before = counterMappings();  // the controller's own
    ASSERT_TRUE(store.loadPreferences(files.current, {}));
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(store.loadPreferences(files.current, {}));
    EXPECT_EQ(counterMappings(), before + 1);
}

// A start that finds defaults missing while another process holds the lock
// completes them in memory and does not wait for the lock.
TEST_F(ReliabilityTest, StartWithMissingDefaultsDoesNotWaitForAHeldLock) {
    writeFile(files.current,
              "<preferences><DNDClientLogging type=\"53\"><LogLevelForOAS>4</LogLevelForOAS>"
              "</DNDClientLogging></preferences>");
    const int holder = ::open((files.current + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const std::string before = readFile(files.current);
    EXPECT_EQ(inChild([this] {
                  KOVConfigController controller(
                      logger,
                      std::make_unique<ZUR::XmlConfigStoreUtility>(1u << 24, 32, std::chrono::minutes(10)),
                      std::make_unique<ZUR::XmlConfigStore>(), nullptr, nullptr, files);
                  return std::to_string(controller.getLogLevelForOAS()) + " " + controller.getLogPath();
              }),
              std::string("4 ") + kDefaultLogPath);
    EXPECT_EQ(readFile(files.current), before);
    ::close(holder);
}

// On a file system with no space left the counter cannot be backed: the
// process must neither crash (SIGBUS) nor claim a change it could not make.
TEST_F(ReliabilityTest, FullFileSystemFailsChangesWithoutCrashing) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    const std::string mount = dir.file("small");
    fs::create_directory(mount);
    if (::system(("mount -t tmpfs -o size=256k,mode=0700 tmpfs " + mount).c_str()) != 0)
        GTEST_SKIP() << "no tmpfs could be mounted";
    struct Unmount {
        std::string at;
        ~Unmount() { EXPECT_EQ(::system(("umount " + at).c_str()), 0); }
    } unmount{mount};
    files.current = mount + "/prefs.xml";
    writeFile(files.current, readFile(kovtest::shippedPrefs()));
    ::chmod(files.current.c_str(), 0600);
    {
        std::ofstream filler(mount + "/filler");  // every block taken
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
    }
    EXPECT_EQ(inChild([this] {
                  auto controller = build();
                  return std::to_string(controller->setLogLevelForOAS(9)) + " " +
                         std::to_string(controller->getLogLevelForOAS());
              }),
              "3025 2");
}

// A setter refuses, as it refuses NUL, every value a standard XML parser
// would refuse in the file: other control characters and bytes that are not
// UTF-8. Everything else round-trips.
TEST_F(ReliabilityTest, ValuesXmlCannotCarryAreRefusedAndTheFileUnchanged) {
    auto controller = build();
    const std::string before = readFile(files.current);
    std::vector<std::string> refused, carried;
    for (int byte = 1; byte < 0x20; ++byte) {
        (byte == '\t' || byte == '\n' || byte == '\r' ? carried : refused)
            .push_back(std::string(1, char(byte)));
    }
    for (const char* bad :
         {"\x80", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xef\xbf\xbe", "\xff"})
        refused.push_back(bad);
    for (const char* good : {"\x7f", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xc2\x85"})
        carried.push_back(good);
    for (const std::string& value : refused) {
        EXPECT_EQ(controller->setLogPath("/a" + value), KOVL::AM_STORE_FAILURE) << int(value[0] & 0xff);
    }
    EXPECT_EQ(readFile(files.current), before);
    for (const std::string& value : carried) {
        ASSERT_EQ(controller->setLogPath("/a" + value), KOVL::AM_SUCCESS) << int(value[0] & 0xff);
        EXPECT_EQ(build()->getLogPath(), "/a" + value);
    }
}

// Corrupt files are kept aside once per content and only the newest few.
TEST_F(ReliabilityTest, KeptAsideCopiesAreNeverDuplicatedAndBounded) {
    for (int round = 0; round < 8; ++round) {
        writeFile(files.current, "<preferences><broken" + std::to_string(round / 2) + ">");
        EXPECT_EQ(constructInChild(), std::string(kDefaultLogPath) + "|5 " + kRestored) << round;
    }
    EXPECT_EQ(keptAside().size(), 4u);  // four contents, two starts each
    for (int round = 4; round < 8; ++round) {
        writeFile(files.current, "<preferences><broken" + std::to_string(round) + ">");
        constructInChild();
    }
    EXPECT_EQ(keptAside().size(), static_cast<std::size_t>(ZUR::xmlstore::kMaxKeptAside));
}

// As root, every directory above the preferences is checked, without
// following links, as sshd's StrictModes checks a path.
TEST_F(ReliabilityTest, RootRefusesAPathAnotherUserCouldRedirect) {
    if (::geteuid() != 0) GTEST_SKIP() << "the check applies to root only";
    const std::string up = dir.file("up"), down = up + "/down", elsewhere = dir.file("elsewhere");
    files.current = down + "/prefs.xml";
    struct Case {
        const char* what;
        std::function<void()> arrange;
        bool trusted;
    };
    const std::vector<Case> cases = {
        {"safe", [] {}, true},
        {"ancestor of another user", [&] { (void)::chown(up.c_str(), 65534, 0); }, false},
        {"ancestor writable by others", [&] { ::chmod(up.c_str(), 0777); }, false},
        {"sticky ancestor of root", [&] { ::chmod(up.c_str(), 01777); }, true},
        {"ancestor swapped for a link",
         [&] {
             fs::rename(down, elsewhere);
             fs::create_directory_symlink(elsewhere, down);
         },
         false},
    };
    for (const Case& c : cases) {
        fs::remove_all(up);
        fs::remove_all(elsewhere);
        fs::create_directories(down);
        ::chmod(up.c_str(), 0755);
        ::chmod(down.c_str(), 0700);
        fs::copy_file(kovtest::shippedPrefs(), files.current);
        ::chmod(files.current.c_str(), 0600);
        c.arrange();
        logger.clear();
        EXPECT_EQ(constructInChild().rfind("raised: ", 0) != 0, c.trusted) << c.what;
    }
}
}  // namespace
