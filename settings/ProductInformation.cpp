// Product information and directory layout: the product's identity as one
// map, and its directories and well-known paths ("DNDProductInformation",
// section type "54"; the platform socket in "DNDProductDefaultSettings", "55").
//
// Every name is read through the string accessor, so an unreadable name is
// logged there and counts as empty; an empty name takes its built-in default.
// Composed paths call the base directories through the virtual interface, so
// a host's override of a base directory moves every path built on it.
#include <kovl/config/Defaults.h>

#include <map>
#include <set>
#include <string>

#include "config/Access.h"
#include "settings/ProductDirectories.h"

namespace KOVL {
namespace {
using detail::Setting;

constexpr const char* kProductSection = "54";

// Directory names: empty or unreadable names take the fallback, silently.
const Setting<std::string> kInstallDir{kProductSection, "DNDProductInformation.ProductInstallDir",
                                       detail::kDefaultInstallDir, ""};
const Setting<std::string> kVarDir{kProductSection, "DNDProductInformation.ProductVarDir",
                                   detail::kDefaultVarDir, ""};
const Setting<std::string> kBinDirName{kProductSection, "DNDProductInformation.ProductBinDir", "bin", ""};
const Setting<std::string> kCLIName{kProductSection, "DNDProductInformation.ProductCLIName", "zlytpcli", ""};
const Setting<std::string> kODSReportDirName{kProductSection, "DNDProductInformation.ProductODSReportDir",
                                             "odsreport", ""};
const Setting<std::string> kZURSocketPath{"55", "DNDProductDefaultSettings.ZURSocketPath",
                                          "/var/Korvel/kov/zur/zursocket",
                                          "Unable to get ZUR Socket Path. Returning default value instead"};

// Identity entries of the product information map, in the order they are filled.
struct InfoRow {
    const char* name;
    const char* key;
};
const InfoRow kProductInfo[] = {
    {"VendorName", "DNDProductInformation.VendorName"},
    {"ProductName", "DNDProductInformation.ProductName"},
    {"ProductNameForEvent", "DNDProductInformation.ProductNameForEvent"},
    {"ProductVersion", "DNDProductInformation.ProductVersion"},
    {"ProductCopyright", "DNDProductInformation.ProductCopyright"},
    {"HotFixes", "DNDProductInformation.HotFixes.HotFix"},
    {"Patch", "DNDProductInformation.Patch"},
    {"DNDProductInformation.ORQProductName", "DNDProductInformation.ORQProductName"},
};

}  // namespace

// Logs nothing of its own. The release date comes from getDATDateInfo, whose
// code is not examined: fields it could not read stay 0.
std::map<std::string, std::string> KOVConfigController::getProductInfo() {
    std::map<std::string, std::string> info;
    for (const InfoRow& row : kProductInfo) info[row.name] = getStringConfiguration(kProductSection, row.key);
    DATReleaseInfo release{};
    this->getDATDateInfo(release);
    info["DATReleaseDay"] = std::to_string(release.day);
    info["DATReleaseMonth"] = std::to_string(release.month);
    info["DATReleaseYear"] = std::to_string(release.year);
    return info;
}

std::string KOVConfigController::getProductInstallDir() { return accessStringOr(kInstallDir); }

std::string KOVConfigController::getProductVarDir() { return accessStringOr(kVarDir); }

// The name is read before the base directory; a stored absolute name is still
// appended after "/".
std::string KOVConfigController::getProductBinDir() {
    const std::string name = accessStringOr(kBinDirName);
    return this->getProductInstallDir() + "/" + name;
}

std::string KOVConfigController::getProductCLIPath() {
    const std::string name = accessStringOr(kCLIName);
    return this->getProductBinDir() + "/" + name;
}

// The first (in ascending order) value of the prefix keyword "%DEFLOGDIR%";
// "" when the keyword has no value or the prefix keywords cannot be read.
std::string KOVConfigController::getProductLogDir() {
    try {
        const std::set<std::string> values = this->getPrefixKeywordData(kDefaultLogDirKeyword);
        return values.empty() ? std::string() : *values.begin();
    } catch (...) {
        return "";
    }
}

std::string KOVConfigController::getODSReportDir() {
    const std::string name = accessStringOr(kODSReportDirName);
    return this->getProductLogDir() + "/" + name;
}

std::string KOVConfigController::getProductConfigDir() { return this->getProductInstallDir() + "/etc"; }

std::string KOVConfigController::getProductTmpDir() { return this->getProductVarDir() + "/tmp"; }

std::string KOVConfigController::getZURSocketPath() { return accessStringOr(kZURSocketPath); }

}  // namespace KOVL
