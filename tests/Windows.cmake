# SPDX-License-Identifier: MIT
# The Windows build's tests: GoogleTest built from Debian's sources, the platform-neutral tests and the
# Windows build's own (*_win32_test.cpp) in one executable that CTest runs under Wine. Tests that need
# Linux (X, SDL, Qt, the hosts, POSIX processes) stay out: they are listed in LUNVALE_LINUX_ONLY_TESTS.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE LUNVALE_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/support/*.h)
foreach(file IN LISTS LUNVALE_LINUX_ONLY_TESTS)
  list(REMOVE_ITEM LUNVALE_TEST_SOURCES ${CMAKE_SOURCE_DIR}/${file})
endforeach()

add_executable(lunvale_tests ${LUNVALE_TEST_SOURCES} $<TARGET_OBJECTS:lunvale_resources>)
target_include_directories(lunvale_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(lunvale_tests PRIVATE ${LUNVALE_WARNINGS})
target_compile_definitions(lunvale_tests PRIVATE
  LUNVALE_EXE="$<TARGET_FILE:lunvale>"
  LUNVALE_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}"
  LUNVALE_BINARY_DIR="Z:${CMAKE_BINARY_DIR}")
target_link_libraries(lunvale_tests PRIVATE lunvale_core gtest gmock)
add_dependencies(lunvale_tests lunvale)

# Wine answers 0 for some programs that never started, so the run passes only on GoogleTest's own verdict.
add_test(NAME WindowsUnitTests
         COMMAND ${CMAKE_COMMAND} -DRUNNER=${CMAKE_CROSSCOMPILING_EMULATOR} -DPROGRAM=$<TARGET_FILE:lunvale_tests>
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/windows/run_under_wine.cmake)
set_tests_properties(WindowsUnitTests PROPERTIES TIMEOUT 600)

# The module itself under Wine: a stand-in for the display settings' preview window, and the runs.
add_executable(lunvale_preview_host windows/preview_host_win32.cpp)
target_link_libraries(lunvale_preview_host PRIVATE gdi32 user32)
target_include_directories(lunvale_preview_host PRIVATE ${CMAKE_SOURCE_DIR}/src)
add_test(NAME WindowsModuleOnWine
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/module_e2e.sh $<TARGET_FILE:lunvale>
                 $<TARGET_FILE:lunvale_preview_host> ${CMAKE_SOURCE_DIR}/build/lunvale
                 ${CMAKE_CURRENT_BINARY_DIR}/module_e2e)
set_tests_properties(WindowsModuleOnWine PROPERTIES TIMEOUT 300)
