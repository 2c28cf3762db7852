# Runs one golden case: the program and arguments in CASE/args, then compares
# what it wrote with the expected file beside the args, byte for byte.
#
# In args (one line, words split at blanks): the first word is a program of
# the suite (found in BIN_DIR); @SOURCE@ stands for the source tree, @CASE@
# for the case's folder, @OUT@ for the output's path without an extension.
# expected.EXT is compared with @OUT@.EXT; without any expected file the
# program must write nothing. exit-code (optional) holds the exit code the
# program must end with (0 otherwise); stderr (optional) a text its error
# output must contain; masked (optional) one regular expression a line for
# what may differ from run to run (a creation time), replaced by the
# expression itself in both files before they are compared.
cmake_minimum_required(VERSION 3.25)

foreach(var BIN_DIR CASE WORK SOURCE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_case.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(out "${WORK}/out")

file(STRINGS "${CASE}/args" args_line LIMIT_COUNT 1)
string(REPLACE "@SOURCE@" "${SOURCE}" args_line "${args_line}")
string(REPLACE "@CASE@" "${CASE}" args_line "${args_line}")
string(REPLACE "@OUT@" "${out}" args_line "${args_line}")
separate_arguments(args UNIX_COMMAND "${args_line}")
list(POP_FRONT args program)

set(want_code 0)
if(EXISTS "${CASE}/exit-code")
  file(STRINGS "${CASE}/exit-code" want_code LIMIT_COUNT 1)
endif()

# The program runs in the work folder, so that nothing of the caller's
# (a settings file in the current folder) reaches it.
execute_process(COMMAND "${BIN_DIR}/${program}" ${args}
                WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
if(NOT code STREQUAL want_code)
  message(FATAL_ERROR "${program} ${args_line}\nended with ${code}, not ${want_code}\nstdout: ${stdout}\nstderr: ${stderr}")
endif()
if(EXISTS "${CASE}/stderr")
  file(READ "${CASE}/stderr" want_err)
  string(STRIP "${want_err}" want_err)
  string(FIND "${stderr}" "${want_err}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the error output lacks \"${want_err}\":\n${stderr}")
  endif()
endif()

file(GLOB expected_files "${CASE}/expected.*")
file(GLOB written "${WORK}/out*")
if(NOT expected_files)
  if(written)
    message(FATAL_ERROR "nothing was to be written, but ${program} wrote ${written}")
  endif()
  return()
endif()
foreach(expected IN LISTS expected_files)
  get_filename_component(ext "${expected}" LAST_EXT)
  set(actual "${out}${ext}")
  if(NOT EXISTS "${actual}")
    message(FATAL_ERROR "${program} wrote no ${actual} (it wrote: ${written})\nstderr: ${stderr}")
  endif()
  if(EXISTS "${CASE}/masked")
    file(STRINGS "${CASE}/masked" masks)
    foreach(side expected actual)
      file(READ "${${side}}" content)
      foreach(mask IN LISTS masks)
        string(REGEX REPLACE "${mask}" "${mask}" content "${content}")
      endforeach()
      file(WRITE "${WORK}/masked-${side}${ext}" "${content}")
      set(${side} "${WORK}/masked-${side}${ext}")
    endforeach()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}" "${actual}" RESULT_VARIABLE differs)
  if(differs)
    # The first lines that differ, for the reader of the failure.
    execute_process(COMMAND diff -u --text "${expected}" "${actual}" OUTPUT_VARIABLE diff_text)
    string(SUBSTRING "${diff_text}" 0 4000 diff_text)
    message(FATAL_ERROR "${actual} differs from ${expected}:\n${diff_text}\n"
                        "(when the change is meant, the output is the new expected file: ${out}${ext})")
  endif()
endforeach()
