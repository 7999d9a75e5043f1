// Tasks, engine and DAT content, product information and directories. The
// option checks, the directory layout and the failure answers are golden
// tables in tests/data; the controller runs over a real XML store behind the
// fault injector, with platform utilities whose CPU-limit answer is chosen.
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::IConfigController;
using KOVL::KOVConfigController;
using kovtest::LogLine;
using OptionMap = std::map<int, std::vector<std::string>>;

using kovtest::dataRows;
using kovtest::logLine;

struct FakeUtils : ZUR::IZURUtils {
    std::string answer = "yes";
    int asked = 0;
    bool isCPULimitSupported() override {
        ++asked;
        if (answer == "throws") throw std::runtime_error("no answer");
        return answer == "yes";
    }
};

std::vector<OptionMap> received;
void recordMap(OptionMap options) { received.push_back(options); }
void throwingMap(OptionMap) { throw std::runtime_error("task not created"); }

// A host that keeps its product somewhere else.
struct MovedInstall : KOVConfigController {
    using KOVConfigController::KOVConfigController;
    std::string getProductInstallDir() override { return "/srv/sub"; }
};

class TasksContentTest : public kovtest::ControllerTest {
protected:
    void SetUp() override { build<KOVConfigController>(utils); }
    template <class Controller>
    void build(std::shared_ptr<ZUR::IZURUtils> platform) {
        rebuild<Controller>(nullptr, platform);
        received.clear();
    }

    std::shared_ptr<FakeUtils> utils = std::make_shared<FakeUtils>();
};

TEST_F(TasksContentTest, TaskOptionChecksRunInOrderWithTheirCodes) {
    for (const auto& row : dataRows("task_checks.tsv")) {
        SCOPED_TRACE(row[0] + " {" + row[1] + "} cpu " + row[2] + " callback " + row[3]);
        build<KOVConfigController>(row[2] == "none" ? nullptr : utils);
        utils->answer = row[2];
        utils->asked = 0;
        ctl().registerCallBackMap(row[3] == "yes" ? recordMap : row[3] == "throws" ? throwingMap : nullptr);
        OptionMap options;
        std::stringstream numbers(row[1]);
        for (std::string n; std::getline(numbers, n, ',');) options[std::stoi(n)] = {"value of " + n};
        logger.clear();
        auto set = [&] {
            return row[0] == "ods" ? ctl().setODSTaskConfig(options) : ctl().setUpdateTaskConfig(options);
        };

        if (row[4] == "throw") {
            EXPECT_THROW(set(), std::runtime_error);
        } else {
            EXPECT_EQ(std::stoi(row[4]), set());
        }
        EXPECT_EQ(std::stoi(row[5]), utils->asked);
        std::vector<LogLine> expected;
        for (std::size_t i = 6; i < row.size(); ++i) expected.push_back(logLine(row[i]));
        EXPECT_EQ(expected, logger.controllerLines());
        const bool handed = row[4] == "3001";
        EXPECT_EQ(handed ? std::vector<OptionMap>{options} : std::vector<OptionMap>{}, received);
    }
}

TEST_F(TasksContentTest, TaskSectionsAreToldApartByTheirTypeKeys) {
    const std::string ods = KOVL::newTaskSectionType(), update = KOVL::newTaskSectionType();
    EXPECT_NE(ods, update);  // fresh every time
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().addSettings(KOVL::taskSectionSettings(
                                    KOVL::ODS_TASK, ods, {{"ODSProfile.TaskName", "nightly"}})));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().addSettings(KOVL::taskSectionSettings(KOVL::UPDATE_TASK, update, {})));
    EXPECT_THROW(KOVL::taskSectionSettings(KOVL::ODS_TASK, "52", {}), std::invalid_argument);
    EXPECT_THROW(KOVL::taskSectionSettings(KOVL::ODS_TASK, ods, {{"UpdateProfile.TaskName", "x"}}),
                 std::invalid_argument);
    // A section with neither type key, and one with both.
    EXPECT_TRUE(store->inner().mergeSettings(
        {{"neither", {{"Other.<xmlattr>.type", "neither"}, {"Other.A", "1"}}},
         {"both", {{"ODSProfile.<xmlattr>.type", "both"}, {"UpdateProfile.<xmlattr>.type", "both"}}}}));

    auto types = [](const ZUR::SettingsMap& sections) {
        std::set<std::string> found;
        for (const auto& section : sections) found.insert(section.first);
        return found;
    };
    const ZUR::SettingsMap odsTasks = ctl().getODSTaskSettings();
    EXPECT_EQ((std::set<std::string>{"c98408b0-0b09-48a0-97fc-4f1f9902bc36",
                                     "d15496b5-0a10-4f2d-b934-5e3694f333df", ods, "neither"}),
              types(odsTasks));
    EXPECT_EQ("nightly", odsTasks.at(ods).at("ODSProfile.TaskName"));
    EXPECT_EQ((std::set<std::string>{"33313ed8-8688-4de7-b12b-8b1be7e46fcf", update, "neither"}),
              types(ctl().getUpdateTaskSettings()));

    store->failEverything();
    logger.clear();
    EXPECT_THROW(ctl().getODSTaskSettings(), std::runtime_error);
    EXPECT_THROW(ctl().getUpdateTaskSettings(), std::runtime_error);
    EXPECT_TRUE(logger.lines().empty());
}

