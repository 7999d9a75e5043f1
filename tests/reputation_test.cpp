// Reputation service and proxy over the real store, with the library's own
// Base64 codec and AES-GCM agent adaptor (key files in the test's directory).
// Every test ends by scanning all recorded log lines for the secrets it used.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::KOVConfigController;
using kovtest::LogLine;
using Items = std::vector<std::string>;
using Params = std::map<std::string, std::string>;

using kovtest::err;
using kovtest::info;

std::vector<Items> rows(const std::string& kind) { return kovtest::dataRows("reputation_rows.tsv", kind); }

class ReputationTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        open();
        logger.clear();
    }
    // A controller over the test's preferences with the library's Base64 codec.
    void open() { rebuild(std::make_shared<ZUR::Base64SSL>()); }
    void TearDown() override {
        for (const LogLine& line : logger.lines()) {
            for (const std::string& secret : secrets) {
                EXPECT_EQ(line.message.find(secret), std::string::npos) << "a secret was logged: " << line;
            }
        }
        ControllerTest::TearDown();
    }
    std::string keyFile() const { return dir.file("tpagent.key"); }
    // A refusal must also clear what the out value held.
    std::string encrypted(std::string clear, bool expected = true) {
        std::string out = "left over";
        EXPECT_EQ(ctl().getEncryptedProxyPass(clear, out), expected);
        return out;
    }
    std::string decrypted(std::string stored, bool expected = true) {
        std::string out = "left over";
        EXPECT_EQ(ctl().getDecryptedProxyPass(stored, out), expected);
        return out;
    }

    ZUR::AesAgentAdaptor adaptor{keyFile()};
    std::vector<std::string> secrets;  // must never appear in a log line
};

