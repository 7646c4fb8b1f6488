# Runs the built `kavro search` on a small tree of typed Latin texts: the FILE:LINE: form: sentence
# lines of a word search (the same with --jobs 2 as with one thread), DIRKavro.TXT made when
# missing, a read-only folder searched with the list in memory, a list made for a folder that has
# since moved, the dialog's refusals, a text search with --fails, and the exit statuses.
# Needs -DKAVRO=<kavro binary> -DWORK_DIR=<scratch folder>.

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/home")
file(WRITE "${WORK_DIR}/tree/letters/A.TXT" "Marcus Iuliam amat.\n\nIulia Marcum non amavit;\nsed amicum amabat.\n")
file(WRITE "${WORK_DIR}/tree/letters/deep/C.txt" "Gaius JULIUS Caesar venit. Amicus venit.\n")
file(WRITE "${WORK_DIR}/tree/notes.txt" "Amor vincit omnia. Ego te amo.\n")
file(WRITE "${WORK_DIR}/tree/fails.txt" "amat amat amat\n")

function(search)
  execute_process(COMMAND "${KAVRO}" search ${ARGN} --home home WORKING_DIRECTORY "${WORK_DIR}"
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

function(expect_error what expected_rc pattern)
  if(NOT rc EQUAL expected_rc OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: status ${rc} (expected ${expected_rc}), stderr:\n${err}")
  endif()
endfunction()

set(A "tree/letters/A.TXT")
set(N "tree/notes.txt")
string(CONCAT verbs "${A}:1: amat: Marcus Iuliam amat.\n${A}:3: amauit: Iulia Marcum non amauit;\n"
       "${A}:4: amabat: sed amicum amabat.\n${N}:1: amor: Amor uincit omnia.\n${N}:1: amo: Ego te amo.\n"
       "--5 search-hit(s) in 3 file(s) searched.\n")
search(tree --word am --pos Verb --jobs 1)
expect("word search" 0 "${verbs}")
if(NOT err MATCHES "3 file\\(s\\) listed in tree/DIRKavro.TXT" OR NOT EXISTS "${WORK_DIR}/tree/DIRKavro.TXT")
  message(FATAL_ERROR "the file list was not made: ${err}")
endif()
search(tree --word am --pos Verb --jobs 2)
expect("word search on two threads" 0 "${verbs}")
search(tree --word am --pos verb --case-tense perf)
expect("perfects" 0 "${A}:3: amauit: Iulia Marcum non amauit;\n--1 search-hit(s) in 3 file(s) searched.\n")

# A read-only folder: the list stays in memory.
file(COPY "${WORK_DIR}/tree/notes.txt" DESTINATION "${WORK_DIR}/shelf")
file(CHMOD "${WORK_DIR}/shelf" DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
search(shelf --word am --pos Verb)
file(CHMOD "${WORK_DIR}/shelf" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
expect("read-only folder" 0
       "shelf/notes.txt:1: amor: Amor uincit omnia.\nshelf/notes.txt:1: amo: Ego te amo.\n--2 search-hit(s) in 1 file(s) searched.\n")
if(NOT err MATCHES "shelf is read-only; the file list is kept in memory" OR EXISTS "${WORK_DIR}/shelf/DIRKavro.TXT")
  message(FATAL_ERROR "read-only folder: ${err}")
endif()

# The tree moved with its list: refused until the list is made anew.
file(RENAME "${WORK_DIR}/tree" "${WORK_DIR}/moved")
search(moved --text caesar)
expect_error("moved folder" 2 "Header for 'DIRKavro.TXT' \\(.*/tree\\) does not match subdirectory you selected")
search(moved --text caesar --and iulius --rebuild --fails)
expect("text search" 0 "moved/letters/deep/C.txt:1: Gaius JULIUS Caesar venit.\n--1 search-hit(s) in 3 file(s) searched.\n")
file(READ "${WORK_DIR}/home/fails.txt" fails)
file(REAL_PATH "${WORK_DIR}/moved" moved)
string(CONCAT expected_fails "--Search items = caesar Exclude =  And = iulius.\n--Text Search.\n"
       "\n--Searching file...${moved}/letters/deep/C.txt\n1***Gaius JULIUS Caesar venit.\n--Search complete.\n")
if(NOT fails STREQUAL expected_fails)
  message(FATAL_ERROR "fails.txt:\n${fails}\nexpected:\n${expected_fails}")
endif()

search(moved --text nusquam)
expect("no hit" 1 "--0 search-hit(s) in 3 file(s) searched.\n")
search(moved --word am --exclude ma)
expect_error("exclusion" 2 "Exclusion item must have same stem as search item")
search(moved --word am --pos Verb --case-tense Acc)
expect_error("verb and case" 2 "Illegal combination of verb and case")
search(moved --word a)
expect_error("short item" 2 "Must enter something to search for!")
search(home --text caesar)
expect_error("program folder" 2 "Must not use the Kavro Latin dictionary for searching")
search(moved --text caesar --and abcdefghijklmnopqrstu)
expect_error("long item" 2 "--and: longer than the search takes \\(20 characters\\)")
