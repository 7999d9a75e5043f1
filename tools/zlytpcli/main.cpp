// zlytpcli: configures the threat-prevention module from the command line.
//
//   zlytpcli [--root DIR] [--verbose] --command [--sub-option value ...]
//
// --root DIR keeps the preferences under DIR at the product's relative paths
// (DIR/var/Korvel/kov/tp/prefs.xml, shipped defaults at
// DIR/opt/Korvel/kov/tp/etc/prefs.xml, copied there from the installed copy when
// DIR has none). Without it the product's fixed paths are used. --verbose sends
// the library's log lines to stderr.
#include <fcntl.h>
#include <kovl/kovl.h>
#include <kovl/platform/SystemPlatform.h>
#include <sys/file.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "ProductPaths.h"

namespace fs = boost::filesystem;
using S = KOVL::AMCliStringConstants;

namespace {

const char* const kRootOption = "--root";

// Whether another process holds the lock that changes of `prefs` take.
bool lockHeldElsewhere(const std::string& prefs) {
    const int fd = ::open((prefs + ".lock").c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

int run(int argc, char** argv) {
    std::vector<std::string> args;
    std::string root;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == kRootOption) {
            if (i + 1 >= argc)
                zlytpcli::refuse(S::PARSE_EXCEPTION_MSG,
                                 std::string("zlytpcli: ") + kRootOption + " needs a directory.");
            root = argv[++i];
        } else if (arg.compare(0, std::strlen(kRootOption) + 1, std::string(kRootOption) + "=") == 0) {
            root = arg.substr(std::strlen(kRootOption) + 1);
        } else if (arg == "--" + S::CLI_VERBOSE_CMD) {
            verbose = true;
        } else {
            args.push_back(arg);
        }
    }
    if (args.empty())
        zlytpcli::refuse(S::NO_OPTION_PASSED_MSG,
                         "zlytpcli: give a command; zlytpcli --" + S::CLI_HELP_CMD + " lists them.");
    const std::vector<zlytpcli::Option> options = zlytpcli::splitOptions(zlytpcli::helpWordsAsOptions(args));

    const zlytpcli::CommandSpec* spec = &zlytpcli::knownCommand(options.front().word);
    // Help: "--help", "--help --command" or "--command --help".
    const bool helpAsked = std::any_of(options.begin(), options.end(),
                                       [](const zlytpcli::Option& o) { return o.word == S::CLI_HELP_CMD; });
    if (helpAsked) {
        const zlytpcli::CommandSpec* about = *spec->word == S::CLI_HELP_CMD ? nullptr : spec;
        for (const zlytpcli::Option& option : options) {
            if (option.word == S::CLI_HELP_CMD) continue;
            if (about && option.word != *about->word) {
                zlytpcli::refuse(S::ONE_SUB_COMMAND_ALLOWED_MSG,
                                 "zlytpcli: --" + S::CLI_HELP_CMD + " shows one command at a time.");
            }
            about = &zlytpcli::knownCommand(option.word);
        }
        // "--help=WORD" names the command as a value.
        for (const std::string& value :
             options.front().word == S::CLI_HELP_CMD ? options.front().values : std::vector<std::string>())
            about = &zlytpcli::knownCommand(value);
        zlytpcli::printHelp(std::cout, about);
        return zlytpcli::kOk;
    }
    if (!spec->run) zlytpcli::refuse(S::FMP_REGISTRATION_ERROR_MSG, zlytpcli::kNeedsDaemon);
    const zlytpcli::Invocation invocation = zlytpcli::checkShape(*spec, options);

    // Only a checked command line reaches the preferences.
    std::ostringstream quiet;
    ZUR::StreamLogger logger(verbose ? std::cerr : quiet, verbose ? 6 : 0);
    if (!root.empty()) {
        boost::system::error_code error;
        const fs::file_status status = fs::status(root, error);
        if (fs::exists(status) && !fs::is_directory(status)) {
            std::cerr << "zlytpcli: --root " << root << " is not a directory.\n";
            return zlytpcli::kBadArguments;
        }
        if (!fs::exists(status) && fs::is_symlink(fs::symlink_status(root, error))) {
            std::cerr << "zlytpcli: --root " << root << " is a link to nothing.\n";
            return zlytpcli::kBadArguments;
        }
    }
    const KOVL::PreferenceFiles files = root.empty() ? zlytpcli::productFiles() : zlytpcli::filesUnder(root);
    // The proxy password is sealed under the installation key beside the preferences.
    ZUR::AesAgentAdaptor adaptor(root.empty()
                                     ? ZUR::AesAgentAdaptor::kDefaultKeyFile
                                     : (fs::path(files.current).parent_path() / "tpagent.key").string());
    KOVL::KOVConfigController controller(
        logger, std::make_unique<ZUR::XmlConfigStoreUtility>(logger), std::make_unique<ZUR::XmlConfigStore>(),
        std::make_shared<ZUR::Base64SSL>(), std::make_shared<ZUR::SystemUtils>(), files);
    controller.setAgentAdaptor(&adaptor);
    zlytpcli::installMapCallback(controller);
    zlytpcli::Context context{controller, std::cout, zlytpcli::wantsJson(invocation)};
    try {
        return spec->run(context, invocation);
    } catch (const zlytpcli::Refusal& refusal) {
        // A change gives up after waiting its time for another process's lock.
        if (refusal.status != zlytpcli::kFailed || !lockHeldElsewhere(files.current)) throw;
        std::cerr << refusal.message << "\nAnother process holds the lock on " << files.current
                  << ", so the change could not be made; try again when it has finished.\n";
        return refusal.status;
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const zlytpcli::Refusal& refusal) {
        std::cerr << refusal.message << "\n";
        if (!refusal.detail.empty()) std::cerr << refusal.detail << "\n";
        return refusal.status;
    } catch (const std::string& fatal) {
        std::cerr << fatal << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
    }
    return zlytpcli::kFailed;
}
