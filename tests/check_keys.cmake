# Fails when a library source spells a preference key as a raw string outside
# the schema table (config/Schema.h): every other place names a key through
# KOVL_PREF or KOVL_KEY, which check it against the schema at compile time.
# Comment lines are not looked at.
set(offenders "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/config/* ${SOURCE_DIR}/settings/* ${SOURCE_DIR}/profiles/* ${SOURCE_DIR}/exclusions/*
  ${SOURCE_DIR}/tasks/* ${SOURCE_DIR}/content/* ${SOURCE_DIR}/reputation/* ${SOURCE_DIR}/proxy/*
  ${SOURCE_DIR}/cli/* ${SOURCE_DIR}/platform/* ${SOURCE_DIR}/include/*)
foreach(source IN LISTS sources)
  if(source STREQUAL "config/Schema.h")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "\"(DND[A-Za-z]+|ODSProfile|UpdateProfile)\\.[A-Za-z<]")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" stripped)
    if(stripped MATCHES "^//")
      continue()
    endif()
    string(REGEX REPLACE "KOVL_(PREF|KEY)\\(\"[^\"]*\"\\)" "" rest "${line}")
    if(rest MATCHES "\"(DND[A-Za-z]+|ODSProfile|UpdateProfile)\\.[A-Za-z<]")
      string(APPEND offenders "\n  ${source}: ${stripped}")
    endif()
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "preference keys spelled outside config/Schema.h:${offenders}")
endif()
