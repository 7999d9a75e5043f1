// Built-in directory defaults shared by the product-information and the
// content-information getters: the schema defaults of the two directories.
// Include only from the controller's own .cpp files.
#pragma once

#include "config/Schema.h"

namespace KOVL {
namespace detail {

constexpr const char* kDefaultInstallDir =
    decltype(KOVL_PREF("DNDProductInformation.ProductInstallDir"))::row.value;
constexpr const char* kDefaultVarDir = decltype(KOVL_PREF("DNDProductInformation.ProductVarDir"))::row.value;

}  // namespace detail
}  // namespace KOVL
