// kovconfig: the XML configuration store.
//
// Layers, each using only those below it:
//   store/FileLock, store/DurableFile  the lock file, bounded reads, durable
//                                      replacement, keeping a file aside
//   store/Document, store/DocumentRules
//                                      the parsed preferences and how keys,
//                                      values, lists and defaults apply to them
//   store/CommitCounter, store/DocumentCache, store/PreferenceFileGuard
//                                      the commit counter shared between
//                                      processes; the document readers see;
//                                      who may change the file, and whether
//                                      it is corrupt
//   this file                          loading, noticing other processes'
//                                      commits, changes and transactions, and
//                                      the bootstrap's file operations
//
// Design.
// What is locked when:
//  - `changeMutex` serialises, within the process, loads, changes, reloads and
//    transactions; a transaction holds it from its begin to its end.
//  - The flock on "<file>.lock" serialises commits between processes. A plain
//    change holds it for one read-modify-commit; a transaction takes it at its
//    first read or write and keeps it to its end, so everything it read is
//    still current when it commits.
//  - the cache's lock only guards the pointer to the current document, which is
//    never modified once installed: a commit builds the next document on a
//    copy (sharing every section it does not change, see Document), writes
//    the file and swaps the pointer in under a short exclusive hold, so
//    readers never wait for a disk write and a failed write leaves the
//    current document untouched (DocumentCache).
// What a reader trusts: the document in memory, as long as the commit counter
// in the first eight bytes of the lock file (mapped shared by every process,
// bumped under the flock by every commit) still holds the value it was read
// at; checking that is one memory load. Something that changes the file
// without the lock (an editor) is noticed by a stat made at most every half
// second of the coarse monotonic clock (read through the vDSO). A reload that
// lacks sections is completed from the defaults the store was loaded with.
// The thread that owns a transaction reads its own uncommitted copy; every
// other reader sees only committed documents.
// Observation (IObservableStore): every install after a load hands the
// observer the previous and the new document, under changeMutex, as
// snapshots that keep them alive; with no observer an install only keeps
// one more reference to the document it installs. Reads never look at it.
// What a crash can leave: the file is only ever replaced by rename(), so it
// holds the old or the new version, never a mix. A writer killed before its
// rename leaves "<file>.tmp", which the next commit removes and writes anew
// under the lock: there is never more than that one file. The flock dies with
// its process; a writer killed between its rename and the bump of the
// counter leaves a change that readers notice by the periodic stat. The lock
// file is never truncated by us: readers map it.
#include <kovl/platform/XmlConfigStore.h>
#include <unistd.h>

#include <atomic>
#include <boost/optional.hpp>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "platform/store/CommitCounter.h"
#include "platform/store/Document.h"
#include "platform/store/DocumentCache.h"
#include "platform/store/DocumentRules.h"
#include "platform/store/DurableFile.h"
#include "platform/store/FileLock.h"
#include "platform/store/PreferenceFileGuard.h"

namespace ZUR {

using xmlstore::Document;
using xmlstore::fail;
using xmlstore::FileId;
using xmlstore::Key;
using xmlstore::reject;
using xmlstore::Tree;

namespace {

// How often a read stats the file to notice a change made without the lock.
constexpr std::int64_t kStatIntervalNanos = 500 * 1000 * 1000;

// The coarse monotonic clock: read from the vDSO, no system call.
std::int64_t coarseNanos() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// What identifies one judged version of a file, as IPreferenceFileStore hands it around.
std::string versionText(IPreferenceFileStore::FileState state, const FileId& id) {
    if (state == IPreferenceFileStore::FileState::missing || !id.valid) {
        return std::to_string(static_cast<int>(state));
    }
    return std::to_string(static_cast<int>(state)) + ":" + std::to_string(id.dev) + ":" +
           std::to_string(id.ino) + ":" + std::to_string(id.size) + ":" + std::to_string(id.mtime.tv_sec) +
           "." + std::to_string(id.mtime.tv_nsec);
}

// Every value of `doc`, as readAllSettings answers it.
SettingsMap allSettings(const Document& doc) {
    SettingsMap all;
    for (const Document::Element& element : doc.elements()) {
        const Tree* type = xmlstore::attributeOf(*element.tree, "type");
        if (type != nullptr) xmlstore::flattenNode(*element.tree, element.name, all[type->data()]);
    }
    return all;
}

// An installed document handed to an observer; documents are never modified
// once installed.
class DocumentSnapshot : public IStoreSnapshot {
public:
    explicit DocumentSnapshot(std::shared_ptr<const Document> doc) : doc_(std::move(doc)) {}
    SettingsMap settings() const override { return allSettings(*doc_); }

private:
    std::shared_ptr<const Document> doc_;
};

}  // namespace

XmlConfigStoreUtility::XmlConfigStoreUtility(std::size_t maxFileBytes, int maxDepth,
                                             std::chrono::milliseconds lockWait)
    : maxFileBytes_(maxFileBytes), maxDepth_(maxDepth), lockWait_(lockWait) {
    if (maxFileBytes == 0) reject("the file size limit must be positive");
    if (maxDepth < 1) reject("the nesting limit must be at least 1");
    if (lockWait.count() < 0) reject("the lock wait must not be negative");
}

struct XmlConfigStore::Impl {
    std::mutex changeMutex;
    xmlstore::DocumentCache cache;  // installed by holders of changeMutex

