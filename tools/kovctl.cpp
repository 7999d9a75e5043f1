// kovctl: reads and changes the threat-prevention preferences in a local
// preferences directory, through the configuration controller.
//
//   kovctl [--dir DIR] [--shipped FILE] [--verbose] COMMAND [ARGS...]
//
// DIR holds prefs.xml (created from the shipped defaults when missing).
#include <kovl/kovl.h>
#include <kovl/platform/SystemPlatform.h>
#include <unistd.h>

#include <algorithm>
#include <boost/filesystem.hpp>
#include <climits>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

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

using Controller = KOVL::KOVConfigController;
using Args = std::vector<std::string>;

// Parses "on"/"off" (also "enable"/"disable"); anything else is refused.
bool parseSwitch(const std::string& word, bool& value) {
    if (word == "on" || word == "enable") return value = true, true;
    if (word == "off" || word == "disable") return value = false, true;
    return false;
}

bool parseInt(const std::string& word, int& value) {
    try {
        std::size_t used = 0;
        value = std::stoi(word, &used);
        return used == word.size();
    } catch (const std::exception&) {
        return false;
    }
}

const char* onOff(bool value) { return value ? "on" : "off"; }

void show(Controller& c) {
    bool oas = true;
    KOVL::AM_ERROR_CODES code = KOVL::AM_SUCCESS;
    c.getOASStatus(oas, code);
    std::cout << "OAS: " << onOff(oas) << "\n"
              << "Max scan timeout: " << c.getOASMaxScanTimeout() << "\n"
              << "Process settings: " << c.getOASProcSettings() << "\n"
              << "Quarantine directory: " << c.getQuarantineDir() << "\n"
              << "Use fanotify: " << onOff(c.getUseFanotifyForFileAccess()) << "\n"
              << "Log path: " << c.getLogPath() << "\n"
              << "OAS log level: " << c.getLogLevelForOAS() << "\n"
              << "ODS log level: " << c.getLogLevelForODS() << "\n"
              << "OAS debug log: " << onOff(c.isDebugLoggingEnabledForOAS()) << "\n"
              << "Debug log size: " << c.getDebugLogSize() << "\n"
              << "Access protection: " << onOff(c.getAccessProtectionStatus()) << "\n"
              << "Last update: " << c.getStringConfiguration("52", "DNDGlobalSettings.LastUpdatedTimeStamp")
              << "\n";
}

void showProfiles(Controller& c) {
    const KOVL::oas_configuration* config = c.getOASConfigurationData();
    static const char* const modes[] = {"no scan", "scan on read", "scan on write", "read and write",
                                        "Korvel decides"};
    for (const KOVL::oas_profile& profile : config->profiles) {
        const int mode = c.getScanMode(profile.profile_code);
        std::cout << "profile " << profile.profile_code << ": "
                  << c.getStringConfiguration(std::to_string(profile.profile_code),
                                              "DNDOASProfile.ProfileName")
                  << ", mode " << (mode >= 0 && mode <= 4 ? modes[mode] : "unknown") << ", archives "
                  << onOff(profile.scan_archive_enabled) << ", actions " << profile.infection_primary_action
                  << "/" << profile.infection_secondary_action << "\n";
    }
}

bool riskProfile(const std::string& word, KOVL::PROFILE_CODE& code) {
    if (word == "lowrisk") return code = KOVL::LOW_RISK_PROFILE, true;
    if (word == "highrisk") return code = KOVL::HIGH_RISK_PROFILE, true;
    return false;
}

// One command: its argument words, what they mean, and what it does. Setters
// print the result code and fail the process on 3025.
struct Command {
    const char* name;
    const char* args;
    const char* help;
    std::size_t argc;
    std::function<int(Controller&, const Args&)> run;
};

int report(int code) {
    std::cout << code << "\n";
    return code == KOVL::AM_STORE_FAILURE ? 1 : 0;
}

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"show", "", "print the main preferences", 0, [](Controller& c, const Args&) { return show(c), 0; }},
        {"profiles", "", "print the on-access profiles", 0,
         [](Controller& c, const Args&) { return showProfiles(c), 0; }},
        {"get", "TYPE KEY", "print one stored value (TYPE is the section type)", 2,
         [](Controller& c, const Args& a) {
             return std::cout << c.getStringConfiguration(a[0], a[1]) << "\n", 0;
         }},
        // Single-threaded tool: nothing else in this process holds the controller
        // mutex; the store itself serialises against the daemons.
        {"set", "TYPE KEY VALUE", "change one stored value", 3,
         [](Controller& c, const Args& a) {
             return report(c.setStringConfiguration("type", a[0], a[1], a[2]));
         }},
        {"oas", "on|off", "switch on-access scanning", 1,
         [](Controller& c, const Args& a) {
             bool on = false;
             return parseSwitch(a[0], on) ? report(c.setOASStatus(on)) : -1;
         }},
        {"maxscantime", "SECONDS", "set the maximum on-access scan time", 1,
         [](Controller& c, const Args& a) {
             int seconds = 0;
             return parseInt(a[0], seconds) ? report(c.setOASMaxScanTimeout(seconds)) : -1;
         }},
        {"quarantine", "DIR", "set the quarantine directory", 1,
         [](Controller& c, const Args& a) { return report(c.setQuarantineDir(a[0])); }},
        {"oasloglevel", "LEVEL", "set the on-access log level", 1,
         [](Controller& c, const Args& a) {
             int level = 0;
             return parseInt(a[0], level) ? report(c.setLogLevelForOAS(level)) : -1;
         }},
        {"oasdebuglog", "on|off", "switch on-access debug logging", 1,
         [](Controller& c, const Args& a) {
             bool on = false;
             return parseSwitch(a[0], on) ? report(c.enableDebugLoggingForOAS(on)) : -1;
         }},
        {"processes", "", "list the risk-based process lists", 0,
         [](Controller& c, const Args&) {
             for (const auto& entry : c.getProcessList()) {
                 const auto& pair = *entry.begin();
                 std::cout << (pair.first == "3" ? "highrisk " : "lowrisk ") << pair.second << "\n";
             }
             return 0;
         }},
        {"addprocess", "lowrisk|highrisk NAME", "add a process to a risk-based list", 2,
         [](Controller& c, const Args& a) {
             KOVL::PROFILE_CODE code{};
             std::set<std::string> names{a[1]};
             return riskProfile(a[0], code) ? report(c.addProcess(code, names)) : -1;
         }},
        {"delprocess", "lowrisk|highrisk NAME", "remove a process from a risk-based list", 2,
         [](Controller& c, const Args& a) {
             KOVL::PROFILE_CODE code{};
             return riskProfile(a[0], code) ? report(c.deleteProcess(code, a[1])) : -1;
         }},
    };
    return table;
}

int usage() {
    std::cerr << "usage: kovctl [--dir DIR] [--shipped FILE] [--verbose] COMMAND [ARGS...]\ncommands:\n";
    for (const Command& command : commands()) {
        std::string synopsis = std::string(command.name) + " " + command.args;
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 1, 36), ' ');
        std::cerr << "  " << synopsis << command.help << "\n";
    }
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

    const Args& a = options.args;
    for (const Command& command : commands()) {
        if (a[0] != command.name) continue;
        if (a.size() - 1 != command.argc) break;
        const int status = command.run(*controller, Args(a.begin() + 1, a.end()));
        if (status >= 0) return status;
        break;
    }
    return usage();
}