TEST_F(ReputationTest, ProxyPasswordRoundTripsThroughTheStore) {
    struct stat info {};
    ASSERT_NE(::lstat(keyFile().c_str(), &info), 0);  // constructing the adaptor wrote nothing
    ctl().setAgentAdaptor(&adaptor);
    const std::string clear = "s3cr3t-proxy-pass";
    const std::string sealed = encrypted(clear);
    secrets = {clear, sealed};
    ASSERT_EQ(::lstat(keyFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_NE(sealed, encrypted(clear));  // a fresh nonce per message

    ZUR::ZURProxyConfig config;
    config.proxyIsEnabled = config.proxyHttpAuthIsEnabled = true;
    config.proxyCustomServer = "proxy.example";
    config.proxyCustomPort = "3128";
    config.proxyExclusions = {"a", "b"};
    config.proxyHttpAuthUserName = "alice";
    config.proxyHttpAuthPassword = sealed;
    put("58", "DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter", ";");
    put("58", "DNDProxySettings.ProxyExclusions.ProxyExclusion", "x;y");
    EXPECT_EQ(ctl().setProxyConfiguration(config), 3001);
    EXPECT_EQ(stored("58", "DNDProxySettings.ProxyExclusions.ProxyExclusion"), "a,b");
    EXPECT_EQ(stored("58", "DNDProxySettings.ProxyExclusions.<xmlattr>.delimiter"), ",");

    // A second controller and a second adaptor on the same key file.
    controller.reset();
    open();
    ZUR::AesAgentAdaptor again(keyFile());
    ctl().setAgentAdaptor(&again);
    const ZUR::ZURProxyConfig read = ctl().getProxyConfiguration();
    EXPECT_TRUE(read.proxyIsEnabled && read.proxyHttpAuthIsEnabled && !read.proxyCustomIsEnabled);
    EXPECT_EQ(read.proxyCustomServer + ":" + read.proxyCustomPort, "proxy.example:3128");
    EXPECT_EQ(read.proxyExclusions, (Items{"a", "b"}));
    EXPECT_EQ(read.proxyHttpAuthUserName, "alice");
    EXPECT_EQ(read.proxyHttpAuthPassword, sealed);
    EXPECT_EQ(decrypted(read.proxyHttpAuthPassword), clear);

    // A value with the marker is opened whole with the server mode.
    std::string input = "from-zarn", server;
    unsigned long length = 0;
    ASSERT_TRUE(adaptor.encryptMessage(input, 3, server, length));
    EXPECT_EQ(server.rfind("ZARNAES128:", 0), 0u);
    EXPECT_EQ(decrypted(server), "from-zarn");
    EXPECT_TRUE(logger.lines().empty());
}

TEST_F(ReputationTest, TamperedTruncatedOrForeignPasswordsAnswerFalse) {
    ctl().setAgentAdaptor(&adaptor);
    const std::string clear = "hunter2-but-longer";
    const std::string sealed = encrypted(clear);
    secrets = {clear, sealed};
    ZUR::Base64SSL codec;
    std::string raw;
    ASSERT_TRUE(codec.decodeBytes(sealed, raw));
    const auto reencode = [&](const std::string& b) {
        std::string text;
        EXPECT_TRUE(codec.encodeBytes(text, reinterpret_cast<const unsigned char*>(b.data()), int(b.size())));
        return text;
    };
    for (std::size_t i = 0; i < raw.size(); ++i) {  // nonce, cipher text and tag are all covered
        std::string flipped = raw;
        flipped[i] = static_cast<char>(flipped[i] ^ 0x01);
        EXPECT_EQ(decrypted(reencode(flipped), false), "") << "byte " << i;
    }
    EXPECT_EQ(decrypted(reencode(raw.substr(0, raw.size() - 1)), false), "");
    EXPECT_EQ(decrypted(reencode(raw.substr(0, 27)), false), "");
    for (const char* bad : {"", "not base64!", "ZARN", "ZARNAES128:", "ZARNAES128:zz", "ZARNAES128:0"}) {
        EXPECT_EQ(decrypted(bad, false), "") << bad;
    }
    std::string input = "x", server;
    unsigned long length = 0;
    ASSERT_TRUE(adaptor.encryptMessage(input, 3, server, length));
    server.back() = server.back() == 'a' ? 'b' : 'a';
    EXPECT_EQ(decrypted(server, false), "");

    // Sealed under another installation's key.
    ZUR::AesAgentAdaptor foreign(dir.file("other.key"));
    ctl().setAgentAdaptor(&foreign);
    EXPECT_EQ(decrypted(sealed, false), "");
    EXPECT_TRUE(logger.lines().empty());
}

TEST_F(ReputationTest, CredentialsOpenOnlyThroughAnAdaptor) {
    EXPECT_EQ(encrypted("pw", false), "");
    EXPECT_EQ(decrypted("AAAA", false), "");
    EXPECT_EQ(ctl().getORQQueryAuthInformation(),
              (Params{{"ORQHostAddr", "orq.korvel.com"},
                      {"ORQUserID", ""},
                      {"ORQKey", ""},
                      {"ORQCACertPath", "/opt/Korvel/kov/tp/etc/production.crt"}}));
    EXPECT_TRUE(logger.lines().empty());

    ctl().setAgentAdaptor(&adaptor);
    const Params shipped = ctl().getORQQueryAuthInformation();
    secrets = {shipped.at("ORQUserID"), shipped.at("ORQKey"), KOVL::kDefaultORQUserID, KOVL::kDefaultORQKey};
    EXPECT_EQ(shipped.at("ORQUserID").size(), 20u);
    EXPECT_EQ(shipped.at("ORQKey").size(), 36u);
    EXPECT_TRUE(logger.lines().empty());

    // Empty values fall back to the built-in ones; a value that does not open stays empty.
    for (const char* key : {"ORQHostAddr", "ORQUserID", "ORQCACertFile"})
        put("54", std::string("DNDProductInformation.") + key, "");
    put("54", "DNDProductInformation.ORQKey", std::string(KOVL::kDefaultORQKey).replace(0, 2, "00"));
    put("54", "DNDProductInformation.ProductInstallDir", "/srv/x");
    const Params fallback = ctl().getORQQueryAuthInformation();
    EXPECT_EQ(fallback, (Params{{"ORQHostAddr", "orq.korvel.com"},
                                {"ORQUserID", shipped.at("ORQUserID")},
                                {"ORQKey", ""},
                                {"ORQCACertPath", "/srv/x/etc/production.crt"}}));
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{err("Unable to get ORQ host address from preferences."),
                                    err("Unable to get ORQ UserID from preferences."),
                                    err("Unable to get ORQ CA certificate path from preferences.")}));
}

TEST_F(ReputationTest, SelectionListsTrimSplitAndFallBack) {
    for (const Items& row : rows("list")) {
        SCOPED_TRACE(row[0]);
        const auto get = kovtest::plainOperations().lists.at(row[0]);
        const std::string& key = row[1];
        const std::string delimiterKey = key.substr(0, key.rfind('.')) + ".<xmlattr>.delimiter";
        put("57", key, "a,,b ");
        EXPECT_EQ(get(ctl()), (Items{"a", "b"}));
        put("57", key, " \t ");
        EXPECT_EQ(get(ctl()), Items{});
        put("57", delimiterKey, ";|");
        put("57", key, " x;|y|;z ");
        EXPECT_EQ(get(ctl()), (Items{"x", "y", "z"}));
        EXPECT_TRUE(logger.lines().empty());
        store->failKey(key);
        EXPECT_EQ(get(ctl()), Items{});
        EXPECT_EQ(logger.controllerLines(), std::vector<LogLine>{err(row[2])});
        store->clearFaults();
        logger.clear();
    }
}

