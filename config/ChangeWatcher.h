// kovconfig: the controller's watch for changes made elsewhere (private).
//
// One thread per watching controller. It sleeps in poll() on two
// descriptors: an inotify watch of the preferences file's directory and an
// eventfd. The store's observer (called with the store's change mutex held)
// only queues the change and writes the eventfd; the thread asks the store
// to pick up the file when inotify names it, then takes the queue and
// announces it (see KOVConfigController.h). Include only from the library's
// own .cpp files.
#pragma once

#include <kovl/config/ChangeNotices.h>
#include <kovl/platform/XmlConfigStore.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace KOVL {
namespace detail {

class ControllerImpl;

class ChangeWatcher {
public:
    explicit ChangeWatcher(ControllerImpl& controller);
    ~ChangeWatcher();  // stops
    ChangeWatcher(const ChangeWatcher&) = delete;
    ChangeWatcher& operator=(const ChangeWatcher&) = delete;

    // Starts the thread unless it runs; false after a level-2 line when the
    // store cannot be observed or a descriptor cannot be had.
    bool start();
    // Stops the thread and waits for it; from the thread itself only asks it to end.
    void stop();
    void setListener(ChangeListener listener);

private:
    void run();
    bool drainInotify();  // true when an event named the preferences file
    void announce(std::vector<ZUR::IObservableStore::Change> batch);
    void closeDescriptors();

    ControllerImpl& controller_;
    ZUR::IObservableStore* store_ = nullptr;
    std::mutex lifeMutex_;  // serialises start and stop
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    int inotifyFd_ = -1;
    int eventFd_ = -1;
    std::string fileName_;  // the preferences file's name in its directory

    std::mutex queueMutex_;
    std::deque<ZUR::IObservableStore::Change> queue_;

    std::mutex listenerMutex_;
    ChangeListener listener_;
};

}  // namespace detail
}  // namespace KOVL
