// kovconfig: small platform implementations for hosts without the product's
// platform layer (the command-line front door, examples, tests).
//
// StreamLogger writes "<level> <component>: <message>" lines to a stream,
// dropping lines above its verbosity; it is safe from many threads.
// SystemUtils answers questions about the running kernel from /sys and /proc.
#pragma once

#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <iosfwd>
#include <mutex>
#include <string>

namespace ZUR {

class KOVL_EXPORT StreamLogger : public ILogger {
public:
    // `out` must outlive the logger. Lines with a level above `maxLevel` are dropped.
    explicit StreamLogger(std::ostream& out, int maxLevel = 6);

    int queryLogSettingA() override;  // the verbosity
    void logMessage(int level, std::string component, std::string message) override;
    int queryLogSettingB() override;  // maximum log size in bytes (10 MiB)
    int queryLogSettingC() override;  // rotated files kept (10)

private:
    std::ostream& out_;
    int maxLevel_;
    std::mutex mutex_;
};

class KOVL_EXPORT SystemUtils : public IZURUtils {
public:
    // `cgroupRoot` is where the cgroup file systems are mounted.
    explicit SystemUtils(std::string cgroupRoot = "/sys/fs/cgroup");

    // True when the kernel offers a CPU controller (cgroup v2 "cpu" or v1 "cpu").
    bool isCPULimitSupported() override;

private:
    std::string cgroupRoot_;
};

}  // namespace ZUR
