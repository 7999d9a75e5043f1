# Installs the built project into a scratch prefix, then configures, builds and
# runs a consumer that finds it with find_package(kovconfig CONFIG).
# Everything goes below WORK_DIR through DESTDIR, also the shipped defaults
# when the build installs them at an absolute path (SHIPPED_DIR).
file(REMOVE_RECURSE ${WORK_DIR})
set(destdir ${WORK_DIR}/root)
set(prefix ${destdir}/kovconfig)
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${destdir}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /kovconfig RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "install failed")
endif()
if(IS_ABSOLUTE "${SHIPPED_DIR}")
  set(shipped ${destdir}${SHIPPED_DIR}/prefs.xml)
else()
  set(shipped ${prefix}/${SHIPPED_DIR}/prefs.xml)
endif()
if(NOT EXISTS ${shipped})
  message(FATAL_ERROR "the shipped preferences were not installed at ${shipped}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer -B ${WORK_DIR}/build
                        -DCMAKE_PREFIX_PATH=${prefix} RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "find_package(kovconfig) failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "consumer build failed")
endif()
file(MAKE_DIRECTORY ${WORK_DIR}/prefs)
execute_process(COMMAND ${WORK_DIR}/build/consumer ${WORK_DIR}/prefs ${shipped} RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "consumer run failed")
endif()
