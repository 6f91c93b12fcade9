# Makes the release zip and SHA256SUMS beside it, so that the same commit gives the same
# bytes on any machine and at any time. Run by the release target with
# -DEXE= -DTEXTS= (the configured read-mes and licence) -DSOURCE_DIR= -DZIP_NAME= -DOUT=
cmake_minimum_required(VERSION 3.20)

# Every entry is dated at the last commit, unless SOURCE_DATE_EPOCH says otherwise.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                  RESULT_VARIABLE code OUTPUT_VARIABLE epoch ERROR_VARIABLE errors OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "no date for the zip's entries: git cannot read the last commit of ${SOURCE_DIR} "
                        "(${errors}); set SOURCE_DATE_EPOCH to the source's date in seconds since 1970")
  endif()
endif()
# A zip keeps local time from 1980 on, in steps of 2 s; it is written in UTC.
if(NOT epoch MATCHES "^[0-9]+$" OR epoch LESS 315532800)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH ${epoch} is not a time from 1980 on, in seconds since 1970")
endif()

# libarchive, behind cpack and cmake -E tar, records each file's access and change times
# and its owner: Info-ZIP's zip with -X records the modification time and mode alone.
find_program(ZIP zip)
if(NOT ZIP)
  message(FATAL_ERROR "zip not found: install the Debian package zip")
endif()

# The files in the order the zip lists them, each with the same mode and time wherever built.
set(files LICENSE.txt Pelkor.exe ReadMe-en.txt ReadMe-ja.txt)
set(stage ${OUT}/stage)
set(zip ${OUT}/${ZIP_NAME})
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${stage})
file(COPY ${EXE} ${TEXTS}/LICENSE.txt ${TEXTS}/ReadMe-en.txt ${TEXTS}/ReadMe-ja.txt DESTINATION ${stage}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
execute_process(COMMAND touch -d @${epoch} ${files} WORKING_DIRECTORY ${stage} RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "could not date the files at ${epoch}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP} -X -D -q ${zip} ${files}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE code ERROR_VARIABLE errors)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "zip failed (${code}): ${errors}")
endif()
file(REMOVE_RECURSE ${stage})

# What a player checks a download against: sha256sum -c SHA256SUMS.
file(SHA256 ${zip} zip_sum)
file(WRITE ${OUT}/SHA256SUMS "${zip_sum}  ${ZIP_NAME}\n")
file(SHA256 ${EXE} exe_sum)
message(STATUS "${zip}\n   ${zip_sum}  ${ZIP_NAME}\n   ${exe_sum}  Pelkor.exe (inside)")
