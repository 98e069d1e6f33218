# cmake -DFILE=<packed skin> -DLIMIT=<bytes> -P CheckSize.cmake
# Fails when the packed skin is missing or not smaller than LIMIT bytes.
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist (build the lanvero_skins target)")
endif()
file(SIZE "${FILE}" size)
if(NOT size LESS LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes; skins must stay below ${LIMIT}")
endif()
message(STATUS "${FILE}: ${size} bytes (limit ${LIMIT})")
