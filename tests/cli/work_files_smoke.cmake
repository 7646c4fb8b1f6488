# Runs the built `kavro` against a program folder whose files are not what they should be.
#   MODE=links_pipes : each work file (parser.txt, temp.lat, latin.lat) as a symbolic link to
#                      another file and as a named pipe must fail with an error naming it, leave
#                      the link's target as it was and never hang; the user files and a data
#                      manifest as pipes or links are passed over with a message, without hanging,
#                      and no link is followed to create a file.
#   MODE=full_disk   : a 64k tmpfs as program folder (root only; skipped otherwise): a parser.txt,
#                      temp.lat or latin.lat cut by the full disk fails naming the file, and the
#                      previous latin.lat stays; output to /dev/full fails too.
# Needs -DKAVRO=<kavro binary> -DSOURCE_DIR=<source tree> -DWORK_DIR=<scratch folder> -DMODE=...

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(sample "${SOURCE_DIR}/examples/caesar.txt")
set(kStepTimeout 60)  # seconds: a run that waits on a pipe never ends on its own

# Runs kavro; sets rc, out and err. `input` is the file given as stdin.
function(run_kavro input)
  execute_process(COMMAND "${KAVRO}" ${ARGN} INPUT_FILE "${input}" TIMEOUT ${kStepTimeout}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(result MATCHES "timeout")
    if(mounted_home)
      execute_process(COMMAND umount "${mounted_home}")
    endif()
    message(FATAL_ERROR "kavro ${ARGN} hung (${result})")
  endif()
  set(rc "${result}" PARENT_SCOPE)
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
endfunction()

function(expect_failure what name_regex)
  if(rc EQUAL 0)
    message(FATAL_ERROR "${what}: expected a failure, got status 0\n${err}")
  endif()
  if(NOT err MATCHES "${name_regex}")
    message(FATAL_ERROR "${what}: expected stderr to match '${name_regex}', got:\n${err}")
  endif()
endfunction()

function(expect_file_text file text what)
  file(READ "${file}" content)
  if(NOT content STREQUAL text)
    message(FATAL_ERROR "${what}: ${file} was changed to:\n${content}")
  endif()
endfunction()

# A fresh program folder HOME under WORK_DIR.
function(fresh_home home)
  file(REMOVE_RECURSE "${home}")
  file(MAKE_DIRECTORY "${home}")
endfunction()

function(make_pipe path)
  execute_process(COMMAND mkfifo "${path}" RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "mkfifo ${path} failed")
  endif()
endfunction()

set(home "${WORK_DIR}/home")
set(victim "${WORK_DIR}/victim.txt")

if(MODE STREQUAL "links_pipes")
  # Work files: refused whether linked or a pipe; translate reads stdin so latin.lat is written.
  foreach(name parser.txt temp.lat latin.lat)
    foreach(kind link pipe)
      fresh_home("${home}")
      file(WRITE "${victim}" "keep\n")
      if(kind STREQUAL "link")
        file(CREATE_LINK "${victim}" "${home}/${name}" SYMBOLIC)
      else()
        make_pipe("${home}/${name}")
      endif()
      run_kavro("${sample}" translate --home "${home}" -)
      expect_failure("${name} as a ${kind}" "${name}[^\n]*(symbolic link|named pipe)")
      expect_file_text("${victim}" "keep\n" "${name} as a ${kind}")
    endforeach()
  endforeach()

  # User files and the program folder's manifest: passed over with a message naming them.
  foreach(name Userfile.txt userphrases.txt UserAbbreviations.txt UserSettings.txt manifest.txt)
    fresh_home("${home}")
    make_pipe("${home}/${name}")
    run_kavro("${sample}" translate --abbreviations --home "${home}" -)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${name} as a pipe: the run failed (${rc}):\n${err}")
    endif()
    if(NOT name STREQUAL "manifest.txt" AND NOT err MATCHES "${name}[^\n]*named pipe")
      message(FATAL_ERROR "${name} as a pipe: no message naming it:\n${err}")
    endif()
  endforeach()
  foreach(name Userfile.txt userphrases.txt UserAbbreviations.txt UserSettings.txt)
    fresh_home("${home}")
    file(REMOVE "${victim}")
    file(CREATE_LINK "${victim}" "${home}/${name}" SYMBOLIC)  # a link to nowhere
    run_kavro("${sample}" translate --abbreviations --home "${home}" -)
    if(EXISTS "${victim}")
      message(FATAL_ERROR "${name} as a link: its target was created")
    endif()
    if(NOT err MATCHES "${name}[^\n]*symbolic link")
      message(FATAL_ERROR "${name} as a link: no message naming it:\n${err}")
    endif()
  endforeach()

elseif(MODE STREQUAL "full_disk")
  # Standard output on a full device.
  if(EXISTS /dev/full)
    fresh_home("${home}")
    foreach(command translate analyse)
      execute_process(COMMAND "${KAVRO}" ${command} --home "${home}" "${sample}" TIMEOUT ${kStepTimeout}
                      OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
      expect_failure("${command} > /dev/full" "<stdout>: write error")
    endforeach()
  endif()

  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT uid STREQUAL "0")
    message("SKIPPED: mounting a small file system needs root")
    return()
  endif()
  fresh_home("${home}")
  execute_process(COMMAND mount -t tmpfs -o size=64k kavro-full-disk "${home}" RESULT_VARIABLE mounted
                  ERROR_VARIABLE mount_error)
  if(NOT mounted EQUAL 0)
    message("SKIPPED: cannot mount a tmpfs (${mount_error})")
    return()
  endif()
  set(mounted_home "${home}")
  # Texts big enough to fill it: the trace of `small` outgrows the disk, `large` itself does not fit.
  file(READ "${sample}" text)
  string(REPEAT "${text}" 40 small_text)
  string(REPEAT "${text}" 400 large_text)
  file(WRITE "${WORK_DIR}/small.txt" "${small_text}")
  file(WRITE "${WORK_DIR}/large.txt" "${large_text}")
  set(failures "")
  macro(check what regex)
    if(rc EQUAL 0 OR NOT err MATCHES "${regex}")
      string(APPEND failures "${what}: status ${rc}, stderr:\n${err}\n")
    endif()
  endmacro()

  file(WRITE "${home}/latin.lat" "Gallia est.\n")
  run_kavro("${WORK_DIR}/large.txt" translate --home "${home}" -)
  check("latin.lat on a full disk" "latin.lat: [^\n]*No space left on device")
  file(READ "${home}/latin.lat" kept)
  file(GLOB leftovers "${home}/latin.lat?*")
  if(NOT kept STREQUAL "Gallia est.\n" OR leftovers)
    string(APPEND failures "the previous latin.lat was not kept whole (left: ${leftovers})\n")
  endif()

  file(REMOVE "${home}/latin.lat")
  foreach(command translate analyse)
    run_kavro("${sample}" ${command} --home "${home}" "${WORK_DIR}/small.txt")
    check("${command}: parser.txt on a full disk" "parser.txt: [^\n]*No space left on device")
  endforeach()
  run_kavro("${sample}" translate --home "${home}" "${WORK_DIR}/large.txt")
  check("temp.lat on a full disk" "temp.lat: No space left on device")

  execute_process(COMMAND umount "${home}")
  if(failures)
    message(FATAL_ERROR "${failures}")
  endif()
else()
  message(FATAL_ERROR "unknown MODE ${MODE}")
endif()
