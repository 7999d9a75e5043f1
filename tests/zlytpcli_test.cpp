// zlytpcli end to end: the real binary over a temporary --root, beside a
// controller in this process that plays the daemons. Expected messages are the
// exported vocabulary constants the tool must print.
#include <sys/wait.h>

#include <atomic>
#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem.hpp>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <thread>

#include "support/TestSupport.h"
#include "tools/zlytpcli/Commands.h"

namespace {

using S = KOVL::AMCliStringConstants;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

using kovtest::readFile;

class ZlytpcliTest : public ::testing::Test {
protected:
    ToolRun tool(const std::string& args) const {
        const std::string errFile = root.file("stderr-" + std::to_string(runs++));
        const std::string command =
            std::string(ZLYTPCLI_PATH) + " --root " + root.path().string() + " " + args + " 2>" + errFile;
        ToolRun run{-1, "", ""};
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[512];
        while (std::fgets(buffer, sizeof(buffer), pipe)) run.out += buffer;
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = readFile(errFile);
        return run;
    }
    std::string prefs() const { return root.file("var/Korvel/kov/tp/prefs.xml"); }
    // A daemon's controller over the same preferences (created by a first tool run).
    KOVL::KOVConfigController& daemon() {
        if (!controller) {
            EXPECT_EQ(tool("--getoasconfig --summary").status, 0);
            KOVL::PreferenceFiles files{prefs(), root.file("opt/Korvel/kov/tp/etc/prefs.xml")};
            adaptor = std::make_unique<ZUR::AesAgentAdaptor>(root.file("var/Korvel/kov/tp/tpagent.key"));
            controller = std::make_unique<KOVL::KOVConfigController>(
                logger, std::make_unique<ZUR::XmlConfigStoreUtility>(),
                std::make_unique<ZUR::XmlConfigStore>(), std::make_shared<ZUR::Base64SSL>(), nullptr, files);
            controller->setAgentAdaptor(adaptor.get());
        }
        return *controller;
    }
    void expectSuccess(const std::string& args) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.status, 0) << args << ": " << run.err;
        EXPECT_EQ(run.out, S::RET_SUCCESS_MSG + "\n") << args;
    }

    kovtest::TempDir root;
    kovtest::RecordingLogger logger;
    std::unique_ptr<ZUR::AesAgentAdaptor> adaptor;
    std::unique_ptr<KOVL::KOVConfigController> controller;
    mutable std::atomic<int> runs{0};
};

// An expected output of tests/data/zlytpcli_outputs.tsv, its line breaks written as "\n".
std::string output(const std::string& name) {
    for (const auto& row : kovtest::dataRows("zlytpcli_outputs.tsv", name))
        return boost::algorithm::replace_all_copy(row[0], "\\n", "\n");
    return "";
}

// Another process's change reaches this process's store within a second.
template <class Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 30; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

TEST_F(ZlytpcliTest, RootGetsTheShippedDefaultsAndHelpExitsZero) {
    const ToolRun help = tool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find(S::CLI_DESCRIPTION), 0u);
    // Every command word of the vocabulary is listed; the schedule kinds are
    // sub-options of scheduletask and verbose is the tool's own log switch.
    for (const auto& constant : S::all()) {
        const std::string name = constant.first;
        if (name.size() < 4 || name.compare(name.size() - 4, 4, "_CMD") != 0) continue;
        if (name.find("SCHEDULETASK_SUB") != std::string::npos || name == "CLI_VERBOSE_CMD") continue;
        EXPECT_NE(help.out.find("  --" + *constant.second + " "), std::string::npos) << name;
    }
    const ToolRun one = tool("--help --" + S::CLI_ADDPROCESS_CMD);
    EXPECT_EQ(one.status, 0);
    EXPECT_NE(one.out.find("  --" + S::CLI_SUB_LOWRISK + "\n     " + S::CLI_SUB_LOWRISK_DESC),
              std::string::npos);
    for (const char* same : {"help addprocess", "--addprocess -h", "--help=addprocess"})
        EXPECT_EQ(tool(same).out, one.out) << same;
    EXPECT_EQ(tool("-h").out, help.out);
    EXPECT_FALSE(boost::filesystem::exists(prefs())) << "help never opens the preferences";

    EXPECT_EQ(tool("--version").status, 0);
    EXPECT_EQ(readFile(root.file("opt/Korvel/kov/tp/etc/prefs.xml")), readFile(kovtest::shippedPrefs()));
    EXPECT_TRUE(boost::filesystem::exists(prefs()));
}

