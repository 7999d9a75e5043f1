// The profile settings writer and the command-line profile configuration over
// the real store. Every writer option, refusal and action combination is a
// row of tests/data/profile_writer_options.tsv.
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/lexical_cast.hpp>
#include <chrono>
#include <future>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/TestSupport.h"

namespace {

using kovtest::LogLine;
using Options = std::map<int, std::vector<std::string>>;
using Lines = std::vector<LogLine>;

// "-" is the empty list.
std::vector<std::string> split(const std::string& text, const char* separators) {
    std::vector<std::string> parts;
    if (text != "-") boost::algorithm::split(parts, text, boost::algorithm::is_any_of(separators));
    return parts;
}

std::map<std::string, std::string> pairs(const std::string& text, const char* separators) {
    std::map<std::string, std::string> out;
    for (const std::string& pair : split(text, separators))
        out[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
    return out;
}

using kovtest::err;
using kovtest::info;

class ProfileWriterTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
    void restart() {  // a fresh preferences file and controller
        TearDown();
        boost::filesystem::remove(dir.file("prefs.xml"));
        SetUp();
    }
    // Records an exclusion scan mode (1 read, 2 write, 3 both) and folder
    // choice as a command-line profile command does.
    void chooseExclusion(int mode, bool folder) {
        static const char* const kNames[] = {"addexclusionread", "addexclusionwrite", "addexclusionrw"};
        std::map<int, std::vector<std::string>> options{{0, {"standard"}}, {22, {kNames[mode - 1]}}};
        if (folder) options[28] = {};
        std::set<int> applied;
        ctl().setOASProfileConfigurationFromCLI(false, options, applied);
    }
};

// Columns: profile, option, words, source, context, preset, code, stored, log (see the file's header).
TEST_F(ProfileWriterTest, EveryOptionAnswersWritesAndLogsAsTabled) {
    const auto table = kovtest::dataRows("profile_writer_options.tsv");
    EXPECT_GT(table.size(), 90u);
    for (const std::vector<std::string>& c : table) {
        SCOPED_TRACE("profile_writer_options.tsv: " + c[0] + " " + c[1] + " " + c[2]);
        ASSERT_EQ(c.size(), 9u);
        restart();
        const std::string type = c[0] == "abc" ? "1" : c[0];
        for (const auto& p : pairs(c[5], "&")) put(type, "DNDOASProfile." + p.first, p.second);
        const auto context = pairs(c[4], ";");
        const int mode = context.count("mode") ? std::stoi(context.at("mode")) : 3;
        chooseExclusion(mode, context.count("folder") && context.at("folder") == "1");
        if (context.count("managed")) ctl().setManagedMode(std::stoi(context.at("managed")));
        logger.clear();
        const int writes = store->writes();
        const auto write = [&] {
            return ctl().setOASProfileSettings(c[0], std::stoi(c[1]), split(c[2], "|"),
                                               c[3] == "cli" ? KOVL::CLI : KOVL::ZARN);
        };
        if (c[6] == "throws") {
            EXPECT_THROW(write(), boost::bad_lexical_cast);
        } else {
            EXPECT_EQ(write(), std::stoi(c[6]));
        }
        if (c[6] == "throws" || c[6] == "3018" || c[6] == "3025") {
            EXPECT_EQ(store->writes(), writes) << "wrote";
        }
        for (const auto& s : pairs(c[7], "&"))
            EXPECT_EQ(stored(type, "DNDOASProfile." + s.first), s.second) << s.first;
        Lines expected;
        for (const std::string& l : split(c[8], "|")) expected.push_back(kovtest::logLine(l));
        EXPECT_EQ(logger.controllerLines(), expected);
    }
}

std::vector<Options> g_maps;
KOVL::KOVConfigController* g_controller = nullptr;
void recordMap(std::map<int, std::vector<std::string>> m) { g_maps.push_back(m); }
void throwingMap(std::map<int, std::vector<std::string>>) { throw std::runtime_error("listener failed"); }
// Calls back into the controller: another command and a writer option.
void reentrantMap(std::map<int, std::vector<std::string>> m) {
    g_maps.push_back(m);
    std::set<int> ignored;
    g_controller->setOASProfileConfigurationFromCLI(true, {{0, {"highrisk"}}, {13, {"enable"}}}, ignored);
    g_controller->setOASProfileSettings("2", 14, {"disable"}, KOVL::CLI);
}

class CLIConfigurationTest : public ProfileWriterTest {
protected:
    void SetUp() override {
        ProfileWriterTest::SetUp();
        g_maps.clear();
        g_controller = &ctl();
    }
    int apply(bool scannerEnabled, const Options& options) {
        return ctl().setOASProfileConfigurationFromCLI(scannerEnabled, options, applied);
    }
    std::set<int> applied;
};

TEST_F(CLIConfigurationTest, AppliesToTheChosenProfileAndHandsTheMapOn) {
    ctl().registerCallBackMap(recordMap);
    const Options options{{0, {"standard", "lowrisk"}}, {12, {"enable"}}, {26, {"x"}}};
    EXPECT_EQ(apply(false, options), 3001);
    EXPECT_EQ(stored("2", "DNDOASProfile.ScanArchiveEnabled"), "1");
    EXPECT_EQ(applied, (std::set<int>{12}));
    EXPECT_EQ(g_maps, std::vector<Options>{options});

    // File types the profile already lists are dropped; none left: nothing applied, nobody told.
    put("3", "DNDOASProfile.FileTypeForOnlySpecified.FileType", "doc,xls");
    applied.clear();
    EXPECT_EQ(apply(true, {{0, {"highrisk"}}, {4, {"xls", "doc"}}}), 3001);
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(apply(true, {{0, {"highrisk"}}, {4, {"pdf", "doc", "pdf"}}}), 3001);
    EXPECT_EQ(stored("3", "DNDOASProfile.FileTypeForOnlySpecified.FileType"), "doc,xls,pdf");
    EXPECT_EQ(g_maps.back(), (Options{{0, {"highrisk"}}, {4, {"pdf", "pdf"}}}));
    const std::string call =
        "Call to registered callback function for set OAS Profile Config and with OAS Scanner set ";
    EXPECT_EQ(logger.controllerLines(), (Lines{info(call + "disabled for preference type 3"),
                                               info(call + "enabled for preference type 4")}));
}

TEST_F(CLIConfigurationTest, EmptyUnappliedAndFailingCommands) {
    ctl().registerCallBackMap(recordMap);
    EXPECT_EQ(apply(true, {}), 3004);
    EXPECT_EQ(apply(true, {{12, {"enable"}}}), 3004);
    EXPECT_EQ(logger.controllerLines(), Lines(2, err("Unable to set OAS ProfileConfig as the map is empty")));
    // Only the selector: 3001. Nothing written: the last option's code.
    EXPECT_EQ(apply(true, {{0, {"lowrisk"}}}), 3001);
    EXPECT_EQ(apply(true, {{0, {"lowrisk"}}, {12, {"disable"}}, {27, {}}}), 3025);
    EXPECT_TRUE(g_maps.empty());

    // A listener that throws, and a writer that throws: 3017; what was applied stays.
    ctl().registerCallBackMap(throwingMap);
    EXPECT_EQ(apply(true, {{0, {"lowrisk"}}, {13, {"enable"}}}), 3017);
    EXPECT_EQ(stored("2", "DNDOASProfile.ScanMailEnabled"), "1");
    store->failKey("DNDOASProfile.InfectionPrimaryAction");
    EXPECT_EQ(apply(true, {{0, {}}, {17, {"disable"}}, {18, {"clean"}}}), 3017);
    EXPECT_EQ(applied, (std::set<int>{13, 17}));
    EXPECT_EQ(logger.controllerLines().back(), err("Unable to set OAS ProfileConfig in Config Controller"));
    store->clearFaults();
    ctl().registerCallBackMap(nullptr);
    EXPECT_EQ(apply(true, {{0, {}}, {17, {"enable"}}}), 3021);  // the mutex was released
}

// The listener calls back into the controller; a deadlock fails the wait instead of hanging the suite.
TEST_F(CLIConfigurationTest, ReentrantCallbackFinishes) {
    ctl().registerCallBackMap(reentrantMap);
    auto done = std::make_shared<std::promise<int>>();
    std::future<int> result = done->get_future();
    std::thread([this, done] {
        done->set_value(apply(true, {{0, {"lowrisk"}}, {12, {"enable"}}}));
    }).detach();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(60)), std::future_status::ready) << "deadlock";
    EXPECT_EQ(result.get(), 3001);
    EXPECT_EQ(stored("3", "DNDOASProfile.ScanMailEnabled"), "1");
    EXPECT_EQ(stored("2", "DNDOASProfile.DetectUnwantedProgramsEnabled"), "0");
    EXPECT_EQ(g_maps.size(), 2u);  // the outer command and the nested one
    ctl().registerCallBackMap(nullptr);
}

