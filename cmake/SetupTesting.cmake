# The ways a test is declared: a GoogleTest program (setup_gtest), a command
# of the build machine (setup_script_test) and a libFuzzer target
# (setup_fuzzer). Every test carries a label.
enable_testing()

if(SETUP_FUZZ)
  # The fuzz build has no GoogleTest programs.
elseif(WIN32)
  # Built from the Debian sources with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
  # Every Windows test program runs under Wine, in a prefix of this build tree.
  set(SETUP_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run ${SETUP_WINEPREFIX})
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# setup_gtest(<target> LABEL <label> SOURCES ... [LIBS ...] [TIMEOUT s]
#             [RESOURCE_LOCK name...] [SERIAL])
# A GoogleTest program whose cases become ctest tests carrying <label>.
# RESOURCE_LOCK keeps its cases from running beside other tests that hold
# the same lock (such as "display", for tests that start whole programs).
# SERIAL runs each case with no other test beside it (for real keyboard
# input, which goes to whichever window of the prefix has the foreground).
function(setup_gtest name)
  cmake_parse_arguments(T "SERIAL" "LABEL;TIMEOUT" "SOURCES;LIBS;RESOURCE_LOCK" ${ARGN})
  if(NOT T_LABEL)
    message(FATAL_ERROR "setup_gtest(${name}): every test needs a LABEL")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 300
    PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT})
  if(T_RESOURCE_LOCK OR T_SERIAL)
    # The discovered cases' PROPERTIES are written out unquoted, so a list of
    # locks would be cut into separate properties there: the locks (and the
    # serial run) are set by a script of their own that ctest reads after
    # the discovered cases.
    set(props "")
    if(T_RESOURCE_LOCK)
      string(APPEND props " RESOURCE_LOCK \"${T_RESOURCE_LOCK}\"")
    endif()
    if(T_SERIAL)
      string(APPEND props " RUN_SERIAL TRUE")
    endif()
    set(locks_script ${CMAKE_CURRENT_BINARY_DIR}/${name}_locks.cmake)
    file(WRITE ${locks_script}
      "foreach(case IN LISTS ${name}_TESTS)\n"
      "  set_tests_properties(\"\${case}\" PROPERTIES${props})\n"
      "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${locks_script})
  endif()
endfunction()

# setup_script_test(<name> LABEL <label> [TIMEOUT s] [ENVIRONMENT var=value...]
#                   [RESOURCE_LOCK name...] COMMAND ...)
# A test run by a command on the build machine (it may start Wine itself).
function(setup_script_test name)
  cmake_parse_arguments(T "" "LABEL;TIMEOUT" "COMMAND;ENVIRONMENT;RESOURCE_LOCK" ${ARGN})
  if(NOT T_LABEL)
    message(FATAL_ERROR "setup_script_test(${name}): every test needs a LABEL")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT})
  if(T_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
  endif()
  if(T_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
endfunction()

# setup_fuzzer(<target> LABEL <label> SOURCES ... LIBS ... [RUNS n])
# A libFuzzer target, run as a test for a bounded number of inputs (at most
# about a minute) from a copy of its seeds in corpus/<target> beside it, made
# at configure time, so that the runs never write into the source tree.
function(setup_fuzzer name)
  cmake_parse_arguments(F "" "LABEL;RUNS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_RUNS)
    set(F_RUNS 200000)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  set(corpus)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
    file(REMOVE_RECURSE ${corpus})
    file(COPY ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name} DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/corpus)
  endif()
  setup_script_test(${name} LABEL ${F_LABEL} TIMEOUT 120
    COMMAND ${name} -runs=${F_RUNS} -max_total_time=50 -timeout=10 ${corpus})
endfunction()
