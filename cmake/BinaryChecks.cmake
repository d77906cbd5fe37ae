# Checks of what a built Windows program or DLL says in its import and
# export tables. They read the tables with objdump and run no Windows
# program, so they run in every Windows build, 32-bit included, wherever
# the build machine can start 32-bit programs or not: each is a step of the
# build (a failed check fails the build and runs again on the next one) and
# a ctest test carrying <label>.

# setup_binary_check(<target> <label> <script> <variable>): runs
# cmake/<script> with -D<variable>=<the target's file> after every link.
function(setup_binary_check target label script variable)
  get_filename_component(check ${script} NAME_WE)
  set(command ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -D${variable}=$<TARGET_FILE:${target}>
              -P ${PROJECT_SOURCE_DIR}/cmake/${script})
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.${check}.done)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${command}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/${script}
    COMMENT "${check}: ${target}"
    VERBATIM)
  add_custom_target(${target}_${check} ALL DEPENDS ${stamp})
  setup_script_test(${check}_${target} LABEL ${label} COMMAND ${command})
endfunction()

# The program imports only libraries that Windows always takes from the
# system folder (cmake/CheckImports.cmake).
function(setup_check_imports target label)
  setup_binary_check(${target} ${label} CheckImports.cmake PROGRAM)
endfunction()

# The component exports DllRegisterServer and DllUnregisterServer
# undecorated (cmake/CheckExports.cmake).
function(setup_check_exports target label)
  setup_binary_check(${target} ${label} CheckExports.cmake LIBRARY)
endfunction()
