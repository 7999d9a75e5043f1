// Benchmarks of ZUR::XmlConfigStore: read throughput from many threads, the
// cost of one durable write and of a setter (value and time stamp in one
// transaction), side by side with raw baselines: a property_tree get on a
// parsed tree and a hand-written write, fsync, rename and directory fsync.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <kovl/platform/XmlConfigStore.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <fstream>
#include <memory>
#include <sstream>
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
    const std::string& path() const { return path_; }
    std::string directory() const { return dir_.string(); }

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

// A value and its time stamp, as a controller setter writes them: one commit.
void BM_StoreSetter(benchmark::State& state) {
    ZUR::XmlConfigStore& store = benchFile().store();
    int value = 0;
    for (auto _ : state) {
        ZUR::StoreTransaction transaction(store);
        store.writeInt("type", "3", "DNDOASProfile.Key5", ++value);
        store.writeInt("type", "3", "DNDOASProfile.Key6", value);
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StoreSetter)->Unit(benchmark::kMillisecond);

// Raw baseline of a read: the same value from a parsed tree.
void BM_RawPtreeGet(benchmark::State& state) {
    boost::property_tree::ptree tree;
    boost::property_tree::read_xml(benchFile().path(), tree);
    const boost::property_tree::ptree& profile = tree.get_child("preferences.DNDOASProfile");
    for (auto _ : state) benchmark::DoNotOptimize(profile.get<std::string>("Key17"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawPtreeGet);

// Raw baseline of a durable write: the file's text written to a temporary
// file, fsynced, renamed over a copy of the file, and the directory fsynced.
void BM_RawDurableWrite(benchmark::State& state) {
    std::ostringstream text;
    text << std::ifstream(benchFile().path()).rdbuf();
    const std::string content = text.str();
    const std::string target = benchFile().directory() + "/raw.xml";
    const std::string tmp = target + ".tmp";
    for (auto _ : state) {
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()) ||
            ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(tmp.c_str(), target.c_str()) != 0) {
            state.SkipWithError("raw write failed");
            break;
        }
        const int dir = ::open(benchFile().directory().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0 || ::fsync(dir) != 0) state.SkipWithError("directory fsync failed");
        if (dir >= 0) ::close(dir);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawDurableWrite)->Unit(benchmark::kMillisecond);

}  // namespace
