// zlytpcli: where the preferences and the shipped defaults are found.
#pragma once

#include <kovl/config/Types.h>

#include <boost/filesystem/path.hpp>
#include <vector>

namespace zlytpcli {

// Copies of the shipped defaults that an installation of this tool brought,
// in the order they are tried: beside the tool (an installation moved as a
// whole to another prefix), then where the build configured it to be installed.
std::vector<boost::filesystem::path> installedShipped();

// The same, then the copy in the build tree (for a tool run from its build).
std::vector<boost::filesystem::path> shippedCandidates();

// The product's fixed preferences file, made usable by an installed tool: the
// missing directories above it are created (see ProductPaths.cpp for their
// mode and owner), and the shipped defaults are the product's fixed copy when
// it exists, otherwise the first copy of installedShipped() that exists.
KOVL::PreferenceFiles productFiles();

// The preferences kept under `root` at the product's relative paths
// (root/var/Korvel/kov/tp/prefs.xml, shipped defaults at
// root/opt/Korvel/kov/tp/etc/prefs.xml): the directories are created as for
// productFiles(), and the shipped defaults copied there, whole and once, from
// shippedCandidates() when the root has none.
KOVL::PreferenceFiles filesUnder(const boost::filesystem::path& root);

}  // namespace zlytpcli
