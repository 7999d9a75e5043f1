// The command-line front door end to end: kovctl runs as its own process over
// a temporary preferences directory, beside a controller in this process.
#include <sys/wait.h>

#include <cstdio>
#include <thread>

#include "support/TestSupport.h"

namespace {

struct ToolRun {
    int status;
    std::string out;
};

ToolRun kovctl(const kovtest::TempDir& dir, const std::string& args) {
    const std::string command = std::string(KOVCTL_PATH) + " --dir " + dir.path().string() + " --shipped " +
                                kovtest::shippedPrefs() + " " + args + " 2>/dev/null";
    ToolRun run{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof(buffer), pipe)) run.out += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class KovctlTest : public kovtest::ControllerTest {};

TEST_F(KovctlTest, ChangesReachTheDaemonsControllerAndBack) {
    EXPECT_EQ(kovctl(dir, "maxscantime 90").out, "3001\n");
    EXPECT_EQ(kovctl(dir, "maxscantime 90").out, "3018\n");
    EXPECT_EQ(ctl().getOASMaxScanTimeout(), 90);  // the store sees the other process's change at once

    EXPECT_EQ(ctl().setLogLevelForOAS(5), KOVL::AM_SUCCESS);
    const ToolRun shown = kovctl(dir, "show");
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("Max scan timeout: 90\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("OAS log level: 5\n"), std::string::npos) << shown.out;

    EXPECT_EQ(kovctl(dir, "addprocess highrisk curl").out, "3001\n");
    EXPECT_EQ(ctl().getProcess(KOVL::HIGH_RISK_PROFILE), std::vector<std::string>{"curl"});
    EXPECT_EQ(kovctl(dir, "processes").out, "highrisk curl\n");
}

TEST_F(KovctlTest, RefusesWhatItCannotParse) {
    for (const char* args : {"", "maxscantime ninety", "oas maybe", "addprocess standard bash", "nosuch"}) {
        SCOPED_TRACE(args);
        const ToolRun run = kovctl(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(KovctlTest, ConcurrentChangesFromBothProcessesAreAllKept) {
    constexpr int kEach = 8;
    std::thread tool([this] {
        for (int i = 0; i < kEach; ++i) kovctl(dir, "addprocess lowrisk tool" + std::to_string(i));
    });
    for (int i = 0; i < kEach; ++i) {
        std::set<std::string> names{"daemon" + std::to_string(i)};
        EXPECT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, names), KOVL::AM_SUCCESS);
    }
    tool.join();
    kovtest::RecordingLogger quiet;
    ZUR::XmlConfigStore fresh;
    ASSERT_TRUE(fresh.loadPreferences(dir.file("prefs.xml"), {}));
    const std::string list = fresh.readString("2", "DNDOASProfile.ProcessList.Process");
    for (int i = 0; i < kEach; ++i) {
        EXPECT_NE(list.find("tool" + std::to_string(i)), std::string::npos) << list;
        EXPECT_NE(list.find("daemon" + std::to_string(i)), std::string::npos) << list;
    }
}

}  // namespace
