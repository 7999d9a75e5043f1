// kovconfig: the XML configuration store.
//
// Design.
// What is locked when:
//  - `changeMutex` serialises, within the process, loads, changes, reloads and
//    transactions; a transaction holds it from its begin to its end.
//  - The flock on "<file>.lock" serialises commits between processes. A plain
//    change holds it for one read-modify-commit; a transaction takes it at its
//    first read or write and keeps it to its end, so everything it read is
//    still current when it commits.
//  - `stateMutex` only guards the pointer to the current document, which is
//    never modified once installed: a commit builds the next document on a
//    copy (sharing every section it does not change, see Document), writes
//    the file and swaps the pointer in under a short exclusive hold, so
//    readers never wait for a disk write and a failed write leaves the
//    current document untouched. Each reading thread keeps its own
//    reference to the document it last read and checks `docVersion` (a plain
//    load) before reusing it; only a thread that finds the version moved takes
//    `stateMutex`, shared, to fetch the new one. Readers on several cores thus
//    write no shared memory and scale. A thread's reference keeps an old
//    document alive until that thread reads again or ends; the thread that
//    destroys a store drops its own at once.
// What a reader trusts: the document in memory, as long as the commit counter
// in the first eight bytes of the lock file (mapped shared by every process,
// bumped under the flock by every commit) still holds the value it was read
// at; checking that is one memory load. Something that changes the file
// without the lock (an editor) is noticed by a stat made at most every half
// second of the coarse monotonic clock (read through the vDSO). A reload that
// lacks sections is completed from the defaults the store was loaded with.
// The thread that owns a transaction reads its own uncommitted copy; every
// other reader sees only committed documents.
// What a crash can leave: the file is only ever replaced by rename(), so it
// holds the old or the new version, never a mix. A writer killed before its
// rename leaves "<file>.tmp", which the next commit removes and writes anew
// under the lock: there is never more than that one file. The flock dies with
// its process; a writer killed between its rename and the bump of the
// counter leaves a change that readers notice by the periodic stat. The lock
// file is never truncated by us: readers map it.
#include <kovl/platform/XmlConfigStore.h>

#include <algorithm>
#include <atomic>
#include <boost/optional.hpp>
#include <charconv>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <shared_mutex>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "platform/XmlConfigStoreFile.h"
#include "platform/XmlConfigStoreTree.h"

namespace ZUR {

using xmlstore::Document;
using xmlstore::FileId;
using xmlstore::Key;
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

[[noreturn]] void fail(const std::string& message) { throw std::runtime_error("XmlConfigStore: " + message); }

[[noreturn]] void reject(const std::string& message) {
    throw std::invalid_argument("XmlConfigStore: " + message);
}

Key parseKey(const std::string& key) {
    Key parsed;
    if (!xmlstore::splitKey(key, parsed)) fail("malformed key '" + key + "'");
    return parsed;
}

// The node `key` names, found by looking up each component as it is cut from
// the key; the first names the section, which `sectionNamed(name)` finds. The
// components are cut into `component`, a buffer the caller reuses so that a
// warm one allocates nothing. Null when the node is missing or the key
// malformed (as splitKey reads it).
template <class SectionNamed>
const Tree* findKey(const std::string& key, std::string& component, SectionNamed&& sectionNamed) {
    const Tree* node = nullptr;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t dot = key.find('.', begin);
        const std::size_t end = dot == std::string::npos ? key.size() : dot;
        if (end == begin) return nullptr;
        component.assign(key, begin, end - begin);
        if (begin == 0) {
            if (component[0] == '<') return nullptr;
            node = sectionNamed(static_cast<const std::string&>(component));
        } else {
            const auto found = node->find(component);
            node = found == node->not_found() ? nullptr : &found->second;
        }
        if (node == nullptr || dot == std::string::npos) return node;
        begin = dot + 1;
    }
}

const Tree& requireSection(const Document& doc, const std::string& type, const Key& key) {
    const Tree* section = doc.section(type, key.section);
    if (section == nullptr) fail("no section " + key.section + " of type '" + type + "'");
    return *section;
}

