// The controller core: bootstrap paths, frame, typed accessors, bulk changes,
// time stamp and delimited lists, over the real store in a temporary directory.
#include <sys/stat.h>

#include <boost/filesystem.hpp>
#include <ctime>

#include "support/TestSupport.h"

namespace {

using KOVL::KOVConfigController;
using kovtest::LogLine;

using kovtest::err;
using kovtest::readFile;
using kovtest::writeFile;

// A store whose attachUtility always refuses.
class RefusingStore : public kovtest::FaultInjectingStore {
public:
    RefusingStore() : FaultInjectingStore(std::make_shared<ZUR::XmlConfigStore>()) {}
    void attachUtility(std::shared_ptr<ZUR::IConfigStoreUtility>) override {
        throw std::runtime_error("refused");
    }
};

class BootstrapTest : public ::testing::Test {
protected:
    std::unique_ptr<KOVConfigController> build(std::unique_ptr<ZUR::IConfigStore> store = nullptr) {
        if (!store) store = std::make_unique<ZUR::XmlConfigStore>();
        return std::make_unique<KOVConfigController>(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                                                     std::move(store), nullptr, nullptr, files);
    }
    // Construction must fail with exactly `text`, logged by the bootstrap as
    // `logged`, after the line `why` when one is given.
    void expectFatal(const std::string& text, const std::string& logged,
                     std::unique_ptr<ZUR::IConfigStore> store = nullptr, const std::string& why = "") {
        logger.clear();
        try {
            build(std::move(store));
            FAIL() << "construction succeeded";
        } catch (const std::string& raised) {
            EXPECT_EQ(raised, text);
        }
        std::vector<LogLine> expected{{2, "KOVConfigData", logged}};
        if (!why.empty()) expected.insert(expected.begin(), {2, "KOVConfigData", why});
        EXPECT_EQ(logger.lines(), expected);
    }

    void SetUp() override {
        files.current = dir.file("prefs.xml");
        files.shipped = dir.file("shipped.xml");
        boost::filesystem::copy_file(kovtest::shippedPrefs(), files.shipped);
    }

