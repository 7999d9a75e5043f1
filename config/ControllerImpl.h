// kovconfig: the controller's implementation object (private).
//
// KOVConfigController keeps everything but its interface here: the state its
// operations share, the controller mutex, the store and the shapes of store
// access that every subsystem's getters and setters are written with. Most
// getters differ only in where the value lives, what they answer when it
// cannot be read and what they log; each is one `Setting` row handed to one of
// the shapes below. Include only from the library's own .cpp files.
//
// Calling sequence of a change: `locked(body)` takes the controller mutex and
// runs `body` once as one store transaction (`transacted`); the writes the
// body makes are committed together when it returns. A write names, through
// TransactionScope::onCommitFailure, the line the operation logs should that
// commit fail (it then answers 3025): the generic setters' shapes do it for
// their rows, and a body that writes the store directly declares its own line
// first (directWrites). A commit failure with nothing declared is thrown to
// the caller of `locked`.
#pragma once

#include <kovl/config/KOVConfigController.h>
#include <kovl/config/KOVConfigData.h>
#include <kovl/platform/XmlConfigStore.h>

#include <atomic>
#include <boost/optional.hpp>
#include <boost/thread/exceptions.hpp>
#include <boost/thread/mutex.hpp>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "config/ChangeWatcher.h"
#include "config/Schema.h"

namespace KOVL {
namespace detail {

// One preference as a getter or setter sees it: section type, key, the
// fallback answered when it cannot be read and the level-2 line logged then
// (empty: no line).
//
// A row names its preference from the schema table and adds only what it
// adds; the section type and key come from the table, and the fallback is the
// schema default unless the row gives one that differs on purpose:
//   Setting<int>  kLevel{KOVL_PREF("DNDClientLogging.LogLevelForOAS"), "Unable to ..."};
//   Setting<bool> kFirst{KOVL_PREF("DNDGlobalSettings.IsPostDeploymentStartUp"), false, "Unable to ..."};
//   Setting<int>  kMode{KOVL_PREF("DNDOASProfile.ScanMode"), code, "Unable to ..."};  // one profile's key
// A text row may name a number or flag key: it reads the stored text.
// The four-value form {sectionType, key, fallback, message} is only for a key
// composed at run time (an exclusion list's key in exclusions/ExclusionLists.cpp,
// which exclusions/ExclusionKeys.h checks against the schema).
template <class T>
struct Setting {
    std::string sectionType;
    std::string key;
    T fallback;
    std::string message;

    Setting(std::string sectionType_, std::string key_, T fallback_, std::string message_)
        : sectionType(std::move(sectionType_)),
          key(std::move(key_)),
          fallback(std::move(fallback_)),
          message(std::move(message_)) {}

    template <std::size_t I>
    Setting(schema::Entry<I> entry, std::string message_ = std::string())
        : Setting(entry, schema::defaultOf<T>(entry.row), std::move(message_)) {}

    template <std::size_t I>
    Setting(schema::Entry<I> entry, T fallback_, std::string message_)
        : Setting(entry.row.sectionType, entry.row.key, std::move(fallback_), std::move(message_)) {
        static_assert(!schema::Entry<I>::perProfile, "a profile's key needs the profile code");
        static_assert(schema::readsAs<T>(schema::Entry<I>::row.kind), "the schema stores another type");
    }