const Tree& requireNode(const Document& doc, const std::string& type, const std::string& key) {
    thread_local std::string component;  // nothing below looks up another key while it is in use
    const auto sectionNamed = [&](const std::string& name) { return doc.section(type, name); };
    if (const Tree* node = findKey(key, component, sectionNamed)) return *node;
    // Say why it is not there.
    const Key parsed = parseKey(key);
    requireSection(doc, type, parsed);
    fail("no key " + key + " in the section of type '" + type + "'");
}

bool toBool(const std::string& text, const std::string& key) {
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    fail("key " + key + " does not hold a boolean");
}

int toInt(const std::string& text, const std::string& key) {
    // Decimal digits with an optional leading '-', fitting an int: nothing else
    // (from_chars takes no blanks and no '+').
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        fail("key " + key + " does not hold an int");
    }
    return value;
}

}  // namespace

XmlConfigStoreUtility::XmlConfigStoreUtility(std::size_t maxFileBytes, int maxDepth,
                                             std::chrono::milliseconds lockWait)
    : maxFileBytes_(maxFileBytes), maxDepth_(maxDepth), lockWait_(lockWait) {
    if (maxFileBytes == 0) reject("the file size limit must be positive");
    if (maxDepth < 1) reject("the nesting limit must be at least 1");
    if (lockWait.count() < 0) reject("the lock wait must not be negative");
}

namespace {

// Tells stores apart in the readers' per-thread references; never reused.
std::atomic<std::uint64_t> nextStoreSerial{1};

// The document a thread read last, and the store and version it was read at.
struct ReaderReference {
    // A store destroyed after this thread's references (a static one, at
    // exit) then finds no reference of its own to drop.
    ~ReaderReference() { store = 0; }

    std::uint64_t store = 0;
    std::uint64_t version = 0;
    std::shared_ptr<const Document> doc;
};
thread_local ReaderReference heldByThisThread;

}  // namespace

struct XmlConfigStore::Impl {
    const std::uint64_t serial = nextStoreSerial.fetch_add(1, std::memory_order_relaxed);
    std::mutex changeMutex;
    std::shared_mutex stateMutex;
    // Null until loaded; replaced, never modified, under stateMutex, which also
    // bumps docVersion.
    std::shared_ptr<const Document> doc;
    std::atomic<std::uint64_t> docVersion{0};

    // Guarded by changeMutex.
    std::string path;
    FileId diskId;         // the file version `doc` was read from or written as
    FileId rejectedId;     // a version found unusable, not to be parsed again
    SettingsMap defaults;  // what the load completed the file with; completes reloads too
    std::shared_ptr<IConfigStoreUtility> utility;
    std::size_t maxFileBytes = XmlConfigStoreUtility().maxFileBytes();
    int maxDepth = XmlConfigStoreUtility().maxDepth();
    std::chrono::milliseconds lockWait = XmlConfigStoreUtility::kDefaultLockWait;
    // Counters of the files loaded so far; the newest is `counter`. Older ones
    // stay mapped until the store goes, as a reader may still hold one.
    std::vector<std::unique_ptr<xmlstore::ChangeCounter>> counters;

    std::atomic<bool> loaded{false};
    std::atomic<xmlstore::ChangeCounter*> counter{nullptr};  // null: none could be mapped
    std::atomic<std::uint64_t> seenGeneration{0};            // the counter `doc` is current at
    std::atomic<std::int64_t> nextStat{0};                   // coarseNanos() of the next stat due
    std::atomic<unsigned long> commitCount{0};

