// Hearing changes made elsewhere: a watching controller in this process and
// writers in others (the zlytpcli binary, forked writers, an editor's rename).
// Waits are bounded; nothing here is timed.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <boost/algorithm/string/replace.hpp>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <thread>

#include "support/TestSupport.h"

namespace {

constexpr auto kBound = std::chrono::seconds(20);
const std::string kTimeout = "51/DNDOASGlobalSettings.MaxScanTimeout";

// What the watching controller announced, gathered from its thread. Keys are "type/key".
struct Heard {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> callbacks;  // preference types, in order
    std::map<std::string, std::string> newest, firstOld;
    std::vector<std::string> timeouts;  // "old>new" of every MaxScanTimeout change heard

    bool waitForValue(const std::string& key, const std::string& value) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, kBound, [&] { return newest.count(key) && newest[key] == value; });
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex);
        callbacks.clear(), newest.clear(), firstOld.clear(), timeouts.clear();
    }
};
Heard* heard = nullptr;

void onPreference(KOVL::KOVPrefType type) {
    std::lock_guard<std::mutex> lock(heard->mutex);
    heard->callbacks.push_back(type);
}

class WatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        heard = &record;
        ASSERT_EQ(tool("--getoasconfig --summary"), 0);
        controller = makeController(logger);
        controller->registerCallBack(onPreference);
        controller->registerChangeListener([this](const std::vector<KOVL::PreferenceChange>& changes) {
            std::lock_guard<std::mutex> lock(record.mutex);
            for (const KOVL::PreferenceChange& change : changes) {
                const std::string key = change.sectionType + "/" + change.key;
                record.newest[key] = change.newValue;
                record.firstOld.emplace(key, change.oldValue);
                if (key == kTimeout) record.timeouts.push_back(change.oldValue + ">" + change.newValue);
            }
            record.changed.notify_all();
        });
        ASSERT_TRUE(controller->startWatching());
    }
    void TearDown() override { controller.reset(); }
    std::unique_ptr<KOVL::KOVConfigController> makeController(ZUR::ILogger& log) const {
        return std::make_unique<KOVL::KOVConfigController>(
            log, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::make_unique<ZUR::XmlConfigStore>(),
            std::make_shared<ZUR::Base64SSL>(), nullptr,
            KOVL::PreferenceFiles{prefs(), root.file("opt/Korvel/kov/tp/etc/prefs.xml")});
    }
    int tool(const std::string& args) const {
        const std::string command =
            std::string(ZLYTPCLI_PATH) + " --root " + root.path().string() + " " + args + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string prefs() const { return root.file("var/Korvel/kov/tp/prefs.xml"); }
    // Writes `text` beside the file and renames it over, as an editor does.
    void editorWrites(const std::string& text) const {
        kovtest::writeFile(prefs() + ".edit", text);
        ASSERT_EQ(std::rename((prefs() + ".edit").c_str(), prefs().c_str()), 0);
    }
    std::vector<int> callbacks() {
        std::lock_guard<std::mutex> lock(record.mutex);
        return record.callbacks;
    }

    kovtest::TempDir root;
    kovtest::RecordingLogger logger;
    Heard record;
    std::unique_ptr<KOVL::KOVConfigController> controller;
};

// Each change of another process: the callback a notifying setter would have
// made, once, after its line; the listener hears the new value. A change of
// this process is announced by its setter only.
TEST_F(WatchTest, AnotherProcessesChangeReachesTheCallbackOnceAfterItsLine) {
    for (const auto& row : kovtest::dataRows("watch_callbacks.tsv")) {
        SCOPED_TRACE(row[0]);
        record.clear();
        logger.clear();
        ASSERT_EQ(tool(row[0]), 0);
        ASSERT_TRUE(record.waitForValue(row[2], row[3]));
        EXPECT_EQ(callbacks(), row[1] == "-" ? std::vector<int>{} : std::vector<int>{std::stoi(row[1])});
        const auto lines = logger.controllerLines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), kovtest::info(row[4])), row[4] == "-" ? 0 : 1);
    }
    record.clear();
    EXPECT_EQ(controller->setOASMaxScanTimeout(77), KOVL::AM_SUCCESS);
    ASSERT_TRUE(record.waitForValue(kTimeout, "77"));
    EXPECT_EQ(callbacks(), std::vector<int>{KOVL::PREF_OAS_MAX_SCAN_TIMEOUT});
}

