# Runs `skintool defs SKIN` (through EMULATOR when given) and compares its
# output, line ends aside, with the committed listing GOLDEN.
#   cmake -DSKINTOOL=... -DSKIN=... -DGOLDEN=... -DACTUAL=... [-DEMULATOR=...] -P CompareDefs.cmake
execute_process(COMMAND ${EMULATOR} ${SKINTOOL} defs ${SKIN}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "skintool defs ${SKIN} failed (${status}): ${errors}")
endif()
string(REPLACE "\r" "" listing "${listing}")
file(READ ${GOLDEN} expected)
if(NOT listing STREQUAL expected)
  file(WRITE ${ACTUAL} "${listing}")
  message(FATAL_ERROR "definitions differ from ${GOLDEN}; this build's listing is in ${ACTUAL}")
endif()
message(STATUS "definitions of ${SKIN} match ${GOLDEN}")
