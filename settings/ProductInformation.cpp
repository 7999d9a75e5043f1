// Product information and directory layout: the product's identity as one
// map, and its directories and well-known paths ("DNDProductInformation";
// the platform socket in "DNDProductDefaultSettings").
//
// Every name is read through the string accessor, so an unreadable name is
// logged there and counts as empty; an empty name takes its built-in default.
// Composed paths call the base directories through the virtual interface, so
// a host's override of a base directory moves every path built on it.
#include <kovl/config/Defaults.h>

#include <map>
#include <set>
#include <string>

#include "config/ControllerImpl.h"

namespace KOVL {
namespace {
using detail::Setting;

// Directory names: empty or unreadable names take the schema default, silently.
const Setting<std::string> kInstallDir{KOVL_PREF("DNDProductInformation.ProductInstallDir")};
const Setting<std::string> kVarDir{KOVL_PREF("DNDProductInformation.ProductVarDir")};
const Setting<std::string> kBinDirName{KOVL_PREF("DNDProductInformation.ProductBinDir")};
const Setting<std::string> kCLIName{KOVL_PREF("DNDProductInformation.ProductCLIName")};
const Setting<std::string> kODSReportDirName{KOVL_PREF("DNDProductInformation.ProductODSReportDir")};
const Setting<std::string> kZURSocketPath{KOVL_PREF("DNDProductDefaultSettings.ZURSocketPath"),
                                          "Unable to get ZUR Socket Path. Returning default value instead"};

// Identity entries of the product information map, in the order they are filled.
struct InfoRow {
    const char* name;
    Setting<std::string> row;
};
const InfoRow kProductInfo[] = {
    {"VendorName", {KOVL_PREF("DNDProductInformation.VendorName")}},
    {"ProductName", {KOVL_PREF("DNDProductInformation.ProductName")}},
    {"ProductNameForEvent", {KOVL_PREF("DNDProductInformation.ProductNameForEvent")}},
    {"ProductVersion", {KOVL_PREF("DNDProductInformation.ProductVersion")}},
    {"ProductCopyright", {KOVL_PREF("DNDProductInformation.ProductCopyright")}},
    {"HotFixes", {KOVL_PREF("DNDProductInformation.HotFixes.HotFix")}},
    {"Patch", {KOVL_PREF("DNDProductInformation.Patch")}},
    {KOVL_KEY("DNDProductInformation.ORQProductName"), {KOVL_PREF("DNDProductInformation.ORQProductName")}},
};

}  // namespace

// Logs nothing of its own. The release date comes from getDATDateInfo, whose
// code is not examined: fields it could not read stay 0.
std::map<std::string, std::string> KOVConfigController::getProductInfo() {
    std::map<std::string, std::string> info;
    for (const InfoRow& entry : kProductInfo)
        info[entry.name] = getStringConfiguration(entry.row.sectionType, entry.row.key);
    DATReleaseInfo release{};
    this->getDATDateInfo(release);
    info["DATReleaseDay"] = std::to_string(release.day);
    info["DATReleaseMonth"] = std::to_string(release.month);
    info["DATReleaseYear"] = std::to_string(release.year);
    return info;
}

std::string KOVConfigController::getProductInstallDir() { return impl_->accessStringOr(kInstallDir); }

std::string KOVConfigController::getProductVarDir() { return impl_->accessStringOr(kVarDir); }

// The name is read before the base directory; a stored absolute name is still
// appended after "/".
std::string KOVConfigController::getProductBinDir() {
    const std::string name = impl_->accessStringOr(kBinDirName);
    return this->getProductInstallDir() + "/" + name;
}

std::string KOVConfigController::getProductCLIPath() {
    const std::string name = impl_->accessStringOr(kCLIName);
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
    const std::string name = impl_->accessStringOr(kODSReportDirName);
    return this->getProductLogDir() + "/" + name;
}

std::string KOVConfigController::getProductConfigDir() { return this->getProductInstallDir() + "/etc"; }

std::string KOVConfigController::getProductTmpDir() { return this->getProductVarDir() + "/tmp"; }

std::string KOVConfigController::getZURSocketPath() { return impl_->accessStringOr(kZURSocketPath); }

}  // namespace KOVL
