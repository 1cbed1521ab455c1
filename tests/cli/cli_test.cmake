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