    // Guarded by changeMutex.
    std::string path;
    FileId diskId;         // the file version the installed document was read from or written as
    FileId rejectedId;     // a version found unusable, not to be parsed again
    SettingsMap defaults;  // what the load completed the file with; completes reloads too
    std::shared_ptr<IConfigStoreUtility> utility;
    std::size_t maxFileBytes = XmlConfigStoreUtility().maxFileBytes();
    int maxDepth = XmlConfigStoreUtility().maxDepth();
    std::chrono::milliseconds lockWait = XmlConfigStoreUtility::kDefaultLockWait;
    ILogger* logger = nullptr;  // the utility's; borrowed
    // The counter of the file loaded; kept while the store lives, as a reader
    // may still be looking at it, and reused when the same file is loaded again.
    std::unique_ptr<xmlstore::ChangeCounter> ownedCounter;
    std::string counterPath;

    std::atomic<bool> loaded{false};
    std::atomic<xmlstore::ChangeCounter*> counter{nullptr};  // null: none could be mapped
    std::atomic<std::uint64_t> seenGeneration{0};            // the counter the document is current at
    std::atomic<std::int64_t> nextStat{0};                   // coarseNanos() of the next stat due
    std::atomic<unsigned long> commitCount{0};

    // Observation, guarded by changeMutex: the observer (empty: none) and the
    // document last installed, which is the one `cache` holds.
    enum class Installed { load, local, elsewhere };
    IObservableStore::Observer observer;
    std::shared_ptr<const Document> lastInstalled;

    // The transaction, owned by the thread in `txOwner`, which holds
    // changeMutex from its begin to its end. Touched by that thread only.
    std::atomic<std::thread::id> txOwner{};
    int txDepth = 0;
    std::unique_ptr<xmlstore::FileLock> txLock;  // taken at the first read or write
    std::unique_ptr<Document> txDoc;             // the writes so far; null before the first
    std::exception_ptr txLostWrites;             // set: writes were dropped partway; the commit throws it

    bool ownsTransaction() const {
        return txOwner.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }

    // ---- reads ----------------------------------------------------------

    // `readDoc` only looks at the document: it must not read a store, which
    // could replace the thread's reference it is given.
    template <class Read>
    auto read(Read&& readDoc) -> decltype(readDoc(std::declval<const Document&>())) {
        if (ownsTransaction()) return readDoc(static_cast<const Document&>(transactionView()));
        refreshIfDue();
        return readDoc(cache.current());
    }

    // Picks up a change committed since the document was read: at once when
    // the shared counter moved, else with a stat at most every
    // kStatIntervalNanos. Without a counter every read stats. A read never
    // fails because of this: it answers from the last good copy, also when a
    // change in progress holds changeMutex (that change brings the document up
    // to date itself).
    void refreshIfDue() {
        if (!loaded.load(std::memory_order_acquire)) return;
        const xmlstore::ChangeCounter* shared = counter.load(std::memory_order_acquire);
        if (shared != nullptr && shared->load() == seenGeneration.load(std::memory_order_relaxed) &&
            coarseNanos() < nextStat.load(std::memory_order_relaxed)) {
            return;
        }
        std::unique_lock<std::mutex> guard(changeMutex, std::try_to_lock);
        if (!guard.owns_lock() || !loaded.load()) return;
        try {
            syncWithDisk();
        } catch (const std::exception&) {
        }
    }

    // ---- file ------------------------------------------------------------

