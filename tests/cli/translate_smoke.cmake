# Runs the built `kavro translate` in a fresh program folder.
#   MODE=translate : the sample text from a file and from stdin; checks the log's header, the
#                    summary line and the time line, and the help texts; a text saved as UTF-16
#                    (both byte orders) translates exactly like its UTF-8 twin; an empty text.
#   MODE=bad_input : missing file, folder, binary garbage, unusable program folder, a work file
#                    as input, a closed stdin; each must fail with a one-line error naming the
#                    file and lose nothing.
# Needs -DKAVRO=<kavro binary> -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder> -DMODE=...

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(sample "${SOURCE_DIR}/examples/caesar.txt")

function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: expected to match '${regex}', got:\n${text}")
  endif()
endfunction()

function(check_log text what)
  expect_match("${text}" "^Kavro Latin [0-9.]+\nLatin dictionary: William Whitaker's WORDS\n\nDate/time = [A-Z][a-z][a-z] [A-Z][a-z][a-z] [0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [0-9]+\n\n" "${what}: header")
  expect_match("${text}" "\nDone\\. No\\. of words translated in file = [0-9]+\\.\n\nTime taken = [0-9][0-9]:[0-9][0-9]:[0-9][0-9]\\.[0-9][0-9]\\.\n$" "${what}: summary and time lines")
endfunction()

# Runs kavro with the given arguments in WORK_DIR; sets rc, out and err in the caller.
macro(run_kavro)
  execute_process(COMMAND "${KAVRO}" ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err ${kavro_input})
endmacro()

# A failure: non-zero status and a last stderr line "kavro: error: <file>: <problem>".
function(expect_failure name_regex what)
  run_kavro(${ARGN})
  if(rc EQUAL 0)
    message(FATAL_ERROR "${what}: expected a failure, got status 0")
  endif()
  expect_match("${err}" "kavro: error: [^\n]*${name_regex}[^\n]*: [^\n]+\n$" "${what}: error line")
endfunction()

if(MODE STREQUAL "translate")
  run_kavro(translate "${sample}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kavro translate failed (${rc}):\n${err}")
  endif()
  check_log("${out}" "stdout")
  file(READ "${WORK_DIR}/parser.txt" log)
  check_log("${log}" "parser.txt")
  if(NOT out STREQUAL log)
    message(FATAL_ERROR "stdout is not parser.txt as it stands (a trace of plain ASCII)")
  endif()
  # A meaning with a letter beyond ASCII (trabucus: trébuchet) reaches stdout
  # as UTF-8.
  file(WRITE "${WORK_DIR}/accent.txt" "Trabucus.\n")
  run_kavro(translate accent.txt)
  expect_match("${out}" "\ntrébuchet" "a meaning with an accent, printed as UTF-8")

  set(kavro_input INPUT_FILE "${sample}")
  run_kavro(translate --words --home "${WORK_DIR}" -)
  unset(kavro_input)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kavro translate - failed (${rc}):\n${err}")
  endif()
  check_log("${out}" "stdin")
  file(READ "${WORK_DIR}/latin.lat" stored)
  file(READ "${sample}" original)
  if(NOT stored STREQUAL original)
    message(FATAL_ERROR "stdin was not stored whole in latin.lat")
  endif()

  foreach(args "--help" "translate;--help")
    run_kavro(${args})
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "kavro ${args} failed (${rc})")
    endif()
  endforeach()
  expect_match("${out}" "--home" "translate --help")
  expect_match("${out}" "--age" "translate --help")

  # A word that only its sound explains: found with --phonetics, which needs the medieval tricks.
  file(WRITE "${WORK_DIR}/sound.txt" "Et filosophiam uidit.\n")
  run_kavro(translate sound.txt)
  expect_match("${out}" "filosophiam\\] NOT FOUND" "translate without --phonetics")
  run_kavro(translate --phonetics sound.txt)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kavro translate --phonetics failed (${rc}):\n${err}")
  endif()
  expect_match("${out}" "\nphilosophi\\.am - philosophia" "translate --phonetics")
  run_kavro(translate --phonetics --no-medieval-tricks sound.txt)
  if(rc EQUAL 0)
    message(FATAL_ERROR "--phonetics with --no-medieval-tricks was accepted")
  endif()
  file(WRITE "${WORK_DIR}/UserSettings.txt" "MEDIEVALTRICKS=false\n")
  run_kavro(translate --phonetics sound.txt)
  file(REMOVE "${WORK_DIR}/UserSettings.txt")
  expect_match("${err}" "--phonetics needs the medieval tricks" "--phonetics under settings without them")
  expect_match("${out}" "filosophiam\\] NOT FOUND" "--phonetics under settings without the medieval tricks")

  # The same text in UTF-8 and in UTF-16 with a byte-order mark, little- and big-endian ("#" is
  # i with a macron), written by printf since CMake strings cannot hold NUL bytes.
  set(text "Gallia est omnis d#v#sa in partes tres.\nPuella rosam amat.\n")
  set(u8_bytes "")
  set(le_bytes "\\377\\376")
  set(be_bytes "\\376\\377")
  string(LENGTH "${text}" length)
  math(EXPR last "${length} - 1")
  foreach(at RANGE ${last})
    string(SUBSTRING "${text}" ${at} 1 c)
    if(c STREQUAL "#")
      string(APPEND u8_bytes "\\304\\253")
      string(APPEND le_bytes "\\053\\001")
      string(APPEND be_bytes "\\001\\053")
    else()
      if(c STREQUAL "\n")
        set(c "\\n")
      endif()
      string(APPEND u8_bytes "${c}")
      string(APPEND le_bytes "${c}\\000")
      string(APPEND be_bytes "\\000${c}")
    endif()
  endforeach()
  execute_process(COMMAND sh -c "printf '${u8_bytes}' > u8.txt && printf '${le_bytes}' > le.txt && printf '${be_bytes}' > be.txt"
                  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE rc)
  foreach(encoding u8 le be)
    run_kavro(translate ${encoding}.txt)
    string(REGEX REPLACE "\n(Date/time|Time taken) = [^\n]*" "" log_${encoding} "${out}")
    if(NOT rc EQUAL 0 OR NOT log_${encoding} STREQUAL log_u8)
      message(FATAL_ERROR "${encoding}.txt (${rc}) is not translated like u8.txt:\n${log_${encoding}}\n${err}")
    endif()
  endforeach()
  expect_match("${log_u8}" "\ndiuis\\.a - divido, dividere" "u8.txt read as UTF-8")

  # An empty text has no words: success, and no English.
  set(kavro_input INPUT_FILE "${WORK_DIR}/empty.txt")
  file(WRITE "${WORK_DIR}/empty.txt" "")
  run_kavro(translate --english -)
  unset(kavro_input)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "kavro translate --english of an empty text (${rc}):\n${out}\n${err}")
  endif()

