# cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe or dll> -P CheckImports.cmake
# Fails unless the program imports only libraries that Windows always takes
# from its system folder, wherever the program lies: then it starts on a bare
# machine, and no library of such a name lying beside it (a downloads
# folder) is loaded into it before its first line runs.
#
# Those are the known DLLs that Windows 7 and every later version map from
# the system folder (the names common to their KnownDLLs lists, ntdll
# always), and the common controls, which come from the side-by-side store
# through the manifest's dependency. Any other system library is loaded at
# run time by its full path in the system folder.
cmake_policy(SET CMP0057 NEW)
set(system_dlls
  ntdll.dll kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll
  ole32.dll oleaut32.dll comdlg32.dll msvcrt.dll imm32.dll imagehlp.dll psapi.dll
  rpcrt4.dll sechost.dll setupapi.dll ws2_32.dll wldap32.dll nsi.dll normaliz.dll
  msctf.dll clbcatq.dll difxapi.dll
  comctl32.dll)

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
  message(FATAL_ERROR "${PROGRAM} imports libraries that Windows may take from beside it: ${bad}")
endif()
