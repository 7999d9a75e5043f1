// The controller's watch for changes made elsewhere: the watching thread,
// the announcements and the controller members that start and stop it.
#include "config/ChangeWatcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

constexpr std::string_view kSecretSuffixes[] = {"Password", "UserName", "UserID", "Key"};
constexpr std::string_view kSecretWords[] = {"credential", "token", "secret"};

constexpr bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

constexpr bool secretName(std::string_view key) {
    const std::size_t dot = key.rfind('.');
    const std::string_view last = dot == std::string_view::npos ? key : key.substr(dot + 1);
    for (std::string_view tail : kSecretSuffixes)
        if (endsWith(last, tail)) return true;
    return false;
}

constexpr std::size_t secretSchemaRows() {
    std::size_t count = 0;
    for (const schema::Row& row : schema::kRows)
        if (secretName(row.key)) ++count;
    return count;
}

// The schema's secrets are the proxy's user name and password and the ORQ
// account's user id and key; a new row whose name makes it secret (or a
// renamed one that stops being secret) must be looked at here.
static_assert(secretName(KOVL_KEY("DNDProxySettings.ProxyHttpAuthUserName")) &&
                  secretName(KOVL_KEY("DNDProxySettings.ProxyHttpAuthPassword")) &&
                  secretName(KOVL_KEY("DNDProductInformation.ORQUserID")) &&
                  secretName(KOVL_KEY("DNDProductInformation.ORQKey")) && secretSchemaRows() == 4,
              "the secret keys of the schema changed");

// The preferences a notifying setter announces, in the order announced.
struct Announced {
    KOVPrefType type;
    const schema::Row& pref;
    const char* what;
};
const std::array<Announced, 4> kAnnounced = {{
    {PREF_OAS_STATUS, KOVL_PREF("DNDOASGlobalSettings.IsOASEnabled").row, "OAS Status"},
    {PREF_OAS_MAX_SCAN_TIMEOUT, KOVL_PREF("DNDOASGlobalSettings.MaxScanTimeout").row,
     "OAS Maximum Scan Timeout"},
    {PREF_OAS_PROC_SETTINGS, KOVL_PREF("DNDOASGlobalSettings.ProfileName").row, "OAS ProcSettings"},
    {PREF_QUARANTINE_DIR, KOVL_PREF("DNDGlobalSettings.QuarantineDirectory").row, "Quarantine Directory"},
}};

const std::string* valueOf(const ZUR::SettingsMap& all, const std::string& type, const std::string& key) {
    const auto section = all.find(type);
    if (section == all.end()) return nullptr;
    const auto value = section->second.find(key);
    return value == section->second.end() ? nullptr : &value->second;
}

bool differs(const ZUR::SettingsMap& before, const ZUR::SettingsMap& after, const Announced& row) {
    const std::string* was = valueOf(before, row.pref.sectionType, row.pref.key);
    const std::string* now = valueOf(after, row.pref.sectionType, row.pref.key);
    if (was == nullptr || now == nullptr) return was != now;
    return *was != *now;
}

void wake(int fd) {
    const std::uint64_t one = 1;
    ssize_t written;
    do {
        written = ::write(fd, &one, sizeof(one));
    } while (written < 0 && errno == EINTR);
}

}  // namespace

bool isSecretKey(const std::string& key) {
    if (secretName(key)) return true;
    std::string lower(key);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t dot = lower.rfind('.');
    const std::string_view last = std::string_view(lower).substr(dot == std::string::npos ? 0 : dot + 1);
    return std::any_of(std::begin(kSecretWords), std::end(kSecretWords),
                       [&](std::string_view word) { return last.find(word) != std::string_view::npos; });
}