TEST_F(ReputationTest, StatisticsCompareAndWriteWithoutAStamp) {
    const auto& ops = kovtest::plainOperations();
    staleStamp();
    for (const Items& row : rows("statistic")) {
        SCOPED_TRACE(row[0]);
        const auto& get = ops.getters.at(row[0]);
        const auto& set = ops.setters.at(row[1]);
        const std::string& key = row[2];
        EXPECT_EQ(set(ctl(), "7"), 3001);
        EXPECT_EQ(get(ctl()), "7");
        EXPECT_EQ(set(ctl(), "7"), 3018);
        store->failWritesOf(key);
        EXPECT_EQ(set(ctl(), "9"), 3025);
        store->failKey(key);
        EXPECT_EQ(get(ctl()), "0");
        EXPECT_EQ(set(ctl(), "0"), 3018);  // an unreadable value counts as 0
        EXPECT_EQ(logger.controllerLines(),
                  (std::vector<LogLine>{info(row[4]), err(row[5]), err(row[3]), err(row[3]), info(row[4])}));
        store->clearFaults();
        EXPECT_EQ(stored("57", key), "7");
        logger.clear();
    }
    EXPECT_EQ(timeStamp(), "1");
}

TEST_F(ReputationTest, SwitchesCompareOutsideTheLockAndStampNothing) {
    staleStamp();
    put("57", "DNDORQSelectionCriteria.IsORQEnabled", "0");
    EXPECT_EQ(ctl().setORQStatus(false), 3018);
    EXPECT_EQ(ctl().setORQStatus(true), 3001);
    EXPECT_EQ(ctl().setORQFeedbackStatus(true), 3018);
    EXPECT_EQ(ctl().setORQFeedbackStatus(false), 3001);
    EXPECT_EQ(ctl().setORQSensitivity(4), 3001);
    EXPECT_EQ(ctl().setORQSensitivity(4), 3018);
    bool status = false, feedback = true;
    int level = 0;
    EXPECT_EQ(ctl().getORQStatus(status), 3001);
    EXPECT_EQ(ctl().getORQFeedbackStatus(feedback), 3001);
    EXPECT_EQ(ctl().getORQSensitivity(level), 3001);
    EXPECT_TRUE(status && !feedback && level == 4);
    EXPECT_EQ(timeStamp(), "1");
    store->failEverything();
    status = false;
    EXPECT_EQ(ctl().getORQStatus(status), 3025);
    EXPECT_EQ(ctl().getORQFeedbackStatus(feedback), 3025);
    EXPECT_EQ(ctl().getORQSensitivity(level), 3025);
    EXPECT_TRUE(status && feedback && level == 3);  // the presets
    EXPECT_EQ(ctl().setORQStatus(false), 3025);
    EXPECT_EQ(ctl().setORQFeedbackStatus(true), 3025);
    EXPECT_EQ(ctl().setORQSensitivity(2), 3025);
    std::vector<LogLine> expected;
    for (const Items& line : rows("switch"))
        expected.push_back({std::stoi(line[0]), "ConfigController", line[1]});
    EXPECT_EQ(logger.controllerLines(), expected);
}

TEST_F(ReputationTest, RequestsInAQueryFallBackToFiveAndRaiseOnAFailedRead) {
    const std::string key = "DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfRequestsInAQuery";
    put("57", key, "12");
    EXPECT_EQ(ctl().getNoOfRequestInAORQQuery(), 12);
    put("57", key, "0");
    EXPECT_EQ(ctl().getNoOfRequestInAORQQuery(), 5);
    EXPECT_EQ(logger.controllerLines(),
              std::vector<LogLine>{
                  err("Unable to read number of requests for single ORQ query from preferences.")});
    store->failKey(key);
    try {
        ctl().getNoOfRequestInAORQQuery();
        ADD_FAILURE() << "no exception";
    } catch (const KOVL::AMException& e) {
        EXPECT_EQ(e.getErrorCode(), 3004);
    }
}

TEST_F(ReputationTest, ThrottlingDefaultsAndWriteBack) {
    const std::vector<Items> params = rows("throttling");
    ASSERT_EQ(params.size(), 5u);
    Params defaults;
    std::vector<LogLine> lines;
    for (const Items& p : params) {
        put(p[1], p[2], "");
        defaults[p[0]] = p[3];
        lines.push_back(err(p[4]));
    }
    EXPECT_EQ(ctl().getORQThrottlingParameters(), defaults);
    EXPECT_EQ(logger.controllerLines(), lines);
    logger.clear();

    // Missing names are added empty and stored empty; a failed write is logged
    // and the next name still written; the threshold is never written.
    Params given, givenAfter;
    const auto text = [](const std::string& field) { return field == "-" ? "" : field; };
    for (const Items& p : params) {
        put(p[1], p[2], "3");
        if (p[6] != "-") given[p[0]] = p[6];
        givenAfter[p[0]] = text(p[7]);
    }
    store->failWritesOf(params[3][2]);
    ctl().setORQThrottlingParameters(given);
    EXPECT_EQ(given, givenAfter);
    store->clearFaults();
    for (const Items& p : params) EXPECT_EQ(stored(p[1], p[2]), text(p[8])) << p[0];
    EXPECT_EQ(logger.controllerLines(),
              (std::vector<LogLine>{err("Unable to set value in setStringConfiguration in Config Controller"),
                                    err(params[3][5])}));
}

