# Run by CPack after it has built the packages. CPack writes a postinst and a
# postrm that call ldconfig into every package with a library under /usr/lib,
# and offers no way to leave them out; Debian runs ldconfig through dpkg's
# trigger instead, which each library package declares. The two scripts are
# taken out again where they are exactly CPack's ldconfig call, and nothing
# else in the package changes.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/without-ldconfig")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND ${DPKG_DEB} --raw-extract "${deb}" "${tree}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot unpack ${deb}")
  endif()
  set(changed FALSE)
  foreach(script IN ITEMS postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(EXISTS "${path}")
      file(READ "${path}" text)
      string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
      if(text MATCHES "^#!/bin/sh set -e if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then ldconfig fi ?$")
        file(REMOVE "${path}")
        set(changed TRUE)
      endif()
    endif()
  endforeach()
  if(changed)
    execute_process(COMMAND ${DPKG_DEB} --root-owner-group --build "${tree}" "${deb}" RESULT_VARIABLE failed
                    OUTPUT_QUIET)
    if(failed)
      message(FATAL_ERROR "cannot pack ${deb} again")
    endif()
  endif()
  file(REMOVE_RECURSE "${tree}")
endforeach()
