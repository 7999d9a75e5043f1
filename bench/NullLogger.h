// A logger that drops every line, for benchmarks that measure the work and not
// the logging.
#pragma once

#include <kovl/kovl.h>

#include <string>

namespace kovbench {

class NullLogger : public ZUR::ILogger {
public:
    int queryLogSettingA() override { return 0; }
    void logMessage(int, std::string, std::string) override {}
    int queryLogSettingB() override { return 0; }
    int queryLogSettingC() override { return 0; }
};

}  // namespace kovbench
