// Latency of hearing another process's change: from the other process's
// rename of the preferences file (or the start of its store commit) to the
// preference callback of a watching controller in this process. Prints p50,
// p99 and the maximum over `rounds` changes of each kind.
//
//   kovconfig_watch_latency SHIPPED_PREFS [rounds]
#include <kovl/kovl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem.hpp>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <vector>

#include "NullLogger.h"

namespace {

std::int64_t nowNanos() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::mutex heardMutex;
std::condition_variable heardChanged;
std::int64_t heardAt = 0;
int heardCount = 0;

void onPreference(KOVL::KOVPrefType type) {
    if (type != KOVL::PREF_OAS_MAX_SCAN_TIMEOUT) return;
    const std::int64_t at = nowNanos();
    std::lock_guard<std::mutex> lock(heardMutex);
    heardAt = at;
    ++heardCount;
    heardChanged.notify_all();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The other process: for each byte read from `go`, makes one change and
// answers the clock value taken just before its rename (kind 'r') or before
// its store commit (kind 'c').
[[noreturn]] void writer(int go, int answer, const std::string& prefs) {
    const std::string text = readAll(prefs);
    const std::string original = "<MaxScanTimeout>45</MaxScanTimeout>";
    ZUR::XmlConfigStore store;
    if (!store.loadPreferences(prefs, {})) _exit(1);
    int value = 100;
    char kind = 0;
    while (read(go, &kind, 1) == 1) {
        ++value;
        std::int64_t at = 0;
        if (kind == 'r') {
            const std::string next = boost::algorithm::replace_first_copy(
                text, original, "<MaxScanTimeout>" + std::to_string(value) + "</MaxScanTimeout>");
            {
                std::ofstream out(prefs + ".edit", std::ios::binary | std::ios::trunc);
                out << next;
            }
            at = nowNanos();
            if (std::rename((prefs + ".edit").c_str(), prefs.c_str()) != 0) _exit(1);
        } else {
            at = nowNanos();
            store.writeInt("type", "51", "DNDOASGlobalSettings.MaxScanTimeout", value);
        }
        if (write(answer, &at, sizeof(at)) != sizeof(at)) _exit(1);
    }
    _exit(0);
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))];
    };
    std::printf("%-44s n=%zu p50=%.3f ms p99=%.3f ms max=%.3f ms\n", what, ms.size(), at(0.50), at(0.99),
                ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kovconfig_watch_latency SHIPPED_PREFS [rounds]\n";
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 200;
    const boost::filesystem::path dir =
        boost::filesystem::temp_directory_path() / boost::filesystem::unique_path("kovwatch-%%%%-%%%%");
    boost::filesystem::create_directories(dir);
    const std::string prefs = (dir / "prefs.xml").string();
    boost::filesystem::copy_file(argv[1], prefs);

    // The writer is forked before this process starts any thread.
    int go[2], answer[2];
    if (pipe(go) != 0 || pipe(answer) != 0) return 1;
    const pid_t child = fork();
    if (child == 0) {
        close(go[1]);
        close(answer[0]);
        writer(go[0], answer[1], prefs);
    }
    close(go[0]);
    close(answer[1]);

    int status = 0;
    {
        kovbench::NullLogger logger;
        KOVL::KOVConfigController controller(
            logger, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::make_unique<ZUR::XmlConfigStore>(),
            std::make_shared<ZUR::Base64SSL>(), nullptr, KOVL::PreferenceFiles{prefs, argv[1]});
        controller.registerCallBack(onPreference);
        if (!controller.startWatching()) return 1;
        for (char kind : {'r', 'c'}) {
            std::vector<double> ms;
            for (int i = 0; i < rounds; ++i) {
                int before = 0;
                {
                    std::lock_guard<std::mutex> lock(heardMutex);
                    before = heardCount;
                }
                std::int64_t at = 0;
                if (write(go[1], &kind, 1) != 1 || read(answer[0], &at, sizeof(at)) != sizeof(at)) return 1;
                std::unique_lock<std::mutex> lock(heardMutex);
                if (!heardChanged.wait_for(lock, std::chrono::seconds(5),
                                           [&] { return heardCount > before; })) {
                    std::cerr << "change " << i << " was not heard\n";
                    return 1;
                }
                ms.push_back(static_cast<double>(heardAt - at) / 1e6);
            }
            report(
                kind == 'r' ? "rename -> preference callback" : "store commit begins -> preference callback",
                ms);
        }
        close(go[1]);
        waitpid(child, &status, 0);
    }
    boost::filesystem::remove_all(dir);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
