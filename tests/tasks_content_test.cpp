// Tasks, engine and DAT content, product information and directories. The
// option checks, the directory layout and the failure answers are golden
// tables in tests/data; the controller runs over a real XML store behind the
// fault injector, with platform utilities whose CPU-limit answer is chosen.
#include <boost/algorithm/string/case_conv.hpp>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::KOVConfigController;
using kovtest::LogLine;
using OptionMap = std::map<int, std::vector<std::string>>;

std::vector<std::vector<std::string>> golden(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(std::string(KOVCONFIG_TEST_DATA_DIR) + "/" + name);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        if (line.back() == '\t') fields.emplace_back();
        rows.push_back(fields);
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

LogLine line(const std::string& levelAndMessage) {
    const std::size_t colon = levelAndMessage.find(':');
    return {std::stoi(levelAndMessage.substr(0, colon)), "ConfigController",
            levelAndMessage.substr(colon + 1)};
}

struct FakeUtils : ZUR::IZURUtils {
    bool supported = true;
    bool throws = false;
    int asked = 0;
    bool isCPULimitSupported() override {
        ++asked;
        if (throws) throw std::runtime_error("no answer");
        return supported;
    }
};

std::vector<OptionMap> received;
void recordMap(OptionMap options) { received.push_back(options); }
void throwingMap(OptionMap) { throw std::runtime_error("task not created"); }

// A host that keeps its product somewhere else.
class MovedInstall : public KOVConfigController {
public:
    using KOVConfigController::KOVConfigController;
    std::string getProductInstallDir() override { return "/srv/sub"; }
};

class TasksContentTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        received.clear();
        build<KOVConfigController>(utils);
    }

    template <class Controller>
    void build(std::shared_ptr<ZUR::IZURUtils> platform) {
        controller.reset();
        auto faulty = std::make_unique<kovtest::FaultInjectingStore>(std::make_shared<ZUR::XmlConfigStore>());
        store = faulty.get();
        controller = std::make_unique<Controller>(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                                  std::move(faulty), nullptr, platform, files());
    }

    void putText(const std::string& type, const std::string& key, const std::string& value) {
        store->inner().writeString("type", type, key, value);
    }

    std::shared_ptr<FakeUtils> utils = std::make_shared<FakeUtils>();
};

TEST_F(TasksContentTest, TaskOptionChecksRunInOrderWithTheirCodes) {
    for (const auto& row : golden("task_checks.tsv")) {
        SCOPED_TRACE(row[0] + " {" + row[1] + "} cpu " + row[2] + " callback " + row[3]);
        build<KOVConfigController>(row[2] == "none" ? nullptr : utils);
        utils->supported = row[2] == "yes";
        utils->asked = 0;
        received.clear();
        ctl().registerCallBackMap(row[3] == "yes" ? recordMap : row[3] == "throws" ? throwingMap : nullptr);
        OptionMap options;
        std::stringstream numbers(row[1]);
        for (std::string n; std::getline(numbers, n, ',');) options[std::stoi(n)] = {"value of " + n};
        logger.clear();

        const int code =
            row[0] == "ods" ? ctl().setODSTaskConfig(options) : ctl().setUpdateTaskConfig(options);

        EXPECT_EQ(std::stoi(row[4]), code);
        EXPECT_EQ(std::stoi(row[5]), utils->asked);
        std::vector<LogLine> expected;
        for (std::size_t i = 6; i < row.size(); ++i) expected.push_back(line(row[i]));
        EXPECT_EQ(expected, logger.controllerLines());
        EXPECT_EQ(code == KOVL::AM_SUCCESS ? std::vector<OptionMap>{options} : std::vector<OptionMap>{},
                  received);
    }
}

TEST_F(TasksContentTest, FailingCPULimitQueryReachesTheCaller) {
    utils->throws = true;
    ctl().registerCallBackMap(recordMap);
    EXPECT_THROW(ctl().setODSTaskConfig({{100, {}}, {132, {"50"}}}), std::runtime_error);
    EXPECT_THROW(ctl().setUpdateTaskConfig({{135, {}}, {132, {"50"}}}), std::runtime_error);
    EXPECT_TRUE(received.empty());
}

