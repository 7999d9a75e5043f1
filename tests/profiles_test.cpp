// On-access profiles over the real store: the cached on-access configuration,
// the global profile switches, the reputation switches it copies, prefix
// keywords, scan mode and the file-type lists.
#include <array>
#include <boost/lexical_cast.hpp>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::AM_ERROR_CODES;
using KOVL::KOVConfigController;
using KOVL::oas_configuration;
using KOVL::oas_profile;
using KOVL::PROFILE_CODE;
using kovtest::LogLine;

using kovtest::err;
using kovtest::info;

class ProfilesTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
};

// Flags in record order: archive, unwanted, macros, mail, jokes, unknown programs;
// actions: infection 1st/2nd, PUP 1st/2nd, timeout, error.
void expectProfile(const oas_profile& p, int code, std::array<bool, 6> flags, std::array<int, 6> actions) {
    SCOPED_TRACE("profile " + std::to_string(code));
    EXPECT_STREQ(p.profile_name, "default profile");
    EXPECT_EQ(p.profile_name[30], '\0');
    EXPECT_FALSE(p.reserved_flag);
    EXPECT_EQ(p.profile_code, code);
    EXPECT_EQ((std::array<bool, 6>{p.scan_archive_enabled, p.detect_unwanted_programs_enabled,
                                   p.detect_unknown_macros_enabled, p.scan_mail_enabled,
                                   p.detect_jokes_enabled, p.detect_unknown_programs_enabled}),
              flags);
    EXPECT_EQ(
        (std::array<int, 6>{p.infection_primary_action, p.infection_secondary_action, p.pup_primary_action,
                            p.pup_secondary_action, p.scan_timeout_action, p.scan_error_action}),
        actions);
}

const std::array<int, 6> kDefaultActions{1, 2, 1, 2, 0, 4};
const std::array<bool, 6> kFreshFlags{false, false, false, false, false, false};

TEST_F(ProfilesTest, RefreshCopiesEveryStoredField) {
    for (const auto& row : kovtest::dataRows("profiles.tsv", "refresh")) put(row[0], row[1], row[2]);

    const oas_configuration* config = ctl().getOASConfigurationData();
    ASSERT_NE(config, nullptr);
    EXPECT_FALSE(config->oas_status);
    EXPECT_TRUE(config->multiple_profiles_enabled);
    EXPECT_EQ(config->scan_manager_threads, 9);
    EXPECT_EQ(config->max_scan_timeout, 120);
    EXPECT_FALSE(config->orq_enabled);
    EXPECT_EQ(config->orq_sensitivity, 5);
    EXPECT_FALSE(config->event_logging_enabled);
    EXPECT_EQ(config->log_setting_a, 7);
    EXPECT_EQ(config->log_setting_b, 2048);
    EXPECT_EQ(config->log_setting_c, 3);
    EXPECT_FALSE(config->reserved_flag_1 || config->reserved_flag_2 || config->reserved_flag_3);
    EXPECT_EQ(config->reserved_value_1, -1);
    EXPECT_EQ(config->reserved_value_2, -1);

    const std::array<bool, 6> shipped{false, true, true, false, true, true};
    expectProfile(config->profiles[0], 1, shipped, kDefaultActions);
    expectProfile(config->profiles[1], 2, {false, true, false, false, true, false}, kDefaultActions);
    expectProfile(config->profiles[2], 3, {true, true, true, true, false, true}, {4, 2, 1, 2, 0, 0});
    expectProfile(config->profiles[3], 4, shipped, kDefaultActions);
    expectProfile(config->profiles[4], 5, shipped, kDefaultActions);
    EXPECT_TRUE(logger.controllerLines().empty());
}

TEST_F(ProfilesTest, MissingProfileSectionsReadAsFreshDefaults) {
    const oas_configuration* before = ctl().getOASConfigurationData();
    ASSERT_EQ(before->profiles[2].detect_jokes_enabled, true);
    for (const char* type : {"1", "2", "3", "4", "5"}) {
        ASSERT_TRUE(store->inner().removeSettings({}, {{type, {{"DNDOASProfile", ""}}}}));
    }
    logger.clear();

    const oas_configuration* config = ctl().getOASConfigurationData();
    EXPECT_EQ(config, before);  // the same record, refreshed in place
    std::vector<LogLine> expected;
    for (int k = 1; k <= 5; ++k) {
        expectProfile(config->profiles[k - 1], k, kFreshFlags, kDefaultActions);
        expected.push_back(err("Failed to get profile details for profile " + std::to_string(k)));
    }
    EXPECT_EQ(logger.controllerLines(), expected);
}

