// Keys of the on-access exclusion lists: every profile section holds 24 lists,
// one per kind of item, scan mode and source. Shared by the exclusion reads,
// their deletion and the profile settings writer.
#pragma once

#include <kovl/config/IConfigController.h>
#include <kovl/config/Types.h>

#include <string>
#include <vector>

namespace KOVL {
namespace detail {

// Kinds in the order the numbered exclusion list walks them.
enum class ExclusionKind { Path, Folder, File, FileType };

// "DNDOASProfile." + mode part + family + "." + source part + item name:
// mode 1 "Read", 2 "Write", any other "ReadWrite"; source 0 "CLI", any other "Zarn".
inline std::string exclusionKey(ExclusionKind kind, int mode, int source) {
    static const char* const kFamily[] = {"ExclusionPaths", "ExcludeFoldersAndSubFolders", "ExclusionFiles",
                                          "ExclusionTypes"};
    static const char* const kItem[] = {"Path", "Folder", "File", "FileType"};
    const auto k = static_cast<int>(kind);
    const char* modePart = mode == SCAN_MODE_READ ? "Read" : mode == SCAN_MODE_WRITE ? "Write" : "ReadWrite";
    const char* sourcePart = source == CLI ? "CLI" : "Zarn";
    return std::string("DNDOASProfile.") + modePart + kFamily[k] + "." + sourcePart + kItem[k];
}

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
