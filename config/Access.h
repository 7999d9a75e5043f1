// Store access shapes shared by the controller's subsystems.
//
// Most getters differ only in where the value lives, what they answer when it
// cannot be read and what they log; each is one `Setting` row handed to one of
// the shapes below. Include only from the controller's own .cpp files.
#pragma once

#include <kovl/config/KOVConfigController.h>
#include <kovl/platform/XmlConfigStore.h>

#include <boost/optional.hpp>
#include <boost/thread/locks.hpp>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

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
// The four-value form {sectionType, key, fallback, message} is only for keys
// the schema does not ship (the DAT release date and update time in
// content/ContentInformation.cpp, which exist once their setters wrote them).
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

// Rows for keys outside the schema are written as the four values.
static_assert(
    std::is_constructible_v<Setting<int>, const char*, const char*, int, const char*> &&
        std::is_constructible_v<Setting<std::string>, std::string, std::string, const char*, const char*>,
    "Setting{sectionType, key, fallback, message}");

}  // namespace detail

template <class T>
T KOVConfigController::readStore(const std::string& sectionType, const std::string& key) {
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
T KOVConfigController::readStore(const detail::Setting<T>& setting) {
    return readStore<T>(setting.sectionType, setting.key);
}

template <class T>
void KOVConfigController::writeStore(const detail::Setting<T>& setting, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        configStore->writeBool("type", setting.sectionType, setting.key, value);
    } else if constexpr (std::is_same_v<T, int>) {
        configStore->writeInt("type", setting.sectionType, setting.key, value);
    } else {
        static_assert(std::is_same_v<T, std::string>, "stored values are bool, int or text");
        configStore->writeString("type", setting.sectionType, setting.key, value);
    }
}

// Direct store read: the value, or the fallback after the row's message.
template <class T>
T KOVConfigController::readOr(const detail::Setting<T>& setting) {
    try {
        return readStore<T>(setting.sectionType, setting.key);
    } catch (...) {
        if (!setting.message.empty()) logError(setting.message);
        return setting.fallback;
    }
}

template <class T>
AM_ERROR_CODES KOVConfigController::readInto(const detail::Setting<T>& setting, T& out) {
    out = setting.fallback;
    try {
        out = readStore<T>(setting.sectionType, setting.key);
        return AM_SUCCESS;
    } catch (...) {
        logError(setting.message);
        return AM_STORE_FAILURE;
    }
}

// Read through the typed accessor, which logs its own line first and throws;
// the row's message follows and the fallback is answered.
template <class T>
T KOVConfigController::accessOr(const detail::Setting<T>& setting) {
    try {
        if constexpr (std::is_same_v<T, bool>) {
            return getBooleanConfiguration(setting.sectionType, setting.key);
        } else {
            static_assert(std::is_same_v<T, int>, "text goes through accessStringOr");
            return getIntegerConfiguration(setting.sectionType, setting.key);
        }
    } catch (...) {
        if (!setting.message.empty()) logError(setting.message);
        return setting.fallback;
    }
}

// Runs `body` while holding the controller mutex, in one store transaction,
// and answers what it answers.
template <class F>
auto KOVConfigController::locked(F&& body) {
    boost::unique_lock<boost::mutex> lock(mutex);
    return transacted(std::forward<F>(body));
}

namespace detail {

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

// Holds the log lines the calling thread writes through the controller while
// it lives; they are written out by release() or the destructor, or dropped
// by discard(). Scopes do not nest: the outermost transaction holds one.
class HeldLog {
public:
    HeldLog();
    ~HeldLog();
    HeldLog(const HeldLog&) = delete;
    HeldLog& operator=(const HeldLog&) = delete;

    void release();
    void discard();
    // Keeps the line when the calling thread holds a log; false otherwise.
    static bool hold(ZUR::ILogger& logger, int level, const std::string& component,
                     const std::string& message);

private:
    struct Line {
        ZUR::ILogger* logger;
        int level;
        std::string component;
        std::string message;
    };
    std::vector<Line> lines_;
    HeldLog* outer_;
};

}  // namespace detail

// Runs `body` as one store transaction when the store offers them, otherwise
// just runs it. Inside an open transaction of this thread it joins that one.
// The outermost scope commits once at the end: the body's reads and writes,
// across processes, are one atomic change. What the body wrote before it
// threw is committed too, as it would have been without a transaction.
// Should the commit fail, the memory is back as it was and the body runs
// again, still under the lock and on the same preferences, with every write
// failing as the commit did: the operation then answers its own failure code
// and logs its own failure line. The log lines of the first run are dropped,
// so bodies must have no effects besides the store and the log.
template <class F>
auto KOVConfigController::transacted(F&& body) -> decltype(body()) {
    using Result = decltype(body());
    auto* store = dynamic_cast<ZUR::ITransactionalStore*>(configStore.get());
    if (store == nullptr) return body();
    ZUR::StoreTransaction transaction(*store);
    if (!transaction.outermost()) return body();
    detail::HeldLog held;
    detail::Answer<Result> answer;
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
        held.discard();
        store->failWrites(std::current_exception());
        detail::Answer<Result> failed;
        failed.run(body);
        return failed.take();
    }
    return answer.take();
}

template <class T>
AM_ERROR_CODES KOVConfigController::setSetting(const detail::Setting<T>& setting, const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return setBooleanConfiguration(setting.sectionType, setting.key, value);
    } else if constexpr (std::is_same_v<T, int>) {
        return setIntegerConfiguration("type", setting.sectionType, setting.key, value);
    } else {
        return setStringConfiguration("type", setting.sectionType, setting.key, value);
    }
}

template <class T>
AM_ERROR_CODES KOVConfigController::lockedSet(const detail::Setting<T>& setting, const T& value) {
    return locked([&] { return setSetting(setting, value); });
}

template <class T>
AM_ERROR_CODES KOVConfigController::unlockedSet(const detail::Setting<T>& setting, const T& value) {
    return transacted([&] { return setSetting(setting, value); });
}

template <class T, class Current, class Write>
AM_ERROR_CODES KOVConfigController::compareWriteStamp(const T& value, Current&& current, Write&& write,
                                                      const std::string& alreadySet,
                                                      const std::string& failure) {
    try {
        if (current() == value) {
            if (!alreadySet.empty()) logInfo(alreadySet);
            return AM_ALREADY_SET;
        }
        write();
        updateTimeStamp();
        return AM_SUCCESS;
    } catch (...) {
        logError(failure);
        return AM_STORE_FAILURE;
    }
}

namespace detail {
// What the controller asks of the agent adaptor: mode 2 seals local secrets
// (the proxy password), mode 3 opens values of the management server, which
// carry the marker in front of their sealed text.
constexpr int kLocalSecretMode = 2;
constexpr int kServerValueMode = 3;
constexpr const char* kSealedMarker = "ZARNAES128:";
}  // namespace detail

// Setters that write the store directly and stamp nothing: compare with
// `current()`, answer 3018 after `alreadySet` (level 6) when equal, otherwise
// write the row (under the controller mutex when `lockWrite`; callers that
// hold it pass false) and answer 3001; any failure logs `failure` and answers 3025.
template <class T, class Current>
AM_ERROR_CODES KOVConfigController::compareWrite(const detail::Setting<T>& setting, const T& value,
                                                 Current&& current, bool lockWrite,
                                                 const std::string& alreadySet, const std::string& failure) {
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
        }
        return AM_SUCCESS;
    } catch (...) {
        logError(failure);
        return AM_STORE_FAILURE;
    }
}

}  // namespace KOVL
