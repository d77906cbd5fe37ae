# cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe or dll> -P CheckImports.cmake
# Fails unless the program imports Windows system DLLs only, so that it starts
# on a bare machine.
cmake_policy(SET CMP0057 NEW)
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll
  ole32.dll oleaut32.dll version.dll msvcrt.dll shlwapi.dll comdlg32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
  OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot read the import table of ${PROGRAM}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${PROGRAM} lists no imported DLL at all")
endif()
set(bad)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  message(STATUS "imports ${dll}")
  if(NOT dll IN_LIST system_dlls)
    list(APPEND bad ${dll})
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "${PROGRAM} imports DLLs that are not part of Windows: ${bad}")
endif()