TEST_F(ProfilesTest, BadBooleanTextStopsTheRefreshAtItsProfileAndReleasesTheMutex) {
    const oas_configuration* config = ctl().getOASConfigurationData();
    put("51", "DNDOASGlobalSettings.ScanManagerThreads", "8");
    for (const char* type : {"1", "2", "3", "4"}) put(type, "DNDOASProfile.ScanArchiveEnabled", "1");
    put("3", "DNDOASProfile.ScanMailEnabled", "true");

    EXPECT_THROW(ctl().getOASConfigurationData(), boost::bad_lexical_cast);
    EXPECT_EQ(config->scan_manager_threads, 8);
    // Profiles before the bad one are refreshed, that one and those after are not.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(config->profiles[k].scan_archive_enabled, k < 2) << "profile " << k + 1;

    EXPECT_FALSE(kovtest::mutexHeldHere(ctl()));  // released on the way out
}

// Records the order of the refresh's reads and checks that the controller
// mutex is held while the profiles are read.
using Journal = std::vector<std::string>;

class JournalLogger : public kovtest::RecordingLogger {
public:
    explicit JournalLogger(Journal& journal) : journal_(journal) {}
    int queryLogSettingA() override { return journal_.push_back("log setting A"), settingA; }
    int queryLogSettingB() override { return journal_.push_back("log setting B"), settingB; }
    int queryLogSettingC() override { return journal_.push_back("log setting C"), settingC; }

private:
    Journal& journal_;
};

