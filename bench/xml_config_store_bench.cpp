// Benchmarks of ZUR::XmlConfigStore: read throughput from many threads and
// the cost of one durable write.
#include <benchmark/benchmark.h>
#include <kovl/platform/XmlConfigStore.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A preferences file of realistic size in a private temporary directory,
// removed at exit.
class BenchFile {
public:
    BenchFile() {
        dir_ = boost::filesystem::temp_directory_path() /
               boost::filesystem::unique_path("kovconfig-bench-%%%%-%%%%");
        boost::filesystem::create_directories(dir_);
        path_ = (dir_ / "prefs.xml").string();
        std::ofstream out(path_);
        out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<preferences>\n";
        for (int profile = 1; profile <= 40; ++profile) {
            out << "  <DNDOASProfile type=\"" << profile << "\">\n";
            for (int key = 0; key < 40; ++key)
                out << "    <Key" << key << ">" << key * profile << "</Key" << key << ">\n";
            out << "    <ProcessList delimiter=\",\"><Process>a,b,c</Process></ProcessList>\n  "
                   "</DNDOASProfile>\n";
        }
        out << "</preferences>\n";
        out.close();
        store_.loadPreferences(path_, {});
    }
    ~BenchFile() {
        boost::system::error_code ec;
        boost::filesystem::remove_all(dir_, ec);
    }
    ZUR::XmlConfigStore& store() { return store_; }

private:
    boost::filesystem::path dir_;
    std::string path_;
    ZUR::XmlConfigStore store_;
};

BenchFile& benchFile() {
    static BenchFile file;
    return file;
}

void BM_ReadString(benchmark::State& state) {
    ZUR::XmlConfigStore& store = benchFile().store();
    const std::string type = std::to_string(1 + state.thread_index() % 40);
    for (auto _ : state) benchmark::DoNotOptimize(store.readString(type, "DNDOASProfile.Key17"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadString)->ThreadRange(1, 8)->UseRealTime();

void BM_ReadInt(benchmark::State& state) {
    ZUR::XmlConfigStore& store = benchFile().store();
    for (auto _ : state) benchmark::DoNotOptimize(store.readInt("7", "DNDOASProfile.Key3"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadInt)->Threads(1)->Threads(4)->UseRealTime();

// One change: copy, serialise, write, fsync, rename, fsync the directory.
void BM_WriteString(benchmark::State& state) {
    ZUR::XmlConfigStore& store = benchFile().store();
    int value = 0;
    for (auto _ : state) store.writeInt("type", "3", "DNDOASProfile.Key5", ++value);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteString)->Unit(benchmark::kMillisecond);

}  // namespace
