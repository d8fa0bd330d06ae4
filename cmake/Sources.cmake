# SPDX-License-Identifier: MIT
# Which sources each platform builds. Files named *_win32.cpp (tests: *_win32_test.cpp) are the Windows
# build's own; the files below are the Linux build's own, each with a Windows twin or no use there.
# Every other file under src/ builds for both (docs/architecture.md, "Two platforms").
set(LUNVALE_LINUX_ONLY
  # The settings dialog and its controls are Qt's; Windows shows a message for /c for now.
  src/controls/fader.cpp src/controls/picture_button.cpp src/controls/shaped_panel.cpp
  src/controls/skin_picture.cpp
  src/dialog/dialog_style.cpp src/dialog/error_box.cpp src/dialog/news_directory.cpp
  src/dialog/news_page.cpp src/dialog/qt_events.cpp src/dialog/settings_dialog.cpp
  src/dialog/weather_page.cpp
  src/host/configuration.cpp
  # Linux's screen-saver hosts, its window ids and its password provider's calling convention.
  src/host/hosted.cpp src/host/password.cpp src/host/platform_modes.cpp src/host/preview.cpp
  src/host/xscreensaver_list.cpp
  # SDL, X11, ALSA, fontconfig/FreeType, libjpeg/SDL_image, POSIX.
  src/platform/app/application.cpp src/platform/app/cursor.cpp src/platform/app/dynamic_library.cpp
  src/platform/app/form.cpp src/platform/app/keys.cpp src/platform/app/message_box.cpp
  src/platform/app/quit_signals.cpp src/platform/app/shell.cpp
  src/platform/display/other_screens.cpp src/platform/display/sdl_display.cpp
  src/platform/display/shared_pixels.cpp
  src/platform/display/surface_output.cpp src/platform/display/x11_output.cpp
  src/platform/media/display_sound.cpp src/platform/media/mixer.cpp src/platform/media/sound.cpp
  src/platform/media/timer_wait.cpp
  src/platform/pictures/picture_decode.cpp
  src/platform/pixels/huge_pages.cpp
  src/platform/system/registry.cpp src/platform/system/resources.cpp
  src/platform/system/time_format.cpp
  src/platform/system/x11_error_trap.cpp src/platform/system/x11_window.cpp
  src/platform/text/charset.cpp src/platform/text/font.cpp
  src/net/secure_channel.cpp src/net/stream_socket.cpp)

# Tests that need Linux: X, SDL, Qt, the Linux hosts, POSIX processes and permissions, the registry as a
# file, and the test servers (nginx, tinyproxy, the scripted HTTP server). The support files listed are the
# Linux halves of pairs whose Windows halves are *_win32.cpp.
file(GLOB_RECURSE LUNVALE_LINUX_ONLY_TESTS RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/*_e2e_test.cpp
     ${CMAKE_SOURCE_DIR}/tests/controls/*.cpp ${CMAKE_SOURCE_DIR}/tests/dialog/*.cpp)
list(APPEND LUNVALE_LINUX_ONLY_TESTS
  tests/assets/assets_test.cpp
  tests/data/location_table_test.cpp
  tests/fetcher/feed_fetcher_test.cpp
  tests/host/show_feeds_test.cpp tests/host/xscreensaver_list_test.cpp
  tests/net/http_client_failure_test.cpp tests/net/http_client_test.cpp tests/net/https_client_test.cpp
  tests/platform/app/error_report_test.cpp tests/platform/app/shell_test.cpp
  tests/platform/display/sdl_display_test.cpp
  tests/platform/media/display_sound_test.cpp tests/platform/media/mixer_test.cpp
  tests/platform/media/sound_test.cpp
  tests/platform/pixels/huge_pages_test.cpp
  tests/platform/system/registry_test.cpp tests/platform/system/time_format_test.cpp
  tests/platform/system/time_pattern_test.cpp tests/platform/system/resources_test.cpp
  tests/platform/system/x11_error_trap_test.cpp
  tests/scene/scene_feeds_test.cpp
  tests/settings/settings_faults_test.cpp tests/settings/settings_store_test.cpp
  tests/support/environment.cpp tests/support/feed_servers.cpp tests/support/http_test_server.cpp
  tests/support/picture_codecs.cpp tests/support/process.cpp tests/support/qt_app.cpp
  tests/support/test_x_server.cpp)