namespace detail {

ChangeWatcher::ChangeWatcher(ControllerImpl& controller) : controller_(controller) {}

ChangeWatcher::~ChangeWatcher() { stop(); }

void ChangeWatcher::setListener(ChangeListener listener) {
    std::lock_guard<std::mutex> guard(listenerMutex_);
    listener_ = std::move(listener);
}

void ChangeWatcher::closeDescriptors() {
    if (inotifyFd_ >= 0) ::close(inotifyFd_);
    if (eventFd_ >= 0) ::close(eventFd_);
    inotifyFd_ = eventFd_ = -1;
}

bool ChangeWatcher::start() {
    std::lock_guard<std::mutex> life(lifeMutex_);
    if (thread_.joinable()) {
        if (!stopping_) return true;
        thread_.join();  // asked to end from its own callback earlier
        store_->observe(nullptr);
        closeDescriptors();
    }
    store_ = dynamic_cast<ZUR::IObservableStore*>(controller_.configStore.get());
    const std::string file = store_ == nullptr ? std::string() : store_->watchedFile();
    if (file.empty()) {
        controller_.logError(
            "Unable to watch the preferences for changes made elsewhere: the store cannot be "
            "observed");
        return false;
    }
    const std::size_t slash = file.rfind('/');
    const std::string directory = slash == std::string::npos
                                      ? std::string(".")
                                      : (slash == 0 ? std::string("/") : file.substr(0, slash));
    fileName_ = slash == std::string::npos ? file : file.substr(slash + 1);
    inotifyFd_ = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    eventFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (inotifyFd_ < 0 || eventFd_ < 0 ||
        ::inotify_add_watch(inotifyFd_, directory.c_str(),
                            IN_MOVED_TO | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM) < 0) {
        const int error = errno;
        closeDescriptors();
        controller_.logError("Unable to watch " + directory +
                             " for changes made elsewhere: " + std::strerror(error));
        return false;
    }
    stopping_ = false;
    const int eventFd = eventFd_;
    store_->observe([this, eventFd](const ZUR::IObservableStore::Change& change) {
        {
            std::lock_guard<std::mutex> guard(queueMutex_);
            queue_.push_back(change);
        }
        wake(eventFd);
    });
    try {
        thread_ = std::thread([this] { run(); });
    } catch (...) {
        store_->observe(nullptr);
        closeDescriptors();
        controller_.logError("Unable to start the thread that watches for changes made elsewhere");
        return false;
    }
    controller_.logInfo("Watching " + file + " for changes made elsewhere");
    return true;
}

void ChangeWatcher::stop() {
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        stopping_ = true;  // from a callback: the thread ends when it returns
        return;
    }
    std::lock_guard<std::mutex> life(lifeMutex_);
    if (!thread_.joinable()) return;
    controller_.logInfo("Watching for changes made elsewhere stops");
    store_->observe(nullptr);  // no change is queued from here on
    stopping_ = true;
    wake(eventFd_);
    thread_.join();  // waits for an announcement in progress
    closeDescriptors();
    std::lock_guard<std::mutex> guard(queueMutex_);
    queue_.clear();
}

