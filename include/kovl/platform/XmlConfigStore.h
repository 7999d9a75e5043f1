// kovconfig: the XML configuration store.
//
// ZUR::XmlConfigStore keeps the preferences in one XML file:
//
//   <preferences>
//     <DNDOASGlobalSettings type="51"> ... </DNDOASGlobalSettings>
//     <DNDOASProfile type="2"> ... </DNDOASProfile>
//   </preferences>
//
// A key "S.A.B" with section type T names A.B inside the child S of
// <preferences> whose attribute `type` is T; "<xmlattr>.X" components name
// attributes. A list is a node carrying a `delimiter` attribute whose value
// child holds all items joined with that delimiter.
//
// Thread safety: every operation may be called from many threads at once;
// reads run in parallel, changes are serialised.
// Processes: several processes may hold a store on the same file. Changes are
// made under an exclusive advisory lock on "<file>.lock" on the newest
// committed version, so no process's update is lost (a change waits for that
// lock at most the utility's lockWait, 10 s by default, then throws); a transaction
// (ITransactionalStore) makes a whole read-decide-write sequence one such
// change. Reads answer from memory; they notice another process's commit
// through a counter shared in the lock file, and an edit made by anything
// else within about half a second.
// Removing a list by naming it with the empty value keeps it when it holds
// items, so a caller acting on an older view cannot drop items added since.
// Durability: every commit writes "<file>.tmp" (mode 0600), fsyncs it, renames
// it over the file and fsyncs the directory. A change whose write fails is
// rolled back in memory and reported.
// Errors: reads throw std::runtime_error for a missing section, key or a value
// that does not convert (the texts name keys, never values); writes throw when
// nothing was written. A value XML cannot carry (a NUL or another control
// character but tab, line feed and carriage return, or bytes that are not
// UTF-8) is refused with std::invalid_argument.
#pragma once

#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ZUR {

// Store transactions: an extension a store may offer beside IConfigStore.
// A transaction belongs to the thread that begins it. From its first read or
// write until its end it holds the store's cross-process lock and sees the
// newest committed preferences; its reads see its own writes, other threads
// see none of them until the commit, and all its writes become one commit.
// Beginning again on the same thread joins the open transaction; only the
// outermost scope commits and ends it.
class KOVL_EXPORT ITransactionalStore {
public:
    virtual ~ITransactionalStore() = default;
    // Opens a transaction on this thread or joins the open one; true when it
    // opened one.
    virtual bool beginTransaction() = 0;
    // Commits the writes made since the transaction began, if any. Throws when
    // they cannot be written, or when one of them failed partway (for want of
    // memory): they are then dropped from memory and the transaction stays
    // open (and locked) until it ends.
    virtual void commitTransaction() = 0;
    // Leaves one scope; leaving the outermost drops writes not committed and
    // releases the lock.
    virtual void endTransaction() = 0;
};

// One scope of a transaction: begins in the constructor, ends in the
// destructor; commit() commits when this scope is the outermost one.
class StoreTransaction {
public:
    explicit StoreTransaction(ITransactionalStore& store)
        : store_(store), outermost_(store.beginTransaction()) {}
    ~StoreTransaction() { store_.endTransaction(); }
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    bool outermost() const { return outermost_; }
    void commit() {
        if (outermost_) store_.commitTransaction();
    }

private:
    ITransactionalStore& store_;
    const bool outermost_;
};

// Preference files: an extension a store may offer beside IConfigStore when it
// keeps the preferences in one file. The bootstrap judges that file and
// restores it from the shipped defaults through it, so that the decision to
// replace the file is made under the store's cross-process lock, on the file
// as it is at that moment, and a file another process restored meanwhile is
// left as it is.
class KOVL_EXPORT IPreferenceFileStore {
public:
    enum class FileState {
        missing,     // nothing at the path
        usable,      // read whole and well formed
        corrupt,     // read whole: empty, over the size limit or not a preferences file
        unreadable,  // not a regular file, or reading failed (permission, I/O)
    };
    struct Inspection {
        FileState state = FileState::missing;
        std::string version;  // identifies the version judged (opaque)
        std::string reason;   // why it is not usable; names no content
    };
    enum class Restored {
        replaced,         // kept aside if corrupt, then replaced by the shipped file
        foundRestored,    // the file was no longer as inspected: left as it is
        shippedUnusable,  // the shipped file is missing or does not load: nothing changed
        notKeptAside,     // a corrupt file could not be kept aside: nothing changed
    };

    virtual ~IPreferenceFileStore() = default;
    // Whether the effective user may trust `path`: it and its directory are
    // owned by that user and writable by nobody else. `reason` says why not.
    virtual bool trusted(const std::string& path, std::string& reason) = 0;
    // The file at `path` as it is now, judged with the store's limits.
    virtual Inspection inspect(const std::string& path) = 0;
    // Under the lock on `path`: when the file is still as `seen`, keeps it
    // aside if it is corrupt (never twice the same content, and only the
    // newest few copies) and replaces it atomically and durably by the
    // shipped file, which must itself load. Throws std::runtime_error naming
    // the step and the system error when the file could not be written.
    virtual Restored restore(const std::string& path, const std::string& shipped, const Inspection& seen) = 0;
    // Replaces `path` by the shipped file whatever is there, atomically and
    // durably, never writing through a link; false on any failure.
    virtual bool replaceWithShipped(const std::string& path, const std::string& shipped) = 0;
};

