# The start-up window, the extraction and Setup.exe (Windows build).
add_library(launcher STATIC FrmLaunch.cpp Extract.cpp MiscUtils.cpp)
target_link_libraries(launcher PUBLIC launcher_core engine wizard toolkit)
target_include_directories(launcher PUBLIC ${PROJECT_SOURCE_DIR})

add_executable(Setup WIN32 main.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc)
target_link_libraries(Setup PRIVATE launcher)
set_target_properties(Setup PROPERTIES OUTPUT_NAME Setup)
target_include_directories(Setup PRIVATE ${PROJECT_SOURCE_DIR}/assets)
# The resource compiler's inputs are invisible to CMake: a redrawn picture
# must rebuild the resources.
file(GLOB setup_rc_inputs CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/assets/*.ico ${PROJECT_SOURCE_DIR}/assets/*.bmp ${PROJECT_SOURCE_DIR}/assets/*.manifest
  ${PROJECT_SOURCE_DIR}/assets/*.h ${PROJECT_SOURCE_DIR}/assets/wizard/*)
set_property(SOURCE ${PROJECT_SOURCE_DIR}/assets/Setup.rc APPEND PROPERTY OBJECT_DEPENDS ${setup_rc_inputs})
