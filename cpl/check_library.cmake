# Fails the build of sornel.dll when the file lacks what outside readers rely on
# and no test here can see for a 32-bit build: the version stamp "137VERSION"
# followed by the bytes 1 and 0, and the export CPlApplet under its plain name.
# Usage: cmake -DLIBRARY=path -DOBJDUMP=path -P check_library.cmake

file(READ "${LIBRARY}" content HEX)
string(HEX "137VERSION" marker)
set(stamp "${marker}0100")
string(FIND "${content}" "${stamp}" position)
# Two hex digits per byte: a match at an odd digit straddles two bytes.
math(EXPR misaligned "${position} % 2")
if(position EQUAL -1 OR NOT misaligned EQUAL 0)
    message(FATAL_ERROR "${LIBRARY}: version stamp 137VERSION 1.0 not found")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE exports RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${LIBRARY}")
endif()
if(NOT exports MATCHES "\\] CPlApplet\n")
    message(FATAL_ERROR "${LIBRARY}: no export named exactly CPlApplet")
endif()
