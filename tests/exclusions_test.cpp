// On-access exclusions end to end through the real store: additions from the
// command line and the management server in every scan mode, the numbered
// list, deletion by number, the managed-mode guard and clearing one source.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using kovtest::LogLine;
using Items = std::vector<std::string>;
using Entries = std::vector<std::map<std::string, std::string>>;
using Options = std::map<int, std::vector<std::string>>;

const std::string P = "DNDOASProfile.";

class ExclusionsTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        logger.clear();
    }
    void put(const std::string& key, const std::string& text, const std::string& type = "1") {
        store->inner().writeString("type", type, P + key, text);
    }
    int cli(Options options) {
        std::set<int> applied;
        return ctl().setOASProfileConfigurationFromCLI(true, options, applied);
    }
    int zarn(int option, const std::string& item) {
        return ctl().setOASProfileSettings("1", option, {item}, KOVL::ZARN);
    }
};

// Paths, folders, files, file types; command line read/write/read-write, then the management server.
const Entries kNumbered = {
    {{P + "ReadExclusionPaths.CLIPath", "/p-cli-r1"}},
    {{P + "ReadExclusionPaths.CLIPath", "/p-cli-r2"}},
    {{P + "WriteExclusionPaths.CLIPath", "/p-cli-w"}},
    {{P + "ReadWriteExclusionPaths.CLIPath", "/p-cli-rw"}},
    {{P + "ReadExclusionPaths.ZarnPath", "/p-zarn-r"}},
    {{P + "WriteExclusionPaths.ZarnPath", "/p-zarn-w"}},
    {{P + "ReadWriteExclusionPaths.ZarnPath", "/p-zarn-rw"}},
    {{P + "ReadExcludeFoldersAndSubFolders.CLIFolder", "/d-cli-r"}},
    {{P + "WriteExcludeFoldersAndSubFolders.CLIFolder", "/d-cli-w"}},
    {{P + "ReadWriteExcludeFoldersAndSubFolders.CLIFolder", "/d-cli-rw"}},
    {{P + "ReadExcludeFoldersAndSubFolders.ZarnFolder", "/d-zarn-r"}},
    {{P + "WriteExcludeFoldersAndSubFolders.ZarnFolder", "/d-zarn-w"}},
    {{P + "ReadWriteExcludeFoldersAndSubFolders.ZarnFolder", "/d-zarn-rw"}},
    {{P + "ReadExclusionFiles.CLIFile", "f-cli-r"}},
    {{P + "WriteExclusionFiles.CLIFile", "f-cli-w"}},
    {{P + "ReadWriteExclusionFiles.CLIFile", "f-cli-rw"}},
    {{P + "ReadExclusionFiles.ZarnFile", "f-zarn-r"}},
    {{P + "WriteExclusionFiles.ZarnFile", "f-zarn-w"}},
    {{P + "ReadWriteExclusionFiles.ZarnFile", "f-zarn-rw"}},
    {{P + "ReadExclusionTypes.CLIFileType", "t-cli-r"}},
    {{P + "WriteExclusionTypes.CLIFileType", "t-cli-w"}},
    {{P + "ReadWriteExclusionTypes.CLIFileType", "t-cli-rw"}},
    {{P + "ReadExclusionTypes.ZarnFileType", "t-zarn-r"}},
    {{P + "WriteExclusionTypes.ZarnFileType", "t-zarn-w"}},
    {{P + "ReadWriteExclusionTypes.ZarnFileType", "t-zarn-rw"}},
};

Entries without(Entries entries, std::size_t number) {
    entries.erase(entries.begin() + static_cast<long>(number) - 1);
    return entries;
}

Entries onlyZarn(const Entries& entries) {
    Entries out;
    for (const auto& e : entries)
        if (e.begin()->first.find(".Zarn") != std::string::npos) out.push_back(e);
    return out;
}

