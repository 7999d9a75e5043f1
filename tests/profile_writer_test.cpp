// The profile settings writer and the command-line profile configuration over
// the real store. Every writer option, refusal and action combination is a
// row of tests/data/profile_writer_options.tsv.
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/lexical_cast.hpp>
#include <chrono>
#include <fstream>
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
using Words = std::vector<std::string>;

const std::string kProfile = "DNDOASProfile.";

std::vector<std::string> split(const std::string& text, const char* separators) {
    std::vector<std::string> parts;
    if (text == "-") return parts;
    boost::algorithm::split(parts, text, boost::algorithm::is_any_of(separators));
    return parts;
}

std::map<std::string, std::string> pairs(const std::string& text, const char* separators) {
    std::map<std::string, std::string> out;
    for (const std::string& pair : split(text, separators)) {
        const auto eq = pair.find('=');
        out[pair.substr(0, eq)] = pair.substr(eq + 1);
    }
    return out;
}

struct OptionCase {
    int line;
    std::string profile;
    int option;
    Words words;
    KOVL::DataSource source;
    std::map<std::string, std::string> context, preset, stored;
    std::string code;
    std::vector<LogLine> log;
};

std::vector<OptionCase> loadCases() {
    std::ifstream in(std::string(KOVCONFIG_TEST_DATA_DIR) + "/profile_writer_options.tsv");
    std::vector<OptionCase> cases;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        std::vector<std::string> c;
        boost::algorithm::split(c, text, boost::algorithm::is_any_of("\t"));
        if (c.size() != 9) ADD_FAILURE() << "line " << line << " has " << c.size() << " columns";
        if (c.size() != 9) continue;
        OptionCase oc{line,
                      c[0],
                      std::stoi(c[1]),
                      split(c[2], "|"),
                      c[3] == "cli" ? KOVL::CLI : KOVL::ZARN,
                      pairs(c[4], ";"),
                      pairs(c[5], "&"),
                      pairs(c[7], "&"),
                      c[6],
                      {}};
        for (const std::string& l : split(c[8], "|"))
            oc.log.push_back({std::stoi(l.substr(0, 1)), "ConfigController", l.substr(2)});
        cases.push_back(oc);
    }
    return cases;
}

class ProfileWriterTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
    // A fresh preferences file and controller.
    void restart() {
        TearDown();
        boost::filesystem::remove(dir.file("prefs.xml"));
        SetUp();
    }
    void put(const std::string& type, const std::string& key, const std::string& text) {
        store->inner().writeString("type", type, key, text);
    }
};

TEST_F(ProfileWriterTest, EveryOptionAnswersWritesAndLogsAsTabled) {
    const std::vector<OptionCase> cases = loadCases();
    ASSERT_GT(cases.size(), 90u);
    for (const OptionCase& c : cases) {
        SCOPED_TRACE("profile_writer_options.tsv line " + std::to_string(c.line));
        restart();
        const std::string type = c.profile == "abc" ? "1" : c.profile;
        for (const auto& p : c.preset) put(type, kProfile + p.first, p.second);
        const int mode = c.context.count("mode") ? std::stoi(c.context.at("mode")) : 3;
        KOVL::ControllerProbe::exclusionChoice(ctl(), mode,
                                               c.context.count("folder") && c.context.at("folder") == "1");
        if (c.context.count("managed")) ctl().setManagedMode(std::stoi(c.context.at("managed")));
        logger.clear();
        const int writes = store->writes();

        if (c.code == "throws") {
            EXPECT_THROW(ctl().setOASProfileSettings(c.profile, c.option, c.words, c.source),
                         boost::bad_lexical_cast);
        } else {
            EXPECT_EQ(ctl().setOASProfileSettings(c.profile, c.option, c.words, c.source), std::stoi(c.code));
        }
        if (c.code == "throws" || c.code == "3018" || c.code == "3025") {
            EXPECT_EQ(store->writes(), writes);
        }
        for (const auto& s : c.stored) EXPECT_EQ(stored(type, kProfile + s.first), s.second) << s.first;
        EXPECT_EQ(logger.controllerLines(), c.log);
    }
}