    // The transaction, owned by the thread in `txOwner`, which holds
    // changeMutex from its begin to its end. Touched by that thread only.
    std::atomic<std::thread::id> txOwner{};
    int txDepth = 0;
    std::unique_ptr<xmlstore::FileLock> txLock;  // taken at the first read or write
    std::unique_ptr<Document> txDoc;             // the writes so far; null before the first
    std::exception_ptr txWriteError;             // set: every write throws it
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
        return readDoc(currentForThisThread());
    }

    // The current document through the calling thread's reference, fetched
    // anew only when this store installed another one since.
    const Document& currentForThisThread() {
        ReaderReference& held = heldByThisThread;
        if (held.store != serial || held.version != docVersion.load(std::memory_order_acquire) || !held.doc) {
            std::shared_ptr<const Document> previous;  // released outside stateMutex
            {
                std::shared_lock<std::shared_mutex> lock(stateMutex);
                previous = std::exchange(held.doc, doc);
                held.version = docVersion.load(std::memory_order_relaxed);
                held.store = serial;
            }
            if (!held.doc) fail("the preferences are not loaded");
        }
        return *held.doc;
    }

    // Picks up a change committed since `doc` was read: at once when the
    // shared counter moved, else with a stat at most every kStatIntervalNanos.
    // Without a counter every read stats. A read never fails because of this:
    // it answers from the last good copy, also when a change in progress
    // holds changeMutex (that change brings `doc` up to date itself).
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

    // Reads and parses the file; null when it is missing or unusable.
    std::unique_ptr<Document> readFile(FileId& id) const {
        std::string text;
        if (xmlstore::readBoundedFile(path, maxFileBytes, text, id) != xmlstore::ReadStatus::ok)
            return nullptr;
        std::unique_ptr<Document> parsed;
        if (Document::parse(text, maxDepth, parsed) != Document::ParseStatus::ok) return nullptr;
        return parsed;
    }

    void install(std::unique_ptr<Document> next) {
        std::shared_ptr<const Document> previous = std::move(next);
        {
            std::unique_lock<std::shared_mutex> lock(stateMutex);
            doc.swap(previous);
            docVersion.fetch_add(1, std::memory_order_release);
        }
        // The previous document is released here, outside the exclusive hold;
        // readers still holding it keep it until they read again.
    }

    std::uint64_t currentGeneration() const {
        const xmlstore::ChangeCounter* shared = counter.load(std::memory_order_acquire);
        return shared == nullptr ? 0 : shared->load();
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
            std::unique_ptr<Document> fresh = readFile(id);
            if (fresh) {
                if (lacksDefaults(*fresh, defaults) && addMissingDefaults(*fresh, defaults))
                    fresh->dropLayoutText();
                diskId = id;
                install(std::move(fresh));
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
    void commit(std::unique_ptr<Document> next) {
        next->dropLayoutText();
        const std::string text = next->serialise();
        if (text.size() > maxFileBytes) fail("the preferences would exceed the file size limit");
        const xmlstore::Replacement done = xmlstore::replaceFileUnderLock(path, text);
        commitCount.fetch_add(1, std::memory_order_relaxed);
        diskId = done.id;
        xmlstore::ChangeCounter* shared = counter.load(std::memory_order_acquire);
        install(std::move(next));
        if (shared != nullptr) seenGeneration.store(shared->bump(), std::memory_order_relaxed);
    }

    // ---- transactions ------------------------------------------------------

    // The document the transaction reads: its writes so far, or the newest
    // committed version, fetched under the file lock on first use.
    const Document& transactionView() {
        lockTransaction();
        return txDoc ? *txDoc : *doc;
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
        commit(std::move(next));
    }

    void endTransaction() {
        if (!ownsTransaction() || --txDepth > 0) return;
        txDoc.reset();
        txWriteError = nullptr;
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
            if (txWriteError) std::rethrow_exception(txWriteError);
            if (txDoc) {
                // The transaction's own copy, which no reader sees, is changed
                // in place. `apply` checks before it changes anything, so it
                // can only fail partway for want of memory: the transaction's
                // writes are then dropped and its commit fails.
                try {
                    apply(*txDoc);
                } catch (...) {
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
        xmlstore::FileLock fileLock(xmlstore::lockPathOf(path), lockWait);
        syncWithDisk();
        // Only holders of changeMutex replace `doc`, so it can be read here
        // without stateMutex.
        std::unique_ptr<Document> next = doc->clone();
        if (apply(*next)) commit(std::move(next));
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

    // ---- changes -----------------------------------------------------------

    void writeValue(const std::string& attrName, const std::string& type, const std::string& key,
                    const std::string& value) {
        if (attrName != "type")
            reject("sections are addressed by the attribute 'type', not '" + attrName + "'");
        Key parsed;
        if (!xmlstore::splitKey(key, parsed) || parsed.path.empty()) reject("malformed key '" + key + "'");
        if (value.find('\0') != std::string::npos) reject("a value cannot hold a NUL character");
        if (parsed.namesSectionType() && value != type) reject("a section's type cannot be changed");
        change([&](Document& next) {
            if (!xmlstore::isCreatableKey(parsed, maxDepth)) reject("key '" + key + "' cannot be stored");
            Tree* section = next.section(type, parsed.section);
            if (section == nullptr) fail("no section " + parsed.section + " of type '" + type + "'");
            bool created = false;
            Tree& node = xmlstore::ensurePath(*section, parsed.path, created);
            if (!created && node.data() == value) return false;
            node.data() = value;
            return true;
        });
    }

    // Sets or adds one merged entry; false when the entry cannot be stored.
    bool mergeEntry(Document& next, const std::string& type, const std::string& key, const std::string& value,
                    bool& modified) const {
        Key parsed;
        if (!xmlstore::splitKey(key, parsed) || !xmlstore::isCreatableKey(parsed, maxDepth)) return false;
        if (value.find('\0') != std::string::npos) return false;
        if (parsed.namesSectionType() && value != type) return false;
        if (parsed.path.empty() && !value.empty()) return false;  // a section holds no text
        Tree* section = next.section(type, parsed.section);
        if (section == nullptr) {
            section = &next.addSection(parsed.section, type);
            modified = true;
        }
        if (parsed.path.empty()) return true;
        bool created = false;
        Tree& node = xmlstore::ensurePath(*section, parsed.path, created);
        std::string merged = value;
        if (!created && !node.data().empty() && !value.empty()) {
            if (const auto delimiter = xmlstore::listDelimiter(*section, parsed)) {
                merged = xmlstore::appendItems(node.data(), value, *delimiter);
            }
        }
        if (created || node.data() != merged) {
            node.data() = std::move(merged);
            modified = true;
        }
        return true;
    }

    // Removes one entry; false when its section is missing or the entry names
    // the section's type.
    bool removeEntry(Document& next, const SettingsMap& first, const std::string& type,
                     const std::string& key, const std::string& value, bool& modified) const {
        Key parsed;
        if (!xmlstore::splitKey(key, parsed)) return false;
        Tree* section = next.section(type, parsed.section);
        if (section == nullptr) return false;
        if (parsed.namesSectionType()) return false;

        const auto firstSection = first.find(type);
        if (firstSection != first.end()) {
            const auto remainder = firstSection->second.find(key);
            if (remainder != firstSection->second.end()) {
                if (parsed.path.empty() || !xmlstore::isCreatableKey(parsed, maxDepth) ||
                    remainder->second.find('\0') != std::string::npos) {
                    return false;
                }
                bool created = false;
                Tree& node = xmlstore::ensurePath(*section, parsed.path, created);
                if (created || node.data() != remainder->second) {
                    node.data() = remainder->second;
                    modified = true;
                }
                return true;
            }
        }
        if (parsed.path.empty()) {  // the whole section
            next.dropSection(type, parsed.section);
            modified = true;
            return true;
        }
        Tree* node = xmlstore::findPath(*section, parsed.path, parsed.path.size());
        if (node == nullptr) return true;  // already gone
        if (!parsed.namesAttribute()) {
            const auto delimiter = xmlstore::listDelimiter(*section, parsed);
            const std::vector<std::string> unwanted =
                delimiter ? xmlstore::splitItems(value, *delimiter) : std::vector<std::string>();
            // Naming a list with the empty value drops it only while it is
            // empty: items another process added since the caller looked stay.
            if (delimiter && value.empty() && !node->data().empty()) return true;
            if (delimiter && !unwanted.empty()) {
                const std::vector<std::string> listed = xmlstore::splitItems(node->data(), *delimiter);
                const auto isListed = [&](const std::string& item) {
                    return std::find(listed.begin(), listed.end(), item) != listed.end();
                };
                if (std::all_of(unwanted.begin(), unwanted.end(), isListed)) {
                    std::string remaining;
                    for (const std::string& item : listed) {
                        if (std::find(unwanted.begin(), unwanted.end(), item) != unwanted.end()) continue;
                        if (!remaining.empty()) remaining += *delimiter;
                        remaining += item;
                    }
                    if (!remaining.empty()) {
                        node->data() = remaining;
                        modified = true;
                        return true;
                    }
                }
            }
        }
        xmlstore::erasePath(*section, parsed.path);
        modified = true;
        return true;
    }

    // Adds the defaults missing from `next`: sections, keys and attributes.
    // Existing values, lists included, are never touched.
    bool addMissingDefaults(Document& next, const SettingsMap& defaults) const {
        bool added = false;
        for (const auto& typed : defaults) {
            for (const auto& entry : typed.second) {
                Key parsed;
                if (!xmlstore::splitKey(entry.first, parsed) || !xmlstore::isCreatableKey(parsed, maxDepth) ||
                    entry.second.find('\0') != std::string::npos) {
                    continue;
                }
                Tree* section = next.section(typed.first, parsed.section);
                if (section == nullptr) {
                    section = &next.addSection(parsed.section, typed.first);
                    added = true;
                }
                if (parsed.path.empty()) continue;
                bool created = false;
                Tree& node = xmlstore::ensurePath(*section, parsed.path, created);
                if (created) {
                    node.data() = entry.second;
                    added = true;
                }
            }
        }
        return added;
    }

    // Whether addMissingDefaults would add anything to `doc`, found without
    // changing or copying it.
    bool lacksDefaults(const Document& doc, const SettingsMap& defaults) const {
        std::string component;  // reused for every key
        // Keys in a row mostly name the same section: it is looked up once for them.
        const std::string* type = nullptr;
        std::string name;
        const Tree* section = nullptr;
        const auto sectionNamed = [&](const std::string& wanted) {
            if (name != wanted) {
                name = wanted;
                section = doc.section(*type, name);
            }
            return section;
        };
        for (const auto& typed : defaults) {
            type = &typed.first;
            name.clear();  // no section has an empty name: the next key looks its section up
            for (const auto& entry : typed.second) {
                if (findKey(entry.first, component, sectionNamed) != nullptr) continue;
                Key parsed;  // missing, or malformed: only what addMissingDefaults adds counts
                if (xmlstore::splitKey(entry.first, parsed) && xmlstore::isCreatableKey(parsed, maxDepth) &&
                    entry.second.find('\0') == std::string::npos) {
                    return true;
                }
            }
        }
        return false;
    }

    // Completes the freshly loaded document with the missing defaults and
    // writes the file when anything was added. Should the file not be
    // writable, the defaults are still served from memory and reach the file
    // with the next change that is written. A complete document, the usual
    // case, is only looked through. Requires changeMutex.
    void completeWithDefaults(const SettingsMap& defaults) {
        if (!lacksDefaults(*doc, defaults)) return;
        std::unique_ptr<Document> next = doc->clone();
        if (!addMissingDefaults(*next, defaults)) return;
        try {
            xmlstore::FileLock fileLock(xmlstore::lockPathOf(path), lockWait);
            syncWithDisk();  // another process may have completed the file already
            next = doc->clone();
            if (addMissingDefaults(*next, defaults)) commit(std::move(next));
        } catch (const std::exception&) {
            next = doc->clone();
            addMissingDefaults(*next, defaults);
            next->dropLayoutText();
            install(std::move(next));
        }
    }
};

XmlConfigStore::XmlConfigStore() : impl_(std::make_unique<Impl>()) {}

XmlConfigStore::~XmlConfigStore() {
    // The destroying thread lets go of its reference to this store's document
    // at once; other threads do when they next read or end.
    if (heldByThisThread.store != impl_->serial) return;
    heldByThisThread.store = 0;
    heldByThisThread.doc.reset();
}

bool XmlConfigStore::readBool(std::string sectionType, std::string key) {
    const std::string text =
        impl_->read([&](const Document& doc) { return requireNode(doc, sectionType, key).data(); });
    return toBool(text, key);
}

int XmlConfigStore::readInt(std::string sectionType, std::string key) {
    const std::string text =
        impl_->read([&](const Document& doc) { return requireNode(doc, sectionType, key).data(); });
    return toInt(text, key);
}

std::string XmlConfigStore::readString(std::string sectionType, std::string key) {
    return impl_->read([&](const Document& doc) { return requireNode(doc, sectionType, key).data(); });
}

bool XmlConfigStore::keyExists(std::string sectionType, std::string key) {
    return impl_->read([&](const Document& doc) {
        Key parsed;
        if (!xmlstore::splitKey(key, parsed)) return false;
        const Tree* section = doc.section(sectionType, parsed.section);
        return section != nullptr && xmlstore::findPath(*section, parsed.path, parsed.path.size()) != nullptr;
    });
}

void XmlConfigStore::writeBool(std::string attrName, std::string sectionType, std::string key, bool value) {
    impl_->writeValue(attrName, sectionType, key, value ? "1" : "0");
}

void XmlConfigStore::writeInt(std::string attrName, std::string sectionType, std::string key, int value) {
    impl_->writeValue(attrName, sectionType, key, std::to_string(value));
}

void XmlConfigStore::writeString(std::string attrName, std::string sectionType, std::string key,
                                 std::string value) {
    impl_->writeValue(attrName, sectionType, key, value);
}

std::map<std::string, std::string> XmlConfigStore::readAttributeMap(std::string key, std::string attrName) {
    return impl_->read([&](const Document& doc) {
        const Key parsed = parseKey(key);
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
    return impl_->changeEach(settings, [&](Document& next, const std::string& type, const std::string& key,
                                           const std::string& value, bool& modified) {
        return impl_->mergeEntry(next, type, key, value, modified);
    });
}

// True when every entry of `second` was handled. An entry whose section is
// missing, or which would remove a section's type, is skipped and makes the
// answer false; a key already absent counts as removed. False, with nothing
// changed, when the file cannot be written.
bool XmlConfigStore::removeSettings(SettingsMap first, SettingsMap second) {
    return impl_->changeEach(
        second, [&](Document& next, const std::string& type, const std::string& key, const std::string& value,
                    bool& modified) { return impl_->removeEntry(next, first, type, key, value, modified); });
}

void XmlConfigStore::readDelimiter(std::string sectionType, std::string path, std::string& delimiter) {
    static const std::string kRootPrefix = "preferences.";
    if (path.compare(0, kRootPrefix.size(), kRootPrefix) == 0) path.erase(0, kRootPrefix.size());
    const boost::optional<std::string> found = impl_->read([&](const Document& doc) {
        const Key parsed = parseKey(path);
        const Tree& section = requireSection(doc, sectionType, parsed);
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
    }
    impl_->utility = std::move(utility);
}

// A failed load leaves the store unloaded: reads throw until a load succeeds.
bool XmlConfigStore::loadPreferences(std::string path, SettingsMap defaults) {
    Impl& impl = *impl_;
    std::lock_guard<std::mutex> guard(impl.changeMutex);
    impl.loaded.store(false);
    impl.install(nullptr);
    impl.path = std::move(path);
    impl.diskId = FileId{};
    impl.rejectedId = FileId{};
    impl.defaults.clear();
    try {
        impl.counters.push_back(std::make_unique<xmlstore::ChangeCounter>(xmlstore::lockPathOf(impl.path)));
        impl.counter.store(impl.counters.back()->active() ? impl.counters.back().get() : nullptr);
        // The counter is read before the file: a commit in between moves it again.
        impl.seenGeneration.store(impl.currentGeneration());
        impl.nextStat.store(coarseNanos() + kStatIntervalNanos);
        FileId id;
        std::unique_ptr<Document> loaded = impl.readFile(id);
        if (!loaded) return false;
        impl.diskId = id;
        impl.install(std::move(loaded));
        impl.loaded.store(true);
        impl.defaults = std::move(defaults);
        if (!impl.defaults.empty()) impl.completeWithDefaults(impl.defaults);
    } catch (const std::exception&) {
        // Out of memory while loading: report the file as not loaded.
        impl.loaded.store(false);
        impl.install(nullptr);
        return false;
    }
    return true;
}

bool XmlConfigStore::beginTransaction() { return impl_->beginTransaction(); }

void XmlConfigStore::commitTransaction() { impl_->commitTransaction(); }

void XmlConfigStore::failWrites(std::exception_ptr error) {
    if (impl_->ownsTransaction()) impl_->txWriteError = std::move(error);
}

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
    return impl_->read([](const Document& doc) {
        SettingsMap all;
        for (const Document::Element& element : doc.elements()) {
            const Tree* type = xmlstore::attributeOf(*element.tree, "type");
            if (type != nullptr) xmlstore::flattenNode(*element.tree, element.name, all[type->data()]);
        }
        return all;
    });
}

}  // namespace ZUR
