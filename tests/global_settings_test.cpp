// Global settings: on-access global settings, logging settings and the update
// flags. The rows (keys, fallbacks, exact lines, which setters lock) come from
// tests/data/global_settings.tsv; each getter and setter is run against a real
// XML store behind the fault injector. The notifying setters are checked on
// their own.
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

using KOVL::AM_ERROR_CODES;
using KOVL::KOVPrefType;
using kovtest::LogLine;
using C = KOVL::KOVConfigController;
using Row = std::vector<std::string>;

using kovtest::err;
using kovtest::info;

std::vector<Row> rows(const std::string& kind) { return kovtest::dataRows("global_settings.tsv", kind); }

// The rows name the interface's operations; their table is generated from it.
const auto& kGetters = kovtest::plainOperations().getters;
const auto& kSetters = kovtest::plainOperations().setters;

LogLine accessorLine(const std::string& kind, const std::string& key) {
    const std::string accessor = kind == "Bool"  ? "getBooleanConfiguration"
                                 : kind == "Int" ? "getIntegerConfiguration"
                                                 : "getStringConfiguration";
    return err("In " + accessor + " unable to get setting value in Config Controller for key " + key);
}

// Preference listener: plain functions, so its state is global.
std::vector<KOVPrefType> gCalls;
C* gController = nullptr;
bool gMutexFreeInListener = false;
AM_ERROR_CODES gReentered = KOVL::AM_STORE_FAILURE;

void recordPref(KOVPrefType type) { gCalls.push_back(type); }

void throwingPref(KOVPrefType type) {
    recordPref(type);
    throw std::runtime_error("listener failed");
}

// Calls a locking setter back, but only once the controller mutex is known to be free.
void reenteringPref(KOVPrefType type) {
    recordPref(type);
    gMutexFreeInListener = !kovtest::mutexHeldHere(*gController);
    if (gMutexFreeInListener) gReentered = gController->setDebugLogSize(static_cast<int>(gCalls.size()) + 30);
}

class GlobalSettingsTest : public kovtest::ControllerTest {
protected:
    void SetUp() override {
        ControllerTest::SetUp();
        gCalls.clear();
        gController = &ctl();
        logger.clear();
    }
    void TearDown() override {
        gController = nullptr;
        ControllerTest::TearDown();
    }
    std::vector<LogLine> lines() { return logger.controllerLines(); }
};

TEST_F(GlobalSettingsTest, DataFileNamesInterfaceOperationsOnceEach) {
    std::set<std::string> named;
    for (const Row& row : rows("getter")) {
        EXPECT_EQ(kGetters.count(row[0]), 1u) << row[0] << " is not a getter of the interface";
        EXPECT_TRUE(named.insert(row[0]).second) << row[0] << " has two rows";
    }
    for (const Row& row : rows("setter")) {
        EXPECT_EQ(kSetters.count(row[0]), 1u) << row[0] << " is not a setter of the interface";
        EXPECT_TRUE(named.insert(row[0]).second) << row[0] << " has two rows";
    }
}

// Row: name kind route section key stored fallback message.
TEST_F(GlobalSettingsTest, GettersAnswerTheStoredValueOrTheirFallbackWithTheirLines) {
    for (const Row& row : rows("getter")) {
        SCOPED_TRACE(row[0]);
        const auto& get = kGetters.at(row[0]);
        const std::string &kind = row[1], &route = row[2], &key = row[4];
        put(row[3], key, row[5]);
        logger.clear();
        EXPECT_EQ(get(ctl()), row[5]);
        EXPECT_TRUE(lines().empty());

        store->failKey(key);
        if (route == "Propagates") {
            EXPECT_THROW(get(ctl()), std::runtime_error);
            EXPECT_TRUE(lines().empty());
        } else {
            std::vector<LogLine> expected;
            if (route == "Accessor") expected.push_back(accessorLine(kind, key));
            if (row[7] != "-") expected.push_back(err(row[7]));
            EXPECT_EQ(get(ctl()), row[6]);
            EXPECT_EQ(lines(), expected);
        }
        store->clearFaults();
    }
}

