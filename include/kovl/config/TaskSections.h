// kovconfig: building a new ODS or update task section.
//
// The task setters of the controller only hand the option map to the map
// callback; the callback's owner creates the task. It gives the task a section
// of its own and stores it through IConfigController::addSettings:
//
//     const std::string type = KOVL::newTaskSectionType();
//     controller.addSettings(KOVL::taskSectionSettings(KOVL::ODS_TASK, type,
//         {{"ODSProfile.TaskName", "nightly"}, {"ODSProfile.ScanPaths.Path", "/home"}}));
//
// The section then shows up in getODSTaskSettings (or getUpdateTaskSettings)
// under `type`. The keys of the shipped default tasks, with their defaults,
// are in defaultSettings(). Both functions are safe from any thread.
#pragma once

#include <kovl/config/Types.h>
#include <kovl/export.h>
#include <kovl/platform/Interfaces.h>

#include <map>
#include <string>

namespace KOVL {

// Section name of a task kind: "ODSProfile" or "UpdateProfile".
KOVL_EXPORT std::string taskSectionName(TASK_KIND kind);

// Key of the type attribute that tells the task kinds apart:
// "ODSProfile.<xmlattr>.type" or "UpdateProfile.<xmlattr>.type".
KOVL_EXPORT std::string taskTypeKey(TASK_KIND kind);

// A fresh section type for a new task: a random (version 4) UUID as 36
// lower-case characters, the form of the shipped tasks' section types.
// Throws boost::uuids::entropy_error when the system has no randomness to give.
KOVL_EXPORT std::string newTaskSectionType();

// The settings map that creates the task section `sectionType` with
// addSettings: the section's type attribute plus `values`, full key paths
// inside the task's section ("ODSProfile.TaskName"; a list's items joined
// with "," unless its delimiter attribute is given too). Throws std::invalid_argument when `sectionType` is
// empty or names a fixed section ("1" to "5", "51" to "59"), or when a key lies outside the section or names
// its type attribute.
KOVL_EXPORT ZUR::SettingsMap taskSectionSettings(TASK_KIND kind, const std::string& sectionType,
                                                 const std::map<std::string, std::string>& values);

}  // namespace KOVL
