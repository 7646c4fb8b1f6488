# Several files in one run of `kavro translate` and `kavro analyse`: the output of --jobs 2 is the
# outputs of the files run one by one, in the order named (the date and time lines aside); a
# missing file among them is reported by name, the others still print, the status is 1; no
# scratch folder is left in the program folder.
# Needs -DKAVRO=<kavro binary> -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder>

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(first "${SOURCE_DIR}/examples/caesar.txt")
set(second "${WORK_DIR}/second.txt")
file(WRITE "${second}" "Arma virumque cano, Troiae qui primus ab oris Italiam venit.\nQuo usque tandem abutere, Catilina, patientia nostra?\n")

# Runs kavro in WORK_DIR; sets rc, out and err in the caller, out without its date and time lines.
macro(run_kavro)
  execute_process(COMMAND "${KAVRO}" ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REGEX REPLACE "(^|\n)(Date/time|Time taken) = [^\n]*" "\\1" out "${out}")
endmacro()

foreach(command "translate;--words" "translate;--sentence" "translate;--english" "analyse;--sentence")
  set(expected "")
  foreach(input "${first}" "${second}")
    run_kavro(${command} "${input}")
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${command} ${input}: status ${rc}\n${err}")
    endif()
    string(APPEND expected "${out}")
  endforeach()
  run_kavro(${command} --jobs 2 "${first}" "${second}")
  if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "${command} --jobs 2: status ${rc}, output differs from the files one by one\n${err}")
  endif()
  run_kavro(${command} --jobs 2 "${first}" "${WORK_DIR}/missing.txt" "${second}")
  if(rc EQUAL 0 OR NOT out STREQUAL expected OR NOT err MATCHES "kavro: error: [^\n]*missing\\.txt: no such file\n"
     OR NOT err MATCHES "1 of 3 files failed\n$")
    message(FATAL_ERROR "${command} with a missing file: status ${rc}, stderr:\n${err}")
  endif()
endforeach()

file(GLOB leftovers "${WORK_DIR}/kavro-batch-*")
if(leftovers)
  message(FATAL_ERROR "scratch folders left behind: ${leftovers}")
endif()