    template <std::size_t I>
    Setting(schema::Entry<I> entry, PROFILE_CODE code, std::string message_)
        : Setting(profileSectionType(code), entry.row.key, schema::defaultOf<T>(entry.row),
                  std::move(message_)) {
        static_assert(schema::Entry<I>::perProfile, "only a profile's key takes a profile code");
        static_assert(schema::readsAs<T>(schema::Entry<I>::row.kind), "the schema stores another type");
    }
};

// Rows for keys composed at run time are written as the four values.
static_assert(
    std::is_constructible_v<Setting<int>, const char*, const char*, int, const char*> &&
        std::is_constructible_v<Setting<std::string>, std::string, std::string, const char*, const char*>,
    "Setting{sectionType, key, fallback, message}");

// The controller mutex: non-recursive, and it knows its holder, so that a
// thread that already holds it and asks again gets boost::lock_error
// (resource_deadlock_would_occur) instead of waiting for itself forever.
class ControllerMutex {
public:
    void lock() {
        if (heldByThisThread()) {
            throw boost::lock_error(static_cast<int>(boost::system::errc::resource_deadlock_would_occur),
                                    "the controller mutex is already held by this thread");
        }
        mutex_.lock();
        holder_.store(std::this_thread::get_id(), std::memory_order_relaxed);
    }
    void unlock() {
        holder_.store(std::thread::id(), std::memory_order_relaxed);
        mutex_.unlock();
    }
    // Only the holder itself ever finds its own id here.
    bool heldByThisThread() const {
        return holder_.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }

private:
    boost::mutex mutex_;
    std::atomic<std::thread::id> holder_{};
};

// The outermost store transaction of the calling thread, as the controller
// sees it: the log lines written while it is open (written out when it ends,
// dropped when its commit fails) and the line the operation logs should the
// commit fail. Scopes do not nest.
class TransactionScope {
public:
    TransactionScope();
    ~TransactionScope();
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    // Keeps the line when the calling thread has a scope open; false otherwise.
    static bool hold(ZUR::ILogger& logger, int level, const std::string& component,
                     const std::string& message);
    // Names the level-2 line of the operation should the commit fail (the
    // operation then answers AM_STORE_FAILURE); the first declaration of a
    // scope stands. Outside a scope (a store without transactions writes at
    // once) it does nothing.
    static void onCommitFailure(const std::string& line);

    // Drops the held lines; answers whether a failure was declared, and its line.
    bool failed(std::string& line);

private:
    struct Line {
        ZUR::ILogger* logger;
        int level;
        std::string component;
        std::string message;
    };
    std::vector<Line> lines_;
    bool declared_ = false;
    std::string failureLine_;
};

// What a body answered, void included.
template <class R>
struct Answer {
    template <class F>
    void run(F& body) {
        value.emplace(body());
    }
    R take() { return std::move(*value); }
    boost::optional<R> value;
};
template <>
struct Answer<void> {
    template <class F>
    void run(F& body) {
        body();
    }
    void take() {}
};

// Whether a body's answer is a result code the declared failure can stand for.
template <class R>
constexpr bool kAnswersCode = std::is_same_v<R, int> || std::is_same_v<R, AM_ERROR_CODES>;

// What the controller asks of the agent adaptor: mode 2 seals local secrets
// (the proxy password), mode 3 opens values of the management server, which
// carry the marker in front of their sealed text.
constexpr int kLocalSecretMode = 2;
constexpr int kServerValueMode = 3;
constexpr const char* kSealedMarker = "ZARNAES128:";

// The process-wide mutex that guards every controller's agent adaptor.
boost::mutex& agentAdaptorMutex();

class ControllerImpl {
public:
    ControllerImpl(KOVConfigController& self, ZUR::ILogger& logger, std::shared_ptr<ZUR::IConfigStore> store,
                   std::shared_ptr<ZUR::IZlySSL> ssl, std::shared_ptr<ZUR::IZURUtils> utils);

    // The controller, through which overridable operations are called.
    KOVConfigController& self;

    const std::string componentName = "ConfigController";
    ZUR::ILogger& logger;
    int exclusionMode = 3;         // under the mutex: the command-line configuration's scan mode
    bool folderExclusion = false;  // and its folder-versus-path choice
    std::atomic<PrefCallback> prefCallback{nullptr};
    std::atomic<PrefMapCallback> prefMapCallback{nullptr};
    std::unique_ptr<IConfigurationData> configData;
    std::shared_ptr<ZUR::IConfigStore> configStore;
    ZUR::ITransactionalStore* transactions;  // the store's transactions, if it offers them
    std::shared_ptr<ZUR::IZlySSL> ssl;
    std::shared_ptr<ZUR::IZURUtils> utils;
    oas_configuration oasConfig;
    std::atomic<int> managedMode{3};
    std::atomic<bool> oasRunning{false};
    std::atomic<bool> updateRunning{false};
    TpAgentAdaptor* agentAdaptor = nullptr;  // guarded by agentAdaptorMutex()
    ControllerMutex mutex;
    // The watch for changes made elsewhere (config/ChangeWatcher.h): idle,
    // without thread or descriptor, until startWatching.
    std::unique_ptr<ChangeWatcher> watcher;

    // ---- logging and notification -----------------------------------------
    void logError(const std::string& message);
    void logInfo(const std::string& message);
    // Calls the preference callback (if any) after logging `line`; answers
    // whether one was registered.
    bool notify(KOVPrefType type, const std::string& line);