TEST_F(TasksContentTest, TaskSectionsAreToldApartByTheirTypeKeys) {
    const std::string ods = KOVL::newTaskSectionType(), update = KOVL::newTaskSectionType();
    EXPECT_EQ(36u, ods.size());
    EXPECT_NE(ods, update);
    EXPECT_EQ(ods, boost::algorithm::to_lower_copy(ods));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().addSettings(KOVL::taskSectionSettings(
                                    KOVL::ODS_TASK, ods, {{"ODSProfile.TaskName", "nightly"}})));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().addSettings(KOVL::taskSectionSettings(KOVL::UPDATE_TASK, update, {})));
    // Neither type key, and both.
    EXPECT_TRUE(store->inner().mergeSettings(
        {{"neither", {{"Other.<xmlattr>.type", "neither"}, {"Other.A", "1"}}},
         {"both", {{"ODSProfile.<xmlattr>.type", "both"}, {"UpdateProfile.<xmlattr>.type", "both"}}}}));

    auto types = [](const ZUR::SettingsMap& sections) {
        std::set<std::string> found;
        for (const auto& section : sections) found.insert(section.first);
        return found;
    };
    const std::string quick = "c98408b0-0b09-48a0-97fc-4f1f9902bc36",
                      full = "d15496b5-0a10-4f2d-b934-5e3694f333df",
                      shippedUpdate = "33313ed8-8688-4de7-b12b-8b1be7e46fcf";
    const ZUR::SettingsMap odsTasks = ctl().getODSTaskSettings();
    EXPECT_EQ((std::set<std::string>{quick, full, ods, "neither"}), types(odsTasks));
    EXPECT_EQ("nightly", odsTasks.at(ods).at("ODSProfile.TaskName"));
    EXPECT_EQ("full scan", odsTasks.at(full).at("ODSProfile.TaskName"));
    EXPECT_EQ((std::set<std::string>{shippedUpdate, update, "neither"}),
              types(ctl().getUpdateTaskSettings()));

    EXPECT_THROW(KOVL::taskSectionSettings(KOVL::ODS_TASK, "52", {}), std::invalid_argument);
    EXPECT_THROW(KOVL::taskSectionSettings(KOVL::ODS_TASK, ods, {{"UpdateProfile.TaskName", "x"}}),
                 std::invalid_argument);

    store->failEverything();
    logger.clear();
    EXPECT_THROW(ctl().getODSTaskSettings(), std::runtime_error);
    EXPECT_THROW(ctl().getUpdateTaskSettings(), std::runtime_error);
    EXPECT_TRUE(logger.lines().empty());
}

TEST_F(TasksContentTest, DirectoriesInEverySetting) {
    const auto rows = golden("product_paths.tsv");
    const std::vector<std::string>& settings = rows.front();
    for (std::size_t column = 1; column < settings.size(); ++column) {
        const std::string& setting = settings[column];
        SCOPED_TRACE(setting);
        if (setting == "override") {
            build<MovedInstall>(utils);
        } else {
            build<KOVConfigController>(utils);
        }
        KOVL::EngineAndDATInfo versions{5, 900, 10000, 2};
        ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setEngineAndDATInfo(versions));
        putText("52", "DNDGlobalSettings.IncrementalUpdateEngineVersion", "4.1");
        if (setting == "srvx") putText("54", "DNDProductInformation.ProductInstallDir", "/srv/x");
        if (setting == "empty") {
            for (const char* key : {"ProductInstallDir", "ProductVarDir", "ProductBinDir", "ProductCLIName",
                                    "ProductODSReportDir"}) {
                putText("54", std::string("DNDProductInformation.") + key, "");
            }
            putText("55", "DNDProductDefaultSettings.ZURSocketPath", "");
        }
        if (setting == "failing") store->failEverything();

        KOVL::IConfigController& c = ctl();
        const std::map<std::string, std::function<std::string()>> getters = {
            {"getProductInstallDir", [&] { return c.getProductInstallDir(); }},
            {"getProductVarDir", [&] { return c.getProductVarDir(); }},
            {"getProductBinDir", [&] { return c.getProductBinDir(); }},
            {"getProductCLIPath", [&] { return c.getProductCLIPath(); }},
            {"getProductLogDir", [&] { return c.getProductLogDir(); }},
            {"getODSReportDir", [&] { return c.getODSReportDir(); }},
            {"getProductConfigDir", [&] { return c.getProductConfigDir(); }},
            {"getProductTmpDir", [&] { return c.getProductTmpDir(); }},
            {"getZURSocketPath", [&] { return c.getZURSocketPath(); }},
            {"getEngineRootDir", [&] { return c.getEngineRootDir(); }},
            {"getBaseEngineDir", [&] { return c.getBaseEngineDir(); }},
            {"get64EngineBaseDir", [&] { return c.get64EngineBaseDir(); }},
            {"getEngineDir", [&] { return c.getEngineDir(); }},
            {"getIncrementalUpdateEnginePath", [&] { return c.getIncrementalUpdateEnginePath(); }},
            {"getDATDir", [&] { return c.getDATDir(); }},
            {"getExtraDATDir", [&] { return c.getExtraDATDir(); }},
            {"getEngineFileName", [&] { return c.getEngineFileName(); }},
        };
        EXPECT_EQ(rows.size() - 1, getters.size());
        for (const auto& row : rows) {
            if (row[0] == "getter") continue;
            const std::string& getter = row[0];
            logger.clear();
            ASSERT_EQ(1u, getters.count(getter)) << getter;
            EXPECT_EQ(row.at(column), getters.at(getter)()) << getter;
            // An empty name falls back silently; only the socket path says so.
            if (setting == "empty") {
                const std::vector<LogLine> expected =
                    getter == "getZURSocketPath"
                        ? std::vector<LogLine>{line(
                              "2:Unable to get ZUR Socket Path. Returning default value instead")}
                        : std::vector<LogLine>{};
                EXPECT_EQ(expected, logger.controllerLines()) << getter;
            }
        }
    }
}

