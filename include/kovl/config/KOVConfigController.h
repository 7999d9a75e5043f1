// kovconfig: the configuration controller.
//
// KOVConfigController implements IConfigController over a configuration store.
// Construction bootstraps the preferences file (see KOVConfigData) and reads
// the whole on-access configuration once; what it may throw, and what every
// other operation may throw, is listed once in IConfigController.h. No
// partial object is left.
//
// Design: this header is only the interface. The state, the controller mutex
// and the helpers every subsystem shares live in the library, in one
// implementation object behind `impl_`, so an internal change never changes
// this header or the library's binary interface. The interface's operations
// are declared here by IConfigControllerOverrides.inc, which the build writes
// from IConfigController.h and installs beside it. A host may subclass the
// controller and override any virtual operation; the controller calls its own
// overridable operations virtually, so an override is seen everywhere.
//
// Ownership: the store and the store utility pass to the controller (the
// utility on to the store); the SSL service and the platform utilities are
// shared; the logger is borrowed and must outlive the controller; the agent
// adaptor is borrowed and not owned.
//
// Threads: the operations may be called from any thread, with the locking
// stated in IConfigController.h; the record getOASConfigurationData returns is
// rewritten by every refresh. Single-value getters take no lock. Setters
// serialise on one non-recursive controller mutex; callbacks are called after
// it has been released, so a callback may call back into the controller. The
// typed accessors, the *Internal bulk operations, the delimited-list helpers,
// setScanMode and setScanFileTypes below take no lock: they are for code that
// already holds the mutex, or that accepts racing writers. The agent adaptor
// is guarded by a process-wide mutex; no operation holds both.
#pragma once

#include <kovl/config/ChangeNotices.h>
#include <kovl/config/IConfigController.h>
#include <kovl/config/TpAgentAdaptor.h>
#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace KOVL {

namespace detail {
class ControllerImpl;
}

class KOVL_EXPORT KOVConfigController : public IConfigController {
public:
    KOVConfigController(ZUR::ILogger& logger, std::unique_ptr<ZUR::IConfigStoreUtility> storeUtility,
                        std::unique_ptr<ZUR::IConfigStore> store, std::shared_ptr<ZUR::IZlySSL> ssl,
                        std::shared_ptr<ZUR::IZURUtils> utils, PreferenceFiles files = PreferenceFiles());
    ~KOVConfigController() override;
    KOVConfigController(const KOVConfigController&) = delete;
    KOVConfigController& operator=(const KOVConfigController&) = delete;

    // Every operation of IConfigController, declared `override` in the
    // interface's order. The list is generated from IConfigController.h when
    // the library is configured, so an operation is declared by hand once, in
    // the interface, with its contract.
#include <kovl/config/IConfigControllerOverrides.inc>

    // ---- Beside the fixed interface ---------------------------------------
    // Engine version for incremental updates; `version` keeps its content when
    // the read fails (3025).
    int getIncrementalUpdateEngineVersion(std::string& version);
    // Any delimited list by section type and key; an empty value gives one empty item.
    std::vector<std::string> getExclusion(std::string type, std::string key);
    // Removes one item from one exclusion list; no lock (the writer holds it).
    int deleteExclusionList(PROFILE_CODE profile, std::string key, std::string item);

    // Agent adaptor (not owned); stored under the process-wide adaptor mutex.
    void setAgentAdaptor(TpAgentAdaptor* adaptor);
    // Whole seconds since the epoch; throws boost::bad_lexical_cast past 2038.
    int getTimeStamp();
    // Writes getTimeStamp() to "DNDGlobalSettings.LastUpdatedTimeStamp"; throws on failure.
    void updateTimeStamp();

    // Generic typed accessors. No lock; the Boolean, Integer and ScanAction
    // getters throw AMException(AM_INVALID_KEY) when the value cannot be read.
    bool getBooleanConfiguration(std::string sectionType, std::string key);
    int getIntegerConfiguration(std::string sectionType, std::string key);
    ScanAction getScanActionConfiguration(std::string sectionType, std::string key);
    std::string getStringConfiguration(std::string sectionType, std::string key);
    AM_ERROR_CODES setBooleanConfiguration(std::string sectionType, std::string key, bool value);
    AM_ERROR_CODES setIntegerConfiguration(std::string attrName, std::string sectionType, std::string key,
                                           int value);
    AM_ERROR_CODES setStringConfiguration(std::string attrName, std::string sectionType, std::string key,
                                          std::string value);
    AM_ERROR_CODES setScanActionConfiguration(std::string sectionType, std::string key, ScanAction action);
    AM_ERROR_CODES addInternalSettings(ZUR::SettingsMap settings);
    AM_ERROR_CODES delInternalSettings(ZUR::SettingsMap first, ZUR::SettingsMap second);

