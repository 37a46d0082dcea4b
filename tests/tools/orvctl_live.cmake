# Runs orvctl.exe --live under Wine against Wine's own registry, with the
# stand-in driver library beside it: check reads and tells the driver nothing;
# import and reset change the store and each tells the driver once.
# -DORVCTL=<orvctl.exe> -DORVDLL=<Orvdll.dll> -DEMULATOR=<wine> -DWORK=<directory>

set(failures 0)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# The tool finds the driver library beside itself, as it is installed.
file(COPY "${ORVCTL}" "${ORVDLL}" DESTINATION "${WORK}")
get_filename_component(tool "${ORVCTL}" NAME)
set(journal "${WORK}/journal.txt")
set(ENV{ORVDLL_JOURNAL} "Z:${journal}")

set(general "007GENERAL001002003004005005007007001005000005005005016Windows Standard")
set(word "008WORD.EXE002001003004005005009009004005003005005005012Fancy Arrows")
file(WRITE "${WORK}/store.reg" "REGEDIT4\r\n\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\MiceFound]\r\n\"MiceFound\"=\"b05001\"\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties]\r\n"
    "\"P001\"=\"b05001${general}\"\r\n\"A001\"=\"030001\"\r\n")
file(WRITE "${WORK}/profile.json"
    "[{\"deviceCode\": \"b05\", \"port\": 1, \"application\": \"WORD.EXE\", \"actions\": \"020004\", \"record\": \"${word}\"}]")
execute_process(COMMAND ${EMULATOR} regedit /S "Z:${WORK}/store.reg" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "regedit could not load the store (${result})")
endif()

function(expect_live status expected_out)
    execute_process(COMMAND ${EMULATOR} "${WORK}/${tool}" ${ARGN} --live
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL status OR NOT out MATCHES "${expected_out}")
        message(SEND_ERROR "orvctl ${ARGN} --live\n  status ${result} (want ${status})\n  stdout [${out}]\n  want match [${expected_out}]\n  stderr [${err}]")
    endif()
endfunction()

function(expect_notifications count)
    set(lines "")
    if(EXISTS "${journal}")
        file(STRINGS "${journal}" lines)
    endif()
    list(LENGTH lines seen)
    if(NOT seen EQUAL count)
        message(SEND_ERROR "the driver was told ${seen} time(s), want ${count}: ${lines}")
    endif()
    set(last_notification "${lines}" PARENT_SCOPE)
endfunction()

expect_live(0 "^$" check)
expect_notifications(0)
expect_live(0 "^added P002 \\(b05001, \"WORD.EXE\"\\)\n$" import "Z:${WORK}/profile.json")
expect_notifications(1)
if(NOT last_notification MATCHES "P002=b05001${word}\tA002=020004")
    message(SEND_ERROR "the driver did not read the imported record: ${last_notification}")
endif()
expect_live(0 "^reset P002 to the default record, no actions\n$" reset --device b05001 --application WORD.EXE)
expect_notifications(2)
expect_live(0 "^$" check)
expect_notifications(2)
