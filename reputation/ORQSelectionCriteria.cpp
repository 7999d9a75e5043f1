// Reputation service: the seven selection-criteria lists that decide which
// files qualify for a query. Each is one delimited text in the selection-criteria section; the
// text is trimmed, then split at any character of its stored delimiter with
// adjacent delimiters merged. A failed read answers the empty list.

#include <string>
#include <vector>

#include "config/ControllerImpl.h"

namespace KOVL {

namespace {

using List = detail::Setting<std::vector<std::string>>;

const List kServerLocations{KOVL_PREF("DNDORQSelectionCriteria.SelCriteria2.Folder"),
                            "Unable to get ORQ server locations from Config Controller"};
const List kFsTypes{KOVL_PREF("DNDORQSelectionCriteria.SelCriteria3.FileSystem"),
                    "Unable to get ORQ fs types from Config Controller"};
const List kTmpPaths{KOVL_PREF("DNDORQSelectionCriteria.SelCriteria4.Folder"),
                     "Unable to get ORQ tmp path from Config Controller"};
const List kFileTypes{KOVL_PREF("DNDORQSelectionCriteria.SelCriteria8.FileType"),
                      "Unable to get ORQ file type from Config Controller"};
const List kExecTypes{KOVL_PREF("DNDORQSelectionCriteria.ExecutingTypes.FileType"),
                      "Unable to get ORQ executable types from Config Controller"};
const List kHLCFileTypes{KOVL_PREF("DNDORQSelectionCriteria.HighLevelCriteria.FileType"),
                         "Unable to get ORQ HLC file types from Config Controller"};
const List kELFFileTypes{KOVL_PREF("DNDORQSelectionCriteria.ELFTypes.FileType"),
                         "Unable to get ORQ ELF file types from Config Controller"};

}  // namespace

#define KOVL_ORQ_LIST(Getter, Row)                                 \
    std::vector<std::string> KOVConfigController::Getter() {       \
        return impl_->listOr(Row, "preferences." + Row.key, true); \
    }

KOVL_ORQ_LIST(getORQServerLocForSelc02, kServerLocations)
KOVL_ORQ_LIST(getORQFsTypesForSelc03, kFsTypes)
KOVL_ORQ_LIST(getORQTmpPathsForSelc04, kTmpPaths)
KOVL_ORQ_LIST(getORQFileTypesForSelc08, kFileTypes)
KOVL_ORQ_LIST(getORQExecType, kExecTypes)
KOVL_ORQ_LIST(getORQHLCFileTypes, kHLCFileTypes)
KOVL_ORQ_LIST(getORQELFFileTypes, kELFFileTypes)
#undef KOVL_ORQ_LIST

}  // namespace KOVL