#define KOVL_OBSERVED(Result, name, Params, Args) \
    Result name Params override { return journal_.push_back(#name), KOVConfigController::name Args; }

class ObservedController : public KOVConfigController {
public:
    ObservedController(ZUR::ILogger& log, Journal& journal, KOVL::PreferenceFiles files)
        : KOVConfigController(log, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                              std::make_unique<ZUR::XmlConfigStore>(), nullptr, nullptr, files),
          journal_(journal) {}
    KOVL_OBSERVED(bool, getOASStatus, (bool& status, AM_ERROR_CODES& code), (status, code))
    KOVL_OBSERVED(long, getOASMaxScanTimeout, (), ())
    KOVL_OBSERVED(AM_ERROR_CODES, getORQStatus, (bool& enabled), (enabled))
    KOVL_OBSERVED(AM_ERROR_CODES, getORQSensitivity, (int& level), (level))
    KOVL_OBSERVED(bool, isEventLoggingEnabled, (), ())
    bool getProfileDetails(PROFILE_CODE code, ZUR::SettingsMap& nested,
                           std::map<std::string, std::string>& values) override {
        journal_.push_back("getProfileDetails " + std::to_string(code));
        if (duringProfileRead) duringProfileRead();
        return KOVConfigController::getProfileDetails(code, nested, values);
    }
    std::function<void()> duringProfileRead;

private:
    Journal& journal_;
};
#undef KOVL_OBSERVED

TEST_F(ProfilesTest, RefreshReadsInOrderThroughTheVirtualGettersUnderTheMutex) {
    kovtest::TempDir otherDir;
    Journal journal;
    JournalLogger journalLogger(journal);
    ObservedController observed(journalLogger, journal,
                                {otherDir.file("prefs.xml"), kovtest::shippedPrefs()});
    journal.clear();

    bool heldDuringProfileReads = true;
    observed.duringProfileRead = [&] {
        heldDuringProfileReads = heldDuringProfileReads && kovtest::mutexHeldHere(observed);
    };
    observed.getOASConfigurationData();
    EXPECT_TRUE(heldDuringProfileReads);
    EXPECT_FALSE(kovtest::mutexHeldHere(observed));
    EXPECT_EQ(journal, (Journal{"getOASStatus", "getOASMaxScanTimeout", "getORQStatus", "getORQSensitivity",
                                "isEventLoggingEnabled", "log setting A", "log setting C", "log setting B",
                                "getProfileDetails 1", "getProfileDetails 2", "getProfileDetails 3",
                                "getProfileDetails 4", "getProfileDetails 5"}));
}

using Row = std::vector<std::string>;
using Items = std::vector<std::string>;

// The profile operations by their name in tests/data/profiles.tsv.
const std::map<std::string, std::pair<std::function<int(KOVConfigController&)>,
                                      std::function<int(KOVConfigController&, int)>>>
    kSwitches = {
        {"multiple profiles",
         {[](KOVConfigController& c) { return int(c.getOASMultipleProfilesEnabled()); },
          [](KOVConfigController& c, int v) { return c.setMultipleProfilesEnabled(v != 0); }}},
        {"scan manager threads",
         {[](KOVConfigController& c) { return c.getScanManagerThreads(); },
          [](KOVConfigController& c, int v) { return c.setScanManagerThreads(v); }}},
};

const std::map<std::string, std::function<int(KOVConfigController&, PROFILE_CODE)>> kProfileValues = {
    {"scan mode", [](KOVConfigController& c, PROFILE_CODE p) { return int(c.getScanMode(p)); }},
    {"file types", [](KOVConfigController& c, PROFILE_CODE p) { return int(c.getScanFileTypes(p)); }},
    {"no extension", [](KOVConfigController& c, PROFILE_CODE p) { return int(c.getScanNoExtension(p)); }},
    {"network",
     [](KOVConfigController& c, PROFILE_CODE p) { return int(c.isNetworkFilesystemScanEnable(p)); }},
};

const std::map<std::string, std::function<Items(KOVConfigController&)>> kLists = {
    {"default and specified",
     [](KOVConfigController& c) { return c.getFileTypesToScanDefaultAndSpecified(KOVL::HIGH_RISK_PROFILE); }},
    {"only specified",
     [](KOVConfigController& c) { return c.getFileTypesToScanOnlySpecified(KOVL::HIGH_RISK_PROFILE); }},
    {"default file types", [](KOVConfigController& c) { return c.getDefaultFileTypesToScan(); }},
    {"excluded file systems", [](KOVConfigController& c) { return c.getDefaultExcludedFSForOAS(); }},
};

// Row: name key stored new-value fallback read-failed already-set set-failed.
TEST_F(ProfilesTest, GlobalSwitchesReadCompareWriteAndStamp) {
    for (const Row& row : kovtest::dataRows("profiles.tsv", "switch")) {
        SCOPED_TRACE(row[0]);
        const auto& [get, set] = kSwitches.at(row[0]);
        const std::string& key = row[1];
        const int storedValue = std::stoi(row[2]), newValue = std::stoi(row[3]);
        store->clearFaults();
        put("51", key, row[2]);
        staleStamp();
        logger.clear();
        EXPECT_EQ(get(ctl()), storedValue);

        const int writes = store->writes();
        EXPECT_EQ(set(ctl(), storedValue), 3018);
        EXPECT_EQ(store->writes(), writes);
        EXPECT_EQ(timeStamp(), "1");
        EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{info(row[6])});

        logger.clear();
        EXPECT_EQ(set(ctl(), newValue), 3001);
        EXPECT_EQ(stored("51", key), row[3]);
        EXPECT_NE(timeStamp(), "1");
        EXPECT_TRUE(logger.controllerLines().empty());

        store->failKey(key);
        logger.clear();
        EXPECT_EQ(get(ctl()), std::stoi(row[4]));
        EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{err(row[5])});
        logger.clear();
        EXPECT_EQ(set(ctl(), newValue), 3025);
        EXPECT_EQ(logger.controllerLines(), (std::vector<LogLine>{err(row[5]), err(row[7])}));
    }
}