// Every refusal: its status, the vocabulary's line and the line naming the word
// on stderr, nothing on stdout, the file untouched.
TEST_F(ZlytpcliTest, RefusalsLeaveThePreferencesByteIdentical) {
    daemon();
    const std::string before = readFile(prefs());
    std::map<std::string, const std::string*> constants;
    for (const auto& [name, constant] : S::all()) constants[name] = constant;
    for (const auto& refusal : kovtest::dataRows("zlytpcli_refusals.tsv")) {
        SCOPED_TRACE(refusal[0]);
        const ToolRun run = tool(refusal[0]);
        EXPECT_EQ(run.status, std::stoi(refusal[1]));
        EXPECT_EQ(run.err, *constants.at(refusal[2]) + "\n" + (refusal[3].empty() ? "" : refusal[3] + "\n"));
        EXPECT_EQ(run.out, "");
    }
    const ToolRun cancelled = tool("--setoastodefault </dev/null");
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_NE(cancelled.out.find("on-access global settings"), std::string::npos) << "names what it resets";
    EXPECT_EQ(cancelled.out.substr(cancelled.out.find('\n') + 1), S::USER_CONFIRMATION_MSG);
    EXPECT_EQ(cancelled.err, S::OPERATION_CANCELLED_MSG + "\n");
    EXPECT_EQ(readFile(prefs()), before);
    kovtest::writeFile(root.file("yes"), "y\n");
    EXPECT_EQ(tool("--setoastodefault <" + root.file("yes")).status, 0) << "a lower-case y confirms";
}

TEST_F(ZlytpcliTest, GlobalSettingsReachTheDaemonAndShowInTheSummary) {
    KOVL::KOVConfigController& c = daemon();
    expectSuccess("--setoasglobalconfig --maxscantime 90");
    const ToolRun again = tool("--verbose --setoasglobalconfig --maxscantime 90");  // already set: success
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.err,
              "6 ConfigController: OAS Max Scan Timeout is already set to same value. Hence not setting "
              "it again to same value\n");
    expectSuccess("--setoasglobalconfig --oas off");
    expectSuccess("--setoasglobalconfig --procsettings riskbased");
    expectSuccess("--setoasglobalconfig --orq --state disable --sensitivity veryhigh");
    EXPECT_TRUE(eventually([&] { return c.getOASMaxScanTimeout() == 90; }));
    EXPECT_EQ(c.getOASProcSettings(), "riskbased");

    const ToolRun summary = tool("--getoasconfig --summary");
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.out, output("summary"));
}

TEST_F(ZlytpcliTest, LoggingSwitchesAndPathsShowInTheLogSettings) {
    for (const char* args :
         {"--debuglog enable", "--productlog disable", "--usesyslog disable", "--oasactivitylog enable",
          "--usefanotify enable", "--usekernelmodule disable", "--setproductlogfile /tmp/zly/product.log"})
        expectSuccess(args);
    const ToolRun size = tool("--setmaxproductlogsize 25");
    EXPECT_EQ(size.out, S::SET_MAX_PRODUCTLOG_SIZE_SUCCESS_MSG + "\n");
    EXPECT_EQ(tool("--setmaxproductlogsize 25").out, S::PRODUCTLOG_SIZE_SET_TO_SAME_VALUE_MSG + "\n");
    EXPECT_EQ(tool("--showlogsettings").out, output("log settings"));
    EXPECT_TRUE(daemon().getUseFanotifyForFileAccess());
    EXPECT_FALSE(daemon().getUseKernelModuleForFileAccess());
    expectSuccess("--setquarantinefolder " + root.path().string());
    EXPECT_EQ(daemon().getQuarantineDir(), root.path().string());
}