std::vector<KOVL::KOVPrefType> g_prefs;
TEST_F(CLIConfigurationTest, ProcessSettingsChoiceNotifiesOnlyOnChange) {
    g_prefs.clear();
    ctl().registerCallBack([](KOVL::KOVPrefType t) { g_prefs.push_back(t); });
    put("52", "DNDGlobalSettings.LastUpdatedTimeStamp", "1");
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3001);
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3018);
    EXPECT_EQ(ctl().getOASProcSettings(), "riskbased");
    EXPECT_EQ(ctl().setOASProcSettingsToStandard(), 3001);
    EXPECT_EQ(g_prefs, std::vector<KOVL::KOVPrefType>(2, KOVL::PREF_OAS_PROC_SETTINGS));
    EXPECT_EQ(timeStamp(), "1");
    const std::string call = "Call to registered callback function for set OAS Proc Settings to ";
    EXPECT_EQ(
        logger.controllerLines(),
        (Lines{info(call + "Risk based for preference type 2"),
               info("OAS ProcSettings is already set to riskbased. Hence not setting it again to same value"),
               info(call + "Standard for preference type 2")}));
    logger.clear();
    store->failWritesOf("DNDOASGlobalSettings.ProfileName");
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3025);
    EXPECT_EQ(logger.controllerLines(),
              Lines{err("Unable to set OAS ProcSettings to Risk based in Config Controller")});
    ctl().registerCallBack(nullptr);
}

}  // namespace
