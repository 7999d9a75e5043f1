// Store access shapes shared by the controller's subsystems.
//
// Most getters differ only in where the value lives, what they answer when it
// cannot be read and what they log; each is one `Setting` row handed to one of
// the shapes below. Include only from the controller's own .cpp files.
#pragma once

#include <kovl/config/KOVConfigController.h>

#include <boost/thread/locks.hpp>
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

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
// The four-value form {sectionType, key, fallback, message} is still accepted.
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
        static_assert(schema::Entry<I>::row.kind == schema::kindOf<T>(), "the schema stores another type");
    }

    template <std::size_t I>
    Setting(schema::Entry<I> entry, PROFILE_CODE code, std::string message_)
        : Setting(profileSectionType(code), entry.row.key, schema::defaultOf<T>(entry.row),
                  std::move(message_)) {
        static_assert(schema::Entry<I>::perProfile, "only a profile's key takes a profile code");
        static_assert(schema::Entry<I>::row.kind == schema::kindOf<T>(), "the schema stores another type");
    }
};

// Rows written as the four values stay valid.
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

}  // namespace KOVL
