# Runs the built `kavro analyse` in a fresh program folder on a short text from stdin and checks
# the JSON Lines: one valid object per token with its fields, a known word with its citation form,
# an unknown word as NOT FOUND, a punctuation token; the same text as CoNLL-U (--conllu), and
# through a pipe named as the file; an empty text (no lines); and the one-line errors for a
# missing file and for the program folder's own parser.txt as input.
# Needs -DKAVRO=<kavro binary> -DWORK_DIR=<scratch folder>.

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/input.txt" "Amo puellam xyzzyq.\n")

execute_process(COMMAND "${KAVRO}" analyse - WORKING_DIRECTORY "${WORK_DIR}"
                INPUT_FILE "${WORK_DIR}/input.txt"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kavro analyse failed (${rc}):\n${err}")
endif()

string(REGEX REPLACE "\n$" "" out "${out}")
string(REPLACE "\n" ";" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 4)
  message(FATAL_ERROR "expected 4 lines (3 words and the full stop), got ${count}:\n${out}")
endif()

# Field `key` of analysis `index` (or of the line when index is "") of line `n`.
function(field out_var n index key)
  list(GET lines ${n} line)
  if(index STREQUAL "")
    string(JSON value ERROR_VARIABLE problem GET "${line}" ${key})
  else()
    string(JSON value ERROR_VARIABLE problem GET "${line}" analyses ${index} ${key})
  endif()
  if(problem)
    message(FATAL_ERROR "line ${n}: ${problem}\n${line}")
  endif()
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

foreach(n RANGE 3)
  field(position ${n} "" position)
  if(NOT position EQUAL n)
    message(FATAL_ERROR "line ${n}: position ${position}")
  endif()
  field(sentence ${n} "" sentence)
  if(NOT sentence EQUAL 0)
    message(FATAL_ERROR "line ${n}: sentence ${sentence}")
  endif()
endforeach()

field(token 0 "" token)
field(pos 0 0 pos)
field(citation 0 0 citation)
field(source 0 0 source)
field(tense 0 0 "codes;tense")
if(NOT token STREQUAL "Amo" OR NOT pos STREQUAL "VERB" OR NOT citation MATCHES "^amo, amare"
   OR NOT source STREQUAL "dictionary" OR NOT tense STREQUAL "PRES")
  message(FATAL_ERROR "amo: token '${token}', pos '${pos}', citation '${citation}', source '${source}', tense '${tense}'")
endif()

field(found 2 "" found)
field(pos_code 2 0 pos_code)
field(pos 2 0 pos)
field(citation 2 0 citation)
field(form 2 0 form)
if(found OR NOT pos_code EQUAL 64 OR NOT pos STREQUAL "NOT FOUND" OR NOT citation STREQUAL "NOT FOUND"
   OR NOT form STREQUAL "[xyzzyq]")
  message(FATAL_ERROR "xyzzyq: found ${found}, pos '${pos}' (${pos_code}), citation '${citation}', form '${form}'")
endif()

field(punctuation 3 "" punctuation)
field(mark 3 0 pos)
if(NOT punctuation OR NOT mark STREQUAL "PUNCT")
  message(FATAL_ERROR "full stop: punctuation ${punctuation}, pos '${mark}'")
endif()

execute_process(COMMAND "${KAVRO}" analyse --conllu - WORKING_DIRECTORY "${WORK_DIR}"
                INPUT_FILE "${WORK_DIR}/input.txt"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(CONCAT conllu_start "# sent_id = 1\n# text = Amo puellam xyzzyq.\n"
       "1\tAmo\tamo\tVERB\tVERB.PRES.ACTIVE.IND.1.SING\t"
       "Mood=Ind|Number=Sing|Person=1|Tense=Pres|VerbForm=Fin|Voice=Act\t_\t_\t_\tGloss=love\n"
       "2\tpuellam\tpuella\tNOUN\tNOUN.ACC.SING.FEM\tCase=Acc|Gender=Fem|Number=Sing\t_\t_\t_\tGloss=girl\n"
       "3\txyzzyq\t_\tX\t_\t_\t_\t_\t_\tSpaceAfter=No\n4\t.\t.\tPUNCT\tPUNCT\t_\t_\t_\t_\t_\n\n")
if(NOT rc EQUAL 0 OR NOT out STREQUAL conllu_start)
  message(FATAL_ERROR "kavro analyse --conllu (${rc}):\n${out}\n${err}")
endif()

execute_process(COMMAND "${KAVRO}" analyse "${WORK_DIR}/missing.txt" WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "kavro: error: [^\n]*missing\\.txt: [^\n]+\n$")
  message(FATAL_ERROR "missing file: status ${rc}, stderr:\n${err}")
endif()

# A pipe named as the input is read once: the job gets the text, not what the check left of it.
execute_process(COMMAND sh -c "cat input.txt | \"$0\" analyse /dev/stdin | wc -l" "${KAVRO}"
                WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT out MATCHES "^ *4\n$")
  message(FATAL_ERROR "a pipe as input: ${out} lines, stderr:\n${err}")
endif()

# An empty text has no tokens, not even a closing full stop.
file(WRITE "${WORK_DIR}/empty.txt" "")
execute_process(COMMAND "${KAVRO}" analyse empty.txt WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "an empty text (${rc}):\n${out}\n${err}")
endif()

# The program folder's parser.txt would be overwritten by the start-up log before being read.
file(WRITE "${WORK_DIR}/parser.txt" "Gallia est omnis divisa.\n")
execute_process(COMMAND "${KAVRO}" analyse parser.txt WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ "${WORK_DIR}/parser.txt" kept)
if(rc EQUAL 0 OR NOT err MATCHES "kavro: error: parser\\.txt: is the job's work file parser\\.txt[^\n]*\n$"
   OR NOT kept STREQUAL "Gallia est omnis divisa.\n")
  message(FATAL_ERROR "parser.txt as input: status ${rc}, stderr:\n${err}\nparser.txt now:\n${kept}")
endif()