    kovtest::TempDir dir;
    kovtest::RecordingLogger logger;
    KOVL::PreferenceFiles files;
};

TEST_F(BootstrapTest, MissingPreferencesAreCopiedFromShippedSilently) {
    auto controller = build();
    EXPECT_TRUE(logger.lines().empty());
    struct stat st {};
    ASSERT_EQ(stat(files.current.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(controller->getStringConfiguration("51", "DNDOASGlobalSettings.MaxScanTimeout"), "45");
}

TEST_F(BootstrapTest, LoadingCompletesAnOldFileWithoutTouchingItsValues) {
    writeFile(files.current,
              "<preferences><DNDOASGlobalSettings type=\"51\"><MaxScanTimeout>77</MaxScanTimeout>"
              "</DNDOASGlobalSettings></preferences>");
    auto controller = build();
    EXPECT_TRUE(logger.lines().empty());
    EXPECT_EQ(controller->getIntegerConfiguration("51", "DNDOASGlobalSettings.MaxScanTimeout"), 77);
    EXPECT_EQ(controller->getIntegerConfiguration("51", "DNDOASGlobalSettings.CacheMaxLimit"), 65536);
    EXPECT_EQ(controller->getStringConfiguration("3", "DNDOASProfile.ProfileName"), "High Risk");
}

TEST_F(BootstrapTest, FatalPathsRaiseAndLogTheirTexts) {
    boost::filesystem::remove(files.shipped);
    const std::string noShipped =
        "The shipped default preferences are missing or do not load; " + files.current + " was not replaced";
    const std::string missing =
        "Fatal error after current preferences were missing and default preferences could not be used.";
    expectFatal(missing, missing, nullptr, noShipped);

    const std::string notCopied =
        "Fatal error after initialisation failed and default preferences could not be copied.";
    writeFile(files.current, "not xml");
    expectFatal(notCopied, notCopied, nullptr, noShipped);

    // A shipped file that does not load replaces nothing: every later start
    // would fail the same way, keeping one more copy aside each time.
    writeFile(files.shipped, "not xml either");
    expectFatal(notCopied, notCopied, nullptr, noShipped);
    EXPECT_EQ(readFile(files.current), "not xml");

    const std::string current = files.current;
    files.current = dir.file("nowhere") + "/prefs.xml";
    expectFatal(missing, missing, nullptr,
                "The directory " + dir.file("nowhere") + " of the preferences does not exist");
    files.current = current;

    expectFatal("Fatal error setting configuration store utility",
                "Fatal error setting configuration store utility", std::make_unique<RefusingStore>());
}

TEST(ShippedPreferences, HoldEveryDefaultAndTheLogDirectoryKeyword) {
    ZUR::XmlConfigStore store;
    kovtest::TempDir dir;
    const std::string copy = dir.file("prefs.xml");
    boost::filesystem::copy_file(kovtest::shippedPrefs(), copy);
    ASSERT_TRUE(store.loadPreferences(copy, {}));
    const ZUR::SettingsMap all = store.readAllSettings();
    for (const auto& section : KOVL::defaultSettings()) {
        for (const auto& entry : section.second) {
            if (entry.first == "DNDProductDefaultSettings.PrefixKeyword.KeyName" ||
                entry.first == "DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value") {
                continue;
            }
            ASSERT_TRUE(all.count(section.first)) << section.first;
            auto found = all.at(section.first).find(entry.first);
            ASSERT_NE(found, all.at(section.first).end()) << section.first << " " << entry.first;
            EXPECT_EQ(found->second, entry.second) << entry.first;
        }
    }
    EXPECT_EQ(store.readAttributeMap("DNDProductDefaultSettings.PrefixKeyword", "value"),
              (std::map<std::string, std::string>{{"%DEFLOGDIR%", "/var/Korvel/kov/log/tp"}}));
    EXPECT_EQ(store.readString("2", "DNDOASProfile.DetectUnknownMacrosEnabled"), "0");
    EXPECT_EQ(store.readString("1", "DNDOASProfile.DetectUnknownMacrosEnabled"), "1");
    EXPECT_EQ(store.readString("52", "DNDGlobalSettings.LastUpdatedTimeStamp"), "");
}

class CoreTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
};

TEST_F(CoreTest, FrameStartsUnmanagedFalseAndIgnoresUnknownModes) {
    EXPECT_EQ(ctl().getManagedMode(), 3);
    EXPECT_FALSE(ctl().isProductUnManaged());
    for (int ignored : {5, -1, 3}) ctl().setManagedMode(ignored);
    EXPECT_EQ(ctl().getManagedMode(), 3);
    ctl().setManagedMode(0);
    EXPECT_TRUE(ctl().isProductUnManaged());
    ctl().setManagedMode(2);
    EXPECT_EQ(ctl().getManagedMode(), 2);
    EXPECT_FALSE(ctl().isOASRunning());
    ctl().setOASRunning(true);
    ctl().setUpdateRunning(true);
    EXPECT_TRUE(ctl().isOASRunning());
    EXPECT_TRUE(ctl().isUpdateRunning());
}

TEST_F(CoreTest, ThrowingGettersLogOneLineWithTheKey) {
    const std::string key = "DNDOASGlobalSettings.NoSuchKey";
    struct Case {
        const char* name;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"getBooleanConfiguration", [&] { ctl().getBooleanConfiguration("51", key); }},
        {"getIntegerConfiguration", [&] { ctl().getIntegerConfiguration("51", key); }},
        {"getScanActionConfiguration", [&] { ctl().getScanActionConfiguration("51", key); }},
    };
    for (const Case& c : cases) {
        logger.clear();
        try {
            c.call();
            ADD_FAILURE() << c.name << " did not throw";
        } catch (const KOVL::AMException& e) {
            EXPECT_EQ(e.getErrorCode(), KOVL::AM_INVALID_KEY);
            EXPECT_EQ(e.getErrorMessage(), "Invalid key specified");
            EXPECT_STREQ(e.what(), "Invalid key specified");
        }
        EXPECT_EQ(
            logger.lines(),
            (std::vector<LogLine>{err(std::string("In ") + c.name +
                                      " unable to get setting value in Config Controller for key " + key)}));
    }
    logger.clear();
    EXPECT_EQ(ctl().getStringConfiguration("51", key), "");
    EXPECT_EQ(
        logger.lines(),
        (std::vector<LogLine>{err(
            "In getStringConfiguration unable to get setting value in Config Controller for key " + key)}));
    EXPECT_EQ(ctl().getScanActionConfiguration("1", "DNDOASProfile.ScanErrorAction"), KOVL::SCAN_ACTION_DENY);
}

// The setters behind every tabled getter/setter row; here what those rows do not reach.
TEST_F(CoreTest, GenericSettersBeyondTheTabledRows) {
    staleStamp();
    EXPECT_EQ(ctl().setScanActionConfiguration("1", "DNDOASProfile.ScanErrorAction", KOVL::SCAN_ACTION_DENY),
              KOVL::AM_ALREADY_SET);  // without a line
    EXPECT_EQ(timeStamp(), "1");
    EXPECT_EQ(
        ctl().setScanActionConfiguration("3", "DNDOASProfile.PUPPrimaryAction", KOVL::SCAN_ACTION_DELETE),
        KOVL::AM_SUCCESS);
    EXPECT_EQ(stored("3", "DNDOASProfile.PUPPrimaryAction"), "2");
    EXPECT_NE(timeStamp(), "1");

    // A missing key is not created.
    const std::string missing = "DNDOASGlobalSettings.Missing";
    const int writes = store->writes();
    EXPECT_EQ(ctl().setBooleanConfiguration("51", missing, true), KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_FALSE(store->inner().keyExists("51", missing));
    // An unreadable text compares as "": setting "" is already set, anything else is written.
    EXPECT_EQ(ctl().setStringConfiguration("type", "51", missing, ""), KOVL::AM_ALREADY_SET);
    EXPECT_EQ(ctl().setStringConfiguration("type", "51", missing, "x"), KOVL::AM_SUCCESS);
    EXPECT_EQ(stored("51", missing), "x");

    // A write that fails after a good read: only the setter's line.
    logger.clear();
    store->failWritesOf("DNDClientLogging.LogLevelForOAS");
    EXPECT_EQ(ctl().setIntegerConfiguration("type", "53", "DNDClientLogging.LogLevelForOAS", 5),
              KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(
        logger.lines(),
        std::vector<LogLine>{err("Unable to set value in setIntegerConfiguration in Config Controller")});
    EXPECT_EQ(stored("53", "DNDClientLogging.LogLevelForOAS"), "2");
}

TEST_F(CoreTest, FailingTimeStampAfterAWriteAnswers3025AndKeepsTheValue) {
    store->failWritesOf("DNDGlobalSettings.LastUpdatedTimeStamp");
    EXPECT_EQ(ctl().setStringConfiguration("type", "53", "DNDClientLogging.LogPath", "/tmp/logs"),
              KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(stored("53", "DNDClientLogging.LogPath"), "/tmp/logs");
    EXPECT_EQ(
        logger.lines(),
        (std::vector<LogLine>{err("Unable to set value in setStringConfiguration in Config Controller")}));
}

TEST_F(CoreTest, BulkAddAndDelete) {
    staleStamp();
    EXPECT_EQ(ctl().addSettings({{"59", {{"DNDAPGlobalExclusions.APExclusions.APExclusion", "/a,/b"}}}}),
              KOVL::AM_SUCCESS);
    EXPECT_EQ(stored("59", "DNDAPGlobalExclusions.APExclusions.APExclusion"), "/a,/b");
    EXPECT_NE(timeStamp(), "1");

    staleStamp();
    EXPECT_EQ(ctl().delSettings({}, {{"59", {{"DNDAPGlobalExclusions.APExclusions.APExclusion", "/a"}}}}),
              KOVL::AM_SUCCESS);
    EXPECT_EQ(stored("59", "DNDAPGlobalExclusions.APExclusions.APExclusion"), "/b");
    EXPECT_NE(timeStamp(), "1");

    // A refused change still stamps the time and answers 3025.
    staleStamp();
    store->failBulk();
    EXPECT_EQ(ctl().addInternalSettings({{"59", {{"DNDAPGlobalExclusions.X", "1"}}}}),
              KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(ctl().delInternalSettings({}, {{"59", {{"DNDAPGlobalExclusions.X", ""}}}}),
              KOVL::AM_STORE_FAILURE);
    EXPECT_NE(timeStamp(), "1");
    EXPECT_EQ(logger.lines(),
              (std::vector<LogLine>{err("Unable to add new settings in Config Controller"),
                                    err("Unable to delete settings from Config Controller")}));

    logger.clear();
    store->clearFaults();
    store->failKey("DNDAPGlobalExclusions.Y");
    EXPECT_EQ(ctl().addInternalSettings({{"59", {{"DNDAPGlobalExclusions.Y", "1"}}}}),
              KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(ctl().delInternalSettings({}, {{"59", {{"DNDAPGlobalExclusions.Y", ""}}}}),
              KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(logger.lines(),
              (std::vector<LogLine>{
                  err("Unable to add new settings in Config Controller"),
                  err("Unknown exception was caught while deleting settings from Config Controller")}));
}

TEST_F(CoreTest, ListsJoinWithTheStoredDelimiter) {
    const std::string list = "DNDGlobalSettings.ExtraDATVirusList.VirusName";
    EXPECT_EQ(ctl().getValueWithDelimiter("52", list, std::vector<std::string>{"b", "a"}), "b,a");
    // The empty value node went away with the first call; the delimiter is still found,
    // and the missing value is reported at level 6.
    EXPECT_FALSE(store->inner().keyExists("52", list));
    EXPECT_TRUE(logger.lines().empty());
    EXPECT_EQ(ctl().getValueWithDelimiter("52", list, std::set<std::string>{"b", "a"}), "a,b");
    EXPECT_EQ(ctl().getValueWithDelimiter("52", list, std::vector<std::string>{}), "");
    EXPECT_EQ(logger.lines(),
              (std::vector<LogLine>(2, {6, "ConfigController", "Unable to find key in XML"})));

    ctl().addSettings(
        {{"52", {{"DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", ";"}, {list, "x;y"}}}});
    EXPECT_EQ(ctl().getDelimiter("52", list), ";");
    EXPECT_EQ(stored("52", list), "x;y");  // a non-empty list is left alone
    EXPECT_EQ(ctl().getValueWithDelimiter("52", list, std::vector<std::string>{"a", "b"}), "a;b");

    // No delimiter attribute: the default comma.
    ctl().delSettings({}, {{"52", {{"DNDGlobalSettings.ExtraDATVirusList.<xmlattr>.delimiter", ""}}}});
    EXPECT_EQ(ctl().getDelimiter("52", list), ",");

    // A delimiter that cannot be looked up reaches the caller.
    store->failKey(list);
    EXPECT_ANY_THROW(ctl().getValueWithDelimiter("52", list, std::set<std::string>{"p"}));
}

TEST_F(CoreTest, TimeStampIsTheCurrentSecond) {
    const long before = kovtest::nowSeconds();
    const long stamp = ctl().getTimeStamp();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, kovtest::nowSeconds());
    EXPECT_EQ(timeStamp(), "");  // nothing changed yet through the controller
    ctl().updateTimeStamp();
    EXPECT_GE(std::stol(timeStamp()), before);
}

}  // namespace
