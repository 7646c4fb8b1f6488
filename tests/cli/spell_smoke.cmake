# Runs the built `kavro spell` in a fresh program folder: the FILE:LINE:COL lines and exit status 1
# for a text with unknown words (from a file and from stdin, UTF-8 printed back as UTF-8), 0 and
# no lines for a text of known words, fails.txt with --rtf, and status 2 with a message naming the
# file for a missing file and for a file too long to check (199985 bytes; 199984 are taken).
# Needs -DKAVRO=<kavro binary> -DWORK_DIR=<scratch folder>.

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/input.txt" "Gallia est omnis divisa in partes tres.\nxqzt jam 3viri, Rōma xqzæ\n")
file(WRITE "${WORK_DIR}/known.txt" "Gallia est omnis divisa in partes tres.\n")

# Runs kavro spell with the arguments; sets rc, out and err in the caller.
function(spell)
  execute_process(COMMAND "${KAVRO}" spell ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  set(rc "${status}" PARENT_SCOPE)
  set(out "${stdout}" PARENT_SCOPE)
  set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect what expected_rc expected_out)
  if(NOT rc EQUAL expected_rc OR NOT out STREQUAL expected_out)
    message(FATAL_ERROR "${what}: status ${rc} (expected ${expected_rc}), stdout:\n${out}\nexpected:\n"
                        "${expected_out}\nstderr:\n${err}")
  endif()
endfunction()

spell(input.txt)
expect("unknown words" 1 "input.txt:2:1: xqzt\ninput.txt:2:10: 3viri,\ninput.txt:2:22: xqzæ\n")

execute_process(COMMAND "${KAVRO}" spell - WORKING_DIRECTORY "${WORK_DIR}" INPUT_FILE "${WORK_DIR}/input.txt"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("stdin" 1 "<stdin>:2:1: xqzt\n<stdin>:2:10: 3viri,\n<stdin>:2:22: xqzæ\n")

spell(known.txt)
expect("known words" 0 "")

spell(--rtf input.txt)
expect("--rtf" 1 "")
file(READ "${WORK_DIR}/fails.txt" fails)
string(CONCAT expected_fails "{\\rtf1 {SPELL-CHECK\\par}\n{Gallia est omnis divisa in partes tres. \\par }\n"
       "{ \\ul xqzt}{ jam  \\ul 3viri,}{ Roma  \\ul xqz\\'e6}{ \\par }\n\\par }\n")
if(NOT fails STREQUAL expected_fails OR NOT err MATCHES "fails\\.txt")
  message(FATAL_ERROR "fails.txt:\n${fails}\nexpected:\n${expected_fails}\nstderr:\n${err}")
endif()

spell(missing.txt)
if(NOT rc EQUAL 2 OR NOT err MATCHES "kavro: error: missing\\.txt: no such file\n$")
  message(FATAL_ERROR "missing file: status ${rc}, stderr:\n${err}")
endif()

# 49996 times "est " is 199984 bytes, one under the limit; a byte more is refused.
string(REPEAT "est " 49996 longest)
file(WRITE "${WORK_DIR}/longest.txt" "${longest}")
spell(longest.txt)
expect("199984 bytes" 0 "")
file(APPEND "${WORK_DIR}/longest.txt" "\n")
spell(longest.txt)
if(NOT rc EQUAL 2 OR NOT err MATCHES "kavro: error: longest\\.txt: File is too long \\(199985 bytes")
  message(FATAL_ERROR "199985 bytes: status ${rc}, stderr:\n${err}")
endif()

# A capitalised word that only a name would explain is listed, unless --names expects names.
file(WRITE "${WORK_DIR}/names.txt" "Xqztbv venit.\n")
spell(names.txt)
expect("a capitalised unknown word" 1 "names.txt:1:1: Xqztbv\n")
spell(--names names.txt)
expect("--names" 0 "")