TEST_F(TasksContentTest, VersionsDatesAndVirusListRoundTrip) {
    KOVL::EngineAndDATInfo versions{5, 900, 4294967295LL, 2147483648LL + 7};
    ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setEngineAndDATInfo(versions));
    KOVL::EngineAndDATInfo read{};
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getEngineAndDATInfo(read));
    EXPECT_EQ((std::vector<std::int64_t>{5, 900, -1, -2147483641}),
              (std::vector<std::int64_t>{read.majorEngineVersion, read.minorEngineVersion,
                                         read.majorDATVersion, read.minorDATVersion}));
    std::string version;
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getEngineVersion(version));
    EXPECT_EQ("5.900", version);
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getDATVersion(false, version));
    EXPECT_EQ("-1", version);
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getDATVersion(true, version));
    EXPECT_EQ("-1.-2147483641", version);

    // A failing minor part fails the major-only answer too; fields read before it keep their values.
    store->failKey("DNDGlobalSettings.MinorEngineVersion");
    KOVL::EngineAndDATInfo partial{1, 2, 3, 4};
    EXPECT_EQ(KOVL::AM_STORE_FAILURE, ctl().getEngineAndDATInfo(partial));
    EXPECT_EQ((std::vector<std::int64_t>{5, 2, 3, 4}),
              (std::vector<std::int64_t>{partial.majorEngineVersion, partial.minorEngineVersion,
                                         partial.majorDATVersion, partial.minorDATVersion}));
    store->clearFaults();
    store->failKey("DNDGlobalSettings.MinorDATVersion");
    version = "keep";
    EXPECT_EQ(KOVL::AM_STORE_FAILURE, ctl().getDATVersion(false, version));
    EXPECT_EQ("keep", version);
    store->clearFaults();

    KOVL::DATReleaseInfo date{6, 12, 2026};
    ASSERT_EQ(KOVL::AM_SUCCESS, ctl().setDATDateInfo(date));
    EXPECT_EQ("", timeStamp());  // content writers do not stamp
    const std::map<std::string, std::string> info = ctl().getProductInfo();
    const std::map<std::string, std::string> identity = KOVL::defaultSettings().at("54");
    EXPECT_EQ(11u, info.size());
    EXPECT_EQ(identity.at("DNDProductInformation.VendorName"), info.at("VendorName"));
    EXPECT_EQ(identity.at("DNDProductInformation.ORQProductName"),
              info.at("DNDProductInformation.ORQProductName"));
    EXPECT_EQ("6/12/2026",
              info.at("DATReleaseDay") + "/" + info.at("DATReleaseMonth") + "/" + info.at("DATReleaseYear"));

    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setDATUpdateDate("2026-12-06 10:00"));
    EXPECT_EQ(KOVL::AM_ALREADY_SET, ctl().setDATUpdateDate("2026-12-06 10:00"));
    EXPECT_EQ("2026-12-06 10:00", ctl().getDATUpdateDate());
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVersion("1234"));
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVersion(version));
    EXPECT_EQ("1234", version);

    // The virus list is replaced as a whole, with the list's own delimiter.
    const std::string listKey = "DNDGlobalSettings.ExtraDATVirusList.VirusName";
    std::vector<std::string> names{"EICAR", "Sample B", "EICAR"};
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVirusList(names));
    EXPECT_EQ("EICAR,Sample B,EICAR", stored("52", listKey));
    putText("52", "DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", ";");
    names = {"W32/One", "Two"};
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVirusList(names));
    EXPECT_EQ("W32/One;Two", stored("52", listKey));
    std::vector<std::string> out{"untouched"};
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVirusList(out));
    EXPECT_EQ(names, out);
    names.clear();
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().setExtraDATVirusList(names));
    EXPECT_EQ("", stored("52", listKey));
    out = {"untouched"};
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVirusList(out));
    EXPECT_EQ(std::vector<std::string>{"untouched"}, out);
    putText("52", listKey, "   ");
    EXPECT_EQ(KOVL::AM_SUCCESS, ctl().getExtraDATVirusList(out));
    EXPECT_EQ(std::vector<std::string>{"untouched"}, out);
}