    // Reads and parses `file` (`text`: what was read); null when it is
    // missing or unusable.
    std::unique_ptr<Document> readFile(const std::string& file, std::string& text, FileId& id) const {
        if (xmlstore::readBoundedFile(file, maxFileBytes, text, id) != xmlstore::ReadStatus::ok)
            return nullptr;
        std::unique_ptr<Document> parsed;
        if (Document::parse(text, maxDepth, parsed) != Document::ParseStatus::ok) return nullptr;
        return parsed;
    }

    // Makes `next` current and tells the observer, if any, how it came.
    // Requires changeMutex.
    void install(std::unique_ptr<Document> next, Installed how) {
        std::shared_ptr<const Document> doc(std::move(next));
        cache.install(doc);
        const std::shared_ptr<const Document> before = std::exchange(lastInstalled, doc);
        if (!observer || how == Installed::load || !before || !doc) return;
        try {
            observer({std::make_shared<DocumentSnapshot>(before), std::make_shared<DocumentSnapshot>(doc),
                      how == Installed::local ? IObservableStore::Origin::local
                                              : IObservableStore::Origin::elsewhere});
        } catch (...) {
            // An observer that cannot queue (out of memory) misses this change;
            // the change itself stands.
        }
    }

    // A line of the store's own, for the host's log.
    void warn(const std::string& line) const {
        if (logger != nullptr) logger->logMessage(2, "XmlConfigStore", line);
    }

    // The installed document; only holders of changeMutex replace it, so they
    // may use it without the cache's lock.
    const Document& installed() const {
        const Document* doc = cache.installed();
        if (doc == nullptr) fail("the preferences are not loaded");
        return *doc;
    }

    std::uint64_t currentGeneration() const {
        const xmlstore::ChangeCounter* shared = counter.load(std::memory_order_acquire);
        return shared == nullptr ? 0 : shared->load();
    }

    // Completes a document read from the file with the defaults it lacks, in
    // memory; the next change writes them out with it.
    void completeInMemory(Document& fresh) const {
        if (xmlstore::lacksDefaults(fresh, defaults, maxDepth) &&
            xmlstore::addMissingDefaults(fresh, defaults, maxDepth)) {
            fresh.dropLayoutText();
        }
    }

    // Replaces the document by the file's current version if the file was
    // replaced or edited. A missing or unusable file leaves the document as it
    // is; the next change writes it out again. A version lacking sections or
    // keys is completed from the defaults, as a restart would complete it.
    // Requires changeMutex.
    void syncWithDisk() {
        // The counter is read first: a commit after this point moves it again.
        const std::uint64_t generation = currentGeneration();
        nextStat.store(coarseNanos() + kStatIntervalNanos, std::memory_order_relaxed);
        const FileId current = xmlstore::statFile(path);
        if (current.valid && current != diskId && current != rejectedId) {
            FileId id;
            std::string text;
            std::unique_ptr<Document> fresh = readFile(path, text, id);
            if (fresh) {
                completeInMemory(*fresh);
                diskId = id;
                install(std::move(fresh), Installed::elsewhere);
            } else {
                rejectedId = current;
            }
        }
        seenGeneration.store(generation, std::memory_order_relaxed);
    }

    // Writes `next` durably and makes it current. Throws, leaving the current
    // document as it was, when the file cannot be written. Once the file is
    // renamed into place the commit stands, even if the directory could not
    // be fsynced afterwards: the new version is what every reader sees, and
    // reporting a failure for it would make a caller believe it was not made.
    // Requires changeMutex and the file lock.
    void commit(std::unique_ptr<Document> next, const xmlstore::FileLock& lock) {
        next->dropLayoutText();
        const std::string text = next->serialise();
        if (text.size() > maxFileBytes) fail("the preferences would exceed the file size limit");
        lock.checkStillAtPath();
        const xmlstore::Replacement done = xmlstore::replaceFileUnderLock(path, text);
        if (!done.directorySynced) {
            warn("The change of " + path + " is made, but its directory could not be synced (" +
                 std::strerror(done.directoryError) + "): it may not survive a power cut");
        }
        commitCount.fetch_add(1, std::memory_order_relaxed);
        diskId = done.id;
        xmlstore::ChangeCounter* shared = counter.load(std::memory_order_acquire);
        install(std::move(next), Installed::local);
        if (shared != nullptr) seenGeneration.store(shared->bump(), std::memory_order_relaxed);
    }

