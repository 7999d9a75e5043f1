// Cost of the controller's hot paths over the real store: a getter called by
// many daemon threads, and a durable setter.
#include <benchmark/benchmark.h>
#include <kovl/kovl.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "NullLogger.h"

namespace {

namespace fs = boost::filesystem;

// One controller for the whole program, over a scratch copy of the shipped defaults.
struct Fixture {
    Fixture() : dir(fs::temp_directory_path() / fs::unique_path("kovbench-%%%%-%%%%")) {
        fs::create_directories(dir);
        const char* shipped = std::getenv("KOVCONFIG_SHIPPED_PREFS");
        KOVL::PreferenceFiles files;
        files.current = (dir / "prefs.xml").string();
        files.shipped = shipped ? shipped : "etc/prefs.xml";
        controller = std::make_unique<KOVL::KOVConfigController>(
            logger, std::make_unique<ZUR::XmlConfigStoreUtility>(), std::make_unique<ZUR::XmlConfigStore>(),
            nullptr, nullptr, files);
    }
    ~Fixture() {
        controller.reset();
        boost::system::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    fs::path dir;
    kovbench::NullLogger logger;
    std::unique_ptr<KOVL::KOVConfigController> controller;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_IntegerGetter(benchmark::State& state) {
    auto& controller = *fixture().controller;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            controller.getIntegerConfiguration("51", "DNDOASGlobalSettings.MaxScanTimeout"));
    }
}
BENCHMARK(BM_IntegerGetter)->Threads(1)->Threads(2)->Threads(8)->UseRealTime();

void BM_ProfileRefresh(benchmark::State& state) {
    auto& controller = *fixture().controller;
    for (auto _ : state) benchmark::DoNotOptimize(controller.getOASConfigurationData());
}
BENCHMARK(BM_ProfileRefresh);

void BM_DurableSetter(benchmark::State& state) {
    auto& controller = *fixture().controller;
    int value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(controller.addSettings(
            {{"53", {{"DNDClientLogging.ActivityLogSize", std::to_string(++value % 2 + 10)}}}}));
    }
}
BENCHMARK(BM_DurableSetter)->UseRealTime();

}  // namespace
