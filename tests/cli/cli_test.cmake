# Runs vasterel-cli as a user would and checks its output and exit status. Called by CTest with -DCLI=<path>.

include(${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake)

set(deal "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432")

expect_run(declarer 0 "^13\n$" solve --declarer N --strain NT "${deal}")
expect_run(table 0 "^S H D C NT\nN [0-9]+ [0-9]+ [0-9]+ [0-9]+ [0-9]+\nE .*\nS .*\nW .*\n$" solve "${deal}")
expect_run(malformed 2 "^$" solve "N:AKQ.xyz")
expect_run(twice 2 "^$" solve "N:A.. A.. K.. Q..")
expect_run(unequal 2 "^$" solve "N:AK... Q... J... T...")
expect_run(option 2 "^$" solve --frobnicate "${deal}")
expect_run(strain 2 "^$" solve --declarer N --strain X "${deal}")
expect_run(lone_declarer 2 "^$" solve --declarer N "${deal}")
expect_run(no_command 2 "^$")
expect_run(help 0 "solve" --help)

# Deals one per line on standard input, blank lines skipped.
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/cli_stdin_deals.txt" "N:A... K... Q... J...\n\nN:AK... QJ... T9... 87...\n")
execute_process(COMMAND ${CLI} solve --declarer S --strain NT INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/cli_stdin_deals.txt"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "1\n2\n")
  message(FATAL_ERROR "stdin: status ${rc}, stdout '${out}', stderr '${err}'")
endif()
