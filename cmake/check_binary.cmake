# Fails the build of a Windows binary when the file lacks what outside readers
# rely on, for every architecture (a 32-bit build cannot be run here): the
# version stamp "137VERSION" with the given numbers, a version resource whose
# file version is those numbers padded with zeros, and, when EXPORT is given,
# that export under its plain name.
# Usage: cmake -DBINARY=path -DSTAMP=1.0 [-DEXPORT=name] -DOBJDUMP=path -P check_binary.cmake

file(READ "${BINARY}" content HEX)

# Two hex digits per byte: a match at an odd digit straddles two bytes.
function(find_bytes hex_bytes what out)
    string(FIND "${content}" "${hex_bytes}" position)
    math(EXPR misaligned "${position} % 2")
    if(position EQUAL -1 OR NOT misaligned EQUAL 0)
        message(FATAL_ERROR "${BINARY}: ${what} not found")
    endif()
    set(${out} ${position} PARENT_SCOPE)
endfunction()

# A 16-bit little-endian number at a hex digit position.
function(read_word position out)
    string(SUBSTRING "${content}" ${position} 2 low)
    math(EXPR position "${position} + 2")
    string(SUBSTRING "${content}" ${position} 2 high)
    math(EXPR value "0x${high}${low}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

string(REPLACE "." ";" numbers "${STAMP}")
string(HEX "137VERSION" stamp)
foreach(number IN LISTS numbers)
    math(EXPR byte "${number}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 byte)
    string(LENGTH "${byte}" length)
    if(length EQUAL 1)
        set(byte "0${byte}")
    endif()
    string(APPEND stamp "${byte}")
endforeach()
find_bytes("${stamp}" "version stamp 137VERSION ${STAMP}" ignored)

# VS_FIXEDFILEINFO: the signature, the structure version, then the file version
# as two 32-bit halves, each two 16-bit numbers with the more significant second.
find_bytes("bd04effe" "version resource" signature)
set(resource_version "")
foreach(offset 20 16 28 24)
    math(EXPR position "${signature} + ${offset}")
    read_word(${position} value)
    list(APPEND resource_version ${value})
endforeach()
list(LENGTH numbers count)
while(count LESS 4)
    list(APPEND numbers 0)
    math(EXPR count "${count} + 1")
endwhile()
if(NOT resource_version STREQUAL numbers)
    list(JOIN resource_version "." resource_text)
    list(JOIN numbers "." stamp_text)
    message(FATAL_ERROR "${BINARY}: the version resource says ${resource_text}, "
                        "the version stamp ${stamp_text}")
endif()

if(EXPORT)
    execute_process(COMMAND "${OBJDUMP}" -p "${BINARY}" OUTPUT_VARIABLE exports
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} could not read ${BINARY}")
    endif()
    if(NOT exports MATCHES "\\] ${EXPORT}\n")
        message(FATAL_ERROR "${BINARY}: no export named exactly ${EXPORT}")
    endif()
endif()