    // ---- reads ------------------------------------------------------------
    template <class T>
    T readStore(const std::string& sectionType, const std::string& key);
    // Raw read and write of one row: no lock, no line, store errors let out.
    template <class T>
    T readStore(const Setting<T>& setting) {
        return readStore<T>(setting.sectionType, setting.key);
    }
    template <class T>
    void writeStore(const Setting<T>& setting, const T& value);
    // Direct store read: the value, or the fallback after the row's message.
    template <class T>
    T readOr(const Setting<T>& setting);
    // Read through the typed accessor, which logs its own line first and
    // throws; the row's message follows and the fallback is answered.
    template <class T>
    T accessOr(const Setting<T>& setting);
    std::string accessStringOr(const Setting<std::string>& setting);
    // Out-parameter read: presets `out` to the fallback, reads it directly and
    // answers 3001, or logs the row's message and answers 3025.
    template <class T>
    AM_ERROR_CODES readInto(const Setting<T>& setting, T& out);
    // Reads a delimited list; trims the text first when asked. Throws on failure.
    std::vector<std::string> readList(const std::string& sectionType, const std::string& key,
                                      const std::string& delimiterPath, bool trimText);
    // readList that answers the row's fallback after its message on failure.
    std::vector<std::string> listOr(const Setting<std::vector<std::string>>& setting,
                                    const std::string& delimiterPath, bool trimText);

    // ---- changes ----------------------------------------------------------
    // Runs `body` while holding the controller mutex, in one store
    // transaction, and answers what it answers.
    template <class F>
    auto locked(F&& body) -> decltype(body());
    // Runs `body` once as one store transaction when the store offers them,
    // otherwise just runs it; inside an open transaction of this thread it
    // joins that one. The outermost scope commits once at the end: the
    // body's reads and writes, across processes, are one atomic change. What
    // the body wrote before it threw is committed too, as it would have been
    // without a transaction. Should the commit fail, the memory is back as
    // it was, the lines the body logged are dropped and the line the body
    // declared is logged and 3025 answered (void bodies answer nothing); with
    // none declared the commit's exception is thrown.
    template <class F>
    auto transacted(F&& body) -> decltype(body());
    // The generic setter of the row's type, without and with the controller mutex.
    template <class T>
    AM_ERROR_CODES setSetting(const Setting<T>& setting, const T& value);
    template <class T>
    AM_ERROR_CODES lockedSet(const Setting<T>& setting, const T& value) {
        return locked([&] { return setSetting(setting, value); });
    }
    template <class T>
    AM_ERROR_CODES unlockedSet(const Setting<T>& setting, const T& value) {
        return transacted([&] { return setSetting(setting, value); });
    }
    // The generic setters' pattern: compare, write when different, stamp.
    // An empty `alreadySet` logs nothing on 3018.
    template <class T, class Current, class Write>
    AM_ERROR_CODES compareWriteStamp(const T& value, Current&& current, Write&& write,
                                     const std::string& alreadySet, const std::string& failure);
    // Setters that write the store directly and stamp nothing: compare with
    // `current()`, answer 3018 after `alreadySet` (level 6) when equal,
    // otherwise write the row (under the controller mutex when `lockWrite`;
    // callers that hold it pass false) and answer 3001; any failure logs
    // `failure` and answers 3025.
    template <class T, class Current>
    AM_ERROR_CODES compareWrite(const Setting<T>& setting, const T& value, Current&& current, bool lockWrite,
                                const std::string& alreadySet, const std::string& failure);
    // A body's writes to the store outside the shapes above: declares
    // `failure` as the commit-failure line first, then runs `writes` and
    // answers 3001; anything `writes` throws logs `failure` and answers 3025.
    template <class Writes>
    AM_ERROR_CODES directWrites(const std::string& failure, Writes&& writes);
};

template <class T>
T ControllerImpl::readStore(const std::string& sectionType, const std::string& key) {
    if constexpr (std::is_same_v<T, bool>) {
        return configStore->readBool(sectionType, key);
    } else if constexpr (std::is_same_v<T, int>) {
        return configStore->readInt(sectionType, key);
    } else {
        static_assert(std::is_same_v<T, std::string>, "stored values are bool, int or text");
        return configStore->readString(sectionType, key);
    }
}

template <class T>
void ControllerImpl::writeStore(const Setting<T>& setting, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        configStore->writeBool("type", setting.sectionType, setting.key, value);
    } else if constexpr (std::is_same_v<T, int>) {
        configStore->writeInt("type", setting.sectionType, setting.key, value);
    } else {
        static_assert(std::is_same_v<T, std::string>, "stored values are bool, int or text");
        configStore->writeString("type", setting.sectionType, setting.key, value);
    }
}

template <class T>
T ControllerImpl::readOr(const Setting<T>& setting) {
    try {
        return readStore(setting);
    } catch (...) {
        if (!setting.message.empty()) logError(setting.message);
        return setting.fallback;
    }
}

template <class T>
AM_ERROR_CODES ControllerImpl::readInto(const Setting<T>& setting, T& out) {
    out = setting.fallback;
    try {
        out = readStore(setting);
        return AM_SUCCESS;
    } catch (...) {
        logError(setting.message);
        return AM_STORE_FAILURE;
    }
}

template <class T>
T ControllerImpl::accessOr(const Setting<T>& setting) {
    try {
        if constexpr (std::is_same_v<T, bool>) {
            return self.getBooleanConfiguration(setting.sectionType, setting.key);
        } else {
            static_assert(std::is_same_v<T, int>, "text goes through accessStringOr");
            return self.getIntegerConfiguration(setting.sectionType, setting.key);
        }
    } catch (...) {
        if (!setting.message.empty()) logError(setting.message);
        return setting.fallback;
    }
}

template <class F>
auto ControllerImpl::locked(F&& body) -> decltype(body()) {
    std::lock_guard<ControllerMutex> lock(mutex);
    return transacted(std::forward<F>(body));
}

template <class F>
auto ControllerImpl::transacted(F&& body) -> decltype(body()) {
    using Result = decltype(body());
    if (transactions == nullptr) return body();
    ZUR::StoreTransaction transaction(*transactions);
    if (!transaction.outermost()) return body();
    TransactionScope scope;
    Answer<Result> answer;
    try {
        answer.run(body);
    } catch (...) {
        try {
            transaction.commit();
        } catch (...) {
        }
        throw;
    }
    try {
        transaction.commit();
    } catch (...) {
        std::string line;
        const bool declared = scope.failed(line);
        if constexpr (std::is_void_v<Result> || kAnswersCode<Result>) {
            if (!declared) throw;
            logError(line);
            return static_cast<Result>(AM_STORE_FAILURE);
        } else {
            throw;
        }
    }
    return answer.take();
}

template <class T>
AM_ERROR_CODES ControllerImpl::setSetting(const Setting<T>& setting, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return self.setBooleanConfiguration(setting.sectionType, setting.key, value);
    } else if constexpr (std::is_same_v<T, int>) {
        return self.setIntegerConfiguration("type", setting.sectionType, setting.key, value);
    } else {
        return self.setStringConfiguration("type", setting.sectionType, setting.key, value);
    }
}