TEST_F(ProfilesTest, ProcessSettingsAndPrefixKeywords) {
    EXPECT_EQ(ctl().getOASProcSettings(), "standard");
    put("51", "DNDOASGlobalSettings.ProfileName", "riskbased");
    EXPECT_EQ(ctl().getOASProcSettings(), "riskbased");

    EXPECT_EQ(ctl().getOASPrefixKeyword(), "");
    EXPECT_EQ(ctl().setOASPrefixKeyword("%LOGS%"), 3001);
    EXPECT_EQ(ctl().getOASPrefixKeyword(), "%LOGS%");
    EXPECT_TRUE(ctl().isPrefixAutomaticallyEnabled());
    EXPECT_EQ(ctl().setPrefixAutomatically(false), 3001);
    EXPECT_FALSE(ctl().isPrefixAutomaticallyEnabled());

    // The shipped product names its log directory through a prefix keyword.
    EXPECT_EQ(ctl().getPrefixKeyword(),
              (std::map<std::string, std::string>{{"%DEFLOGDIR%", "/var/Korvel/kov/log/tp"}}));
    put("55", "DNDProductDefaultSettings.PrefixKeyword.KeyName.<xmlattr>.value", "/b,/a,/b");
    EXPECT_EQ(ctl().getPrefixKeywordData("%DEFLOGDIR%"), (std::set<std::string>{"/a", "/b"}));
    EXPECT_EQ(ctl().getPrefixKeywordData("%NONE%"), std::set<std::string>{""});

    logger.clear();
    store->failKey("DNDOASGlobalSettings.ProfileName");
    store->failKey("DNDOASGlobalSettings.OASPrefixKeywordAutomatically");
    EXPECT_EQ(ctl().getOASProcSettings(), "");
    EXPECT_FALSE(ctl().isPrefixAutomaticallyEnabled());
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{
                  err("In getStringConfiguration unable to get setting value in Config Controller "
                      "for key DNDOASGlobalSettings.ProfileName"),
                  err("In getBooleanConfiguration unable to get setting value in Config "
                      "Controller for key DNDOASGlobalSettings.OASPrefixKeywordAutomatically"),
                  err("Unable to get prefix automatically setting value")}));
    store->failKey("DNDProductDefaultSettings.PrefixKeyword");
    EXPECT_THROW(ctl().getPrefixKeywordData("%DEFLOGDIR%"), std::exception);
}

// Row: name key stored shipped fallback failed.
TEST_F(ProfilesTest, ProfileValuesReadAsStoredOrFallBack) {
    for (const Row& row : kovtest::dataRows("profiles.tsv", "value")) {
        SCOPED_TRACE(row[0]);
        const auto& get = kProfileValues.at(row[0]);
        put("4", row[1], row[2]);
        EXPECT_EQ(get(ctl(), KOVL::EXTRA_PROFILE_01), std::stoi(row[2]));
        EXPECT_EQ(get(ctl(), KOVL::STANDARD_PROFILE), std::stoi(row[3]));  // another profile is untouched
        store->failKey(row[1]);
        logger.clear();
        EXPECT_EQ(get(ctl(), KOVL::EXTRA_PROFILE_01), std::stoi(row[4]));
        EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{err(row[5])});
    }
}

TEST_F(ProfilesTest, SetScanModeComparesWritesAndStamps) {
    put("2", "DNDOASProfile.ScanMode", "0");
    staleStamp();
    logger.clear();
    const int writes = store->writes();
    EXPECT_EQ(ctl().setScanMode("2", KOVL::SCAN_MODE_NONE), 3018);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_EQ(
        logger.controllerLines(),
        std::vector<LogLine>{info(
            "scan mode settings is already set to same value. Hence not setting it again to same value")});

    EXPECT_EQ(ctl().setScanMode("2", KOVL::SCAN_MODE_READ), 3001);
    EXPECT_EQ(stored("2", "DNDOASProfile.ScanMode"), "1");
    EXPECT_NE(timeStamp(), "1");
    EXPECT_EQ(stored("1", "DNDOASProfile.ScanMode"), "4");

    store->failWritesOf("DNDOASProfile.ScanMode");
    logger.clear();
    EXPECT_EQ(ctl().setScanMode("2", KOVL::SCAN_MODE_WRITE), 3025);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{err("Unable to set scan mode settings in Config Controller")});

    const int before = store->writes();
    EXPECT_THROW(ctl().setScanMode("abc", KOVL::SCAN_MODE_READ), boost::bad_lexical_cast);
    EXPECT_THROW(ctl().setScanFileTypes("1x", KOVL::ALL_FILES), boost::bad_lexical_cast);
    EXPECT_EQ(store->writes(), before);
}

