// Reputation service: the four query statistics of the last 24 hours, the
// number of requests batched into one query and the daily throttling
// counters. The controller carries the counters as text and keeps no date
// logic; the caller reads the map, decides and writes it back.

#include <map>
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

using detail::Setting;

// A statistic: its getter's row and its setter's two lines.
struct Statistic {
    Setting<int> row;
    const char* alreadySet;
    const char* failure;
};

const Statistic kAverageRTT{
    {KOVL_PREF("DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRTTForLast24Hours"),
     "Unable to get average RTT value for ORQ query"},
    "Average RTT for a ORQ query is already set to same value. Hence not setting it again.",
    "Unable to set average RTT value for ORQ query."};
const Statistic kAverageHandShake{
    {KOVL_PREF("DNDORQSelectionCriteria.ORQQueryConfigurations.AverageSSLHandShakeTimeForLast24Hours"),
     "Unable to get average SSL hand shake time value for ORQ query"},
    "Average SSL hand shake time for ORQ query is already set to same value. Hence not setting it again.",
    "Unable to set average SSL hand shake time for ORQ query"};
const Statistic kAverageRetries{
    {KOVL_PREF("DNDORQSelectionCriteria.ORQQueryConfigurations.AverageRetriesForAQueryForLast24Hours"),
     "Unable to get average number of retries value for ORQ query"},
    "Average retries for a ORQ query is already set to same value. Hence not setting it again.",
    "Unable to set average retries for a ORQ query"};
const Statistic kQueryCount{
    {KOVL_PREF("DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfORQQueriesForLast24Hours"),
     "Unable to get number of queries sent to ORQ in last 24 hours"},
    "Number of queries sent to ORQ in last 24 hours is already set to same value. Hence not setting it "
    "again.",
    "Unable to set number of queries sent to ORQ in last 24 hours"};

// Read through the accessor; a count below 1 takes the schema default.
const Setting<int> kRequestsInAQuery{
    KOVL_PREF("DNDORQSelectionCriteria.ORQQueryConfigurations.NumberOfRequestsInAQuery"),
    "Unable to read number of requests for single ORQ query from preferences."};

// A throttling parameter: its map name, its row (read as text; an empty text
// answers the schema default after the row's line) and the line logged when
// its write fails (none: the parameter is never written back).
struct Throttling {
    const char* name;
    Setting<std::string> row;
    const char* writeFailure;
};

const Throttling kThrottling[] = {
    {"NumHitsToday",
     {KOVL_PREF("DNDORQSelectionCriteria.ORQThrottling.NumHitsToday"),
      "Unable to get number of hits today for ORQ params."},
     "Failed to set ORQ parameter - number of hits today."},
    {"NumConsumedQuota",
     {KOVL_PREF("DNDORQSelectionCriteria.ORQThrottling.NumConsumedQuota"),
      "Unable to get consumed quota of threshold."},
     "Failed to set ORQ parameter - number of quota consumed today."},
    {"Threshold",
     {KOVL_PREF("DNDORQSelectionCriteria.ORQThrottling.Threshold"), "Unable to get the daily ORQ threshold."},
     nullptr},
    {"LastORQParamsUpdate",
     {KOVL_PREF("DNDORQSelectionCriteria.LastORQParamsUpdate"),
      "Unable to get the last ORQ param update time."},
     "Failed to set ORQ parameter - last throttling update time."},
    {"DaysSinceInstallation",
     {KOVL_PREF("DNDProductInformation.DaysSinceInstallation"),
      "Unable to get days since installation for ORQ params."},
     "Failed to set ORQ parameter - days since installation."},
};

}  // namespace

// The setters hold the controller mutex for the whole compare and write and
// compare with the getter through the virtual interface (a failed read counts as 0).
#define KOVL_ORQ_STATISTIC(Getter, Setter, Row)                                                      \
    int KOVConfigController::Getter() { return impl_->readOr(Row.row); }                             \
    AM_ERROR_CODES KOVConfigController::Setter(int value) {                                          \
        return impl_->locked([&] {                                                                   \
            return impl_->compareWrite(                                                              \
                Row.row, value, [&] { return this->Getter(); }, false, Row.alreadySet, Row.failure); \
        });                                                                                          \
    }

KOVL_ORQ_STATISTIC(getORQAverageRTTForLast24Hours, setORQAverageRTTForLast24Hours, kAverageRTT)
KOVL_ORQ_STATISTIC(getORQAverageSSLHandShakeTimeForLast24Hours, setORQAverageSSLHandShakeTimeForLast24Hours,
                   kAverageHandShake)
KOVL_ORQ_STATISTIC(getORQAverageRetriesForAQueryForLast24Hours, setORQAverageRetriesForAQueryForLast24Hours,
                   kAverageRetries)
KOVL_ORQ_STATISTIC(getNumberOfORQQueriesForLast24Hours, setNumberOfORQQueriesForLast24Hours, kQueryCount)
#undef KOVL_ORQ_STATISTIC

// A failing read lets the accessor's AMException (3004) out.
int KOVConfigController::getNoOfRequestInAORQQuery() {
    const int requests = getIntegerConfiguration(kRequestsInAQuery.sectionType, kRequestsInAQuery.key);
    if (requests > 0) return requests;
    impl_->logError(kRequestsInAQuery.message);
    return kRequestsInAQuery.fallback;
}

std::map<std::string, std::string> KOVConfigController::getORQThrottlingParameters() {
    std::map<std::string, std::string> params;
    for (const Throttling& parameter : kThrottling)
        params[parameter.name] = impl_->accessStringOr(parameter.row);
    return params;
}

// A name missing from `params` is added with the empty value, which is then
// stored. The threshold is never written here.
void KOVConfigController::setORQThrottlingParameters(std::map<std::string, std::string>& params) {
    impl_->locked([&] {
        for (const Throttling& parameter : kThrottling) {
            if (parameter.writeFailure == nullptr) continue;
            const std::string& value = params[parameter.name];
            if (setStringConfiguration("type", parameter.row.sectionType, parameter.row.key, value) ==
                AM_STORE_FAILURE) {
                impl_->logError(parameter.writeFailure);
            }
        }
    });
}

}  // namespace KOVL