// Observing the store: an extension a store may offer beside IConfigStore.
// An observer hears of every document the store makes current after a load:
// its own commits (`local`) and the versions it picks up from the file
// because another process committed or something else replaced or edited the
// file (`elsewhere`). A version that does not load is never made current and
// never reported. Each change carries the documents before and after it as
// snapshots; consecutive changes chain (one's `after` is the next one's
// `before`). A snapshot holds a document that is never modified, so it may be
// kept and flattened later, on any thread.
//
// The observer runs on the thread that made the change, with the store's
// change mutex held: it must only queue the change and wake whoever handles
// it, never call the store. Without an observer the store does nothing more
// than before, and reads cost what they cost before.
class KOVL_EXPORT IStoreSnapshot {
public:
    virtual ~IStoreSnapshot() = default;
    // Every value of the document: section type -> flattened key -> text, as
    // IConfigStore::readAllSettings answers it.
    virtual SettingsMap settings() const = 0;
};

class KOVL_EXPORT IObservableStore {
public:
    enum class Origin { local, elsewhere };
    struct Change {
        std::shared_ptr<const IStoreSnapshot> before;
        std::shared_ptr<const IStoreSnapshot> after;
        Origin origin;
    };
    using Observer = std::function<void(const Change&)>;

    virtual ~IObservableStore() = default;
    // Replaces the observer (empty: none). Once it returns, the previous
    // observer is not running and is never called again.
    virtual void observe(Observer observer) = 0;
    // Picks up another process's commit or an outside edit now, waiting for
    // a change in progress in this process; never throws. A caller that
    // holds a transaction of this store must not call it.
    virtual void refresh() = 0;
    // The file whose replacement or edit refresh() picks up (empty before a load).
    virtual std::string watchedFile() = 0;
};

// Limits the store applies to the files it parses, and how long a change
// waits for the lock another process holds before it fails. Attaching a
// utility to a store replaces the limits it uses from then on.
class KOVL_EXPORT XmlConfigStoreUtility : public IConfigStoreUtility {
public:
    static constexpr std::chrono::milliseconds kDefaultLockWait{10000};

    XmlConfigStoreUtility() = default;
    // Throws std::invalid_argument for a zero size, a depth below 1 or a
    // negative wait.
    XmlConfigStoreUtility(std::size_t maxFileBytes, int maxDepth,
                          std::chrono::milliseconds lockWait = kDefaultLockWait);
    // With the default limits; the store logs to `logger` (component
    // "XmlConfigStore", level 2) why a change failed (the system error, never
    // a value) and a commit whose directory could not be synced. The logger
    // is borrowed and must outlive the store.
    explicit XmlConfigStoreUtility(ILogger& logger) : logger_(&logger) {}

    std::size_t maxFileBytes() const { return maxFileBytes_; }
    int maxDepth() const { return maxDepth_; }
    std::chrono::milliseconds lockWait() const { return lockWait_; }
    ILogger* logger() const { return logger_; }

private:
    std::size_t maxFileBytes_ = 16u * 1024u * 1024u;
    int maxDepth_ = 32;
    std::chrono::milliseconds lockWait_ = kDefaultLockWait;
    ILogger* logger_ = nullptr;
};

class KOVL_EXPORT XmlConfigStore : public IConfigStore,
                                   public ITransactionalStore,
                                   public IPreferenceFileStore,
                                   public IObservableStore {
public:
    XmlConfigStore();
    ~XmlConfigStore() override;
    XmlConfigStore(const XmlConfigStore&) = delete;
    XmlConfigStore& operator=(const XmlConfigStore&) = delete;

    bool readBool(std::string sectionType, std::string key) override;
    int readInt(std::string sectionType, std::string key) override;
    std::string readString(std::string sectionType, std::string key) override;
    bool keyExists(std::string sectionType, std::string key) override;
    void writeBool(std::string attrName, std::string sectionType, std::string key, bool value) override;
    void writeInt(std::string attrName, std::string sectionType, std::string key, int value) override;
    std::map<std::string, std::string> readAttributeMap(std::string key, std::string attrName) override;
    void writeString(std::string attrName, std::string sectionType, std::string key,
                     std::string value) override;
    bool mergeSettings(SettingsMap settings) override;
    bool removeSettings(SettingsMap first, SettingsMap second) override;
    void readDelimiter(std::string sectionType, std::string path, std::string& delimiter) override;
    void attachUtility(std::shared_ptr<IConfigStoreUtility> utility) override;
    bool loadPreferences(std::string path, SettingsMap defaults) override;
    bool readTypedSection(std::string sectionType, SettingsMap& nested,
                          std::map<std::string, std::string>& values) override;
    SettingsMap readAllSettings() override;

    bool beginTransaction() override;
    void commitTransaction() override;
    void endTransaction() override;

    bool trusted(const std::string& path, std::string& reason) override;
    Inspection inspect(const std::string& path) override;
    Restored restore(const std::string& path, const std::string& shipped, const Inspection& seen) override;
    bool replaceWithShipped(const std::string& path, const std::string& shipped) override;

    void observe(Observer observer) override;
    void refresh() override;
    std::string watchedFile() override;

    // Number of times this store has replaced the file.
    unsigned long commits() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ZUR