template <class T, class Current, class Write>
AM_ERROR_CODES ControllerImpl::compareWriteStamp(const T& value, Current&& current, Write&& write,
                                                 const std::string& alreadySet, const std::string& failure) {
    try {
        if (current() == value) {
            if (!alreadySet.empty()) logInfo(alreadySet);
            return AM_ALREADY_SET;
        }
        write();
        TransactionScope::onCommitFailure(failure);
        self.updateTimeStamp();
        return AM_SUCCESS;
    } catch (...) {
        logError(failure);
        return AM_STORE_FAILURE;
    }
}

template <class T, class Current>
AM_ERROR_CODES ControllerImpl::compareWrite(const Setting<T>& setting, const T& value, Current&& current,
                                            bool lockWrite, const std::string& alreadySet,
                                            const std::string& failure) {
    const auto write = [&] { writeStore(setting, value); };
    try {
        if (current() == value) {
            logInfo(alreadySet);
            return AM_ALREADY_SET;
        }
        if (lockWrite) {
            locked(write);
        } else {
            write();
            TransactionScope::onCommitFailure(failure);
        }
        return AM_SUCCESS;
    } catch (...) {
        logError(failure);
        return AM_STORE_FAILURE;
    }
}

template <class Writes>
AM_ERROR_CODES ControllerImpl::directWrites(const std::string& failure, Writes&& writes) {
    try {
        TransactionScope::onCommitFailure(failure);
        writes();
        return AM_SUCCESS;
    } catch (...) {
        logError(failure);
        return AM_STORE_FAILURE;
    }
}

}  // namespace detail
}  // namespace KOVL
