// kovconfig: the document readers see, and each reading thread's reference
// to it (private).
//
// A document is installed whole and never changed afterwards. Each reading
// thread keeps its own reference to the document it last read and checks one
// version word (a plain load) before reusing it; only a thread that finds the
// version moved takes the shared lock to fetch the new one. Readers on several
// cores thus write no shared memory and scale. A thread's reference keeps an
// old document alive until that thread reads again or ends; the thread that
// destroys a cache drops its own at once.
//
// Thread safety: current() from any thread; install() and installed() only by
// the one thread at a time that changes the store (the store's change mutex
// serialises them).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <shared_mutex>

#include "platform/store/Document.h"

namespace ZUR {
namespace xmlstore {

class DocumentCache {
public:
    DocumentCache();
    ~DocumentCache();
    DocumentCache(const DocumentCache&) = delete;
    DocumentCache& operator=(const DocumentCache&) = delete;

    // The current document through the calling thread's reference; throws
    // std::runtime_error when none is installed.
    const Document& current();
    // Makes `next` (null: none) the current document; the previous one is
    // released outside the exclusive hold.
    void install(std::shared_ptr<const Document> next);
    // The installed document (null: none), for the thread that changes the store.
    const Document* installed() const { return doc_.get(); }

private:
    const std::uint64_t serial_;  // tells caches apart in the threads' references; never reused
    std::shared_mutex stateMutex_;
    std::shared_ptr<const Document> doc_;  // replaced under stateMutex_, which also bumps version_
    std::atomic<std::uint64_t> version_{0};
};

}  // namespace xmlstore
}  // namespace ZUR
