# Runs of the built `kavro` that share one program folder (and so its work files temp.lat and
# parser.txt): 20 pairs translating different texts at once must each print their own English,
# and leave parser.txt as the whole log of one run; a run started while the folder is locked
# waits for it with a note, or with --no-wait fails naming the folder.
# Needs -DKAVRO=<kavro binary> -DWORK_DIR=<scratch folder>; uses sh and flock (util-linux).

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(WRITE "${WORK_DIR}/a.txt" "Gallia est omnis divisa in partes tres.\n")
file(WRITE "${WORK_DIR}/b.txt" "Puella rosam amat.\n")
set(pairs 20)

function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: expected to match '${regex}', got:\n${text}")
  endif()
endfunction()

macro(run_sh script)
  execute_process(COMMAND sh -c "${script}" "${KAVRO}" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

# The English of each text when it runs alone.
foreach(text a b)
  run_sh("\"$0\" translate --english ${text}.txt")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kavro translate ${text}.txt alone: status ${rc}\n${err}")
  endif()
  set(alone_${text} "${out}")
endforeach()

run_sh("i=0
while [ $i -lt ${pairs} ]; do
  for t in a b; do
    (\"$0\" translate --english $t.txt > $t.$i.out 2> $t.$i.err; echo $? > $t.$i.rc) &
  done
  wait
  i=$((i + 1))
done")
math(EXPR last "${pairs} - 1")
foreach(i RANGE ${last})
  foreach(text a b)
    file(READ "${WORK_DIR}/${text}.${i}.rc" status)
    file(READ "${WORK_DIR}/${text}.${i}.out" english)
    file(READ "${WORK_DIR}/${text}.${i}.err" notes)
    if(NOT status STREQUAL "0\n" OR NOT english STREQUAL alone_${text})
      message(FATAL_ERROR "pair ${i}, ${text}.txt: status ${status}English:\n${english}\nexpected:\n"
                          "${alone_${text}}\nstderr:\n${notes}")
    endif()
  endforeach()
endforeach()
file(READ "${WORK_DIR}/parser.txt" log)
expect_match("${log}" "^Kavro Latin [^\n]*\n" "parser.txt after the pairs: its header")
string(REGEX MATCHALL "\nDone\\. No\\. of words" done "${log}")
list(LENGTH done runs)
if(NOT runs EQUAL 1)
  message(FATAL_ERROR "parser.txt after the pairs holds ${runs} summaries:\n${log}")
endif()
expect_match("${log}" "\nTime taken = [^\n]*\\.\n$" "parser.txt after the pairs: its last line")

# While another process holds the folder's lock: --no-wait fails at once ...
run_sh("flock -o kavro.lock \"$0\" translate --no-wait --english b.txt")
if(rc EQUAL 0)
  message(FATAL_ERROR "--no-wait in a locked program folder: status 0")
endif()
expect_match("${err}" "kavro: error: [^\n]*: program folder is in use by another kavro run [^\n]*\n$"
             "--no-wait in a locked program folder")

# ... and without it the run waits until the lock is given up, then does its work.
run_sh("flock -o kavro.lock sleep 2 &
n=0; while flock -n kavro.lock true && [ $n -lt 100 ]; do sleep 0.05; n=$((n + 1)); done
\"$0\" translate --english b.txt; status=$?; wait; exit $status")
if(NOT rc EQUAL 0 OR NOT out STREQUAL alone_b)
  message(FATAL_ERROR "a run that waited for the lock: status ${rc}\n${out}\n${err}")
endif()
expect_match("${err}" "kavro: waiting for the other kavro run in program folder [^\n]* to finish\n"
             "a run that waited for the lock")
