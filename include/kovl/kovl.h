// kovconfig: umbrella header. Includes every public header of the library.
#pragma once

#include <kovl/cli/AMCliStringConstants.h>
#include <kovl/config/ChangeNotices.h>
#include <kovl/config/Defaults.h>
#include <kovl/config/IConfigController.h>
#include <kovl/config/KOVConfigController.h>
#include <kovl/config/KOVConfigData.h>
#include <kovl/config/TaskSections.h>
#include <kovl/config/TpAgentAdaptor.h>
#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/AesAgentAdaptor.h>
#include <kovl/platform/Base64SSL.h>
#include <kovl/platform/Interfaces.h>
#include <kovl/platform/SystemPlatform.h>
#include <kovl/platform/XmlConfigStore.h>
