// kovconfig: symbol export macro.
//
// The library is built with -fvisibility=hidden; only declarations marked
// KOVL_EXPORT form its binary interface.
#pragma once

#if defined(KOVL_BUILDING_LIBRARY)
#define KOVL_EXPORT __attribute__((visibility("default")))
#else
#define KOVL_EXPORT
#endif