TEST_F(ProfilesTest, SetScanFileTypesDropsTheListOfTheModeLeft) {
    const char* const kDefaultAndSpecified = "DNDOASProfile.FileTypeForDefaultAndSpecified.FileType";
    const char* const kOnlySpecified = "DNDOASProfile.FileTypeForOnlySpecified.FileType";
    struct Row {
        KOVL::FileTypesForScan from, to;
        int result;
        bool keepsDefaultAndSpecified, keepsOnlySpecified;
    };
    const Row rows[] = {
        {KOVL::ONLY_SPECIFIED, KOVL::ALL_FILES, 3001, true, false},
        {KOVL::DEFAULT_AND_SPECIFIED, KOVL::ONLY_SPECIFIED, 3001, false, true},
        {KOVL::ALL_FILES, KOVL::ONLY_SPECIFIED, 3001, true, true},
        {KOVL::DEFAULT_AND_SPECIFIED, KOVL::DEFAULT_AND_SPECIFIED, 3018, true, true},
    };
    const auto listed = [&](const char* key) {
        return store->inner().keyExists("1", key) && !stored("1", key).empty();
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.from) + " -> " + std::to_string(row.to));
        store->inner().writeInt("type", "1", "DNDOASProfile.FileTypeToScan", row.from);
        put("1", kDefaultAndSpecified, "doc,xls");
        put("1", kOnlySpecified, "pdf");
        staleStamp();
        EXPECT_EQ(ctl().setScanFileTypes("1", row.to), row.result);
        EXPECT_EQ(stored("1", "DNDOASProfile.FileTypeToScan"), std::to_string(row.to));
        EXPECT_EQ(listed(kDefaultAndSpecified), row.keepsDefaultAndSpecified);
        EXPECT_EQ(listed(kOnlySpecified), row.keepsOnlySpecified);
        EXPECT_EQ(timeStamp() == "1", row.result == 3018);
    }

    logger.clear();
    store->failWritesOf("DNDOASProfile.FileTypeToScan");
    EXPECT_EQ(ctl().setScanFileTypes("1", KOVL::ALL_FILES), 3025);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{err("Unable to set file types for scan settings in Config Controller")});
}

// Row: name section key failed.
TEST_F(ProfilesTest, FileTypeListsAreTrimmedSplitWithTheirDelimiterAndFallBack) {
    for (const Row& row : kovtest::dataRows("profiles.tsv", "list")) {
        SCOPED_TRACE(row[0]);
        const auto& get = kLists.at(row[0]);
        const std::string &type = row[1], &key = row[2];
        const std::string node = key.substr(0, key.rfind('.'));
        store->clearFaults();
        put(type, key, "  doc,,pdf  ");
        EXPECT_EQ(get(ctl()), (Items{"doc", "pdf"}));
        put(type, node + ".<xmlattr>.delimiter", ";,");
        put(type, key, "a;b,c");
        EXPECT_EQ(get(ctl()), (Items{"a", "b", "c"}));
        put(type, key, " \t ");
        logger.clear();
        EXPECT_EQ(get(ctl()), Items{});
        EXPECT_TRUE(logger.controllerLines().empty());

        store->failKey(key);
        const Items fallback = get(ctl());
        EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{err(row[3])});
        if (row[0] == "excluded file systems") {
            ASSERT_EQ(fallback.size(), 33u);
            EXPECT_EQ(fallback.front(), "cgroup");
            EXPECT_EQ(fallback[20], "eventpollfs");
            EXPECT_EQ(fallback.back(), "fuse.s3fs");
        } else {
            EXPECT_EQ(fallback, Items{});
        }
    }
}

TEST_F(ProfilesTest, ExcludedFileSystemsFallBackOnceEachAfterSeveralBootstraps) {
    // Every bootstrap appends the built-in names again; the fallback lists each once.
    KOVL::KOVConfigData again(logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                              std::make_shared<ZUR::XmlConfigStore>(), files());
    ASSERT_GE(KOVL::KOVConfigData::defExcludedFSForOAS.size(), 66u);
    store->failKey("DNDOASGlobalSettings.OASExcludedFileSystems.FileSystem");
    const std::vector<std::string> fallback = ctl().getDefaultExcludedFSForOAS();
    EXPECT_EQ(fallback, std::vector<std::string>(KOVL::KOVConfigData::defExcludedFSForOAS.begin(),
                                                 KOVL::KOVConfigData::defExcludedFSForOAS.begin() + 33));
}

}  // namespace