TEST_F(ZlytpcliTest, ProcessesAreListedNumberedAndDeletedByNumberOrName) {
    expectSuccess("--addprocess --highrisk curl,wget");
    expectSuccess("--addprocess --lowrisk backup");
    const ToolRun refused = tool("--addprocess --lowrisk curl");
    EXPECT_EQ(refused.err, S::SAMEPROCESS_CAN_NOT_BE_ADDED_TO_LOW_RISK_TYPE_MSG + "\n");
    EXPECT_EQ(tool("--getoasconfig --processlist").out,
              "#  Process  Risk list\n1  curl     High Risk\n2  wget     High Risk\n3  backup   Low Risk\n");
    const std::string deleted = S::RET_SUCCESS_MSG + "\nDeleted process curl from the High Risk list.\n";
    EXPECT_EQ(tool("--delprocess --index 1").out, deleted);
    expectSuccess("--addprocess --highrisk curl");
    EXPECT_EQ(tool("--delprocess --name=curl").out, deleted) << "the name selects what the index did";
    expectSuccess("--setprocess --lowrisk rsync,backup");
    EXPECT_EQ(tool("--getoasconfig --processlist").out,
              "#  Process  Risk list\n1  wget     High Risk\n2  backup   Low Risk\n3  rsync    Low Risk\n");
    EXPECT_EQ(daemon().getProcess(KOVL::HIGH_RISK_PROFILE), std::vector<std::string>{"wget"});
}

TEST_F(ZlytpcliTest, ProfileConfigurationRoundTripsThroughEverySubOption) {
    expectSuccess("--addprocess --highrisk curl");
    expectSuccess(
        "--setoasprofileconfig --profile highrisk --setmode sow --filetypestoscan defaultandspecified "
        "--addfiletype py,sh --noextension enable --scanmacros enable --onscanerror allow --onscantimeout "
        "deny "
        "--networkscan enable --scanarchive enable --scanmime enable --scanpups disable "
        "--scanunknownprograms enable "
        "--scanunknownmacros enable --primaryaction clean --secondaryaction delete --primaryactionpup delete "
        "--addexclusionwrite --excludefiletype tmp,bak");
    expectSuccess(
        "--setoasprofileconfig --profile highrisk --addexclusionrw --excludepaths /var/cache "
        "--excludesubfolder");
    const ToolRun shown = tool("--getoasprofileconfig --profile highrisk");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, readFile(std::string(KOVCONFIG_TEST_DATA_DIR) + "/zlytpcli_highrisk_profile.txt"));
    EXPECT_EQ(daemon().getScanMode(KOVL::HIGH_RISK_PROFILE), KOVL::SCAN_MODE_WRITE);
    EXPECT_EQ(daemon().getScanMode(KOVL::STANDARD_PROFILE), KOVL::SCAN_MODE_DECIDE)
        << "other profiles untouched";

    EXPECT_EQ(tool("--setoastodefault --force").status, 0);
    EXPECT_EQ(daemon().getScanMode(KOVL::HIGH_RISK_PROFILE), KOVL::SCAN_MODE_DECIDE);
    EXPECT_EQ(tool("--getoasconfig --exclusionlist --profile highrisk").out,
              S::NO_EXCLUSIONS_TO_SHOW_MSG + "\n");
}

