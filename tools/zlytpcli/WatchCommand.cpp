// zlytpcli --watch: prints one line per changed preference as it happens,
// until SIGINT or SIGTERM (exit status 0), like `dconf watch`:
//
//   DNDOASGlobalSettings.MaxScanTimeout [51]: 45 -> 90
//
// An empty value (or a key that did not exist before, or no longer exists)
// is shown as ""; secret values as "(secret)". "watch" is this tool's own word
// beside the fixed vocabulary. Once the watch has begun, one line on stderr
// says so.
#include <pthread.h>

#include <csignal>
#include <iostream>

#include "Handlers.h"

namespace zlytpcli {

namespace {

const std::string kWatchWord = "watch";
const std::string kWatchHelp =
    "Prints one line per changed preference as it happens, whichever process or editor changes it, "
    "until interrupted (Ctrl-C). Each line shows the key, its section type and the old and new values; "
    "secret values are masked.";
const std::string kWatchSummary = "Prints each changed preference as it happens, until interrupted.";
const std::string kWatchFailed = "Unable to watch the preferences for changes.";

std::string shown(const std::string& value) { return value.empty() ? "\"\"" : value; }

Status watch(Context& ctx, const Invocation&) {
    // Blocked before the watching thread starts, so that it inherits the mask
    // and the signals wait for sigwait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    ctx.controller.registerChangeListener([&ctx](const std::vector<KOVL::PreferenceChange>& changes) {
        for (const KOVL::PreferenceChange& change : changes) {
            ctx.out << change.key << " [" << change.sectionType << "]: " << shown(change.oldValue) << " -> "
                    << shown(change.newValue) << "\n";
        }
        ctx.out.flush();
    });
    if (!ctx.controller.startWatching()) refuse(kWatchFailed, kFailed);
    std::cerr << "Watching the preferences for changes; interrupt to stop." << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    ctx.controller.stopWatching();
    return kOk;
}

}  // namespace

CommandSpec watchCommand() {
    return {&kWatchWord, &kWatchHelp, &kWatchSummary, Arity::None, nullptr, {}, watch};
}

}  // namespace zlytpcli
