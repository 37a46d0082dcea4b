# Runs the built orvctl (through Wine for the Windows build) as scripts call it,
# checking exit status, stdout (exactly, or "*" for anything) and stderr (a
# regular expression) of each case.
# -DORVCTL=<path> [-DEMULATOR=<wine>] -DFIXTURES=<dir>

set(failures 0)

function(expect_run status expected_out expected_err)
    execute_process(
        COMMAND ${EMULATOR} ${ORVCTL} ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(expected_out STREQUAL "*")
        set(expected_out "${out}")
    endif()
    if(NOT result EQUAL status OR NOT out STREQUAL expected_out OR NOT err MATCHES "${expected_err}")
        message(SEND_ERROR "orvctl ${ARGN}\n  status ${result} (want ${status})\n  stdout [${out}]\n  want   [${expected_out}]\n  stderr [${err}]\n  want match [${expected_err}]")
    endif()
endfunction()

expect_run(0 "applicationNameLength=7
applicationName=GENERAL
buttonPosition=0,1,-1,-1
doubleClickSpeed=5
reserved1=5
cursorSpeed1=7
cursorSpeed2=7
acceleration=0
reserved2=5
trailLength=0
reserved3=5
reserved4=5
reserved5=5
schemeNameLength=16
schemeName=Windows Standard
" "^$"
    record decode "007GENERAL001002000000005005007007001005000005005005016Windows Standard")

expect_run(0 "011ÉDITEUR.EXE001002003004005005007007004005000005005005016Windows Standard\n" "^$"
    record encode "applicationName=ÉDITEUR.EXE" acceleration=3)

expect_run(0 "8\t2\t6\t{Sh-Tab}\n" "^$" actions decode "08020612{I}{.~.}{~I}")
expect_run(0 "{<}c{~<}\n" "^$" macro to-registry "{Ctrl-Dn}c{Ctrl-Up}")
expect_run(1 "" "^Warning: Missing 'function key up' symbol '~Z' in registry macro:\n{Z~Y}\n$"
    macro from-registry "{Z~Y}")
expect_run(1 "" "^Error parsing macro, undefined symbol \\(Sh-\\):\n{Sh-}\n$" macro to-registry "{Sh-}")
expect_run(2 "" "Try 'orvctl --help'" record)
expect_run(0 "----\n" "^$" stamp "${FIXTURES}/no-such-file" 2)
expect_run(0 "*" "^$" --help)
