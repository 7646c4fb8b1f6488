# Runs the built `kavro dict` in a fresh program folder on the compiled lexicon.
#   the look-up of "vir" lists the stem uir with its citation form and English, and writes nothing
#   into the folder it runs in; --plain the dialog's lines; an empty look-up, a damaged dictUK.dat and a data folder without
#   manifest.txt each fail with a one-line error naming what is wrong.
# Needs -DKAVRO=<kavro binary> -DDATA_DIR=<compiled lexicon> -DWORK_DIR=<scratch folder>

if(NOT EXISTS "${DATA_DIR}/manifest.txt")
  message(STATUS "no compiled lexicon in ${DATA_DIR}: nothing to check")
  return()
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: expected to match '${regex}', got:\n${text}")
  endif()
endfunction()

macro(run_kavro)
  execute_process(COMMAND "${KAVRO}" ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

# A failure: non-zero status and a last stderr line naming the problem; leaves err set.
macro(expect_failure name_regex what)
  run_kavro(${ARGN})
  if(rc EQUAL 0)
    message(FATAL_ERROR "${what}: expected a failure, got status 0")
  endif()
  expect_match("${err}" "kavro: error: [^\n]*${name_regex}[^\n]*\n$" "${what}: error line")
endmacro()

run_kavro(dict vir --data "${DATA_DIR}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kavro dict vir: status ${rc}\n${err}")
endif()
expect_match("${out}" "(^|\n)uir +NOUN +2 3 MASC +A:0 vir, viri - man; husband;" "kavro dict vir")
file(GLOB left_behind "${WORK_DIR}/*")
if(left_behind)
  message(FATAL_ERROR "kavro dict vir left files in the folder it ran in: ${left_behind}")
endif()
run_kavro(dict Vir --plain --data "${DATA_DIR}")
expect_match("${out}" "(^|\n)uir +NOUN +2 3 MASC +A:0 man; husband;" "kavro dict Vir --plain")

expect_failure("LETTERS" "a blank look-up" dict " " --data "${DATA_DIR}")

# A damaged copy of the lexicon: dictUK.dat replaced by another table.
set(damaged "${WORK_DIR}/damaged")
file(COPY "${DATA_DIR}/" DESTINATION "${damaged}")
file(COPY_FILE "${DATA_DIR}/transl.dat" "${damaged}/dictUK.dat")
expect_failure("dictUK.dat" "a damaged dictUK.dat" dict vir --data "${damaged}")
expect_match("${err}" "Cannot open dictUK.dat file." "a damaged dictUK.dat: its message")

file(REMOVE "${damaged}/manifest.txt")
expect_failure("inflects.dat: not listed in manifest.txt" "no manifest" dict vir --data "${damaged}")