// clang-format off
#define KOVL_PATH(name) {#name, &IConfigController::name}
const std::map<std::string, std::string (IConfigController::*)()> kPaths = {
    KOVL_PATH(getProductInstallDir), KOVL_PATH(getProductVarDir), KOVL_PATH(getProductBinDir),
    KOVL_PATH(getProductCLIPath), KOVL_PATH(getProductLogDir), KOVL_PATH(getODSReportDir),
    KOVL_PATH(getProductConfigDir), KOVL_PATH(getProductTmpDir), KOVL_PATH(getZURSocketPath),
    KOVL_PATH(getEngineRootDir), KOVL_PATH(getBaseEngineDir), KOVL_PATH(get64EngineBaseDir),
    KOVL_PATH(getEngineDir), KOVL_PATH(getDATDir), KOVL_PATH(getExtraDATDir),
    KOVL_PATH(getEngineFileName), KOVL_PATH(getIncrementalUpdateEnginePath)};
#undef KOVL_PATH
// clang-format on

TEST_F(TasksContentTest, DirectoriesInEverySetting) {
    const auto rows = dataRows("product_paths.tsv");
    EXPECT_EQ(kPaths.size() + 1, rows.size());
    for (std::size_t column = 1; column < rows[0].size(); ++column) {
        const std::string& setting = rows[0][column];
        SCOPED_TRACE(setting);
        if (setting == "override") build<MovedInstall>(utils);
        if (setting != "override") build<KOVConfigController>(utils);
        KOVL::EngineAndDATInfo versions{5, 900, 10000, 2};
        ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setEngineAndDATInfo(versions));
        put("52", "DNDGlobalSettings.IncrementalUpdateEngineVersion", "4.1");
        if (setting == "srvx") put("54", "DNDProductInformation.ProductInstallDir", "/srv/x");
        if (setting == "empty") {
            for (const char* key : {"ProductInstallDir", "ProductVarDir", "ProductBinDir", "ProductCLIName",
                                    "ProductODSReportDir"}) {
                put("54", std::string("DNDProductInformation.") + key, "");
            }
            put("55", "DNDProductDefaultSettings.ZURSocketPath", "");
        }
        if (setting == "failing") store->failEverything();
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const std::string& getter = rows[r][0];
            ASSERT_EQ(1u, kPaths.count(getter)) << getter;
            logger.clear();
            IConfigController& c = ctl();
            EXPECT_EQ(rows[r].at(column), (c.*kPaths.at(getter))()) << getter;
            // An empty name falls back silently; only the socket path says so.
            if (setting != "empty") continue;
            std::vector<LogLine> expected;
            if (getter == "getZURSocketPath") {
                expected.push_back(
                    logLine("2:Unable to get ZUR Socket Path. Returning default value instead"));
            }
            EXPECT_EQ(expected, logger.controllerLines()) << getter;
        }
    }
}