// Row: name kind section key stored expected message.
TEST_F(GlobalSettingsTest, GettersReplaceOnlyTheStoredValuesTheyName) {
    for (const Row& row : rows("special")) {
        SCOPED_TRACE(row[0] + " with \"" + row[4] + "\"");
        put(row[2], row[3], row[4]);
        logger.clear();
        EXPECT_EQ(kGetters.at(row[0])(ctl()), row[5]);
        EXPECT_EQ(lines(), row[6] == "-" ? std::vector<LogLine>{} : std::vector<LogLine>{err(row[6])});
    }
}

TEST_F(GlobalSettingsTest, GetOASStatusFillsBothOutArguments) {
    store->inner().writeBool("type", "51", "DNDOASGlobalSettings.IsOASEnabled", false);
    bool status = true;
    AM_ERROR_CODES code = KOVL::AM_STORE_FAILURE;
    EXPECT_TRUE(ctl().getOASStatus(status, code));
    EXPECT_FALSE(status);
    EXPECT_EQ(code, KOVL::AM_SUCCESS);

    store->failKey("DNDOASGlobalSettings.IsOASEnabled");
    EXPECT_FALSE(ctl().getOASStatus(status, code));
    EXPECT_TRUE(status);  // an unreadable state is reported as enabled
    EXPECT_EQ(code, KOVL::AM_STORE_FAILURE);
    EXPECT_EQ(lines(), std::vector<LogLine>{err("Unable to get OAS state in Config Controller")});
}

// Row: name kind section key value locks. Each setter writes and stamps, answers
// 3018 without writing for the same value, and 3025 with the generic setter's
// lines when the key fails; it holds the controller mutex while it writes
// exactly when the row says so.
TEST_F(GlobalSettingsTest, SettersWriteAndStampOrAnswerAlreadySetOrFailure) {
    for (const Row& row : rows("setter")) {
        SCOPED_TRACE(row[0]);
        const auto& set = kSetters.at(row[0]);
        const std::string &kind = row[1], &type = row[2], &key = row[3], &value = row[4];
        ASSERT_NE(stored(type, key), value);
        staleStamp();
        logger.clear();
        bool heldWhileWriting = false;
        store->beforeWriteOf(key, [&] { heldWhileWriting = kovtest::mutexHeldHere(ctl()); });
        const long before = kovtest::nowSeconds();
        EXPECT_EQ(set(ctl(), value), KOVL::AM_SUCCESS);
        EXPECT_EQ(heldWhileWriting, row[5] == "yes");
        EXPECT_EQ(stored(type, key), value);
        EXPECT_GE(std::stol(timeStamp()), before);
        EXPECT_TRUE(lines().empty());

        staleStamp();
        logger.clear();
        const int writes = store->writes();
        EXPECT_EQ(set(ctl(), value), KOVL::AM_ALREADY_SET);
        EXPECT_EQ(store->writes(), writes);
        EXPECT_EQ(timeStamp(), "1");
        const std::vector<LogLine> alreadySet = {
            info(key + " key is already set to same value. Hence not setting it again to same value")};
        EXPECT_EQ(lines(), kind == "Bool" ? std::vector<LogLine>{} : alreadySet);

        store->failKey(key);
        logger.clear();
        const std::string other = kind == "Bool"  ? (value == "1" ? "0" : "1")
                                  : kind == "Int" ? std::to_string(std::stoi(value) + 1)
                                                  : value + "/other";
        EXPECT_EQ(set(ctl(), other), KOVL::AM_STORE_FAILURE);
        const LogLine failed =
            kind == "Bool" ? err("In setBooleanConfiguration unable to set configuration value in Config "
                                 "Controller for key " +
                                 key)
                           : err(std::string("Unable to set value in ") +
                                 (kind == "Int" ? "setIntegerConfiguration" : "setStringConfiguration") +
                                 " in Config Controller");
        EXPECT_EQ(lines(), (std::vector<LogLine>{accessorLine(kind, key), failed}));
        store->clearFaults();
        EXPECT_EQ(stored(type, key), value);
        EXPECT_EQ(timeStamp(), "1");
    }
}

const std::map<std::string, std::function<AM_ERROR_CODES(C&, const std::string&)>> kNotifying = {
    {"setOASStatus", [](C& c, const std::string& v) { return c.setOASStatus(v == "1"); }},
    {"setOASMaxScanTimeout", [](C& c, const std::string& v) { return c.setOASMaxScanTimeout(std::stol(v)); }},
    {"setQuarantineDir", [](C& c, const std::string& v) { return c.setQuarantineDir(v); }},
};

