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
