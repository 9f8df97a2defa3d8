# Run by cpack on the files it has installed for the package, before it packs
# them (CPACK_PRE_BUILD_SCRIPTS): strips the program and the sound plugin as
# dh_strip strips the binaries of a Debian package. Both lose their debugging
# information and their symbol table, and the sections .comment (the
# compiler's name and version) and .note, which nothing reads; the plugin, a
# shared object, keeps only the symbols it needs to be loaded
# (--strip-unneeded). The notes that are read keep their own section names and
# stay: the plugin's .note.qt.metadata, which Qt checks before it loads the
# plugin, the build id and the ABI tag.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
  message(FATAL_ERROR "strip-as-debian.cmake: no staging folder to strip in (run by cpack only)")
endif()
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS files)
  if(IS_SYMLINK "${path}")
    continue()
  endif()
  file(READ "${path}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  set(how --remove-section=.comment --remove-section=.note)
  if(path MATCHES "\\.so(\\.[0-9]+)*$")
    list(APPEND how --strip-unneeded)
  endif()
  execute_process(COMMAND "${CPACK_ZHOP_STRIP}" ${how} "${path}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