TEST_F(ZlytpcliTest, ExclusionsAreListedNumberedAndDeletedByNumberOrItem) {
    const std::string add =
        "--setoasprofileconfig --profile lowrisk --addexclusionread --excludepaths /srv/a,/srv/b";
    expectSuccess(add);
    expectSuccess(
        "--setoasprofileconfig --profile lowrisk --addexclusionrw --excludepathwithsubfolder /opt/big");
    EXPECT_EQ(tool("--getoasconfig --exclusionlist --profile lowrisk").out, output("exclusions"));
    const std::string deleted =
        S::RET_SUCCESS_MSG +
        "\nDeleted exclusion /srv/b (Path Exclusions On Read) from the lowrisk profile.\n";
    EXPECT_EQ(tool("--setoasprofileconfig --profile lowrisk --delexclusion --index 2").out, deleted);
    EXPECT_EQ(tool("--getoasconfig --exclusionlist --profile lowrisk").out,
              output("exclusions after deleting 2"));
    expectSuccess(add);
    EXPECT_EQ(tool("--setoasprofileconfig --profile lowrisk --delexclusion --name /srv/b").out, deleted);
    EXPECT_EQ(tool("--getoasconfig --exclusionlist --profile standard").out,
              S::NO_EXCLUSIONS_TO_SHOW_MSG_FOR_STANDARD_PROFILE + "\n");
}

TEST_F(ZlytpcliTest, TasksAreAddedListedShownScheduledAndDeleted) {
    expectSuccess("--addodstask --name nightly --scanpaths /home,/srv --scanarchive enable --odsthreads 2");
    expectSuccess("--addupdatetask --name content --updatetype dat,engine");
    const ZUR::SettingsMap ods = daemon().getODSTaskSettings();
    std::string nightly;
    for (const auto& task : ods)
        if (task.second.at("ODSProfile.TaskName") == "nightly") nightly = task.first;
    ASSERT_FALSE(nightly.empty());
    EXPECT_EQ(ods.at(nightly).at("ODSProfile.ScanPaths.Path"), "/home,/srv");
    EXPECT_EQ(ods.at(nightly).at("ODSProfile.ScanArchiveEnabled"), "1");
    EXPECT_EQ(ods.at(nightly).at("ODSProfile.Threads"), "2");
    EXPECT_EQ(ods.at(nightly).at("ODSProfile.LastRunSummary.NoOfFiles"), "0")
        << "completed from the default task";

    const ToolRun listed = tool("--listtasks");
    EXPECT_EQ(listed.out.substr(0, listed.out.find('\n')).find("#  Name"), 0u) << "header row";
    EXPECT_NE(listed.out.find("\n4  nightly  "), std::string::npos) << "by name, after full scan";
    expectSuccess("--addupdatetask --name zzz");
    EXPECT_EQ(tool("--listtasks").out.find(listed.out), 0u) << "adding a task leaves the others' numbers";
    expectSuccess("--scheduletask --name nightly --weekly --dayofweek 1,7 --starttime 2:30");
    // Index, name and identifier select the same task.
    const ToolRun shown = tool("--showtask --index 4");
    EXPECT_EQ(tool("--showtask --name nightly").out, shown.out);
    EXPECT_EQ(tool("--showtask --uuid " + nightly).out, shown.out);
    EXPECT_NE(shown.out.find("  Schedule:  Weekly on Sunday and Saturday at 02:30\n"), std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("  Threats:            Clean, then Delete\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Last run\n  Status:  Never run\n"), std::string::npos) << shown.out;

    EXPECT_EQ(tool("--deltask --name nightly").out,
              S::RET_SUCCESS_MSG + "\nDeleted task nightly (" + nightly + ").\n");
    EXPECT_EQ(daemon().getODSTaskSettings().count(nightly), 0u);
    EXPECT_EQ(tool("--showtask --name nightly").err.find(S::INVALID_TASK_NAME_MSG + "\n"), 0u);
    EXPECT_EQ(daemon().getUpdateTaskSettings().size(), 3u);
}