TEST_F(ProfileWriterTest, UnreadableActionLeavesAsAMExceptionAndTheMutexIsFree) {
    store->failKey("DNDOASProfile.PUPPrimaryAction");
    for (int option : {20, 21}) {
        try {
            ctl().setOASProfileSettings("1", option, {"allow"}, KOVL::CLI);
            ADD_FAILURE() << "option " << option << " did not throw";
        } catch (const KOVL::AMException& e) {
            EXPECT_EQ(e.getErrorCode(), KOVL::AM_INVALID_KEY);
        }
    }
    store->clearFaults();
    EXPECT_EQ(ctl().setOASProfileSettings("1", 12, {"enable"}, KOVL::CLI), 3001);
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
    void TearDown() override {
        ctl().registerCallBackMap(nullptr);
        ProfileWriterTest::TearDown();
    }
    std::set<int> applied;
};

TEST_F(CLIConfigurationTest, AppliesTheOptionsToTheChosenProfileAndHandsTheMapOn) {
    ctl().registerCallBackMap(recordMap);
    const Options options{{0, {"standard", "lowrisk"}}, {12, {"enable"}}, {26, {"x"}}};
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(false, options, applied), 3001);
    EXPECT_EQ(stored("2", "DNDOASProfile.ScanArchiveEnabled"), "1");
    EXPECT_EQ(applied, (std::set<int>{12}));
    ASSERT_EQ(g_maps.size(), 1u);
    EXPECT_EQ(g_maps[0], options);
    EXPECT_EQ(
        logger.controllerLines(),
        (std::vector<LogLine>{{6, "ConfigController",
                               "Call to registered callback function for set OAS Profile Config and with OAS "
                               "Scanner set disabled for preference type 3"}}));
}

TEST_F(CLIConfigurationTest, FileTypesAlreadyListedAreDroppedBeforeApplying) {
    ctl().registerCallBackMap(recordMap);
    put("3", "DNDOASProfile.FileTypeForOnlySpecified.FileType", "doc,xls");
    EXPECT_EQ(
        ctl().setOASProfileConfigurationFromCLI(true, {{0, {"highrisk"}}, {4, {"xls", "doc"}}}, applied),
        3001);
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(g_maps.empty());

    // Only the new words are passed on (a word given twice stays twice; the store keeps one).
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {{0, {"highrisk"}}, {4, {"pdf", "doc", "pdf"}}},
                                                      applied),
              3001);
    EXPECT_EQ(stored("3", "DNDOASProfile.FileTypeForOnlySpecified.FileType"), "doc,xls,pdf");
    ASSERT_EQ(g_maps.size(), 1u);
    EXPECT_EQ(g_maps[0], (Options{{0, {"highrisk"}}, {4, {"pdf", "pdf"}}}));
    EXPECT_EQ(logger.controllerLines().back().message,
              "Call to registered callback function for set OAS Profile Config and with OAS Scanner set "
              "enabled for "
              "preference type 4");
}

TEST_F(CLIConfigurationTest, SubOptionsChooseTheExclusionListAndCarryOver) {
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(
                  true, {{0, {}}, {22, {"addexclusionread", "addexclusionwrite"}}, {23, {"a.txt"}}}, applied),
              3021);
    EXPECT_EQ(applied, (std::set<int>{22, 23}));
    EXPECT_EQ(stored("1", "DNDOASProfile.WriteExclusionFiles.CLIFile"), "a.txt");
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{{2, "ConfigController", "Callback is not registered."}}));

    // Without key 22 the write mode stays; the folder marker picks the folder list.
    EXPECT_EQ(
        ctl().setOASProfileConfigurationFromCLI(true, {{0, {"standard"}}, {24, {"/srv"}}, {28, {}}}, applied),
        3021);
    EXPECT_EQ(stored("1", "DNDOASProfile.WriteExcludeFoldersAndSubFolders.CLIFolder"), "/srv");
    EXPECT_EQ(
        ctl().setOASProfileConfigurationFromCLI(true, {{0, {"x"}}, {22, {"other"}}, {24, {"/opt"}}}, applied),
        3021);
    EXPECT_EQ(stored("1", "DNDOASProfile.ReadWriteExclusionPaths.CLIPath"), "/opt");
    EXPECT_EQ(KOVL::ControllerProbe::exclusionMode(ctl()), 3);
}

