# cmake -DOBJDUMP=<objdump> -DLIBRARY=<dll> -P CheckExports.cmake
# Fails unless the component exports DllRegisterServer and
# DllUnregisterServer under exactly those names: regsvr32 and the
# installation look them up so, and a 32-bit __stdcall export keeps its
# "@n" decoration unless a .def file names it plainly. Reads the export
# table only, so it needs no Windows to run the DLL.
cmake_policy(SET CMP0057 NEW)
set(required DllRegisterServer DllUnregisterServer)

execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY}
  OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot read the export table of ${LIBRARY}")
endif()

# The names follow the "[Ordinal/Name Pointer] Table" heading, one a line
# as "[   0] Name", up to the first empty line.
set(names)
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(NOT start EQUAL -1)
  string(SUBSTRING "${dump}" ${start} -1 table)
  string(REGEX REPLACE "\n[ \t]*\n.*" "" table "${table}")
  string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
    string(STRIP "${name}" name)
    list(APPEND names "${name}")
  endforeach()
endif()
message(STATUS "exports ${names}")

set(missing)
foreach(name IN LISTS required)
  if(NOT name IN_LIST names)
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${LIBRARY} does not export ${missing} undecorated (it exports: ${names})")
endif()
