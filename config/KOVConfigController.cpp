// Controller frame: construction, management mode, running flags, callbacks,
// the update time stamp and the logging helpers every subsystem uses.
#include <kovl/config/KOVConfigController.h>

#include <boost/lexical_cast.hpp>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "config/Access.h"

namespace KOVL {

boost::mutex KOVConfigController::m_agentAdaptorMutex;

IConfigController::~IConfigController() = default;

KOVConfigController::KOVConfigController(ZUR::ILogger& logger_,
                                         std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                                         std::unique_ptr<ZUR::IConfigStore> store,
                                         std::shared_ptr<ZUR::IZlySSL> ssl_,
                                         std::shared_ptr<ZUR::IZURUtils> utils_, PreferenceFiles files)
    : componentName("ConfigController"),
      logger(logger_),
      exclusionMode(3),
      folderExclusion(false),
      prefCallback(nullptr),
      prefMapCallback(nullptr),
      configData(nullptr),
      configStore(std::move(store)),
      ssl(std::move(ssl_)),
      utils(std::move(utils_)),
      oasConfig(),
      profileIndex(),
      zarnExclusionKeys(),
      managedMode(3),
      oasRunning(false),
      updateRunning(false),
      agentAdaptor(nullptr) {
    configData =
        std::make_unique<KOVConfigData>(logger, std::move(storeUtility), configStore, std::move(files));
    const oas_configuration* refreshed = getOASConfigurationData();
    if (refreshed != &oasConfig) oasConfig = *refreshed;
    zarnExclusionKeys = {
        "DNDOASProfile.ReadExclusionFiles.ZarnFile",
        "DNDOASProfile.ReadExclusionPaths.ZarnPath",
        "DNDOASProfile.ReadExclusionTypes.ZarnFileType",
        "DNDOASProfile.ReadExcludeFoldersAndSubFolders.ZarnFolder",
        "DNDOASProfile.WriteExclusionFiles.ZarnFile",
        "DNDOASProfile.WriteExclusionPaths.ZarnPath",
        "DNDOASProfile.WriteExclusionTypes.ZarnFileType",
        "DNDOASProfile.WriteExcludeFoldersAndSubFolders.ZarnFolder",
        "DNDOASProfile.ReadWriteExclusionFiles.ZarnFile",
        "DNDOASProfile.ReadWriteExclusionPaths.ZarnPath",
        "DNDOASProfile.ReadWriteExclusionTypes.ZarnFileType",
        "DNDOASProfile.ReadWriteExcludeFoldersAndSubFolders.ZarnFolder",
    };
}

KOVConfigController::~KOVConfigController() {
    // The bootstrap goes first, while the store, the logger and the mutex are
    // alive; the remaining members follow in reverse order of declaration.
    configData.reset();
}

int KOVConfigController::getManagedMode() { return managedMode; }

void KOVConfigController::setManagedMode(int mode) {
    if (mode < 0 || mode > 2) return;
    locked([&] { managedMode = mode; });
}

bool KOVConfigController::isProductUnManaged() { return managedMode == 0; }

bool KOVConfigController::isOASRunning() { return oasRunning; }

void KOVConfigController::setOASRunning(bool running) {
    locked([&] { oasRunning = running; });
}

bool KOVConfigController::isUpdateRunning() { return updateRunning; }

void KOVConfigController::setUpdateRunning(bool running) {
    locked([&] { updateRunning = running; });
}

void KOVConfigController::registerCallBack(PrefCallback callback) { prefCallback = callback; }

void KOVConfigController::registerCallBackMap(PrefMapCallback callback) { prefMapCallback = callback; }

void KOVConfigController::setAgentAdaptor(TpAgentAdaptor* adaptor) {
    boost::unique_lock<boost::mutex> lock(m_agentAdaptorMutex);
    agentAdaptor = adaptor;
}

int KOVConfigController::getTimeStamp() {
    timespec now{};
    if (clock_gettime(CLOCK_REALTIME, &now) != 0) {
        const int error = errno;
        logError(std::string("Unable to get Epoch time from Config Controller due to error : ") +
                 std::strerror(error));
        return 0;
    }
    return boost::lexical_cast<int>(static_cast<long long>(now.tv_sec));
}

void KOVConfigController::updateTimeStamp() {
    configStore->writeInt("type", "52", "DNDGlobalSettings.LastUpdatedTimeStamp", getTimeStamp());
}

void KOVConfigController::logError(const std::string& message) {
    if (!detail::HeldLog::hold(logger, 2, componentName, message))
        logger.logMessage(2, componentName, message);
}

void KOVConfigController::logInfo(const std::string& message) {
    if (!detail::HeldLog::hold(logger, 6, componentName, message))
        logger.logMessage(6, componentName, message);
}

namespace detail {

namespace {
thread_local HeldLog* heldByThisThread = nullptr;
}  // namespace

HeldLog::HeldLog() : outer_(heldByThisThread) { heldByThisThread = this; }

HeldLog::~HeldLog() {
    heldByThisThread = outer_;
    release();
}

void HeldLog::release() {
    std::vector<Line> lines;
    lines.swap(lines_);
    for (Line& line : lines)
        line.logger->logMessage(line.level, std::move(line.component), std::move(line.message));
}

void HeldLog::discard() { lines_.clear(); }

bool HeldLog::hold(ZUR::ILogger& logger, int level, const std::string& component,
                   const std::string& message) {
    HeldLog* held = heldByThisThread;
    if (held == nullptr) return false;
    held->lines_.push_back({&logger, level, component, message});
    return true;
}

}  // namespace detail

bool KOVConfigController::notify(KOVPrefType type, const std::string& line) {
    const PrefCallback callback = prefCallback;
    if (!callback) return false;
    logInfo(line);
    callback(type);
    return true;
}

std::string KOVConfigController::accessStringOr(const detail::Setting<std::string>& setting) {
    std::string value = getStringConfiguration(setting.sectionType, setting.key);
    if (!value.empty()) return value;
    if (!setting.message.empty()) logError(setting.message);
    return setting.fallback;
}

}  // namespace KOVL