    // Delimited lists. No lock; getDelimiter lets readDelimiter's failure out.
    std::string getDelimiter(std::string sectionType, std::string key);
    std::string getValueWithDelimiter(std::string sectionType, std::string key,
                                      std::vector<std::string> items);
    using IConfigController::getValueWithDelimiter;

    // On-access profile reading. readOASProfileDataFromConfigStore takes no lock
    // and lets boost::bad_lexical_cast out for a stored value that is not a
    // number. The two switches read directly (fallback: schema) and are set
    // under the mutex with G's codes and lines of their own.
    void readOASProfileDataFromConfigStore(PROFILE_CODE code, oas_profile& record);
    bool getOASMultipleProfilesEnabled();
    int setMultipleProfilesEnabled(bool enable);
    int getScanManagerThreads();
    int setScanManagerThreads(int threads);

    // Scan mode and file types; no lock (callers hold the controller mutex).
    // A profile text that is not a number throws boost::bad_lexical_cast.
    int setScanMode(std::string profile, ScanMode mode);
    int setScanFileTypes(std::string profile, FileTypesForScan types);

    // ---- Hearing changes made elsewhere -----------------------------------
    // These members are our own, beside the fixed interface.
    //
    // Without startWatching the controller hears only its own changes, as
    // before: no thread, no descriptor, nothing else done. startWatching
    // (false, after a level-2 line, when the store cannot be observed or the
    // descriptors cannot be had) starts one thread that sleeps in poll() on
    // an inotify watch of the preferences file's directory (the file renamed
    // into place, written, created or deleted) and an eventfd that this
    // process's own commits and stopWatching write to; it never polls on a
    // timer, so an idle watch costs no CPU. On a wake-up it picks up the
    // newest committed version (a version that does not load is skipped and
    // the last good one stays), then announces what changed since its last
    // announcement:
    //  - the preference callback (registerCallBack), for changes made by
    //    another process or an outside edit only, once per wake-up for each
    //    of OAS status (PREF_OAS_STATUS), maximum scan timeout
    //    (PREF_OAS_MAX_SCAN_TIMEOUT), process settings (PREF_OAS_PROC_SETTINGS)
    //    and quarantine directory (PREF_QUARANTINE_DIR) whose value differs,
    //    each after a level-6 line naming the preference type and saying the
    //    change came from elsewhere. This process's own changes are announced
    //    by its setters, as before, and never a second time;
    //  - then the change listener, for changes from anywhere (this process's
    //    too), with the net difference since the previous call: several
    //    commits between two wake-ups come as one list in which every key that
    //    differs appears once, with its newest value; secrets masked.
    // Both run on the watching thread with no controller mutex held, so they
    // may call back into the controller; what they throw is logged (level 2)
    // and dropped. stopWatching and the destructor wait for an announcement
    // in progress to return, and none runs after they return; neither may be
    // called from a callback or listener (stopWatching from there only asks
    // the thread to end). A subclass whose overrides a callback may reach
    // calls stopWatching in its own destructor. Why inotify and an eventfd
    // rather than a futex on the shared commit counter: an editor's rename,
    // or a writer that dies between its rename and the bump, never moves the
    // counter, and a futex wait on the shared mapping wakes on nothing else,
    // so the directory watch is needed anyway and alone covers every writer.
    bool startWatching();
    void stopWatching();
    // Replaces the change listener (empty: none); takes effect at the next
    // announcement.
    void registerChangeListener(ChangeListener listener);

private:
    // Everything else: the state, the controller mutex and the helpers live in
    // the library (config/ControllerImpl.h), so that none of it is part of
    // this header or of the library's binary interface.
    std::unique_ptr<detail::ControllerImpl> impl_;
};

}  // namespace KOVL