TEST_F(CLIConfigurationTest, EmptyUnappliedAndFailingCommands) {
    ctl().registerCallBackMap(recordMap);
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {}, applied), 3004);
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {{12, {"enable"}}}, applied), 3004);
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>(
                  2, {2, "ConfigController", "Unable to set OAS ProfileConfig as the map is empty"})));
    logger.clear();

    // Only the selector: nothing applied, 3001. Nothing written: the last code.
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {{0, {"lowrisk"}}}, applied), 3001);
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {{0, {"lowrisk"}}, {12, {"disable"}}, {27, {}}},
                                                      applied),
              3025);
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(g_maps.empty());

    // A listener that throws, and a writer that throws: 3017; what was applied stays.
    ctl().registerCallBackMap(throwingMap);
    EXPECT_EQ(ctl().setOASProfileConfigurationFromCLI(true, {{0, {"lowrisk"}}, {13, {"enable"}}}, applied),
              3017);
    EXPECT_EQ(stored("2", "DNDOASProfile.ScanMailEnabled"), "1");
    store->failKey("DNDOASProfile.InfectionPrimaryAction");
    EXPECT_EQ(
        ctl().setOASProfileConfigurationFromCLI(true, {{0, {}}, {17, {"disable"}}, {18, {"clean"}}}, applied),
        3017);
    EXPECT_EQ(applied, (std::set<int>{13, 17}));
    EXPECT_EQ(logger.controllerLines().back(),
              (LogLine{2, "ConfigController", "Unable to set OAS ProfileConfig in Config Controller"}));
}

// The listener calls back into the controller; a deadlock fails the wait
// instead of hanging the suite.
TEST_F(CLIConfigurationTest, ReentrantCallbackFinishes) {
    ctl().registerCallBackMap(reentrantMap);
    auto done = std::make_shared<std::promise<int>>();
    std::future<int> result = done->get_future();
    std::thread([this, done] {
        std::set<int> mine;
        done->set_value(
            ctl().setOASProfileConfigurationFromCLI(true, {{0, {"lowrisk"}}, {12, {"enable"}}}, mine));
    }).detach();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(60)), std::future_status::ready) << "deadlock";
    EXPECT_EQ(result.get(), 3001);
    EXPECT_EQ(stored("3", "DNDOASProfile.ScanMailEnabled"), "1");
    EXPECT_EQ(stored("2", "DNDOASProfile.DetectUnwantedProgramsEnabled"), "0");
    EXPECT_EQ(g_maps.size(), 2u);  // the outer command and the nested one
}

TEST_F(CLIConfigurationTest, ProcessSettingsChoiceNotifiesOnlyOnChange) {
    static std::vector<KOVL::KOVPrefType> seen;
    seen.clear();
    ctl().registerCallBack([](KOVL::KOVPrefType t) { seen.push_back(t); });
    put("51", "DNDOASGlobalSettings.ProfileName", "standard");
    put("52", "DNDGlobalSettings.LastUpdatedTimeStamp", "1");
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3001);
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3018);
    EXPECT_EQ(ctl().getOASProcSettings(), "riskbased");
    EXPECT_EQ(ctl().setOASProcSettingsToStandard(), 3001);
    EXPECT_EQ(seen, (std::vector<KOVL::KOVPrefType>(2, KOVL::PREF_OAS_PROC_SETTINGS)));
    EXPECT_EQ(timeStamp(), "1");
    const std::string prefix = "Call to registered callback function for set OAS Proc Settings to ";
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{
                  {6, "ConfigController", prefix + "Risk based for preference type 2"},
                  {6, "ConfigController",
                   "OAS ProcSettings is already set to riskbased. Hence not setting it again to same value"},
                  {6, "ConfigController", prefix + "Standard for preference type 2"}}));

    ctl().registerCallBack(nullptr);
    logger.clear();
    store->failWritesOf("DNDOASGlobalSettings.ProfileName");
    EXPECT_EQ(ctl().setOASProcSettingsToRiskbased(), 3025);
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{{2, "ConfigController",
                                     "Unable to set OAS ProcSettings to Risk based in Config Controller"}}));
}

}  // namespace
