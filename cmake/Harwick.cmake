# Build habits shared by every target of the suite.

if(HARWICK_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(HARWICK_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT HARWICK_SANITIZE STREQUAL "")
  message(FATAL_ERROR "HARWICK_SANITIZE must be empty, address or thread")
endif()

if(HARWICK_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "HARWICK_FUZZ needs clang (libFuzzer)")
endif()

# Where the suite is installed: the programs and the libraries they load at
# run time in a private folder, the command line in the binary folder; the
# command line finds that folder relative to itself.
include(GNUInstallDirs)
set(HARWICK_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/harwick)
file(RELATIVE_PATH HARWICK_BIN_TO_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${HARWICK_PROGRAM_DIR})

# The suite's version, from project(): one header for every program that
# shows it. The packages take the same version.
configure_file(${PROJECT_SOURCE_DIR}/cmake/suite_version.h.in ${PROJECT_BINARY_DIR}/generated/suite_version.h @ONLY)
add_library(harwick_version INTERFACE)
target_include_directories(harwick_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

# Our own code builds without a single warning; third-party headers are not held to it.
function(harwick_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports impossible overlaps inside std::string at -O2 and above
    # (its bug 105329); the warning says nothing about our code there.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A format module: a static library with one public header under formats/<name>/.
function(harwick_format name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(harwick_${name} STATIC ${ARG_SOURCES})
  target_include_directories(harwick_${name} PUBLIC ${PROJECT_SOURCE_DIR}/formats)
  target_link_libraries(harwick_${name} PUBLIC ${ARG_DEPS})
  harwick_strict(harwick_${name})
endfunction()

# A static library of ours: its folder of headers public, its dependencies
# passed on to whoever links it.
function(harwick_library name)
  cmake_parse_arguments(ARG "" "INCLUDE" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ARG_INCLUDE})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  harwick_strict(${name})
endfunction()

# A program of ours, built into bin/: the launcher starts the programs from
# its own folder, and the programs load their libraries from theirs.
function(harwick_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  if(ARG_DEFINITIONS)
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  endif()
  harwick_strict(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endfunction()

# One of the suite's windowed programs over its window library WINDOW:
# the program (ui/main.cpp) and its picture taker NAME-shot
# (ui/shot_main.cpp, for scripts/screenshot.sh), which may need more.
function(harwick_program name)
  cmake_parse_arguments(ARG "" "WINDOW" "DEPS;SHOT_DEPS;SHOT_DEFINITIONS" ${ARGN})
  harwick_executable(${name} SOURCES ui/main.cpp DEPS ${ARG_WINDOW} ${ARG_DEPS})
  harwick_executable(${name}-shot SOURCES ui/shot_main.cpp DEPS ${ARG_WINDOW} ${ARG_DEPS} ${ARG_SHOT_DEPS}
                     DEFINITIONS ${ARG_SHOT_DEFINITIONS})
endfunction()