TEST_F(ExclusionsTest, BothSourcesInEveryModeAreNumberedDeletedAndCleared) {
    // Added in the command line's order (files, paths, file types by option number);
    // the management server's additions follow the mode and folder choice the last command left.
    const std::pair<const char*, const char*> modes[] = {
        {"addexclusionread", "r"}, {"addexclusionwrite", "w"}, {"addexclusionreadwrite", "rw"}};
    for (const auto& mode : modes) {
        const std::string m = mode.second;
        const std::string firstPath = m == "r" ? "/p-cli-r1" : "/p-cli-" + m;
        ASSERT_EQ(cli({{0, {"standard"}},
                       {22, {mode.first}},
                       {23, {"f-cli-" + m}},
                       {24, {firstPath}},
                       {25, {"t-cli-" + m}}}),
                  3021);
        if (m == "r") {
            ASSERT_EQ(cli({{0, {}}, {22, {mode.first}}, {24, {"/p-cli-r2"}}}), 3021);
        }
        ASSERT_EQ(zarn(23, "f-zarn-" + m), 3001);
        ASSERT_EQ(zarn(24, "/p-zarn-" + m), 3001);
        ASSERT_EQ(zarn(25, "t-zarn-" + m), 3001);
        ASSERT_EQ(cli({{0, {"standard"}}, {22, {mode.first}}, {24, {"/d-cli-" + m}}, {28, {}}}), 3021);
        ASSERT_EQ(zarn(24, "/d-zarn-" + m), 3001);
    }
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE), kNumbered);
    EXPECT_EQ(ctl().getExclusionList(KOVL::LOW_RISK_PROFILE), Entries{});

    // Number 1 takes the first of the two read paths and leaves the second.
    EXPECT_EQ(cli({{0, {"standard"}}, {29, {"1"}}}), 3021);
    EXPECT_EQ(ctl().getFolderExclusion(KOVL::STANDARD_PROFILE, false, KOVL::SCAN_MODE_READ, KOVL::CLI),
              Items{"/p-cli-r2"});
    Entries expected = without(kNumbered, 1);
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE), expected);

    // In managed mode the command line may not delete what the management server set.
    ctl().setManagedMode(1);
    logger.clear();
    EXPECT_EQ(cli({{0, {"standard"}}, {29, {"4"}}}), 3025);  // /p-zarn-r
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{{2, "ConfigController",
                                     "It is not possible to delete exclusion set from Zarn through CLI"}}));
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE), expected);
    EXPECT_EQ(ctl().setOASProfileSettings("1", 29, {"4"}, KOVL::ZARN), 3001);
    expected = without(expected, 4);
    EXPECT_EQ(cli({{0, {"standard"}}, {29, {"2"}}}), 3021);  // /p-cli-w, the command line's own
    expected = without(expected, 2);
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE), expected);

    // Clearing the command line's lists leaves the management server's in their order, and vice versa.
    EXPECT_EQ(ctl().deleteProfileCLIExclusion(KOVL::STANDARD_PROFILE), 3001);
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE), onlyZarn(expected));
    EXPECT_EQ(stored("1", P + "ReadExclusionPaths.CLIPath"), "");
    EXPECT_EQ(stored("1", P + "ReadWriteExclusionTypes.CLIFileType"), "");
    ASSERT_EQ(cli({{0, {"standard"}}, {22, {"addexclusionread"}}, {25, {"t-cli-r"}}}), 3021);
    EXPECT_EQ(ctl().deleteProfileZarnExclusion(KOVL::STANDARD_PROFILE), 3001);
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE),
              (Entries{{{P + "ReadExclusionTypes.CLIFileType", "t-cli-r"}}}));
    EXPECT_EQ(stored("1", P + "WriteExcludeFoldersAndSubFolders.ZarnFolder"), "");
}

TEST_F(ExclusionsTest, SourceDeletionRefusals) {
    put("ReadExclusionPaths.CLIPath", "/a", "4");
    const int writes = store->writes();
    EXPECT_EQ(ctl().deleteProfileCLIExclusion(KOVL::EXTRA_PROFILE_01), 3025);
    EXPECT_EQ(ctl().deleteProfileZarnExclusion(static_cast<KOVL::PROFILE_CODE>(0)), 3025);
    EXPECT_EQ(ctl().deleteExclusionList(KOVL::EXTRA_PROFILE_02, P + "ReadExclusionPaths.CLIPath", "/a"),
              3025);
    EXPECT_EQ(store->writes(), writes);
    EXPECT_TRUE(logger.controllerLines().empty());

    // A refused removal keeps the items and skips the re-creation.
    put("WriteExclusionFiles.ZarnFile", "a,b", "2");
    store->failBulk();
    EXPECT_EQ(ctl().deleteProfileZarnExclusion(KOVL::LOW_RISK_PROFILE), 3025);
    store->clearFaults();
    EXPECT_EQ(ctl().getFilePathExclusion(KOVL::LOW_RISK_PROFILE, KOVL::SCAN_MODE_WRITE), (Items{"a", "b"}));
    EXPECT_EQ(
        logger.controllerLines(),
        (std::vector<LogLine>{{2, "ConfigController", "Unable to delete settings from Config Controller"}}));
}

