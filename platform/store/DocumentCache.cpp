// kovconfig: the document readers see, and each reading thread's reference to it.
#include "platform/store/DocumentCache.h"

#include <mutex>
#include <stdexcept>
#include <utility>

namespace ZUR {
namespace xmlstore {

namespace {

std::atomic<std::uint64_t> nextSerial{1};

// The document a thread read last, and the cache and version it was read at.
struct ReaderReference {
    // A cache destroyed after this thread's references (a static one, at
    // exit) then finds no reference of its own to drop.
    ~ReaderReference() { cache = 0; }

    std::uint64_t cache = 0;
    std::uint64_t version = 0;
    std::shared_ptr<const Document> doc;
};
thread_local ReaderReference heldByThisThread;

}  // namespace

DocumentCache::DocumentCache() : serial_(nextSerial.fetch_add(1, std::memory_order_relaxed)) {}

DocumentCache::~DocumentCache() {
    if (heldByThisThread.cache != serial_) return;
    heldByThisThread.cache = 0;
    heldByThisThread.doc.reset();
}

const Document& DocumentCache::current() {
    ReaderReference& held = heldByThisThread;
    if (held.cache != serial_ || held.version != version_.load(std::memory_order_acquire) || !held.doc) {
        std::shared_ptr<const Document> previous;  // released outside stateMutex_
        {
            std::shared_lock<std::shared_mutex> lock(stateMutex_);
            previous = std::exchange(held.doc, doc_);
            held.version = version_.load(std::memory_order_relaxed);
            held.cache = serial_;
        }
        if (!held.doc) throw std::runtime_error("XmlConfigStore: the preferences are not loaded");
    }
    return *held.doc;
}

void DocumentCache::install(std::shared_ptr<const Document> next) {
    {
        std::unique_lock<std::shared_mutex> lock(stateMutex_);
        doc_.swap(next);
        version_.fetch_add(1, std::memory_order_release);
    }
    // `next` now holds the previous document, released here; readers still
    // holding it keep it until they read again.
}

}  // namespace xmlstore
}  // namespace ZUR
