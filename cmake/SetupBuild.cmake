# Compiler settings shared by every target of the tree.

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Sources are UTF-8; the program's texts are code page 1252 bytes, as the
  # ANSI interfaces of Windows expect them.
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1252)
  set(SETUP_CP1252 ON)
else()
  # clang knows only UTF-8 as execution character set (fuzz builds).
  set(SETUP_CP1252 OFF)
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX)
endif()

if(SETUP_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SETUP_FUZZ)
  # Coverage for libFuzzer in every library the fuzz targets link.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
