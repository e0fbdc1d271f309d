# Fails when the batch tool loads any Qt library. Run as cmake -DEXE=<tamsel-cli> -P ...
# A statically linked tool loads no library at all; ldd then says so and fails.
execute_process(COMMAND ldd "${EXE}" OUTPUT_VARIABLE libraries ERROR_VARIABLE libraries RESULT_VARIABLE status)
if(libraries MATCHES "not a dynamic executable")
  return()
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${EXE} failed (${status})")
endif()
if(libraries MATCHES "libQt")
  message(FATAL_ERROR "tamsel-cli loads Qt:\n${libraries}")
endif()