    // Maps the counter of the file being loaded, reusing the one already
    // mapped for the same lock file. Requires changeMutex.
    void attachCounter() {
        const std::string lockPath = xmlstore::lockPathOf(path);
        if (!ownedCounter || counterPath != lockPath || !ownedCounter->active()) {
            // A counter is only dropped when no reader can be looking at it:
            // readers load it through `counter`, which is cleared first and
            // read only while the store is loaded.
            counter.store(nullptr);
            auto fresh = std::make_unique<xmlstore::ChangeCounter>(lockPath);
            retired.push_back(std::move(ownedCounter));
            ownedCounter = std::move(fresh);
            counterPath = lockPath;
        }
        counter.store(ownedCounter->active() ? ownedCounter.get() : nullptr);
    }
    // Counters replaced by a load of another file, kept for readers in flight.
    std::vector<std::unique_ptr<xmlstore::ChangeCounter>> retired;

    // ---- transactions ------------------------------------------------------

    // The document the transaction reads: its writes so far, or the newest
    // committed version, fetched under the file lock on first use.
    const Document& transactionView() {
        lockTransaction();
        return txDoc ? *txDoc : installed();
    }

    void lockTransaction() {
        if (txLock) return;
        if (!loaded.load()) fail("the preferences are not loaded");
        txLock = std::make_unique<xmlstore::FileLock>(xmlstore::lockPathOf(path), lockWait);
        syncWithDisk();
    }

    bool beginTransaction() {
        if (ownsTransaction()) {
            ++txDepth;
            return false;
        }
        changeMutex.lock();
        txOwner.store(std::this_thread::get_id(), std::memory_order_relaxed);
        txDepth = 1;
        return true;
    }

    void commitTransaction() {
        if (!ownsTransaction()) return;
        if (txLostWrites) std::rethrow_exception(std::exchange(txLostWrites, nullptr));
        if (!txDoc) return;
        std::unique_ptr<Document> next = std::move(txDoc);  // dropped if the commit fails
        try {
            commit(std::move(next), *txLock);
        } catch (const std::exception& error) {
            warn(std::string("The change was not made: ") + error.what());
            throw;
        }
    }

    void endTransaction() {
        if (!ownsTransaction() || --txDepth > 0) return;
        txDoc.reset();
        txLostWrites = nullptr;
        txLock.reset();
        txOwner.store(std::thread::id(), std::memory_order_relaxed);
        changeMutex.unlock();
    }

    // ---- changes -------------------------------------------------------------

    // Runs `apply` on a copy of the document with the file lock held and the
    // document current, and commits the copy when `apply` reports a
    // modification; inside a transaction the copy becomes the transaction's
    // view and is committed with it. Throws when not loaded, when the lock
    // cannot be taken or the file cannot be written; the document is then
    // unchanged.
    template <class Apply>
    void change(Apply&& apply) {
        if (ownsTransaction()) {
            if (txDoc) {
                // The transaction's own copy, which no reader sees, is changed
                // in place. `apply` checks before it changes anything, so it
                // can only fail partway for want of memory: the transaction's
                // writes are then dropped and its commit fails.
                try {
                    apply(*txDoc);
                } catch (const std::bad_alloc&) {
                    txDoc.reset();
                    txLostWrites = std::current_exception();
                    throw;
                }
                return;
            }
            std::unique_ptr<Document> next = transactionView().clone();
            if (apply(*next)) txDoc = std::move(next);
            return;
        }
        std::lock_guard<std::mutex> guard(changeMutex);
        if (!loaded.load()) fail("the preferences are not loaded");
        try {
            xmlstore::FileLock fileLock(xmlstore::lockPathOf(path), lockWait);
            syncWithDisk();
            std::unique_ptr<Document> next = installed().clone();
            if (apply(*next)) commit(std::move(next), fileLock);
        } catch (const std::exception& error) {
            warn(std::string("The change was not made: ") + error.what());
            throw;
        }
    }

    // Applies `entry(next, type, key, value, modified)` to every entry of
    // `entries` in one change. True when every entry was handled; false also
    // when the change could not be written (nothing changed then).
    template <class Entry>
    bool changeEach(const SettingsMap& entries, Entry&& entry) {
        bool allHandled = true;
        try {
            change([&](Document& next) {
                bool modified = false;
                for (const auto& typed : entries) {
                    for (const auto& item : typed.second) {
                        if (!entry(next, typed.first, item.first, item.second, modified)) allHandled = false;
                    }
                }
                return modified;
            });
        } catch (const std::exception&) {
            return false;
        }
        return allHandled;
    }

