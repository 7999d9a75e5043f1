// zlytpcli: where the preferences and the shipped defaults are found.
#pragma once

#include <kovl/config/Types.h>

#include <boost/filesystem/path.hpp>

namespace zlytpcli {

// The product's fixed preferences file, made usable by an installed tool: the
// missing directories above it are created (see ProductPaths.cpp for their
// mode and owner), and the shipped defaults are the product's fixed copy when
// it exists, otherwise the first copy that an installation of this tool
// brought (beside the tool, then where the build configured it to be installed).
KOVL::PreferenceFiles productFiles();

// The preferences kept under `root` at the product's relative paths
// (root/var/Korvel/kov/tp/prefs.xml, shipped defaults at
// root/opt/Korvel/kov/tp/etc/prefs.xml): the directories are created as for
// productFiles(), and the shipped defaults copied there, whole and once, from
// the installed copies or else the build tree's when the root has none.
KOVL::PreferenceFiles filesUnder(const boost::filesystem::path& root);

}  // namespace zlytpcli