TEST_F(TasksContentTest, VersionsDatesAndVirusListRoundTrip) {
    KOVL::EngineAndDATInfo versions{5, 900, 4294967295LL, 2147483648LL + 7}, read{};
    ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setEngineAndDATInfo(versions));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getEngineAndDATInfo(read));
    EXPECT_EQ((std::vector<std::int64_t>{5, 900, -1, -2147483641}),
              (std::vector<std::int64_t>{read.majorEngineVersion, read.minorEngineVersion,
                                         read.majorDATVersion, read.minorDATVersion}));
    std::string major, both;
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getDATVersion(false, major));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getDATVersion(true, both));
    EXPECT_EQ("-1 -1.-2147483641", major + " " + both);
    // A failing minor part fails the major-only answer too; fields read before it keep their values.
    store->failKey("DNDGlobalSettings.MinorDATVersion");
    KOVL::EngineAndDATInfo partial{1, 2, 3, 4};
    EXPECT_EQ(KOVL::AM_STORE_FAILURE, ctl().getEngineAndDATInfo(partial));
    EXPECT_EQ((std::vector<std::int64_t>{5, 900, -1, 4}),
              (std::vector<std::int64_t>{partial.majorEngineVersion, partial.minorEngineVersion,
                                         partial.majorDATVersion, partial.minorDATVersion}));
    EXPECT_EQ(KOVL::AM_STORE_FAILURE, ctl().getDATVersion(false, major));
    EXPECT_EQ("-1", major);
    store->clearFaults();

    KOVL::DATReleaseInfo date{6, 12, 2026};
    ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setDATDateInfo(date));
    EXPECT_EQ("", timeStamp());  // content writers do not stamp
    const std::map<std::string, std::string> info = ctl().getProductInfo();
    EXPECT_EQ("6/12/2026",
              info.at("DATReleaseDay") + "/" + info.at("DATReleaseMonth") + "/" + info.at("DATReleaseYear"));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setDATUpdateDate("2026-12-06 10:00"));
    EXPECT_EQ(KOVL::AM_ALREADY_SET, ctl().setDATUpdateDate("2026-12-06 10:00"));
    EXPECT_EQ("2026-12-06 10:00", ctl().getDATUpdateDate());

    // The virus list is replaced as a whole, unchanged, with the list's own delimiter.
    const std::string listKey = "DNDGlobalSettings.ExtraDATVirusList.VirusName";
    std::vector<std::string> names{"W32/One", "Two", "W32/One"}, out{"untouched"};
    put("52", "DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", ";");
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVirusList(names));
    EXPECT_EQ("W32/One;Two;W32/One", stored("52", listKey));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVirusList(out));
    EXPECT_EQ(names, out);
    names.clear();
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVirusList(names));
    EXPECT_EQ("", stored("52", listKey));
    put("52", listKey, "   ");
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVirusList(out));
    EXPECT_EQ((std::vector<std::string>{"W32/One", "Two", "W32/One"}), out);  // an empty list leaves it alone
}

TEST_F(TasksContentTest, FailingStoreAnswersEachContentOperation) {
    store->failEverything();
    IConfigController& c = ctl();
    KOVL::EngineAndDATInfo versions;
    KOVL::DATReleaseInfo date;
    std::vector<std::string> names{"A"};
    const std::map<std::string, std::function<int(std::string&)>> operations = {
        {"getEngineAndDATInfo", [&](std::string&) { return c.getEngineAndDATInfo(versions); }},
        {"setEngineAndDATInfo", [&](std::string&) { return c.setEngineAndDATInfo(versions); }},
        {"getDATDateInfo", [&](std::string&) { return c.getDATDateInfo(date); }},
        {"setDATDateInfo", [&](std::string&) { return c.setDATDateInfo(date); }},
        {"getDATVersion", [&](std::string& out) { return c.getDATVersion(true, out); }},
        {"getEngineVersion", [&](std::string& out) { return c.getEngineVersion(out); }},
        {"getExtraDATVersion", [&](std::string& out) { return c.getExtraDATVersion(out); }},
        {"setExtraDATVersion", [&](std::string&) { return c.setExtraDATVersion("9"); }},
        {"getIncrementalUpdateEngineVersion",
         [&](std::string& out) { return ctl().getIncrementalUpdateEngineVersion(out); }},
        {"getExtraDATVirusList", [&](std::string&) { return c.getExtraDATVirusList(names); }},
        {"setExtraDATVirusList", [&](std::string&) { return c.setExtraDATVirusList(names); }},
        {"getDATUpdateDate", [&](std::string& out) { return out = c.getDATUpdateDate(), 0; }},
        {"setDATUpdateDate", [&](std::string&) { return c.setDATUpdateDate("2026-12-06"); }},
        {"getProductInfo", [&](std::string& out) {
             out.clear();
             for (const auto& entry : c.getProductInfo()) out += entry.first + "=" + entry.second + ";";
             return 0;
         }}};
    const auto rows = dataRows("content_failures.tsv");
    EXPECT_EQ(operations.size(), rows.size());
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        ASSERT_EQ(1u, operations.count(row[0]));
        logger.clear();
        std::string out = "keep";
        const int code = operations.at(row[0])(out);
        EXPECT_EQ(row[1], row[1] == "-" ? "-" : std::to_string(code));
        EXPECT_EQ(row[2], out);
        std::vector<LogLine> expected;
        for (std::size_t i = 3; i < row.size(); ++i) expected.push_back(logLine("2:" + row[i]));
        EXPECT_EQ(expected, logger.controllerLines());
    }
    EXPECT_EQ(std::vector<std::string>{"A"}, names);
}

}  // namespace
