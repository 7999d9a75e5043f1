// Controller frame: construction, management mode, running flags, callbacks,
// the update time stamp and the logging helpers every subsystem uses.
#include <kovl/config/KOVConfigController.h>
#include <kovl/config/KOVConfigData.h>

#include <boost/lexical_cast.hpp>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "config/ControllerImpl.h"

namespace KOVL {

IConfigController::~IConfigController() = default;

namespace detail {

boost::mutex& agentAdaptorMutex() {
    static boost::mutex mutex;
    return mutex;
}

// Constructed when the library is loaded, as the mutex it names.
const bool kAgentAdaptorMutexReady = (agentAdaptorMutex(), true);

ControllerImpl::ControllerImpl(KOVConfigController& self_, ZUR::ILogger& logger_,
                               std::shared_ptr<ZUR::IConfigStore> store, std::shared_ptr<ZUR::IZlySSL> ssl_,
                               std::shared_ptr<ZUR::IZURUtils> utils_)
    : self(self_),
      logger(logger_),
      configStore(std::move(store)),
      transactions(dynamic_cast<ZUR::ITransactionalStore*>(configStore.get())),
      ssl(std::move(ssl_)),
      utils(std::move(utils_)),
      watcher(std::make_unique<ChangeWatcher>(*this)) {}

}  // namespace detail

KOVConfigController::KOVConfigController(ZUR::ILogger& logger,
                                         std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                                         std::unique_ptr<ZUR::IConfigStore> store,
                                         std::shared_ptr<ZUR::IZlySSL> ssl,
                                         std::shared_ptr<ZUR::IZURUtils> utils, PreferenceFiles files)
    : impl_(std::make_unique<detail::ControllerImpl>(*this, logger, std::move(store), std::move(ssl),
                                                     std::move(utils))) {
    detail::ControllerImpl& d = *impl_;
    d.configData =
        std::make_unique<KOVConfigData>(logger, std::move(storeUtility), d.configStore, std::move(files));
    const oas_configuration* refreshed = getOASConfigurationData();
    if (refreshed != &d.oasConfig) d.oasConfig = *refreshed;
}

KOVConfigController::~KOVConfigController() {
    // The watch ends first: it waits for an announcement in progress.
    impl_->watcher->stop();
    // The bootstrap goes first, while the store, the logger and the mutex are
    // alive; the rest follows with the implementation object.
    impl_->configData.reset();
}

int KOVConfigController::getManagedMode() { return impl_->managedMode; }

void KOVConfigController::setManagedMode(int mode) {
    if (mode < 0 || mode > 2) return;
    impl_->locked([&] { impl_->managedMode = mode; });
}

bool KOVConfigController::isProductUnManaged() { return impl_->managedMode == 0; }

bool KOVConfigController::isOASRunning() { return impl_->oasRunning; }

void KOVConfigController::setOASRunning(bool running) {
    impl_->locked([&] { impl_->oasRunning = running; });
}

bool KOVConfigController::isUpdateRunning() { return impl_->updateRunning; }

void KOVConfigController::setUpdateRunning(bool running) {
    impl_->locked([&] { impl_->updateRunning = running; });
}

void KOVConfigController::registerCallBack(PrefCallback callback) { impl_->prefCallback = callback; }

void KOVConfigController::registerCallBackMap(PrefMapCallback callback) { impl_->prefMapCallback = callback; }

void KOVConfigController::setAgentAdaptor(TpAgentAdaptor* adaptor) {
    boost::unique_lock<boost::mutex> lock(detail::agentAdaptorMutex());
    impl_->agentAdaptor = adaptor;
}

int KOVConfigController::getTimeStamp() {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0) {
        const int error = errno;
        impl_->logError(std::string("Unable to get Epoch time from Config Controller due to error : ") +
                        std::strerror(error));
        return 0;
    }
    return boost::lexical_cast<int>(static_cast<long long>(now.tv_sec));
}

void KOVConfigController::updateTimeStamp() {
    impl_->configStore->writeInt("type", sections::kGlobal,
                                 KOVL_KEY("DNDGlobalSettings.LastUpdatedTimeStamp"), getTimeStamp());
}

namespace detail {

void ControllerImpl::logError(const std::string& message) {
    if (!TransactionScope::hold(logger, 2, componentName, message))
        logger.logMessage(2, componentName, message);
}

void ControllerImpl::logInfo(const std::string& message) {
    if (!TransactionScope::hold(logger, 6, componentName, message))
        logger.logMessage(6, componentName, message);
}

bool ControllerImpl::notify(KOVPrefType type, const std::string& line) {
    const PrefCallback callback = prefCallback;
    if (!callback) return false;
    logInfo(line);
    callback(type);
    return true;
}

std::string ControllerImpl::accessStringOr(const Setting<std::string>& setting) {
    std::string value = self.getStringConfiguration(setting.sectionType, setting.key);
    if (!value.empty()) return value;
    if (!setting.message.empty()) logError(setting.message);
    return setting.fallback;
}

namespace {
thread_local TransactionScope* openOnThisThread = nullptr;
}  // namespace

TransactionScope::TransactionScope() { openOnThisThread = this; }

TransactionScope::~TransactionScope() {
    openOnThisThread = nullptr;
    std::vector<Line> lines;
    lines.swap(lines_);
    for (Line& line : lines)
        line.logger->logMessage(line.level, std::move(line.component), std::move(line.message));
}

bool TransactionScope::hold(ZUR::ILogger& logger, int level, const std::string& component,
                            const std::string& message) {
    TransactionScope* scope = openOnThisThread;
    if (scope == nullptr) return false;
    scope->lines_.push_back({&logger, level, component, message});
    return true;
}

void TransactionScope::onCommitFailure(const std::string& line) {
    TransactionScope* scope = openOnThisThread;
    if (scope == nullptr || scope->declared_) return;
    scope->declared_ = true;
    scope->failureLine_ = line;
}

bool TransactionScope::failed(std::string& line) {
    lines_.clear();
    openOnThisThread = nullptr;  // what is logged from here on goes out at once
    line = failureLine_;
    return declared_;
}

}  // namespace detail

}  // namespace KOVL
