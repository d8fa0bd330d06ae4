# SPDX-License-Identifier: MIT
# The Windows screen-saver module, cross-compiled with mingw-w64 (cmake/toolchain-mingw-*.cmake):
# lunvale.scr, a GUI module that imports Windows system DLLs only, with the files of assets/, the
# preview bitmap, the sound, an icon, version information and its manifest as Windows resources; and
# the platform-neutral tests with the Windows build's own, run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/Sources.cmake)

# Windows' own C++ runtime DLLs are not on a user's machine: the compiler's runtime goes into the module.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_options(-fno-strict-aliasing)

file(GLOB_RECURSE LUNVALE_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
list(FILTER LUNVALE_SOURCES EXCLUDE REGEX "/src/host/main\\.cpp$")
foreach(file IN LISTS LUNVALE_LINUX_ONLY)
  list(REMOVE_ITEM LUNVALE_SOURCES ${CMAKE_SOURCE_DIR}/${file})
endforeach()

add_library(lunvale_core STATIC ${LUNVALE_SOURCES})
target_include_directories(lunvale_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
set_source_files_properties(src/host/modes.cpp src/net/http_client.cpp PROPERTIES
                            COMPILE_DEFINITIONS "LUNVALE_VERSION=\"${PROJECT_VERSION}\"")
target_compile_options(lunvale_core PRIVATE ${LUNVALE_WARNINGS})
target_link_libraries(lunvale_core PUBLIC
  user32 gdi32 winmm advapi32 shell32 ole32 oleaut32 uuid windowscodecs shlwapi ws2_32 secur32 crypt32
  Threads::Threads)

# The resources: every file of assets/ as RCDATA named by its file name without the extension; the preview
# picture also as a bitmap and the sound also as a WAVE resource, as Windows' own tools look for them.
file(GLOB LUNVALE_ASSETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*)
list(FILTER LUNVALE_ASSETS EXCLUDE REGEX "/(README[^/]*|\\.[^/]*)$")
list(SORT LUNVALE_ASSETS)
set(rc "// Generated from assets/ by cmake/Windows.cmake; do not edit.\n#include <windows.h>\n\n")
string(APPEND rc "1 ICON \"lunvale.ico\"\n")
string(APPEND rc "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${CMAKE_SOURCE_DIR}/dist/windows/lunvale.manifest\"\n")
foreach(file IN LISTS LUNVALE_ASSETS)
  get_filename_component(name "${file}" NAME_WE)
  string(APPEND rc "${name} RCDATA \"${file}\"\n")
endforeach()
string(APPEND rc "PREVIEWBMP BITMAP \"${CMAKE_SOURCE_DIR}/assets/PREVIEWBMP.bmp\"\n")
string(APPEND rc "SoundName WAVE \"${CMAKE_SOURCE_DIR}/assets/SoundName.wav\"\n")
string(REPLACE "." "," version_commas "${PROJECT_VERSION}.0.0")
string(APPEND rc "
VS_VERSION_INFO VERSIONINFO
FILEVERSION ${version_commas}
PRODUCTVERSION ${version_commas}
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040904b0\"
    BEGIN
      VALUE \"CompanyName\", \"Miravel Software\"
      VALUE \"FileDescription\", \"Lunvale Screensaver\"
      VALUE \"FileVersion\", \"${PROJECT_VERSION}\"
      VALUE \"InternalName\", \"lunvale\"
      VALUE \"OriginalFilename\", \"lunvale.scr\"
      VALUE \"ProductName\", \"Lunvale Screensaver\"
      VALUE \"ProductVersion\", \"${PROJECT_VERSION}\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x409, 1200
  END
END
")
set(generated ${CMAKE_BINARY_DIR}/generated)
file(WRITE ${generated}/lunvale.rc.tmp "${rc}")
file(COPY_FILE ${generated}/lunvale.rc.tmp ${generated}/lunvale.rc ONLY_IF_DIFFERENT)
# The icon at the sizes Windows draws it, from the same pictures as the Linux menu entry's.
set(icon_sizes 16 32 48 256)
list(TRANSFORM icon_sizes PREPEND ${CMAKE_SOURCE_DIR}/dist/icons/lunvale- OUTPUT_VARIABLE icon_pngs)
list(TRANSFORM icon_pngs APPEND .png)
add_custom_command(OUTPUT ${generated}/lunvale.ico
                   COMMAND convert ${icon_pngs} ${generated}/lunvale.ico
                   DEPENDS ${icon_pngs} VERBATIM)
set_source_files_properties(${generated}/lunvale.rc PROPERTIES
                            OBJECT_DEPENDS "${LUNVALE_ASSETS};${generated}/lunvale.ico;${CMAKE_SOURCE_DIR}/dist/windows/lunvale.manifest")
add_custom_target(lunvale_icon DEPENDS ${generated}/lunvale.ico)
add_library(lunvale_resources OBJECT ${generated}/lunvale.rc)
target_include_directories(lunvale_resources PRIVATE ${generated})
add_dependencies(lunvale_resources lunvale_icon)

add_executable(lunvale WIN32 src/host/main.cpp $<TARGET_OBJECTS:lunvale_resources>)
set_target_properties(lunvale PROPERTIES SUFFIX ".scr")
# What users install carries no debugging sections (the static runtime's would add 1.5 MB).
target_link_options(lunvale PRIVATE $<$<NOT:$<CONFIG:Debug>>:-s>)
target_compile_options(lunvale PRIVATE ${LUNVALE_WARNINGS})
target_link_libraries(lunvale PRIVATE lunvale_core)

if(LUNVALE_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests)
endif()