TEST_F(ReputationTest, ProxyRecordEdgesAndFailures) {
    const std::string key = "DNDProxySettings.ProxyExclusions.ProxyExclusion";
    put("58", key, " , ");
    EXPECT_EQ(ctl().getProxyConfiguration().proxyExclusions, Items{});
    ZUR::ZURProxyConfig config;
    EXPECT_EQ(ctl().setProxyConfiguration(config), 3001);
    EXPECT_EQ(stored("58", key), "");
    EXPECT_TRUE(logger.lines().empty());

    store->failKey("DNDProxySettings.ProxyHttpAuthIsEnabled");
    put("58", "DNDProxySettings.ProxyCustomServer", "proxy.example");
    const ZUR::ZURProxyConfig partial = ctl().getProxyConfiguration();
    EXPECT_EQ(partial.proxyCustomServer, "proxy.example");
    EXPECT_EQ(partial.proxyHttpAuthUserName, "");
    config.proxyCustomServer = "other.example";
    EXPECT_EQ(ctl().setProxyConfiguration(config), 3025);
    EXPECT_EQ(stored("58", "DNDProxySettings.ProxyCustomServer"),
              "other.example");  // written before the failure
    const auto lines = logger.controllerLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], err("Unable to get Settings for Proxy"));
    EXPECT_EQ(lines[2], err("Unable to set Proxy settings"));
}

// The platform pieces on their own: Base64 vectors and strictness, key file hygiene.
TEST(PlatformCrypto, Base64IsStandardAndStrict) {
    ZUR::Base64SSL codec;
    const std::map<std::string, std::string> vectors = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"\xff\xfe", "//4="}};
    for (const auto& [clear, text] : vectors) {
        std::string out, back;
        EXPECT_TRUE(
            codec.encodeBytes(out, reinterpret_cast<const unsigned char*>(clear.data()), int(clear.size())));
        EXPECT_EQ(out, text);
        EXPECT_TRUE(codec.decodeBytes(text, back));
        EXPECT_EQ(back, clear);
    }
    for (const char* bad : {"Zg=", "Zh==", "Z===", "=Zg=", "Zg==Zg==", "Zm9v\n", " Zm9v", "Zm-v", "Zm9"}) {
        std::string out = "x";
        EXPECT_FALSE(codec.decodeBytes(bad, out)) << bad;
        EXPECT_EQ(out, "");
    }
    std::string out;
    EXPECT_FALSE(codec.encodeBytes(out, nullptr, 3));
    EXPECT_FALSE(codec.encodeBytes(out, reinterpret_cast<const unsigned char*>("x"), -1));
}

TEST(PlatformCrypto, KeyFilesAreNeverFollowedOrShared) {
    kovtest::TempDir dir;
    std::string clear = "pw", out;
    unsigned long length = 0;
    // A link at the key's place is refused and its target left alone.
    const std::string target = dir.file("target");
    ASSERT_EQ(::symlink(target.c_str(), dir.file("linked.key").c_str()), 0);
    ZUR::AesAgentAdaptor linked(dir.file("linked.key"));
    EXPECT_FALSE(linked.encryptMessage(clear, 2, out, length));
    struct stat info {};
    EXPECT_NE(::lstat(target.c_str(), &info), 0);
    // A key readable by others is refused.
    const std::string exposed = dir.file("exposed.key");
    std::ofstream(exposed) << std::string(16, 'k');
    ::chmod(exposed.c_str(), 0644);
    ZUR::AesAgentAdaptor shared(exposed);
    EXPECT_FALSE(shared.encryptMessage(clear, 2, out, length));
    ::chmod(exposed.c_str(), 0600);
    EXPECT_TRUE(shared.encryptMessage(clear, 2, out, length));
    EXPECT_EQ(length, out.size());
    EXPECT_EQ(out.size(), clear.size() + 28);
    std::string back;
    EXPECT_TRUE(shared.decryptMessage(out, 2, back));
    EXPECT_EQ(back, clear);
    EXPECT_FALSE(shared.decryptMessage(out, 3, back));
    EXPECT_FALSE(shared.encryptMessage(clear, 1, out, length));
    // No directory to create the key in.
    ZUR::AesAgentAdaptor nowhere(dir.file("missing/dir/key"));
    EXPECT_FALSE(nowhere.encryptMessage(clear, 2, out, length));
}

}  // namespace
