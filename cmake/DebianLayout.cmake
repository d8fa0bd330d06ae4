# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: Debian wants manual pages and the changelog
# compressed, without a time stamp in the gzip header so that the same sources give the same package,
# and programs without the compiler's .comment notes.
file(GLOB_RECURSE manpages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/*.[1-9]")
foreach(page IN LISTS manpages)
  execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE copyright "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/lunvale/copyright")
if(NOT copyright)
  message(FATAL_ERROR "no share/doc/lunvale/copyright under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
get_filename_component(doc_dir "${copyright}" DIRECTORY)
file(READ "${CPACK_LUNVALE_CHANGELOG}" changelog)
string(REPLACE "@VERSION@" "${CPACK_PACKAGE_VERSION}" changelog "${changelog}")
file(WRITE "${doc_dir}/changelog" "${changelog}")
execute_process(COMMAND gzip -9nf "${doc_dir}/changelog" COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/lunvale")
foreach(program IN LISTS programs)
  execute_process(COMMAND objcopy --remove-section=.comment "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
