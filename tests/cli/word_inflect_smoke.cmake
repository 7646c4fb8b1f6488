# Runs `kavro word`, `kavro inflect` and `kavro dict --english` on the compiled lexicon and
# compares their output with the reviewed files of tests/cli/golden; a bad --pos and an unknown
# citation form fail with a one-line error.
# Needs -DKAVRO=<kavro binary> -DDATA_DIR=<compiled lexicon> -DGOLDEN_DIR=<expected outputs>
#       -DWORK_DIR=<scratch folder>

if(NOT EXISTS "${DATA_DIR}/manifest.txt")
  message(STATUS "no compiled lexicon in ${DATA_DIR}: nothing to check")
  return()
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

macro(run_kavro)
  execute_process(COMMAND "${KAVRO}" ${ARGN} --data "${DATA_DIR}" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

# NAME: the golden file; the rest: the command line.
function(expect_golden name)
  run_kavro(${ARGN})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kavro ${ARGN}: status ${rc}\n${err}")
  endif()
  file(READ "${GOLDEN_DIR}/${name}.expected" expected)
  if(NOT out STREQUAL expected)
    file(WRITE "${WORK_DIR}/${name}.actual" "${out}")
    message(FATAL_ERROR "kavro ${ARGN}: output differs from ${GOLDEN_DIR}/${name}.expected "
                        "(see ${WORK_DIR}/${name}.actual)")
  endif()
endfunction()

expect_golden(word_amavisse word amavisse)
expect_golden(word_est_glossary word est --glossary)
expect_golden(inflect_rex inflect rex)
expect_golden(inflect_amo inflect amo)
expect_golden(inflect_sum inflect sum)
expect_golden(dict_english_love dict --english love)

# The English look-up finds "love" from its inflected forms too.
foreach(form loves loved loving)
  run_kavro(dict --english ${form})
  if(NOT out MATCHES "(^|\n)am +VERB +1 1 +A:0 amo, amare")
    message(FATAL_ERROR "kavro dict --english ${form}: amo not listed:\n${out}")
  endif()
endforeach()

run_kavro(word amavisse --json)
if(NOT out MATCHES "^\\{\"word\":\"amauisse\",\"translation\":\"'amauisse': to have loved / .*\"readings\":\\[\\{\"latin\":\"amo, amare, amavi, amatus\"")
  message(FATAL_ERROR "kavro word amavisse --json:\n${out}")
endif()
run_kavro(inflect rex --json)
if(NOT out MATCHES "\"form\":\"regibus\",\"pos\":\"NOUN\",\"grammar\":\\{\"case\":\"DAT\",\"number\":\"PLUR\"")
  message(FATAL_ERROR "kavro inflect rex --json:\n${out}")
endif()

run_kavro(inflect rex --pos fish)
if(rc EQUAL 0 OR NOT err MATCHES "kavro: error: --pos: unknown part of speech 'fish'")
  message(FATAL_ERROR "kavro inflect rex --pos fish: expected a failure, got ${rc}\n${err}")
endif()
run_kavro(inflect qzqzq)
if(rc EQUAL 0 OR NOT err MATCHES "kavro: error: qzqzq: no dictionary entry has this citation form")
  message(FATAL_ERROR "kavro inflect qzqzq: expected a failure, got ${rc}\n${err}")
endif()

# --area auto: three legal readings switch the area and the sentence is translated again, once
# in the output; the suggestion comes on stderr at the end (the sentence without a clear area
# is counted under the area in force).
file(WRITE "${WORK_DIR}/legal.txt"
     "Censor accusationem abrogavit et consulem condemnavit. Puella rosam amat.\n")
run_kavro(translate legal.txt --sentence --area auto)
if(NOT rc EQUAL 0 OR NOT err MATCHES "kavro: At least 100.0 % of sentences were of type Legal.\nSuggest you re-translate with this area selected.")
  message(FATAL_ERROR "kavro translate --area auto: status ${rc}, no suggestion:\n${err}")
endif()
string(REGEX MATCHALL "The censor abolished" once "${out}")
list(LENGTH once count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "kavro translate --area auto: the switched sentence is not printed once:\n${out}")
endif()