// Every show and list command prints one JSON object; tests/data/zlytpcli_json.tsv
// names a member of each and its value.
TEST_F(ZlytpcliTest, ShowCommandsPrintTypedJson) {
    kovtest::writeFile(root.file("password"), "open sesame\n");
    for (const std::string& args : std::vector<std::string>{
             "--setoasglobalconfig --maxscantime 90", "--addprocess --highrisk curl,wget",
             "--usefanotify enable",
             "--setoasprofileconfig --profile lowrisk --addexclusionread --excludepaths /srv/a",
             "--setoasprofileconfig --profile highrisk --filetypestoscan onlyspecified --addfiletype py",
             "--setmaxproductlogsize 25", "--orqtelemetry --setstatus enable",
             "--addodstask --name nightly --scanpaths /home --odsthreads 2 --secondaryaction continue",
             "--scheduletask --name nightly --weekly --dayofweek 1 --starttime 02:30",
             "--proxyserverconfig --type customproxy --url proxy.example.com --port 3128 --httpauth enable "
             "--username alice --password - <" +
                 root.file("password")})
        EXPECT_EQ(tool(args).status, 0) << args;
    std::set<std::string> shown;
    for (const auto& row : kovtest::dataRows("zlytpcli_json.tsv")) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        const ToolRun run = tool(row[0] + " --output json");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find("open sesame"), std::string::npos);
        const nlohmann::json document = nlohmann::json::parse(run.out);
        EXPECT_EQ(document.at(nlohmann::json::json_pointer(row[1])), nlohmann::json::parse(row[2]));
        shown.insert(row[0].substr(2, row[0].find(' ') - 2));
    }
    for (const zlytpcli::CommandSpec& command : zlytpcli::commands())
        for (const zlytpcli::SubOption& sub : command.subs)
            if (*sub.word == zlytpcli::kOutputWord) {
                EXPECT_EQ(shown.count(*command.word), 1u) << *command.word;
            }
}

// The man page and the completion are generated from the table: every command
// and sub-option is in both.
TEST_F(ZlytpcliTest, ManPageAndCompletionCoverTheCommandTable) {
    const std::string man = readFile(ZLYTPCLI_MAN_PAGE), completion = readFile(ZLYTPCLI_COMPLETION);
    for (const zlytpcli::CommandSpec& command : zlytpcli::commands()) {
        EXPECT_NE(man.find(".TP\n\\fB\\-\\-" + *command.word + "\\fR"), std::string::npos) << *command.word;
        EXPECT_NE(completion.find(" --" + *command.word + " "), std::string::npos) << *command.word;
        for (const zlytpcli::SubOption& sub : command.subs) {
            EXPECT_NE(man.find("\\fB\\-\\-" + *sub.word + "\\fR"), std::string::npos) << *sub.word;
            EXPECT_NE(completion.find(" --" + *sub.word + " "), std::string::npos) << *sub.word;
        }
    }
}

TEST_F(ZlytpcliTest, ProxyPasswordIsStoredSealedAndNeverShown) {
    kovtest::writeFile(root.file("password"), "open sesame\n");
    const ToolRun set = tool(
        "--proxyserverconfig --type customproxy --url proxy.example.com --port 3128 --httpauth enable "
        "--username alice --password - <" +
        root.file("password"));
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, S::SUCCESSFULLY_SET_PROXY_CONFIG_MSG + "\n");
    EXPECT_EQ(readFile(prefs()).find("open sesame"), std::string::npos);
    ZUR::ZURProxyConfig stored = daemon().getProxyConfiguration();
    std::string clear;
    EXPECT_TRUE(daemon().getDecryptedProxyPass(stored.proxyHttpAuthPassword, clear));
    EXPECT_EQ(clear, "open sesame");
    EXPECT_EQ(stored.proxyCustomPort, "3128");
    EXPECT_EQ(tool("--showproxyserverconfig").out, output("proxy"));

    expectSuccess("--orq disable");
    bool orq = true;
    EXPECT_EQ(daemon().getORQStatus(orq), KOVL::AM_SUCCESS);
    EXPECT_FALSE(orq);
    expectSuccess("--orqtelemetry --setstatus enable");
    EXPECT_EQ(tool("--orqtelemetry --getstatus").out, "ORQ Telemetry:  Enabled\n");
}