std::vector<LogLine> logLines(const std::string& cell) {
    std::vector<LogLine> out;
    for (std::size_t from = 0; cell != "-" && from <= cell.size();) {
        const std::size_t bar = std::min(cell.find('|', from), cell.size());
        out.push_back(kovtest::logLine(cell.substr(from, bar - from)));
        from = bar + 1;
    }
    return out;
}

// Row (see the data file): without a listener, again with one, a change, a throwing
// listener, a failing key; the mutex is held while writing and free afterwards.
TEST_F(GlobalSettingsTest, NotifyingSettersAnswerCallAndLogAsTabled) {
    for (const Row& row : rows("notifying")) {
        SCOPED_TRACE(row[0]);
        const auto set = [&](const std::string& v) { return kNotifying.at(row[0])(ctl(), v); };
        const std::string &type = row[1], &key = row[2], &first = row[3], &second = row[4];
        ctl().registerCallBack(nullptr);
        gCalls.clear();
        staleStamp();
        bool heldWhileWriting = false;
        store->beforeWriteOf(key, [&] { heldWhileWriting = kovtest::mutexHeldHere(ctl()); });
        const auto step = [&](const std::string& value, const std::string& code, const std::string& log) {
            logger.clear();
            if (code == "throws") {
                EXPECT_THROW(set(value), std::runtime_error);
            } else {
                EXPECT_EQ(set(value), std::stoi(code)) << value;
            }
            EXPECT_EQ(lines(), logLines(log)) << value;
            EXPECT_FALSE(kovtest::mutexHeldHere(ctl()));
        };
        step(first, row[6], row[7]);
        EXPECT_TRUE(heldWhileWriting);
        EXPECT_EQ(stored(type, key), first);
        ctl().registerCallBack(&recordPref);
        step(first, "3018", row[8]);
        step(second, "3001", row[9]);
        EXPECT_EQ(gCalls.size(), std::stoul(row[5]) + 1);
        EXPECT_EQ(gCalls.back(), static_cast<KOVPrefType>(std::stoi(row[10])));
        ctl().registerCallBack(&throwingPref);
        step(first, row[11], row[12]);
        EXPECT_EQ(stored(type, key), first);  // the write stays
        store->failKey(key);
        gCalls.clear();
        step(second, "3025", row[13]);
        EXPECT_TRUE(gCalls.empty());
        store->clearFaults();
        EXPECT_EQ(timeStamp() == "1", row[14] == "no");
    }
    ctl().registerCallBack(nullptr);
    if constexpr (sizeof(long) > 4) {  // the store keeps the low 32 bits
        EXPECT_EQ(ctl().setOASMaxScanTimeout((1L << 32) + 60), KOVL::AM_SUCCESS);
        EXPECT_EQ(stored("51", "DNDOASGlobalSettings.MaxScanTimeout"), "60");
    }
}

TEST_F(GlobalSettingsTest, ListenersRunWithTheMutexReleasedAndMayCallLockingSettersBack) {
    ctl().registerCallBack(&reenteringPref);
    const std::vector<std::pair<const char*, std::function<AM_ERROR_CODES()>>> notifying = {
        {"setOASStatus", [this] { return ctl().setOASStatus(false); }},
        {"setOASMaxScanTimeout", [this] { return ctl().setOASMaxScanTimeout(90); }},
        {"setQuarantineDir", [this] { return ctl().setQuarantineDir("/srv/quarantine/"); }},
    };
    for (const auto& setter : notifying) {
        SCOPED_TRACE(setter.first);
        gMutexFreeInListener = false;
        gReentered = KOVL::AM_STORE_FAILURE;
        EXPECT_EQ(setter.second(), KOVL::AM_SUCCESS);
        EXPECT_TRUE(gMutexFreeInListener);
        EXPECT_EQ(gReentered, KOVL::AM_SUCCESS);
    }
    EXPECT_EQ(gCalls, (std::vector<KOVPrefType>{KOVL::PREF_OAS_STATUS, KOVL::PREF_OAS_MAX_SCAN_TIMEOUT,
                                                KOVL::PREF_QUARANTINE_DIR}));
}

}  // namespace
