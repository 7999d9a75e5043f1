// kovconfig: the preference bootstrap.
//
// KOVConfigData makes sure the configuration store holds a complete set of
// preferences before the controller answers anything: it restores the
// preferences file from the shipped defaults when it is missing or unusable,
// hands the store its utility and loads the file completed by the defaults
// table. All work happens in the constructor, which throws a std::string with
// a fatal text (after logging it) when the store cannot be made usable.
// Not thread-safe during construction; afterwards it only shares the store.
#pragma once

#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <memory>
#include <string>
#include <vector>

namespace KOVL {

class KOVL_EXPORT IConfigurationData {
public:
    virtual ~IConfigurationData();
};

class KOVL_EXPORT KOVConfigData : public IConfigurationData {
public:
    KOVConfigData(ZUR::ILogger& logger, std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                  std::shared_ptr<ZUR::IConfigStore> store, PreferenceFiles files = PreferenceFiles());
    ~KOVConfigData() override;

    // Replaces the preferences file by the shipped defaults; false on any
    // failure. Through a store that offers preference files
    // (ZUR::IPreferenceFileStore) the replacement is atomic and durable and
    // never writes through a link; otherwise the file is copied over.
    bool copyDefaultPrefs();

    // File systems that on-access scanning excludes when the stored list
    // cannot be read. Every construction appends the built-in names again.
    // Constructions append under an internal lock; read it through
    // excludedFileSystems() while other threads may construct controllers.
    static std::vector<std::string> defExcludedFSForOAS;

    // A copy of defExcludedFSForOAS with each name once, in first-seen order.
    static std::vector<std::string> excludedFileSystems();

private:
    PreferenceFiles files_;
    std::shared_ptr<ZUR::IConfigStore> store_;  // restores the file when it offers preference files
};

}  // namespace KOVL