TEST_F(ExclusionsTest, ItemsComeBackAsStored) {
    put("ReadExclusionPaths.<xmlattr>.delimiter", ";,");
    put("ReadExclusionPaths.CLIPath", ",/tmp;;/var, x ,/a;");
    put("ReadExclusionPaths.ZarnPath", "/tmp");
    EXPECT_EQ(ctl().getFolderExclusion(KOVL::STANDARD_PROFILE, false, KOVL::SCAN_MODE_READ, KOVL::CLI),
              (Items{"", "/tmp", "/var", " x ", "/a", ""}));
    // Merged: the command line first; the same item twice.
    EXPECT_EQ(ctl().getFolderExclusion(KOVL::STANDARD_PROFILE, false, KOVL::SCAN_MODE_READ),
              (Items{"", "/tmp", "/var", " x ", "/a", "", "/tmp"}));
    EXPECT_EQ(ctl().getExclusionList(KOVL::STANDARD_PROFILE),
              (Entries{{{P + "ReadExclusionPaths.CLIPath", "/tmp"}},
                       {{P + "ReadExclusionPaths.CLIPath", "/var"}},
                       {{P + "ReadExclusionPaths.CLIPath", " x "}},
                       {{P + "ReadExclusionPaths.CLIPath", "/a"}},
                       {{P + "ReadExclusionPaths.ZarnPath", "/tmp"}}}));

    // Modes other than read and write select read-write; any source but the command line the server's.
    put("ReadWriteExclusionTypes.ZarnFileType", "Log");
    for (int mode : {0, 3, 4})
        EXPECT_EQ(ctl().getFileTypesExclusion(KOVL::STANDARD_PROFILE, static_cast<KOVL::ScanMode>(mode),
                                              static_cast<KOVL::DataSource>(2)),
                  Items{"Log"});
    EXPECT_EQ(ctl().getFilePathExclusion(KOVL::STANDARD_PROFILE, KOVL::SCAN_MODE_WRITE), Items{});
    EXPECT_EQ(ctl().getExclusion("1", P + "WriteExclusionFiles.CLIFile"), Items{""});

    store->inner().writeString("type", "59", "DNDAPGlobalExclusions.APExclusions.APExclusion", "  ");
    EXPECT_EQ(ctl().getAPDefaultExclusions(), Items{});
    store->inner().writeString("type", "59", "DNDAPGlobalExclusions.APExclusions.<xmlattr>.delimiter", ":");
    store->inner().writeString("type", "59", "DNDAPGlobalExclusions.APExclusions.APExclusion",
                               " /proc:/sys ");
    EXPECT_EQ(ctl().getAPDefaultExclusions(), (Items{"/proc", "/sys"}));
    EXPECT_TRUE(logger.controllerLines().empty());

    // Failures: one line per failing read, an empty answer.
    store->failKey(P + "WriteExclusionFiles.CLIFile");
    EXPECT_EQ(ctl().getFilePathExclusion(KOVL::STANDARD_PROFILE, KOVL::SCAN_MODE_WRITE, KOVL::CLI), Items{});
    EXPECT_EQ(ctl().getExclusion("1", P + "WriteExclusionFiles.CLIFile"), Items{});
    EXPECT_EQ(
        ctl().getFileTypesExclusion(static_cast<KOVL::PROFILE_CODE>(7), KOVL::SCAN_MODE_READ, KOVL::CLI),
        Items{});
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{
                  {2, "ConfigController", "Unable to get file exclusions from Config Controller"},
                  {2, "ConfigController", "Unable to get exclusions in Config Controller"},
                  {2, "ConfigController", "Unable to get file type exclusions from Config Controller"}}));
}

}  // namespace
