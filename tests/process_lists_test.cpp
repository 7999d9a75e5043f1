// Process lists of the low-risk and high-risk profiles, round trips through
// the real store.
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/TestSupport.h"

namespace {

using kovtest::LogLine;
using Items = std::vector<std::string>;
using Entries = std::vector<std::map<std::string, std::string>>;

const char* const kProcessKey = "DNDOASProfile.ProcessList.Process";

using kovtest::err;

class ProcessListsTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
    void put(const std::string& type, const std::string& text) {
        ControllerTest::put(type, kProcessKey, text);
    }
};

TEST_F(ProcessListsTest, AddSortsNamesAndMergesThemIntoTheList) {
    std::set<std::string> names{"zsh", "bash"};
    staleStamp();
    EXPECT_EQ(ctl().addProcess(KOVL::HIGH_RISK_PROFILE, names), 3001);
    EXPECT_EQ(stored("3", kProcessKey), "bash,zsh");
    EXPECT_NE(timeStamp(), "1");

    std::set<std::string> more{"cat", "bash"};
    EXPECT_EQ(ctl().addProcess(KOVL::HIGH_RISK_PROFILE, more), 3001);
    EXPECT_EQ(ctl().getProcess(KOVL::HIGH_RISK_PROFILE), (Items{"bash", "zsh", "cat"}));
    EXPECT_EQ(ctl().getProcess(KOVL::LOW_RISK_PROFILE), Items{});

    // The list's own delimiter joins the names.
    ControllerTest::put("2", "DNDOASProfile.ProcessList.<xmlattr>.delimiter", ";");
    std::set<std::string> low{"vim", "emacs"};
    EXPECT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, low), 3001);
    EXPECT_EQ(stored("2", kProcessKey), "emacs;vim");
    EXPECT_EQ(ctl().getProcess(KOVL::LOW_RISK_PROFILE), (Items{"emacs", "vim"}));
    EXPECT_TRUE(logger.controllerLines().empty());
}

TEST_F(ProcessListsTest, RefusedAddsAndDeletesWriteNothing) {
    std::set<std::string> names{"bash"}, none;
    const int writes = store->writes();
    EXPECT_EQ(ctl().addProcess(KOVL::STANDARD_PROFILE, names), 3025);
    EXPECT_EQ(ctl().addProcess(KOVL::EXTRA_PROFILE_01, names), 3025);
    EXPECT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, none), 3025);
    EXPECT_EQ(ctl().deleteProcess(KOVL::STANDARD_PROFILE, "bash"), 3025);
    EXPECT_EQ(ctl().deleteProcess(static_cast<KOVL::PROFILE_CODE>(7), "bash"), 3025);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_TRUE(logger.controllerLines().empty());
}

TEST_F(ProcessListsTest, DeleteRemovesEveryOccurrenceAndKeepsAnEmptyList) {
    put("3", "a,b,a,c");
    staleStamp();
    EXPECT_EQ(ctl().deleteProcess(KOVL::HIGH_RISK_PROFILE, "a"), 3001);
    EXPECT_EQ(ctl().getProcess(KOVL::HIGH_RISK_PROFILE), (Items{"b", "c"}));
    EXPECT_NE(timeStamp(), "1");

    // Comparison is exact: another case leaves the list as it is; deleting from an empty list succeeds.
    for (const char* name : {"B", "b", "c", "c"})
        EXPECT_EQ(ctl().deleteProcess(KOVL::HIGH_RISK_PROFILE, name), 3001);
    EXPECT_TRUE(store->inner().keyExists("3", kProcessKey));
    EXPECT_EQ(stored("3", kProcessKey), "");
    std::set<std::string> again{"d"};
    EXPECT_EQ(ctl().addProcess(KOVL::HIGH_RISK_PROFILE, again), 3001);
    EXPECT_EQ(stored("3", kProcessKey), "d");
    EXPECT_TRUE(logger.controllerLines().empty());
}

TEST_F(ProcessListsTest, StoreFailuresAnswer3025) {
    put("2", "a,b");
    std::set<std::string> names{"c"};
    store->failBulk();
    EXPECT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, names), 3025);
    EXPECT_EQ(ctl().deleteProcess(KOVL::LOW_RISK_PROFILE, "a"), 3025);
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{err("Unable to add new settings in Config Controller"),
                                    err("Unable to delete settings from Config Controller")}));
    store->clearFaults();

    // The list cannot be read at all: nothing is written.
    store->failKey(kProcessKey);
    logger.clear();
    const int writes = store->writes();
    EXPECT_EQ(ctl().getProcess(KOVL::LOW_RISK_PROFILE), Items{});
    EXPECT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, names), 3025);
    EXPECT_EQ(ctl().deleteProcess(KOVL::LOW_RISK_PROFILE, "a"), 3025);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{err("Unable to get process from Config Controller"),
                                    err("Unable to add process to Config Controller"),
                                    err("Unable to get process from Config Controller"),
                                    err("Unable to delete process from Config Controller")}));
}

TEST_F(ProcessListsTest, ListsReadInStoredOrderAndTheLabelledListSkipsEmptyItems) {
    put("3", "h1,,h2");
    put("2", ",l1");
    EXPECT_EQ(ctl().getProcess(KOVL::HIGH_RISK_PROFILE), (Items{"h1", "h2"}));
    EXPECT_EQ(ctl().getProcess(KOVL::LOW_RISK_PROFILE), (Items{"", "l1"}));
    EXPECT_EQ(ctl().getProcessList(), (Entries{{{"3", "h1"}}, {{"3", "h2"}}, {{"2", "l1"}}}));

    put("3", "");
    EXPECT_EQ(ctl().getProcessList(), (Entries{{{"2", "l1"}}}));

    put("3", "h1");
    store->failKey(kProcessKey);
    logger.clear();
    EXPECT_EQ(ctl().getProcessList(), Entries{});
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{err("Unable to get high risk process map from Config Controller"),
                                    err("Unable to get low risk process map from Config Controller")}));
}

TEST_F(ProcessListsTest, ConcurrentDeletesLoseNoUpdate) {
    std::set<std::string> names;
    for (int i = 0; i < 16; ++i) names.insert("p" + std::to_string(i));
    ASSERT_EQ(ctl().addProcess(KOVL::LOW_RISK_PROFILE, names), 3001);

    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this, t] {
            for (int i = t; i < 16; i += 4)
                EXPECT_EQ(ctl().deleteProcess(KOVL::LOW_RISK_PROFILE, "p" + std::to_string(i)), 3001);
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(ctl().getProcess(KOVL::LOW_RISK_PROFILE), Items{});
    EXPECT_TRUE(store->inner().keyExists("2", kProcessKey));
}

}  // namespace
