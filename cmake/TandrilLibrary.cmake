# Standard headers nearly every file includes, compiled once per target.
set(TANDRIL_COMMON_HEADERS <string> <vector> <memory> <functional> <map> <algorithm>)

# One static library per source folder; every .cpp of the folder and of its
# sub-folders (a large library keeps its files in folders by role) belongs to it.
function(tandril_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()  # a folder whose first sources have not landed yet
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
  target_precompile_headers(${name} PRIVATE ${TANDRIL_COMMON_HEADERS})
  if(TANDRIL_SANITIZE)
    # The program's own code optimised a little under the sanitizers, as
    # they are meant to run: unoptimised, pixel and text loops ran the
    # tests fourteen times slower than the release build. The tests' own
    # code stays as the build type gives it, quick to compile.
    target_compile_options(${name} PRIVATE -O1)
  endif()
endfunction()

# Every test gets a time limit of its own, whoever runs CTest and however:
# a test that hangs (a modal loop nobody answers, a peer that never comes)
# fails after five minutes under its name instead of holding the whole run.
set(TANDRIL_TEST_TIME_LIMIT 300)

# One test program per test folder, each test case registered with CTest.
# RECURSE takes the sources of its sub-folders too, for the tests of a
# library kept in folders by concern.
function(tandril_tests name)
  cmake_parse_arguments(ARG "RECURSE" "" "DEPENDS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  else()
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} test_support test_fonts GTest::gtest_main)
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> ${TANDRIL_COMMON_HEADERS})
  # Each test case runs in a process of its own, and the sanitizers' data
  # holds millions of addresses that a position-independent program
  # relocates at every start (a third of a short case's time).
  target_link_options(${name} PRIVATE -no-pie)
  # Relative, so that no absolute path reaches the compiler: a clone in
  # another folder hits the same compiler cache entries.
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  target_compile_definitions(${name} PRIVATE TANDRIL_TEST_FOLDER="${folder}")
  # CTest takes the tests' environment (tests/CMakeLists.txt) before it
  # lists the cases, which needs the test data too, even when it runs in
  # this folder alone.
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${TANDRIL_TEST_ENVIRONMENT}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "TANDRIL_HEADLESS=1" TIMEOUT ${TANDRIL_TEST_TIME_LIMIT})
  # The whole program once more, in one process and in an order of its
  # own each run, so that a test leaving a hook, a factory or a global
  # changed fails whoever runs after it. The seed is new each run and
  # printed first ("Randomizing tests' orders with a seed of N");
  # GTEST_RANDOM_SEED=N in the environment repeats that order. It starts
  # first, being the longest, and may take longer than a single case.
  add_test(NAME ${name}.WholeShuffled COMMAND ${name} --gtest_shuffle)
  set_tests_properties(${name}.WholeShuffled PROPERTIES ENVIRONMENT "TANDRIL_HEADLESS=1" COST 1000 TIMEOUT 1800)
endfunction()

# A unity build (-DCMAKE_UNITY_BUILD=ON, as scripts/test.sh builds) compiles
# the sources of a target a dozen at a time, one after another in one
# translation unit, so shared headers are read and their templates made
# once per dozen rather than once per file. Xlib's macros (None, Status,
# Time, Screen ...) would then reach every source after one that includes
# Xlib: such sources are compiled on their own. Call once, after every
# target is defined.
function(tandril_keep_xlib_sources_apart)
  set(folders "${PROJECT_SOURCE_DIR}")
  while(folders)
    list(POP_FRONT folders folder)
    get_property(subfolders DIRECTORY "${folder}" PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
    get_property(targets DIRECTORY "${folder}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(sources ${target} SOURCES)
      get_target_property(target_folder ${target} SOURCE_DIR)
      foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\.cpp$")
          continue()
        endif()
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${target_folder}" OUTPUT_VARIABLE path)
        if(NOT EXISTS "${path}")
          continue()  # made at build time
        endif()
        file(STRINGS "${path}" xlib REGEX "^#include <X11/" LIMIT_COUNT 1)
        if(xlib)
          set_source_files_properties("${path}" TARGET_DIRECTORY ${target}
                                      PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
        endif()
      endforeach()
    endforeach()
  endwhile()
endfunction()
