# Runs vasterel-cli points and controls as a user would. Called by CTest with -DCLI=<path> -DWORK=<dir>.

include(${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake)

# A data directory of our own: the user's stored parameters never take part.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/Evaluation_des_mains")
set(ENV{appData} "${WORK}")

expect_run(sef 0 "^16 13\n$" points --system F AKQ73.KJT4.95.82)
expect_run(letters 0 "^16 15\n$" points --system k AKQ73.KJT4.95.82)
expect_run(number 0 "^15 13\n$" points --system 4 AKQ73.KJT4.95.82)
expect_run(support 0 "^17\n$" points --system 1 --trump 1 --partner-length 5 K864.A7.5.QJ9532)
expect_run(support_cg 0 "^13\n$" points --system C --trump S --partner-length 4 K864.A7.5.QJ9532)
expect_run(personal_empty 0 "^13 13\n$" points --system A AKQ73.KJT4.95.82) # Zar scale, no criteria

# Personnel A from the data directory's file, then from --params.
set(bloc "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n")
string(SUBSTRING "${bloc}" 2 -1 reste) # rows 2 to 25
file(WRITE "${WORK}/Evaluation_des_mains/ParametresDesComptesDePoints.txt" "M\n${bloc}M\n-2,5\n${reste}M\n${bloc}")
expect_run(stored 0 "^10 13\n$" points --system A AKQ73.KJT4.95.82)
file(WRITE "${WORK}/p.txt" "M\n${bloc}M\n${bloc}M\n3.0\n${reste}")
expect_run(params 0 "^16 13\n$" points --system B --params "${WORK}/p.txt" AKQ73.KJT4.95.82)
file(WRITE "${WORK}/bad.txt" "M\n1\n")
expect_run(bad_params 2 "^$" points --system F --params "${WORK}/bad.txt" AKQ73.KJT4.95.82)
expect_run(missing_params 2 "^$" points --system F --params "${WORK}/none.txt" AKQ73.KJT4.95.82)
expect_run(fixed_ignores_params 0 "^15 13\n$" points --system Z --params "${WORK}/bad.txt" AKQ73.KJT4.95.82)

expect_run(malformed 2 "^$" points --system F AKQ73.KJX4.95.82)
expect_run(short_hand 2 "^$" points --system F AKQ73.KJT4.95.8)
expect_run(system 2 "^$" points --system 7 AKQ73.KJT4.95.82)
expect_run(system_letter 2 "^$" points --system X AKQ73.KJT4.95.82)
expect_run(trump 2 "^$" points --system F --trump 5 --partner-length 4 K864.A7.5.QJ9532)
expect_run(lone_trump 2 "^$" points --system F --trump 1 K864.A7.5.QJ9532)
expect_run(partner 2 "^$" points --system F --trump 1 --partner-length 10 K864.A7.5.QJ9532)
expect_run(partner_sign 2 "^$" points --system F --trump 1 --partner-length -1 K864.A7.5.QJ9532)

set(deal "N:AKQ2.A32.A32.A32 JT9.KQJ.KQJ.KQJ4 8765.8765.8765.8 43.T94.T94.T9765")
expect_run(controls 0 "^2\n$" controls --trump 1 --line 1 "${deal}")
expect_run(controls_ew 0 "^0\n$" controls --trump 1 --line 2 "${deal}")
expect_run(controls_line 2 "^$" controls --trump 1 --line 3 "${deal}")
expect_run(controls_trump 2 "^$" controls --trump 0 --line 1 "${deal}")
expect_run(controls_deal 2 "^$" controls --trump 1 --line 1 "N:AKQ2.A32.A32.A32 AKQ2.A32.A32.A32")
