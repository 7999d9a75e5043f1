// kovctl: reads and changes the threat-prevention preferences in a local
// preferences directory, through the configuration controller.
//
//   kovctl [--dir DIR] [--shipped FILE] [--verbose] COMMAND [ARGS...]
//
// DIR holds prefs.xml (created from the shipped defaults when missing).
#include <unistd.h>

#include <climits>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include <kovl/kovl.h>
#include <kovl/platform/SystemPlatform.h>

namespace {

struct Options {
    std::string dir = ".";
    std::string shipped;
    bool verbose = false;
    std::vector<std::string> args;
};

std::string executableDir() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0) return ".";
    return boost::filesystem::path(std::string(buffer, static_cast<std::size_t>(n))).parent_path().string();
}

// The installed layout first (<prefix>/bin -> <prefix>/opt/...), then the build tree.
std::string defaultShipped() {
    const boost::filesystem::path installed =
        boost::filesystem::path(executableDir()) / ".." / "opt/Korvel/kov/tp/etc/prefs.xml";
    if (boost::filesystem::exists(installed)) return installed.lexically_normal().string();
    return (boost::filesystem::path(executableDir()) / "etc/prefs.xml").string();
}

int usage() {
    std::cerr << "usage: kovctl [--dir DIR] [--shipped FILE] [--verbose] COMMAND [ARGS...]\n"
                 "commands:\n"
                 "  show                     print the main preferences\n"
                 "  get TYPE KEY             print one stored value (TYPE is the section type)\n"
                 "  set TYPE KEY VALUE       change one value; prints the result code\n"
                 "  timestamp                print the last update time stamp\n";
    return 2;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--dir" || arg == "--shipped") && i + 1 < argc) {
            (arg == "--dir" ? options.dir : options.shipped) = argv[++i];
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            options.args.push_back(arg);
        }
    }
    return !options.args.empty();
}

using Controller = KOVL::KOVConfigController;

void show(Controller& controller) {
    struct Line {
        const char* label;
        const char* sectionType;
        const char* key;
    };
    static const Line lines[] = {
        {"OAS enabled", "51", "DNDOASGlobalSettings.IsOASEnabled"},
        {"Max scan timeout", "51", "DNDOASGlobalSettings.MaxScanTimeout"},
        {"Process settings", "51", "DNDOASGlobalSettings.ProfileName"},
        {"Quarantine directory", "52", "DNDGlobalSettings.QuarantineDirectory"},
        {"Log path", "53", "DNDClientLogging.LogPath"},
        {"OAS log level", "53", "DNDClientLogging.LogLevelForOAS"},
        {"Product", "54", "DNDProductInformation.ProductName"},
        {"Product version", "54", "DNDProductInformation.ProductVersion"},
        {"Last update", "52", "DNDGlobalSettings.LastUpdatedTimeStamp"},
    };
    for (const Line& line : lines) {
        std::cout << line.label << ": " << controller.getStringConfiguration(line.sectionType, line.key) << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) return usage();
    if (options.shipped.empty()) options.shipped = defaultShipped();

    ZUR::StreamLogger logger(std::cerr, options.verbose ? 6 : 2);
    KOVL::PreferenceFiles files;
    files.current = (boost::filesystem::path(options.dir) / "prefs.xml").string();
    files.shipped = options.shipped;

    std::unique_ptr<Controller> controller;
    try {
        boost::filesystem::create_directories(options.dir);
        controller = std::make_unique<Controller>(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                                  std::make_unique<ZUR::XmlConfigStore>(), nullptr,
                                                  std::make_shared<ZUR::SystemUtils>(), files);
    } catch (const std::string& fatal) {
        std::cerr << "kovctl: " << fatal << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "kovctl: " << error.what() << "\n";
        return 1;
    }

    const std::vector<std::string>& a = options.args;
    const std::string& command = a[0];
    if (command == "show" && a.size() == 1) {
        show(*controller);
        return 0;
    }
    if (command == "get" && a.size() == 3) {
        std::cout << controller->getStringConfiguration(a[1], a[2]) << "\n";
        return 0;
    }
    if (command == "set" && a.size() == 4) {
        // Single-threaded tool: nothing else in this process holds the controller mutex;
        // the store itself serialises against the daemons.
        const int code = controller->setStringConfiguration("type", a[1], a[2], a[3]);
        std::cout << code << "\n";
        return code == KOVL::AM_STORE_FAILURE ? 1 : 0;
    }
    if (command == "timestamp" && a.size() == 1) {
        std::cout << controller->getStringConfiguration("52", "DNDGlobalSettings.LastUpdatedTimeStamp") << "\n";
        return 0;
    }
    return usage();
}
