message(STATUS "consumer check pending")
