// Store access shapes shared by the controller's subsystems.
//
// Most getters differ only in where the value lives, what they answer when it
// cannot be read and what they log; each is one `Setting` row handed to one of
// the shapes below. Include only from the controller's own .cpp files.
#pragma once

#include <kovl/config/KOVConfigController.h>

#include <boost/thread/locks.hpp>
#include <string>
#include <type_traits>
#include <utility>

namespace KOVL {
namespace detail {

// One preference as a getter sees it: section type, key, fallback and the
// level-2 line logged when the fallback is taken (empty: no line).
template <class T>
struct Setting {
    std::string sectionType;
    std::string key;
    T fallback;
    std::string message;
};

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

// Runs `body` while holding the controller mutex and answers what it answers.
template <class F>
auto KOVConfigController::locked(F&& body) {
    boost::unique_lock<boost::mutex> lock(mutex);
    return std::forward<F>(body)();
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
    const auto write = [&] {
        if constexpr (std::is_same_v<T, bool>) {
            configStore->writeBool("type", setting.sectionType, setting.key, value);
        } else if constexpr (std::is_same_v<T, int>) {
            configStore->writeInt("type", setting.sectionType, setting.key, value);
        } else {
            configStore->writeString("type", setting.sectionType, setting.key, value);
        }
    };
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