// 1,000 commits of a process that then ends: the listener's net difference
// holds every key that changed, with its first old and last new value, secrets masked.
TEST_F(WatchTest, BurstOfCommitsGivesTheNetDifference) {
    ZUR::XmlConfigStore reader;
    ASSERT_TRUE(reader.loadPreferences(prefs(), {}));
    const ZUR::SettingsMap start = reader.readAllSettings();
    // The writer is forked while this process has no other thread (a thread
    // holding an allocator lock at the fork would leave it locked in the
    // child), and starts only once the watch runs again.
    controller->stopWatching();
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t writerPid = ::fork();
    if (writerPid == 0) {
        ::close(go[1]);
        char byte = 0;
        if (::read(go[0], &byte, 1) != 1) ::_exit(2);
        ZUR::XmlConfigStore writer;
        if (!writer.loadPreferences(prefs(), {})) ::_exit(1);
        // The scan timeout is written last in each round, so the value the
        // test waits for is the burst's last commit.
        for (int i = 1; i <= 1000; ++i) {
            if (i % 100 == 0) writer.writeInt("type", "52", "DNDGlobalSettings.MountMonitorInterval", i);
            if (i == 500)
                writer.writeString("type", "58", "DNDProxySettings.ProxyHttpAuthPassword", "hunter2");
            writer.writeInt("type", "51", "DNDOASGlobalSettings.MaxScanTimeout", 1000 + i);
        }
        ::_exit(0);
    }
    ::close(go[0]);
    ASSERT_GT(writerPid, 0);
    ASSERT_TRUE(controller->startWatching());
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    ::close(go[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(writerPid, &status, 0), writerPid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(record.waitForValue(kTimeout, "2000"));
    reader.refresh();
    std::map<std::string, std::pair<std::string, std::string>> expected;  // key -> old, new
    for (const auto& section : reader.readAllSettings()) {
        for (const auto& value : section.second) {
            const auto& was = start.at(section.first);
            const auto old = was.find(value.first);
            if (old == was.end() || old->second != value.second)
                expected[section.first + "/" + value.first] = {old == was.end() ? "" : old->second,
                                                               value.second};
        }
    }
    const std::string password = "58/DNDProxySettings.ProxyHttpAuthPassword";
    ASSERT_EQ(expected.size(), 3u);
    ASSERT_EQ(expected.count(password), 1u);
    expected[password] = {"", KOVL::kSecretMarker};
    std::lock_guard<std::mutex> lock(record.mutex);
    EXPECT_EQ(record.newest.size(), expected.size());
    for (const auto& change : expected) {
        EXPECT_EQ(record.firstOld[change.first], change.second.first) << change.first;
        EXPECT_EQ(record.newest[change.first], change.second.second) << change.first;
    }
    EXPECT_FALSE(record.callbacks.empty());
    for (int type : record.callbacks) EXPECT_EQ(type, KOVL::PREF_OAS_MAX_SCAN_TIMEOUT);
}

// An editor's rename, a corrupt file (never announced; the last good document
// stays), the file deleted and restored by the bootstrap.
TEST_F(WatchTest, EditorsCorruptFilesAndRestoresAreHeard) {
    const std::string text = kovtest::readFile(prefs());
    const std::string original = "<MaxScanTimeout>45</MaxScanTimeout>";
    ASSERT_NE(text.find(original), std::string::npos);
    const auto withTimeout = [&](const std::string& value) {
        return boost::algorithm::replace_first_copy(text, original,
                                                    "<MaxScanTimeout>" + value + "</MaxScanTimeout>");
    };
    editorWrites(withTimeout("321"));
    ASSERT_TRUE(record.waitForValue(kTimeout, "321"));
    editorWrites("<preferences><DNDOASGlobalSettings type=\"51\"><MaxScan");
    editorWrites(withTimeout("322"));
    ASSERT_TRUE(record.waitForValue(kTimeout, "322"));
    EXPECT_EQ(controller->getOASMaxScanTimeout(), 322);
    ASSERT_EQ(std::remove(prefs().c_str()), 0);
    ASSERT_EQ(tool("--getoasconfig --summary"), 0);  // restores the shipped file
    ASSERT_TRUE(record.waitForValue(kTimeout, "45"));
    std::lock_guard<std::mutex> lock(record.mutex);
    EXPECT_EQ(record.callbacks, std::vector<int>(3, KOVL::PREF_OAS_MAX_SCAN_TIMEOUT));
    EXPECT_EQ(record.timeouts, (std::vector<std::string>{"45>321", "321>322", "322>45"}));
}

// Runs `hook` on the first line containing `cue`.
struct CueLogger : kovtest::RecordingLogger {
    void logMessage(int level, std::string component, std::string message) override {
        if (hook && message.find(cue) != std::string::npos) std::exchange(hook, nullptr)();
        RecordingLogger::logMessage(level, std::move(component), std::move(message));
    }
    std::string cue;
    std::function<void()> hook;
};

// The destructor, run while the listener is in progress, waits for it; the
// listener may still call into the controller.
TEST_F(WatchTest, DestructionWaitsForTheAnnouncementInProgress) {
    controller.reset();
    CueLogger cueLogger;
    std::mutex mutex;
    std::condition_variable cv;
    bool entered = false, released = false, returned = false, returnedFirst = false;
    long readBack = 0;
    cueLogger.cue = "Watching for changes made elsewhere stops";  // the destructor's line before it waits
    cueLogger.hook = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        released = true;
        cv.notify_all();
    };
    auto watching = makeController(cueLogger);
    KOVL::KOVConfigController* raw = watching.get();
    watching->registerChangeListener([&](const std::vector<KOVL::PreferenceChange>&) {
        std::unique_lock<std::mutex> lock(mutex);
        entered = true;
        cv.notify_all();
        cv.wait_for(lock, kBound, [&] { return released; });
        lock.unlock();
        const long value = raw->getOASMaxScanTimeout();
        lock.lock();
        readBack = value;
        returned = true;
    });
    ASSERT_TRUE(watching->startWatching());
    ASSERT_EQ(watching->setOASMaxScanTimeout(99), KOVL::AM_SUCCESS);
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(cv.wait_for(lock, kBound, [&] { return entered; }));
    }
    std::thread([&] {
        watching.reset();
        std::lock_guard<std::mutex> lock(mutex);
        returnedFirst = returned;
    }).join();
    EXPECT_TRUE(released);
    EXPECT_TRUE(returnedFirst);
    EXPECT_EQ(readBack, 99);
}

// zlytpcli --watch prints the change another zlytpcli makes and ends with 0 on SIGTERM.
TEST_F(WatchTest, ZlytpcliWatchPrintsEachChange) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], 1), dup2(out[1], 2);
        execl(ZLYTPCLI_PATH, ZLYTPCLI_PATH, "--root", root.path().c_str(), "--watch", nullptr);
        _exit(127);
    }
    close(out[1]);
    std::string seen;
    const auto readUntil = [&](const std::string& wanted) {
        pollfd fd{out[0], POLLIN, 0};
        char buffer[256];
        ssize_t n = 1;
        while (seen.find(wanted) == std::string::npos && n > 0 && poll(&fd, 1, 20000) > 0)
            if ((n = read(out[0], buffer, sizeof(buffer))) > 0)
                seen.append(buffer, static_cast<std::size_t>(n));
        return seen.find(wanted) != std::string::npos;
    };
    EXPECT_TRUE(readUntil("Watching the preferences for changes")) << seen;
    EXPECT_EQ(tool("--setoasglobalconfig --maxscantime 91"), 0);
    EXPECT_TRUE(readUntil("DNDOASGlobalSettings.MaxScanTimeout [51]: 45 -> 91\n")) << seen;
    kill(child, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(out[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
