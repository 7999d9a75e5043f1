#include <kovl/platform/SystemPlatform.h>

#include <boost/filesystem.hpp>
#include <fstream>
#include <ostream>

namespace ZUR {

StreamLogger::StreamLogger(std::ostream& out, int maxLevel) : out_(out), maxLevel_(maxLevel) {}

int StreamLogger::queryLogSettingA() { return maxLevel_; }

void StreamLogger::logMessage(int level, std::string component, std::string message) {
    if (level > maxLevel_) return;
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << level << ' ' << component << ": " << message << '\n';
    out_.flush();
}

int StreamLogger::queryLogSettingB() { return 10 * 1024 * 1024; }

int StreamLogger::queryLogSettingC() { return 10; }

SystemUtils::SystemUtils(std::string cgroupRoot) : cgroupRoot_(std::move(cgroupRoot)) {}

bool SystemUtils::isCPULimitSupported() {
    // cgroup v2 lists its controllers in one file at the root.
    std::ifstream controllers(cgroupRoot_ + "/cgroup.controllers");
    if (controllers) {
        for (std::string word; controllers >> word;) {
            if (word == "cpu") return true;
        }
        return false;
    }
    // cgroup v1 mounts each controller as its own hierarchy.
    boost::system::error_code ignored;
    return boost::filesystem::is_directory(cgroupRoot_ + "/cpu", ignored) ||
           boost::filesystem::is_directory(cgroupRoot_ + "/cpu,cpuacct", ignored);
}

}  // namespace ZUR