elseif(MODE STREQUAL "bad_input")
  expect_failure("missing\\.txt" "missing file" translate missing.txt)
  expect_failure("${WORK_DIR}" "a folder as input" translate "${WORK_DIR}")
  expect_failure("kavro" "binary garbage" translate "${KAVRO}")
  expect_failure("no-such-folder" "missing program folder" translate --home "${WORK_DIR}/no-such-folder" "${sample}")
  file(WRITE "${WORK_DIR}/plain-file" "not a folder\n")
  expect_failure("plain-file" "program folder that is a file" translate --home "${WORK_DIR}/plain-file" "${sample}")

  # A work file of the program folder as input would be overwritten by the job.
  file(WRITE "${WORK_DIR}/parser.txt" "Gallia est omnis divisa.\n")
  expect_failure("parser\\.txt" "work file as input" translate --home "${WORK_DIR}" "${WORK_DIR}/parser.txt")
  file(READ "${WORK_DIR}/parser.txt" kept)
  if(NOT kept STREQUAL "Gallia est omnis divisa.\n")
    message(FATAL_ERROR "the input file was changed")
  endif()

  # A closed standard input is an error, not an empty text, and latin.lat is kept.
  file(WRITE "${WORK_DIR}/latin.lat" "Salve.\n")
  execute_process(COMMAND sh -c "\"$0\" translate - <&-" "${KAVRO}" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(rc EQUAL 0 OR NOT err MATCHES "kavro: error: <stdin>: cannot be read [^\n]*\n$")
    message(FATAL_ERROR "a closed stdin: status ${rc}, stderr:\n${err}")
  endif()
  file(READ "${WORK_DIR}/latin.lat" kept)
  if(NOT kept STREQUAL "Salve.\n")
    message(FATAL_ERROR "a closed stdin overwrote latin.lat")
  endif()
  # Standard input is copied into latin.lat block by block: binary data found past the first
  # block fails the run, keeps the previous latin.lat and leaves no part-written copy behind.
  string(REPEAT "Gallia est omnis divisa in partes tres.\n" 3000 long_text)
  file(WRITE "${WORK_DIR}/binary-tail.txt" "${long_text}")
  execute_process(COMMAND sh -c "{ cat \"$1\"; printf 'a\\000b'; } | \"$0\" translate -"
                          "${KAVRO}" "${WORK_DIR}/binary-tail.txt" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  file(READ "${WORK_DIR}/latin.lat" kept)
  file(GLOB leftovers "${WORK_DIR}/latin.lat?*")
  if(rc EQUAL 0 OR NOT err MATCHES "NUL bytes" OR NOT kept STREQUAL "Salve.\n" OR leftovers)
    message(FATAL_ERROR "binary stdin past the first block: status ${rc}, left ${leftovers}, stderr:\n${err}")
  endif()

  # A log that cannot be written names parser.txt.
  file(REMOVE "${WORK_DIR}/parser.txt")
  file(MAKE_DIRECTORY "${WORK_DIR}/parser.txt")
  expect_failure("parser\\.txt" "unwritable log" translate --home "${WORK_DIR}" "${sample}")
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
