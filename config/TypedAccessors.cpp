// Generic typed accessors and bulk changes: the logging, the "already set"
// check, the time stamp and the result codes of every single-value setter.
#include <kovl/config/KOVConfigController.h>

#include <new>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {
const char* const kAlreadySetSuffix =
    " key is already set to same value. Hence not setting it again to same value";
const char* const kAddFailed = "Unable to add new settings in Config Controller";
const char* const kDeleteFailed = "Unable to delete settings from Config Controller";
}  // namespace

// The three throwing getters: log the row's line with the key, then 3004.
#define KOVL_THROWING_GETTER(Name, Result, Read)                                                             \
    Result KOVConfigController::Name(std::string sectionType, std::string key) {                             \
        try {                                                                                                \
            return static_cast<Result>(impl_->configStore->Read(sectionType, key));                          \
        } catch (...) {                                                                                      \
            impl_->logError("In " #Name " unable to get setting value in Config Controller for key " + key); \
            throw AMException(AM_INVALID_KEY, "Invalid key specified");                                      \
        }                                                                                                    \
    }

KOVL_THROWING_GETTER(getBooleanConfiguration, bool, readBool)
KOVL_THROWING_GETTER(getIntegerConfiguration, int, readInt)
KOVL_THROWING_GETTER(getScanActionConfiguration, ScanAction, readInt)
#undef KOVL_THROWING_GETTER

std::string KOVConfigController::getStringConfiguration(std::string sectionType, std::string key) {
    try {
        return impl_->configStore->readString(sectionType, key);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
        impl_->logError(
            "In getStringConfiguration unable to get setting value in Config Controller for key " + key);
        return "";
    }
}

AM_ERROR_CODES KOVConfigController::setBooleanConfiguration(std::string sectionType, std::string key,
                                                            bool value) {
    return impl_->compareWriteStamp(
        value, [&] { return getBooleanConfiguration(sectionType, key); },
        [&] { impl_->configStore->writeBool("type", sectionType, key, value); }, "",
        "In setBooleanConfiguration unable to set configuration value in Config Controller for key " + key);
}

AM_ERROR_CODES KOVConfigController::setIntegerConfiguration(std::string attrName, std::string sectionType,
                                                            std::string key, int value) {
    return impl_->compareWriteStamp(
        value, [&] { return getIntegerConfiguration(sectionType, key); },
        [&] { impl_->configStore->writeInt(attrName, sectionType, key, value); }, key + kAlreadySetSuffix,
        "Unable to set value in setIntegerConfiguration in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setStringConfiguration(std::string attrName, std::string sectionType,
                                                           std::string key, std::string value) {
    return impl_->compareWriteStamp(
        value, [&] { return getStringConfiguration(sectionType, key); },
        [&] { impl_->configStore->writeString(attrName, sectionType, key, value); }, key + kAlreadySetSuffix,
        "Unable to set value in setStringConfiguration in Config Controller");
}

AM_ERROR_CODES KOVConfigController::setScanActionConfiguration(std::string sectionType, std::string key,
                                                               ScanAction action) {
    return impl_->compareWriteStamp(
        action, [&] { return getScanActionConfiguration(sectionType, key); },
        [&] { impl_->configStore->writeInt("type", sectionType, key, static_cast<int>(action)); }, "",
        "In setScanActionConfiguration unable to set configuration value in Config Controller for key " +
            key);
}

AM_ERROR_CODES KOVConfigController::addSettings(ZUR::SettingsMap settings) {
    return impl_->locked([&] { return addInternalSettings(settings); });
}

AM_ERROR_CODES KOVConfigController::addInternalSettings(ZUR::SettingsMap settings) {
    try {
        const bool merged = impl_->configStore->mergeSettings(settings);
        detail::TransactionScope::onCommitFailure(kAddFailed);
        if (!merged) impl_->logError(kAddFailed);
        updateTimeStamp();
        return merged ? AM_SUCCESS : AM_STORE_FAILURE;
    } catch (...) {
        impl_->logError(kAddFailed);
        return AM_STORE_FAILURE;
    }
}

AM_ERROR_CODES KOVConfigController::delSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) {
    return impl_->locked([&] { return delInternalSettings(first, second); });
}

AM_ERROR_CODES KOVConfigController::delInternalSettings(ZUR::SettingsMap first, ZUR::SettingsMap second) {
    try {
        const bool removed = impl_->configStore->removeSettings(first, second);
        detail::TransactionScope::onCommitFailure(kDeleteFailed);
        if (!removed) impl_->logError(kDeleteFailed);
        updateTimeStamp();
        return removed ? AM_SUCCESS : AM_STORE_FAILURE;
    } catch (...) {
        impl_->logError("Unknown exception was caught while deleting settings from Config Controller");
        return AM_STORE_FAILURE;
    }
}

}  // namespace KOVL