bool ChangeWatcher::drainInotify() {
    bool named = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(inotifyFd_, buffer, sizeof(buffer));
        if (n <= 0) return named;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((event->mask & IN_Q_OVERFLOW) != 0 || (event->len > 0 && fileName_ == event->name))
                named = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void ChangeWatcher::run() {
    bool pickUp = true;  // what was committed before the watch began
    while (!stopping_) {
        if (pickUp) store_->refresh();
        std::vector<ZUR::IObservableStore::Change> batch;
        {
            std::lock_guard<std::mutex> guard(queueMutex_);
            batch.assign(std::make_move_iterator(queue_.begin()), std::make_move_iterator(queue_.end()));
            queue_.clear();
        }
        if (!batch.empty()) announce(std::move(batch));
        if (stopping_) break;
        pollfd fds[2] = {{inotifyFd_, POLLIN, 0}, {eventFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            pickUp = false;
            continue;  // EINTR
        }
        std::uint64_t count = 0;
        if ((fds[1].revents & POLLIN) != 0) {
            while (::read(eventFd_, &count, sizeof(count)) > 0) {
            }
        }
        pickUp = (fds[0].revents & POLLIN) != 0 && drainInotify();
    }
}

namespace {
// The net difference between two flattened documents, secrets masked.
std::vector<PreferenceChange> difference(const ZUR::SettingsMap& before, const ZUR::SettingsMap& after) {
    std::vector<PreferenceChange> changes;
    const auto add = [&](const std::string& type, const std::string& key, const std::string& was,
                         const std::string& now) {
        if (isSecretKey(key)) {
            changes.push_back(
                {type, key, was.empty() ? was : kSecretMarker, now.empty() ? now : kSecretMarker});
        } else {
            changes.push_back({type, key, was, now});
        }
    };
    static const std::map<std::string, std::string> kNone;
    std::map<std::string, int> types;
    for (const auto& section : before) types[section.first];
    for (const auto& section : after) types[section.first];
    for (const auto& type : types) {
        const auto b = before.find(type.first);
        const auto a = after.find(type.first);
        const auto& was = b == before.end() ? kNone : b->second;
        const auto& now = a == after.end() ? kNone : a->second;
        auto i = was.begin();
        auto j = now.begin();
        while (i != was.end() || j != now.end()) {
            if (j == now.end() || (i != was.end() && i->first < j->first)) {
                add(type.first, i->first, i->second, std::string());
                ++i;
            } else if (i == was.end() || j->first < i->first) {
                add(type.first, j->first, std::string(), j->second);
                ++j;
            } else {
                if (i->second != j->second) add(type.first, i->first, i->second, j->second);
                ++i;
                ++j;
            }
        }
    }
    return changes;
}
}  // namespace

void ChangeWatcher::announce(std::vector<ZUR::IObservableStore::Change> batch) {
    // Each document is flattened once.
    std::map<const ZUR::IStoreSnapshot*, ZUR::SettingsMap> flat;
    const auto settingsOf =
        [&](const std::shared_ptr<const ZUR::IStoreSnapshot>& snapshot) -> const ZUR::SettingsMap& {
        auto found = flat.find(snapshot.get());
        if (found == flat.end()) found = flat.emplace(snapshot.get(), snapshot->settings()).first;
        return found->second;
    };
    try {
        // The preference callback: each run of changes made elsewhere, as one.
        for (std::size_t i = 0; i < batch.size();) {
            std::size_t end = i + 1;
            while (end < batch.size() && batch[end].origin == batch[i].origin) ++end;
            if (batch[i].origin == ZUR::IObservableStore::Origin::elsewhere) {
                const ZUR::SettingsMap& before = settingsOf(batch[i].before);
                const ZUR::SettingsMap& after = settingsOf(batch[end - 1].after);
                for (const Announced& row : kAnnounced) {
                    if (!differs(before, after, row)) continue;
                    try {
                        controller_.notify(
                            row.type, row.what + std::string(" was changed elsewhere (preference type ") +
                                          std::to_string(row.type) +
                                          "). Call to registered callback function for preference type " +
                                          std::to_string(row.type));
                    } catch (...) {
                        controller_.logError("The preference callback failed for preference type " +
                                             std::to_string(row.type));
                    }
                }
            }
            i = end;
        }
        ChangeListener listener;
        {
            std::lock_guard<std::mutex> guard(listenerMutex_);
            listener = listener_;
        }
        if (!listener) return;
        const std::vector<PreferenceChange> changes =
            difference(settingsOf(batch.front().before), settingsOf(batch.back().after));
        if (changes.empty()) return;
        try {
            listener(changes);
        } catch (...) {
            controller_.logError("The change listener failed");
        }
    } catch (const std::exception&) {
        controller_.logError("Unable to announce a change of the preferences");
    }
}

}  // namespace detail

bool KOVConfigController::startWatching() { return impl_->watcher->start(); }

void KOVConfigController::stopWatching() { impl_->watcher->stop(); }

void KOVConfigController::registerChangeListener(ChangeListener listener) {
    impl_->watcher->setListener(std::move(listener));
}

}  // namespace KOVL