    // Completes the freshly loaded document with the missing defaults. They
    // are written at once only when no other process holds the lock: a
    // start must not wait for another process's change. Otherwise, or should
    // the file not be writable, they are served from memory and reach the
    // file with the next change. A complete document, the usual case, is only
    // looked through. Requires changeMutex.
    void completeWithDefaults() {
        if (!xmlstore::lacksDefaults(installed(), defaults, maxDepth)) return;
        try {
            xmlstore::FileLock fileLock(xmlstore::lockPathOf(path), std::chrono::milliseconds(0));
            syncWithDisk();  // another process may have completed the file already
            std::unique_ptr<Document> next = installed().clone();
            if (xmlstore::addMissingDefaults(*next, defaults, maxDepth)) commit(std::move(next), fileLock);
        } catch (const std::exception&) {
            std::unique_ptr<Document> next = installed().clone();
            completeInMemory(*next);
            install(std::move(next), Installed::local);
        }
    }

    // ---- the bootstrap's file operations --------------------------------

    IPreferenceFileStore::Inspection inspect(const std::string& file) const {
        IPreferenceFileStore::Inspection seen;
        FileId id;
        seen.state = xmlstore::judgeFile(file, maxFileBytes, maxDepth, id, seen.reason);
        seen.version = versionText(seen.state, id);
        return seen;
    }

    // The shipped file's text when it is a preferences file the store can load.
    boost::optional<std::string> shippedText(const std::string& shipped) const {
        std::string text;
        FileId id;
        if (!readFile(shipped, text, id)) return {};
        return text;
    }