TEST_F(TasksContentTest, FailingStoreAnswersEachContentOperation) {
    store->failEverything();
    KOVL::IConfigController& c = ctl();
    auto text = [](const KOVL::EngineAndDATInfo& i) {
        return std::to_string(i.majorEngineVersion) + " " + std::to_string(i.minorEngineVersion) + " " +
               std::to_string(i.majorDATVersion) + " " + std::to_string(i.minorDATVersion);
    };
    // Each operation answers its code and the out value it leaves ("-" for setters).
    const std::map<std::string, std::function<std::pair<int, std::string>()>> operations = {
        {"getEngineAndDATInfo",
         [&] {
             KOVL::EngineAndDATInfo i{1, 2, 3, 4};
             int r = c.getEngineAndDATInfo(i);
             return std::make_pair(r, text(i));
         }},
        {"setEngineAndDATInfo",
         [&] {
             KOVL::EngineAndDATInfo i{1, 2, 3, 4};
             return std::make_pair(c.setEngineAndDATInfo(i), std::string("-"));
         }},
        {"getDATDateInfo",
         [&] {
             KOVL::DATReleaseInfo d{1, 2, 3};
             int r = c.getDATDateInfo(d);
             return std::make_pair(
                 r, std::to_string(d.day) + " " + std::to_string(d.month) + " " + std::to_string(d.year));
         }},
        {"setDATDateInfo",
         [&] {
             KOVL::DATReleaseInfo d{1, 2, 3};
             return std::make_pair(c.setDATDateInfo(d), std::string("-"));
         }},
        {"getDATVersion",
         [&] {
             std::string v = "keep";
             int r = c.getDATVersion(true, v);
             return std::make_pair(r, v);
         }},
        {"getEngineVersion",
         [&] {
             std::string v = "keep";
             int r = c.getEngineVersion(v);
             return std::make_pair(r, v);
         }},
        {"getExtraDATVersion",
         [&] {
             std::string v = "keep";
             int r = c.getExtraDATVersion(v);
             return std::make_pair(r, v);
         }},
        {"setExtraDATVersion", [&] { return std::make_pair(c.setExtraDATVersion("9"), std::string("-")); }},
        {"getIncrementalUpdateEngineVersion",
         [&] {
             std::string v = "keep";
             int r = ctl().getIncrementalUpdateEngineVersion(v);
             return std::make_pair(r, v);
         }},
        {"getExtraDATVirusList",
         [&] {
             std::vector<std::string> v{"keep"};
             int r = c.getExtraDATVirusList(v);
             return std::make_pair(r, v.size() == 1 ? v[0] : "?");
         }},
        {"setExtraDATVirusList",
         [&] {
             std::vector<std::string> v{"A"};
             return std::make_pair(c.setExtraDATVirusList(v), std::string("-"));
         }},
        {"getDATUpdateDate", [&] { return std::make_pair(0, c.getDATUpdateDate()); }},
        {"setDATUpdateDate",
         [&] { return std::make_pair(c.setDATUpdateDate("2026-12-06"), std::string("-")); }},
    };
    for (const auto& row : golden("content_failures.tsv")) {
        SCOPED_TRACE(row[0]);
        ASSERT_EQ(1u, operations.count(row[0]));
        logger.clear();
        const auto answer = operations.at(row[0])();
        if (row[1] != "-") {
            EXPECT_EQ(std::stoi(row[1]), answer.first);
        }
        EXPECT_EQ(row[2], answer.second);
        std::vector<LogLine> expected;
        for (std::size_t i = 3; i < row.size(); ++i) expected.push_back(line("2:" + row[i]));
        EXPECT_EQ(expected, logger.controllerLines());
    }
    EXPECT_EQ(13u, operations.size());

    // Product information: eight empty identity entries, the date as zeros, and
    // only the lines of the getters it calls.
    logger.clear();
    const std::map<std::string, std::string> info = c.getProductInfo();
    EXPECT_EQ(11u, info.size());
    for (const auto& entry : info) {
        EXPECT_EQ(entry.first.compare(0, 10, "DATRelease") == 0 ? "0" : "", entry.second) << entry.first;
    }
    const std::vector<LogLine> lines = logger.controllerLines();
    ASSERT_EQ(9u, lines.size());
    EXPECT_EQ(line("2:Unable to get DAT's release date info in Config Controller"), lines.back());
}

}  // namespace
