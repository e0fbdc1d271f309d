# Fails when the batch tool loads any Qt library. Run as cmake -DEXE=<tamsel-cli> -P ...
execute_process(COMMAND ldd "${EXE}" OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${EXE} failed (${status})")
endif()
if(libraries MATCHES "libQt")
  message(FATAL_ERROR "tamsel-cli loads Qt:\n${libraries}")
endif()