TEST_F(ZlytpcliTest, AccessProtectionStatusAndExclusionsAreShown) {
    EXPECT_EQ(tool("--getapexclusions").out, S::NO_EXCLUSIONS_AVAILABLE_MSG + "\n");
    EXPECT_EQ(
        daemon().addSettings({{"59", {{"DNDAPGlobalExclusions.APExclusions.APExclusion", "sshd,cron"}}}}),
        KOVL::AM_SUCCESS);
    EXPECT_EQ(tool("--getapexclusions").out, "#  Excluded process\n1  sshd\n2  cron\n");
    expectSuccess("--setapstatus disable");
    EXPECT_EQ(tool("--getapstatus").out, "Access Protection:  Disabled\n");
}

TEST_F(ZlytpcliTest, ConcurrentChangesFromBothProcessesAreAllKept) {
    KOVL::KOVConfigController& c = daemon();
    constexpr int kEach = 6;
    std::thread other([this] {
        for (int i = 0; i < kEach; ++i) tool("--addprocess --lowrisk tool" + std::to_string(i));
    });
    for (int i = 0; i < kEach; ++i) {
        std::set<std::string> names{"daemon" + std::to_string(i)};
        EXPECT_EQ(c.addProcess(KOVL::LOW_RISK_PROFILE, names), KOVL::AM_SUCCESS);
    }
    other.join();
    ZUR::XmlConfigStore fresh;
    ASSERT_TRUE(fresh.loadPreferences(prefs(), {}));
    const std::string list = fresh.readString("2", "DNDOASProfile.ProcessList.Process");
    for (int i = 0; i < kEach; ++i) {
        EXPECT_NE(list.find("tool" + std::to_string(i)), std::string::npos) << list;
        EXPECT_NE(list.find("daemon" + std::to_string(i)), std::string::npos) << list;
    }
}

// First uses of a fresh root started together, under any umask, each keep
// their change; a root that is not a directory is refused by name.
TEST_F(ZlytpcliTest, FirstUsesOfAFreshRootRaceWithoutLosingAChange) {
    constexpr int kTools = 4;
    std::vector<std::thread> tools;
    std::vector<ToolRun> runs(kTools);
    for (int i = 0; i < kTools; ++i) {
        tools.emplace_back([&, i] { runs[i] = tool("--addprocess --highrisk first" + std::to_string(i)); });
    }
    for (std::thread& t : tools) t.join();
    const ToolRun listed = tool("--getoasconfig --processlist --output json");
    for (int i = 0; i < kTools; ++i) {
        EXPECT_EQ(runs[i].status, 0) << runs[i].err;
        EXPECT_NE(listed.out.find("first" + std::to_string(i)), std::string::npos) << listed.out;
    }
    const mode_t previous = ::umask(0);
    const ToolRun open = tool("--setoasglobalconfig --maxscantime 91");
    ::umask(previous);
    EXPECT_EQ(open.status, 0) << open.err;
    EXPECT_EQ(tool("--getoasconfig --summary").status, 0);

    const std::string file = root.file("a-file");
    kovtest::writeFile(file, "");
    const std::string command =
        std::string(ZLYTPCLI_PATH) + " --root " + file + " --getoasconfig --summary 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512] = {};
    const std::string said = std::fgets(buffer, sizeof buffer, pipe) ? buffer : "";
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 2);
    EXPECT_EQ(said, "zlytpcli: --root " + file + " is not a directory.\n");
}

}  // namespace
