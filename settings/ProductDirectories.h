// Built-in directory defaults shared by the product-information and the
// content-information getters. Include only from the controller's own .cpp files.
#pragma once

namespace KOVL {
namespace detail {

constexpr const char* kDefaultInstallDir = "/opt/Korvel/kov/tp";
constexpr const char* kDefaultVarDir = "/var/Korvel/kov/tp";

}  // namespace detail
}  // namespace KOVL