    // Replaces `file` by `text` under its lock and tells other processes.
    void replaceUnderLock(const std::string& file, const std::string& text, const xmlstore::FileLock& lock) {
        lock.checkStillAtPath();
        xmlstore::replaceFileUnderLock(file, text);
        xmlstore::ChangeCounter(xmlstore::lockPathOf(file)).bump();
    }
};

XmlConfigStore::XmlConfigStore() : impl_(std::make_unique<Impl>()) {}

XmlConfigStore::~XmlConfigStore() = default;

bool XmlConfigStore::readBool(std::string sectionType, std::string key) {
    const std::string text =
        impl_->read([&](const Document& doc) { return xmlstore::requireNode(doc, sectionType, key).data(); });
    return xmlstore::toBool(text, key);
}

int XmlConfigStore::readInt(std::string sectionType, std::string key) {
    const std::string text =
        impl_->read([&](const Document& doc) { return xmlstore::requireNode(doc, sectionType, key).data(); });
    return xmlstore::toInt(text, key);
}

std::string XmlConfigStore::readString(std::string sectionType, std::string key) {
    return impl_->read(
        [&](const Document& doc) { return xmlstore::requireNode(doc, sectionType, key).data(); });
}

bool XmlConfigStore::keyExists(std::string sectionType, std::string key) {
    return impl_->read(
        [&](const Document& doc) { return xmlstore::findNode(doc, sectionType, key) != nullptr; });
}

void XmlConfigStore::writeBool(std::string attrName, std::string sectionType, std::string key, bool value) {
    writeString(std::move(attrName), std::move(sectionType), std::move(key), value ? "1" : "0");
}

void XmlConfigStore::writeInt(std::string attrName, std::string sectionType, std::string key, int value) {
    writeString(std::move(attrName), std::move(sectionType), std::move(key), std::to_string(value));
}

void XmlConfigStore::writeString(std::string attrName, std::string sectionType, std::string key,
                                 std::string value) {
    if (attrName != "type") reject("sections are addressed by the attribute 'type', not '" + attrName + "'");
    Key parsed;
    if (!xmlstore::splitKey(key, parsed) || parsed.path.empty()) reject("malformed key '" + key + "'");
    if (const char* why = xmlstore::uncarriable(value)) reject(why);
    if (parsed.namesSectionType() && value != sectionType) reject("a section's type cannot be changed");
    const int maxDepth = impl_->maxDepth;
    impl_->change(
        [&](Document& next) { return xmlstore::setValue(next, sectionType, key, parsed, value, maxDepth); });
}

std::map<std::string, std::string> XmlConfigStore::readAttributeMap(std::string key, std::string attrName) {
    return impl_->read([&](const Document& doc) {
        const Key parsed = xmlstore::parseKey(key);
        const Tree* section = doc.firstSectionNamed(parsed.section);
        const Tree* node =
            section == nullptr ? nullptr : xmlstore::findPath(*section, parsed.path, parsed.path.size());
        if (node == nullptr) fail("no node " + key);
        std::map<std::string, std::string> result;
        for (const auto& child : *node) {
            if (child.first.empty() || child.first[0] == '<') continue;
            const Tree* attr = xmlstore::attributeOf(child.second, attrName);
            result.emplace(child.second.data(), attr == nullptr ? std::string() : attr->data());
        }
        return result;
    });
}

// True when every entry was added or set. Entries that cannot be stored (a
// malformed key, one nested too deeply, a NUL in the value, a change of a
// section's type) are skipped and make the answer false; the others are
// still merged. False, with nothing changed, when the file cannot be written.
bool XmlConfigStore::mergeSettings(SettingsMap settings) {
    const int maxDepth = impl_->maxDepth;
    return impl_->changeEach(settings, [&](Document& next, const std::string& type, const std::string& key,
                                           const std::string& value, bool& modified) {
        return xmlstore::mergeEntry(next, type, key, value, modified, maxDepth);
    });
}

// True when every entry of `second` was handled. An entry whose section is
// missing, or which would remove a section's type, is skipped and makes the
// answer false; a key already absent counts as removed. False, with nothing
// changed, when the file cannot be written.
bool XmlConfigStore::removeSettings(SettingsMap first, SettingsMap second) {
    const int maxDepth = impl_->maxDepth;
    return impl_->changeEach(second, [&](Document& next, const std::string& type, const std::string& key,
                                         const std::string& value, bool& modified) {
        return xmlstore::removeEntry(next, first, type, key, value, modified, maxDepth);
    });
}

void XmlConfigStore::readDelimiter(std::string sectionType, std::string path, std::string& delimiter) {
    static const std::string kRootPrefix = "preferences.";
    if (path.compare(0, kRootPrefix.size(), kRootPrefix) == 0) path.erase(0, kRootPrefix.size());
    const boost::optional<std::string> found = impl_->read([&](const Document& doc) {
        const Key parsed = xmlstore::parseKey(path);
        const Tree& section = xmlstore::requireSection(doc, sectionType, parsed);
        // The list node: the owner of the delimiter attribute, or the parent
        // of the value node.
        std::size_t depth = parsed.path.size();
        if (parsed.namesAttribute()) {
            depth -= 2;
        } else if (depth > 0) {
            depth -= 1;
        }
        const Tree* list = xmlstore::findPath(section, parsed.path, depth);
        const Tree* attr = list == nullptr ? nullptr : xmlstore::attributeOf(*list, "delimiter");
        return attr == nullptr ? boost::optional<std::string>() : boost::optional<std::string>(attr->data());
    });
    if (found) delimiter = *found;
}

void XmlConfigStore::attachUtility(std::shared_ptr<IConfigStoreUtility> utility) {
    if (!utility) throw std::invalid_argument("XmlConfigStore: no utility given");
    std::lock_guard<std::mutex> guard(impl_->changeMutex);
    if (const auto* limits = dynamic_cast<const XmlConfigStoreUtility*>(utility.get())) {
        impl_->maxFileBytes = limits->maxFileBytes();
        impl_->maxDepth = limits->maxDepth();
        impl_->lockWait = limits->lockWait();
        impl_->logger = limits->logger();
    }
    impl_->utility = std::move(utility);
}

// A failed load leaves the store unloaded: reads throw until a load succeeds.
bool XmlConfigStore::loadPreferences(std::string path, SettingsMap defaults) {
    Impl& impl = *impl_;
    std::lock_guard<std::mutex> guard(impl.changeMutex);
    impl.loaded.store(false);
    impl.install(nullptr, Impl::Installed::load);
    impl.path = std::move(path);
    impl.diskId = FileId{};
    impl.rejectedId = FileId{};
    impl.defaults.clear();
    try {
        impl.attachCounter();
        // The counter is read before the file: a commit in between moves it again.
        impl.seenGeneration.store(impl.currentGeneration());
        impl.nextStat.store(coarseNanos() + kStatIntervalNanos);
        FileId id;
        std::string text;
        std::unique_ptr<Document> loaded = impl.readFile(impl.path, text, id);
        if (!loaded) return false;
        impl.diskId = id;
        impl.install(std::move(loaded), Impl::Installed::load);
        impl.loaded.store(true);
        impl.defaults = std::move(defaults);
        if (!impl.defaults.empty()) impl.completeWithDefaults();
    } catch (const std::exception&) {
        // Out of memory while loading: report the file as not loaded.
        impl.loaded.store(false);
        impl.install(nullptr, Impl::Installed::load);
        return false;
    }
    return true;
}

bool XmlConfigStore::beginTransaction() { return impl_->beginTransaction(); }

void XmlConfigStore::commitTransaction() { impl_->commitTransaction(); }

void XmlConfigStore::endTransaction() { impl_->endTransaction(); }

unsigned long XmlConfigStore::commits() const { return impl_->commitCount.load(std::memory_order_relaxed); }

bool XmlConfigStore::readTypedSection(std::string sectionType, SettingsMap& nested,
                                      std::map<std::string, std::string>& values) {
    return impl_->read([&](const Document& doc) {
        const Tree* section = doc.firstSectionOfType(sectionType);
        if (section == nullptr) return false;
        SettingsMap foundNested;
        std::map<std::string, std::string> foundValues;
        for (const auto& child : *section) {
            if (child.first.empty() || child.first[0] == '<') continue;
            const bool elements = xmlstore::hasElementChildren(child.second);
            if (!elements) foundValues.emplace(child.first, child.second.data());
            if (!child.second.empty() && foundNested.find(child.first) == foundNested.end()) {
                xmlstore::flattenChildren(child.second, "", foundNested[child.first]);
            }
        }
        nested.swap(foundNested);
        values.swap(foundValues);
        return true;
    });
}

SettingsMap XmlConfigStore::readAllSettings() {
    return impl_->read([](const Document& doc) { return allSettings(doc); });
}

void XmlConfigStore::observe(Observer observer) {
    std::lock_guard<std::mutex> guard(impl_->changeMutex);
    impl_->observer = std::move(observer);
}

void XmlConfigStore::refresh() {
    if (impl_->ownsTransaction()) return;
    std::lock_guard<std::mutex> guard(impl_->changeMutex);
    if (!impl_->loaded.load()) return;
    try {
        impl_->syncWithDisk();
    } catch (const std::exception&) {
        // The last good document stays; the next change or read tries again.
    }
}

std::string XmlConfigStore::watchedFile() {
    std::lock_guard<std::mutex> guard(impl_->changeMutex);
    return impl_->path;
}

bool XmlConfigStore::trusted(const std::string& path, std::string& reason) {
    return xmlstore::changeableOnlyBy(path, ::geteuid(), reason);
}

IPreferenceFileStore::Inspection XmlConfigStore::inspect(const std::string& path) {
    std::lock_guard<std::mutex> guard(impl_->changeMutex);  // the limits
    return impl_->inspect(path);
}

IPreferenceFileStore::Restored XmlConfigStore::restore(const std::string& path, const std::string& shipped,
                                                       const Inspection& seen) {
    std::lock_guard<std::mutex> guard(impl_->changeMutex);
    const boost::optional<std::string> text = impl_->shippedText(shipped);
    if (!text) return Restored::shippedUnusable;
    xmlstore::FileLock lock(xmlstore::lockPathOf(path), impl_->lockWait);
    // Decided on the file as it is now, under the lock: another process may
    // have restored it, or changed it, since it was inspected.
    const Inspection now = impl_->inspect(path);
    if (now.version != seen.version) return Restored::foundRestored;
    if (now.state == FileState::corrupt && xmlstore::keepAside(path).empty()) return Restored::notKeptAside;
    impl_->replaceUnderLock(path, *text, lock);
    return Restored::replaced;
}

bool XmlConfigStore::replaceWithShipped(const std::string& path, const std::string& shipped) {
    try {
        std::lock_guard<std::mutex> guard(impl_->changeMutex);
        std::string text;
        FileId id;
        const xmlstore::ReadStatus status = xmlstore::readBoundedFile(shipped, impl_->maxFileBytes, text, id);
        if (status != xmlstore::ReadStatus::ok && status != xmlstore::ReadStatus::empty) return false;
        xmlstore::FileLock lock(xmlstore::lockPathOf(path), impl_->lockWait);
        impl_->replaceUnderLock(path, text, lock);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace ZUR
