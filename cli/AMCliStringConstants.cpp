// kovconfig: definitions of the command-line vocabulary.
//
// All constants are defined here, in this one translation unit, by expanding the
// row list of <kovl/cli/AMCliStringConstantsList.h>, the list the header
// declares them from. Within a translation unit, static objects are initialised
// in the order of their definitions, so a composed help text always sees the
// final values of the words it names (the list only refers to rows above the
// one being defined). Nothing here depends on the
// initialisation of any other translation unit.
#include <kovl/cli/AMCliStringConstants.h>

#include <cstddef>

namespace KOVL {

#define KOVL_CLI_DEFINE(name, value) const std::string AMCliStringConstants::name = value;
KOVL_CLI_CONSTANTS(KOVL_CLI_DEFINE)
#undef KOVL_CLI_DEFINE

namespace {

#define KOVL_CLI_COUNT(name, value) +1
constexpr std::size_t kConstantCount = 0 KOVL_CLI_CONSTANTS(KOVL_CLI_COUNT);
#undef KOVL_CLI_COUNT

// The tool relies on the complete set; a row lost or added by mistake stops the build.
static_assert(kConstantCount == 962, "the command-line vocabulary has 962 constants");

}  // namespace

const std::vector<std::pair<const char*, const std::string*>>& AMCliStringConstants::all() {
    static const std::vector<std::pair<const char*, const std::string*>> table = {
#define KOVL_CLI_ENTRY(name, value) {#name, &AMCliStringConstants::name},
        KOVL_CLI_CONSTANTS(KOVL_CLI_ENTRY)
#undef KOVL_CLI_ENTRY
    };
    return table;
}

}  // namespace KOVL
