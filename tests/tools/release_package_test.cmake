# The release zip as a player gets it: made by cpack, unpacked into a fresh copy of
# the demo game folder, and the program started from there.
# Run by ctest with -DCPACK= -DBUILD_DIR= -DDEMO= -DWINE= -DSTART_WINDOW= -DVERSION_SHOWN= -DSCRATCH=
cmake_minimum_required(VERSION 3.20)

# A Windows program, through Wine where there is one; its output without CRs.
function(run_windows out)
  set(command ${ARGN})
  if(WINE)
    set(command ${WINE} ${ARGN})
  endif()
  execute_process(COMMAND ${command} RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE errors
                  TIMEOUT 120)
  string(REPLACE "\r" "" output "${output}")
  string(STRIP "${output}" output)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${code}): ${output} ${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})

execute_process(COMMAND ${CPACK} -G ZIP --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}/package
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
set(zip ${SCRATCH}/package/Pelkor-${VERSION_SHOWN}-win64.zip)
if(NOT code EQUAL 0 OR NOT EXISTS ${zip})
  message(FATAL_ERROR "cpack did not make ${zip}: ${output}")
endif()

# The files sit at the top of the zip, so that it unpacks straight into the game folder.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing)
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" listing "${listing}")
list(SORT listing)
if(NOT listing STREQUAL "LICENSE.txt;Pelkor.exe;ReadMe-en.txt;ReadMe-ja.txt")
  message(FATAL_ERROR "the zip holds ${listing}")
endif()

set(game ${SCRATCH}/game)
file(COPY ${DEMO}/ DESTINATION ${game})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${game} RESULT_VARIABLE code)
file(READ ${game}/ReadMe-ja.txt readme)
string(FIND "${readme}" "Pelkor(ぺるこる) ${VERSION_SHOWN}" at)
if(NOT code EQUAL 0 OR at EQUAL -1)
  message(FATAL_ERROR "unpacked ReadMe-ja.txt does not name version ${VERSION_SHOWN}")
endif()

# Started from the game folder, its window comes up with the version in the caption and
# closes cleanly (start_window fails otherwise); the version resource agrees; gr.ini is
# left as it was.
set(folder ${game})
if(WINE)
  string(REPLACE "/" "\\" folder "Z:${game}")
endif()
run_windows(started ${START_WINDOW} --runs 1 --target release PelkorForm1 ${folder} - "${folder}\\Pelkor.exe")
if(NOT started MATCHES "^release runs=1 .* caption=Pelkor.*  v${VERSION_SHOWN}$")
  message(FATAL_ERROR "unexpected window: ${started}")
endif()
run_windows(version ${START_WINDOW} --product-version "${folder}\\Pelkor.exe")
if(NOT version STREQUAL VERSION_SHOWN)
  message(FATAL_ERROR "the version resource says ${version}, not ${VERSION_SHOWN}")
endif()
file(SHA256 ${DEMO}/gr.ini before)
file(SHA256 ${game}/gr.ini after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "gr.ini changed although nothing was chosen")
endif()
message(STATUS "${started}")
