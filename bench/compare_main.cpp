// Side-by-side benchmarks: each piece of the controller's work next to what a
// user would pick instead, on the same data in the same run. tools/bench.sh
// runs this program and turns its JSON output into one table of ratios.
//
// Work that only computes, on one thread, is timed in the thread's CPU time:
// on a shared machine wall time there mostly measures the other tenants.
// Work that waits for the disk, and the threaded runs, are timed in wall time.
//
// Run with "--commit-loop <prefs.xml>" the program is instead the other
// process of the latency benchmark: it commits in a loop until SIGTERM.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "compare_support.h"

namespace {

using namespace kovbench;

const std::string kOASType = "51";
const std::string kMaxScanTimeout = "DNDOASGlobalSettings.MaxScanTimeout";
const std::string kLoggingType = "53";
const std::string kLogLevel = "DNDClientLogging.LogLevelForOAS";

// Runs a benchmark body; a failure in its set-up or loop skips it with the reason.
template <class Body>
void guarded(benchmark::State& state, Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// Skips unless the answer is the value the file holds, so every reader is seen
// to read the right thing.
bool expectValue(benchmark::State& state, long got, const std::string& prefs) {
    const long stored = rawTreeGet(parseTree(prefs), kOASType, kMaxScanTimeout);
    if (got == stored) return true;
    state.SkipWithError(("read " + std::to_string(got) + ", file holds " + std::to_string(stored)).c_str());
    return false;
}

bool expectSuccess(benchmark::State& state, int code) {
    if (code == KOVL::AM_SUCCESS) return true;
    state.SkipWithError(("answered " + std::to_string(code) + " instead of 3001").c_str());
    return false;
}

// ---- 1, 5, 6: reading one preference ------------------------------------

void readWithController(benchmark::State& state, DataSet& set) {
    KOVL::KOVConfigController& controller = *set.controller;
    if (!expectValue(state, controller.getOASMaxScanTimeout(), set.prefs)) return;
    for (auto _ : state) benchmark::DoNotOptimize(controller.getOASMaxScanTimeout());
    state.SetItemsProcessed(state.iterations());
}

void readWithTree(benchmark::State& state, DataSet& set) {
    const boost::property_tree::ptree tree = parseTree(set.prefs);
    for (auto _ : state) benchmark::DoNotOptimize(rawTreeGet(tree, kOASType, kMaxScanTimeout));
    state.SetItemsProcessed(state.iterations());
}

// The standard data set in SQLite, one database per journal mode ("WAL", "DELETE").
SqlitePrefs& sqliteDb(const std::string& journalMode) {
    static SqlitePrefs wal((freshDir("sqlite-wal") / "prefs.db").string(), "WAL",
                           flatten(standardSet().prefs));
    static SqlitePrefs rollback((freshDir("sqlite-rollback") / "prefs.db").string(), "DELETE",
                                flatten(standardSet().prefs));
    return journalMode == "WAL" ? wal : rollback;
}

void BM_ReadController(benchmark::State& state) {
    guarded(state, [&] { readWithController(state, standardSet()); });
}
BENCHMARK(BM_ReadController)->Name("read/controller")->MinTime(0.2);
// Throughput of many readers, in wall time; the CPU time per read beside it
// shows whether the readers slow each other down.
BENCHMARK(BM_ReadController)
    ->Name("parallel/read")
    ->MinTime(0.5)
    ->Threads(1)
    ->Threads(2)
    ->Threads(8)
    ->UseRealTime();

void BM_ReadTree(benchmark::State& state) {
    guarded(state, [&] { readWithTree(state, standardSet()); });
}
BENCHMARK(BM_ReadTree)->Name("read/ptree")->MinTime(0.2);

void BM_ReadSqlite(benchmark::State& state) {
    guarded(state, [&] {
        DataSet& set = standardSet();
        SqlitePrefs& db = sqliteDb("WAL");
        if (!expectValue(state, db.selectLong(kOASType, kMaxScanTimeout), set.prefs)) return;
        for (auto _ : state) benchmark::DoNotOptimize(db.selectLong(kOASType, kMaxScanTimeout));
    });
}
BENCHMARK(BM_ReadSqlite)->Name("read/sqlite")->MinTime(0.2);

void BM_ReadMap(benchmark::State& state) {
    guarded(state, [&] {
        DataSet& set = standardSet();
        const FlatMap map(flatten(set.prefs));
        const std::string key = FlatMap::keyOf(kOASType, kMaxScanTimeout);
        if (!expectValue(state, map.getLong(key), set.prefs)) return;
        for (auto _ : state) benchmark::DoNotOptimize(map.getLong(key));
    });
}
BENCHMARK(BM_ReadMap)->Name("read/map")->MinTime(0.2);

// The control of the parallel reads: threads that share nothing but a
// read-only map scale only as far as the machine lets them.
void BM_ParallelMap(benchmark::State& state) {
    guarded(state, [&] {
        static const FlatMap map(flatten(standardSet().prefs));
        const std::string key = FlatMap::keyOf(kOASType, kMaxScanTimeout);
        for (auto _ : state) benchmark::DoNotOptimize(map.getLong(key));
        state.SetItemsProcessed(state.iterations());
    });
}
BENCHMARK(BM_ParallelMap)->Name("parallel/map")->MinTime(0.5)->Threads(1)->Threads(2)->UseRealTime();

void BM_ReadControllerTasks1000(benchmark::State& state) {
    guarded(state, [&] { readWithController(state, thousandTasks()); });
}
BENCHMARK(BM_ReadControllerTasks1000)->Name("scale/read_tasks1000")->MinTime(0.2);

void BM_ReadTreeTasks1000(benchmark::State& state) {
    guarded(state, [&] { readWithTree(state, thousandTasks()); });
}
BENCHMARK(BM_ReadTreeTasks1000)->Name("scale/ptree_tasks1000")->MinTime(0.2);

// ---- 2, 3: changing preferences durably ----------------------------------

// The named setter of the command-line example, alternating between two
// values so that every call really changes the file.
void setterLoop(benchmark::State& state, KOVL::KOVConfigController& controller) {
    int level = controller.getLogLevelForOAS();
    for (auto _ : state) {
        level = level == 3 ? 4 : 3;
        if (!expectSuccess(state, controller.setLogLevelForOAS(level))) break;
    }
}

void BM_ChangeSetter(benchmark::State& state) {
    guarded(state, [&] { setterLoop(state, *standardSet().controller); });
}
BENCHMARK(BM_ChangeSetter)->Name("change/setter")->MinTime(0.5)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The two versions of the controller's file that the setter alternates between.
std::pair<std::string, std::string> twoVersions(const std::string& prefs) {
    std::string first = readText(prefs);
    const std::string tag = "<LogLevelForOAS>";
    const std::size_t at = first.find(tag);
    if (at == std::string::npos) throw std::runtime_error("no " + tag + " in " + prefs);
    std::string second = first;
    char& digit = second[at + tag.size()];
    digit = digit == '3' ? '4' : '3';
    return {first, second};
}

void handWritten(benchmark::State& state, const std::string& prefs) {
    const auto versions = twoVersions(prefs);
    const std::string target = (fs::path(prefs).parent_path() / "handwritten.xml").string();
    bool second = false;
    for (auto _ : state) {
        durableReplace(target, (second = !second) ? versions.second : versions.first);
    }
    state.counters["file_bytes"] = static_cast<double>(versions.first.size());
}

void BM_ChangeHandWritten(benchmark::State& state) {
    guarded(state, [&] { handWritten(state, standardSet().prefs); });
}
BENCHMARK(BM_ChangeHandWritten)
    ->Name("change/handwritten")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void sqliteChange(benchmark::State& state, const std::string& journalMode) {
    SqlitePrefs& db = sqliteDb(journalMode);
    bool second = false;
    for (auto _ : state) db.update(kLoggingType, kLogLevel, (second = !second) ? "4" : "3");
}

void BM_ChangeSqliteWal(benchmark::State& state) {
    guarded(state, [&] { sqliteChange(state, "WAL"); });
}
BENCHMARK(BM_ChangeSqliteWal)
    ->Name("change/sqlite_wal")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_ChangeSqliteRollback(benchmark::State& state) {
    guarded(state, [&] { sqliteChange(state, "DELETE"); });
}
BENCHMARK(BM_ChangeSqliteRollback)
    ->Name("change/sqlite_rollback")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The bulk keys alternate between 1 and 2, starting from what they hold.
int storedBulkValue(KOVL::KOVConfigController& controller) {
    return controller.getIntegerConfiguration(kLoggingType, bulkKeys().front());
}

void BM_BulkAdd100(benchmark::State& state) {
    guarded(state, [&] {
        KOVL::KOVConfigController& controller = *bulkSet().controller;
        int value = storedBulkValue(controller);
        for (auto _ : state) {
            ZUR::SettingsMap values;
            value = value == 1 ? 2 : 1;
            for (const std::string& key : bulkKeys()) values[kLoggingType][key] = std::to_string(value);
            if (!expectSuccess(state, controller.addSettings(std::move(values)))) break;
        }
    });
}
BENCHMARK(BM_BulkAdd100)->Name("bulk/add100")->MinTime(0.5)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_BulkSetters100(benchmark::State& state) {
    guarded(state, [&] {
        KOVL::KOVConfigController& controller = *bulkSet().controller;
        int value = storedBulkValue(controller);
        for (auto _ : state) {
            value = value == 1 ? 2 : 1;
            for (const std::string& key : bulkKeys()) {
                if (!expectSuccess(state,
                                   controller.setIntegerConfiguration("type", kLoggingType, key, value)))
                    return;
            }
        }
    });
}
BENCHMARK(BM_BulkSetters100)
    ->Name("bulk/setters100")
    ->MinTime(0.1)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_BulkOneSetter(benchmark::State& state) {
    guarded(state, [&] { setterLoop(state, *bulkSet().controller); });
}
BENCHMARK(BM_BulkOneSetter)
    ->Name("bulk/one_setter")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// ---- 4: start-up ------------------------------------------------------------

// A complete preferences file: one controller has already completed it.
const std::string& completeFile() {
    static const std::string path = [] {
        DataSet set("startup", readText(KOVBENCH_SHIPPED_PREFS));
        set.controller.reset();
        return set.prefs;
    }();
    return path;
}

void BM_StartupController(benchmark::State& state) {
    guarded(state, [&] {
        const std::string& prefs = completeFile();
        const std::string before = readText(prefs);
        for (auto _ : state) {
            auto controller = makeController(prefs);
            benchmark::DoNotOptimize(controller.get());
        }
        if (readText(prefs) != before) state.SkipWithError("start-up changed a complete file");
    });
}
BENCHMARK(BM_StartupController)->Name("startup/controller")->MinTime(0.3)->Unit(benchmark::kMicrosecond);

void BM_StartupReadXml(benchmark::State& state) {
    guarded(state, [&] {
        const std::string& prefs = completeFile();
        for (auto _ : state) {
            boost::property_tree::ptree tree = parseTree(prefs);
            benchmark::DoNotOptimize(tree);
        }
    });
}
BENCHMARK(BM_StartupReadXml)->Name("startup/read_xml")->MinTime(0.3)->Unit(benchmark::kMicrosecond);

// ---- 5: exclusions and file size -----------------------------------------

template <class C, class = void>
struct HasExclusionList : std::false_type {};
template <class C>
struct HasExclusionList<C, std::void_t<decltype(std::declval<C&>().getExclusionList(KOVL::STANDARD_PROFILE))>>
    : std::true_type {};

// The flat exclusion list of profile 1 through the controller when it offers
// getExclusionList; otherwise the same 24 list reads made on the store.
template <class C>
std::size_t readExclusions(C& controller, ZUR::XmlConfigStore& store) {
    if constexpr (HasExclusionList<C>::value) {
        (void)store;
        return controller.getExclusionList(KOVL::STANDARD_PROFILE).size();
    } else {
        (void)controller;
        std::size_t items = 0;
        std::vector<std::string> pieces;
        for (const std::string& key : exclusionKeys()) {
            const std::string value = store.readString("1", key);
            if (value.empty()) continue;
            std::string delimiter = ",";
            store.readDelimiter("1", "preferences." + key, delimiter);
            boost::split(pieces, value, boost::is_any_of(delimiter), boost::token_compress_on);
            for (const std::string& piece : pieces) items += piece.empty() ? 0 : 1;
        }
        return items;
    }
}

void exclusions(benchmark::State& state, int count) {
    DataSet& set = exclusionSet(count);
    ZUR::XmlConfigStore store;
    if (!store.loadPreferences(set.prefs, {})) throw std::runtime_error("cannot load " + set.prefs);
    state.SetLabel(HasExclusionList<KOVL::KOVConfigController>::value
                       ? "getExclusionList"
                       : "store reads (getExclusionList not on this branch)");
    const std::size_t found = readExclusions(*set.controller, store);
    if (found != static_cast<std::size_t>(count)) {
        state.SkipWithError(("read " + std::to_string(found) + " exclusions").c_str());
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(readExclusions(*set.controller, store));
}

void BM_Exclusions10(benchmark::State& state) {
    guarded(state, [&] { exclusions(state, 10); });
}
BENCHMARK(BM_Exclusions10)->Name("scale/exclusions10")->MinTime(0.2)->Unit(benchmark::kMicrosecond);

void BM_Exclusions10000(benchmark::State& state) {
    guarded(state, [&] { exclusions(state, 10000); });
}
BENCHMARK(BM_Exclusions10000)->Name("scale/exclusions10000")->MinTime(0.2)->Unit(benchmark::kMicrosecond);

// A store over a plain file of the given size, changed the way a setter's
// store write changes it.
std::string sizedFile(std::size_t bytes) {
    static int made = 0;
    const fs::path dir = freshDir("sized" + std::to_string(bytes) + "-" + std::to_string(++made));
    const std::string prefs = (dir / "prefs.xml").string();
    writeText(prefs, prefsOfSize(bytes));
    return prefs;
}

void storeChange(benchmark::State& state, std::size_t bytes) {
    const std::string prefs = sizedFile(bytes);
    ZUR::XmlConfigStore store;
    if (!store.loadPreferences(prefs, {})) throw std::runtime_error("cannot load " + prefs);
    int value = 3;
    for (auto _ : state) store.writeInt("type", kLoggingType, kLogLevel, value = 7 - value);
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(prefs));
}

void BM_StoreChange10K(benchmark::State& state) {
    guarded(state, [&] { storeChange(state, 10 * 1000); });
}
BENCHMARK(BM_StoreChange10K)
    ->Name("scale/store_change_10k")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_StoreChange1M(benchmark::State& state) {
    guarded(state, [&] { storeChange(state, 1000 * 1000); });
}
BENCHMARK(BM_StoreChange1M)
    ->Name("scale/store_change_1m")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_HandWritten10K(benchmark::State& state) {
    guarded(state, [&] { handWritten(state, sizedFile(10 * 1000)); });
}
BENCHMARK(BM_HandWritten10K)
    ->Name("scale/handwritten_10k")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

void BM_HandWritten1M(benchmark::State& state) {
    guarded(state, [&] { handWritten(state, sizedFile(1000 * 1000)); });
}
BENCHMARK(BM_HandWritten1M)
    ->Name("scale/handwritten_1m")
    ->MinTime(0.5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// ---- 6: a reader while another process commits ------------------------------

void readerLatency(benchmark::State& state, bool withWriter) {
    DataSet& set = sharedSet();
    KOVL::KOVConfigController& controller = *set.controller;
    if (!expectValue(state, controller.getOASMaxScanTimeout(), set.prefs)) return;
    std::unique_ptr<CommitLoop> writer;
    if (withWriter) writer = std::make_unique<CommitLoop>(set.prefs);
    using Clock = std::chrono::steady_clock;
    std::vector<std::int64_t> samples;
    samples.reserve(1u << 20);
    const Clock::time_point begin = Clock::now();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(controller.getOASMaxScanTimeout());
        samples.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    if (writer) state.counters["writer_commits_per_s"] = static_cast<double>(writer->stop()) / seconds;
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return static_cast<double>(
            samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))]);
    };
    state.counters["p50_ns"] = at(0.5);
    state.counters["p99_ns"] = at(0.99);
    state.counters["max_ns"] = static_cast<double>(samples.back());
}

void BM_LatencyAlone(benchmark::State& state) {
    guarded(state, [&] { readerLatency(state, false); });
}
BENCHMARK(BM_LatencyAlone)->Name("latency/alone")->UseRealTime()->Iterations(100000);

void BM_LatencyWithWriter(benchmark::State& state) {
    guarded(state, [&] { readerLatency(state, true); });
}
BENCHMARK(BM_LatencyWithWriter)->Name("latency/with_writer")->UseRealTime()->Iterations(100000);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--commit-loop") kovbench::runCommitLoop(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
