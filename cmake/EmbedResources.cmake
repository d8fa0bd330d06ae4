# SPDX-License-Identifier: MIT
# Embeds every file under a folder into the executable as a named resource. The resource's name is the
# file name without its extension (assets/PREVIEWBMP.bmp -> "PREVIEWBMP"). The bytes are pulled in by the
# assembler's .incbin, so even large pictures cost no compile time.
function(lunvale_embed_resources target dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false "${dir}/*")
  list(FILTER files EXCLUDE REGEX "/(README[^/]*|\\.[^/]*)$")
  list(SORT files)
  set(asm "    .section .rodata\n")
  set(table "")
  set(index 0)
  foreach(f IN LISTS files)
    get_filename_component(name "${f}" NAME_WE)
    set(sym "lunvale_res_${index}")
    string(APPEND asm "    .global ${sym}_begin\n    .global ${sym}_end\n    .balign 16\n${sym}_begin:\n    .incbin \"${f}\"\n${sym}_end:\n    .byte 0\n")
    string(APPEND table "extern \"C\" const unsigned char ${sym}_begin[];\nextern \"C\" const unsigned char ${sym}_end[];\n")
    list(APPEND entries "    {\"${name}\", ${sym}_begin, ${sym}_end},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND asm "    .section .note.GNU-stack,\"\",@progbits\n")
  string(JOIN "" entry_text ${entries})
  set(cpp "// Generated from the files under assets/; do not edit.\n#include \"platform/system/resource_table.h\"\n\n${table}\nnamespace lunvale::platform {\nconst ResourceEntry kResourceTable[] = {\n${entry_text}    {nullptr, nullptr, nullptr},\n};\n}  // namespace lunvale::platform\n")
  set(out "${CMAKE_BINARY_DIR}/generated")
  # Written through a temporary so that an unchanged set of assets rebuilds nothing.
  file(WRITE "${out}/resources_data.S.tmp" "${asm}")
  file(WRITE "${out}/resources_table.cpp.tmp" "${cpp}")
  file(COPY_FILE "${out}/resources_data.S.tmp" "${out}/resources_data.S" ONLY_IF_DIFFERENT)
  file(COPY_FILE "${out}/resources_table.cpp.tmp" "${out}/resources_table.cpp" ONLY_IF_DIFFERENT)
  add_library(${target} STATIC "${out}/resources_data.S" "${out}/resources_table.cpp")
  target_include_directories(${target} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  # Rebuild the object when an asset changes.
  set_source_files_properties("${out}/resources_data.S" PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
