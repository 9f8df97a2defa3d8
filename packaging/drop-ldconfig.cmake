# Run by cpack after it has made the package (CPACK_POST_BUILD_SCRIPTS).
#
# CPack's DEB generator gives a package a postinst and a postrm that call
# ldconfig whenever a shared object lies in /usr/lib or in a folder just
# below it, and CMake 3.25 has no setting that leaves them out short of
# shipping maintainer scripts of one's own, which would then be empty. The
# game's sound plugin lies in /usr/lib/zorbix-hoplix, where the dynamic linker
# never looks: the program loads it by its full path from its own folder. So
# the two scripts do nothing for the game (lintian warns about them), and
# come out of the package again here. Only CPack's own ldconfig scripts are
# taken out; anything else in them stops the build.

set(ldconfig_postinst "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"configure\" ]; then\n\tldconfig\nfi\n")
set(ldconfig_postrm "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"remove\" ]; then\n\tldconfig\nfi\n")

find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND ${DPKG_DEB} --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  set(dropped "")
  foreach(script postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(EXISTS "${path}")
      file(READ "${path}" text)
      if(NOT text STREQUAL "${ldconfig_${script}}")
        message(FATAL_ERROR "${deb}: ${script} is not CPack's ldconfig call, so it stays; it reads:\n${text}")
      endif()
      file(REMOVE "${path}")
      list(APPEND dropped ${script})
    endif()
  endforeach()
  if(dropped)
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group --build "${tree}" "${deb}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "${deb}: took out CPack's ldconfig calls (${dropped})")
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
