# Runs vasterel-cli evaluate, values, compare and overbids as a user would. Called by CTest with
# -DCLI=<path> -DWORK=<dir>.

include(${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake)

# A data directory of our own: the user's stored files never take part.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(ENV{appData} "${WORK}")
set(ENV{LC_ALL} "C")
set(data "${WORK}/Evaluation_des_mains")
set(results "${data}/ValeursDesComptesDePoints.txt")

expect_run(overbids 0 "\n  de  4  à   5   40%  33%       36%  35%                    41%  37%       40%  40%\n" overbids)
expect_run(overbids_en 0 "\n from 4  to  5   40%  33%" overbids --lang en)
expect_run(compare_empty 0 "\n  SEF        ---  " compare)
expect_run(values_never 2 "^$" values --system Z)

foreach(bad 0 7 -1 x "")
  expect_run(system_${bad} 2 "^$" evaluate --system "${bad}" --deals 2)
endforeach()
foreach(bad 0 1000001 "" 2x)
  expect_run(deals_${bad} 2 "^$" evaluate --system 1 --deals "${bad}")
endforeach()
expect_run(lang 2 "^$" overbids --lang de)
if(EXISTS "${results}")
  message(FATAL_ERROR "a refused evaluation wrote ${results}")
endif()

# Two deals of Zar, stored, with the trace of the observations.
expect_run(evaluate 0 "^=+\n % de donnes réussies à SA" evaluate --system Z --deals 2 --save --trace "${WORK}/trace.txt")
file(STRINGS "${WORK}/trace.txt" trace)
list(GET trace 0 first)
if(NOT first MATCHES "^1 N:AQJ9.52.AT96.T93 K43.7.KQJ87.J754 2.AJT983.543.A82 T8765.KQ64.2.KQ6( [1-6]:[0-9]+:[0-9]+)+$")
  message(FATAL_ERROR "trace: ${first}")
endif()
file(STRINGS "${results}" lines)
list(LENGTH lines n)
if(NOT n EQUAL 32226)
  message(FATAL_ERROR "results file: ${n} lines")
endif()
expect_run(values 0 "Valeurs du système Zar calculées sur un échantillon de 2 donnes aléatoires" values --system 4)
expect_run(values_en 0 "Values of system Zar computed on a sample of 2 random deals" values --system z --lang en)

# A results file that does not read: said with its line, and left as it is.
list(REMOVE_AT lines 2)
list(INSERT lines 2 "oops")
list(JOIN lines "\n" bad)
file(WRITE "${results}" "${bad}\n")
expect_run(values_bad_file 2 "^$" values --system 4)
execute_process(COMMAND ${CLI} compare ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT err MATCHES "ValeursDesComptesDePoints.txt, line 3: 'oops' is not a decimal number")
  message(FATAL_ERROR "bad file message: ${err}")
endif()
file(READ "${results}" after)
if(NOT after STREQUAL "${bad}\n")
  message(FATAL_ERROR "the bad results file was changed")
endif()
