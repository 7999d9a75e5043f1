// Keys of the on-access exclusion lists: every profile section holds 24 lists,
// one per kind of item, scan mode and source. Shared by the exclusion reads,
// their deletion and the profile settings writer.
#pragma once

#include <kovl/config/IConfigController.h>
#include <kovl/config/Types.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "config/Schema.h"

namespace KOVL {
namespace detail {

// Kinds in the order the numbered exclusion list walks them.
enum class ExclusionKind { Path, Folder, File, FileType };

// The parts an exclusion key is spelled from, named once here:
// "DNDOASProfile." + mode part + family + "." + source part + item name.
constexpr const char* kExclusionPrefix = "DNDOASProfile.";
constexpr const char* kExclusionFamily[] = {"ExclusionPaths", "ExcludeFoldersAndSubFolders", "ExclusionFiles",
                                            "ExclusionTypes"};
constexpr const char* kExclusionItem[] = {"Path", "Folder", "File", "FileType"};
constexpr const char* kExclusionModePart[] = {"Read", "Write", "ReadWrite"};
constexpr const char* kExclusionSourcePart[] = {"CLI", "Zarn"};

// Mode 1 "Read", 2 "Write", any other "ReadWrite"; source 0 "CLI", any other "Zarn".
inline std::string exclusionKey(ExclusionKind kind, int mode, int source) {
    const auto k = static_cast<int>(kind);
    const int m = mode == SCAN_MODE_READ ? 0 : mode == SCAN_MODE_WRITE ? 1 : 2;
    return std::string(kExclusionPrefix) + kExclusionModePart[m] + kExclusionFamily[k] + "." +
           kExclusionSourcePart[source == CLI ? 0 : 1] + kExclusionItem[k];
}

// Every key exclusionKey spells is a list key of every profile in the schema.
constexpr bool isProfileListKey(std::initializer_list<std::string_view> parts) {
    for (const schema::Row& row : schema::kRows) {
        std::string_view rest = row.key;
        bool match = schema::isPerProfile(row) && row.kind == schema::Kind::List;
        for (std::string_view part : parts) {
            if (!match || rest.substr(0, part.size()) != part) {
                match = false;
                break;
            }
            rest.remove_prefix(part.size());
        }
        if (match && rest.empty()) return true;
    }
    return false;
}

constexpr bool exclusionKeysInSchema() {
    for (int k = 0; k < 4; ++k)
        for (const char* mode : kExclusionModePart)
            for (const char* source : kExclusionSourcePart)
                if (!isProfileListKey(
                        {kExclusionPrefix, mode, kExclusionFamily[k], ".", source, kExclusionItem[k]}))
                    return false;
    return true;
}
static_assert(exclusionKeysInSchema(), "an exclusion key is missing from the preference schema");

const ExclusionKind kExclusionKinds[] = {ExclusionKind::Path, ExclusionKind::Folder, ExclusionKind::File,
                                         ExclusionKind::FileType};
const ScanMode kExclusionModes[] = {SCAN_MODE_READ, SCAN_MODE_WRITE, SCAN_MODE_READ_WRITE};

// The source-specific read of one kind, through the interface so that an
// override of a read changes every caller's view too.
inline std::vector<std::string> readExclusions(IConfigController& controller, ExclusionKind kind,
                                               PROFILE_CODE profile, ScanMode mode, DataSource source) {
    switch (kind) {
        case ExclusionKind::Path:
        case ExclusionKind::Folder:
            return controller.getFolderExclusion(profile, kind == ExclusionKind::Folder, mode, source);
        case ExclusionKind::File:
            return controller.getFilePathExclusion(profile, mode, source);
        case ExclusionKind::FileType:
            return controller.getFileTypesExclusion(profile, mode, source);
    }
    return {};
}

}  // namespace detail
}  // namespace KOVL
