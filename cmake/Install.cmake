# Installing the suite: the programs side by side with the libraries they
# load at run time (the launcher starts the programs from its own folder,
# and the programs load libusbpipe.so and libdrawmap.so from theirs), links
# to them in the binary folder, desktop entries with icons, manual pages,
# completion, the shared libraries with their headers, the udev rules for
# USB instruments, and Debian packages through CPack.
set(HARWICK_PROGRAMS toolhub stationmate cablemate pointbook featurebook sketchconv)
set(HARWICK_COMMANDS harwick instrument-sim ${HARWICK_PROGRAMS})
# The shared libraries other programs may link: versioned, in the
# architecture's library folder, one Debian package each, with one
# development package for their headers and links.
set(HARWICK_LIBRARIES framekit serialkit workcrew)
set(HARWICK_SOVERSION 1)
set_target_properties(${HARWICK_LIBRARIES} PROPERTIES VERSION ${HARWICK_SOVERSION}.0.0 SOVERSION ${HARWICK_SOVERSION})
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}$")
  set(HARWICK_PUBLIC_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(HARWICK_PUBLIC_LIBDIR ${CMAKE_INSTALL_LIBDIR})
endif()

install(TARGETS ${HARWICK_PROGRAMS} usbpipe drawmap
        RUNTIME DESTINATION ${HARWICK_PROGRAM_DIR} COMPONENT programs
        LIBRARY DESTINATION ${HARWICK_PROGRAM_DIR} COMPONENT programs)
install(TARGETS harwick instrument-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
foreach(library IN LISTS HARWICK_LIBRARIES)
  install(TARGETS ${library} LIBRARY DESTINATION ${HARWICK_PUBLIC_LIBDIR} COMPONENT ${library} NAMELINK_COMPONENT dev)
endforeach()
# udev reads lib/udev/rules.d under /usr, never under the architecture's
# library folder, so the path is written out.
install(FILES packaging/udev/70-harwick-usb.rules DESTINATION lib/udev/rules.d COMPONENT programs)
install(FILES libs/framekit/framekit.h libs/workcrew/workcrew.h libs/serialkit/serialkit.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/harwick COMPONENT dev)

# bin/<program> -> ../lib/.../harwick/<program>, relative so that a package
# can be unpacked anywhere.
foreach(program IN LISTS HARWICK_PROGRAMS)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${HARWICK_BIN_TO_PROGRAMS}/${program}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)"
    COMPONENT programs)
  install(FILES packaging/harwick-${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT programs)
  install(FILES apps/toolhub/icons/${program}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME harwick-${program}.svg COMPONENT programs)
endforeach()
install(FILES packaging/harwick-suite.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT programs)
install(FILES packaging/bash-completion/harwick DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        COMPONENT programs)

# Manual pages and the changelog, compressed as Debian wants them: gzip -9
# without a time stamp, so that the package is the same on every build.
find_program(HARWICK_GZIP gzip REQUIRED)
set(HARWICK_PACKED ${CMAKE_BINARY_DIR}/packaging)
set(HARWICK_PACKED_FILES)
foreach(command IN LISTS HARWICK_COMMANDS)
  set(page ${CMAKE_SOURCE_DIR}/packaging/man/${command}.1)
  add_custom_command(OUTPUT ${HARWICK_PACKED}/man/${command}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${HARWICK_PACKED}/man
    COMMAND ${HARWICK_GZIP} -9nc ${page} > ${HARWICK_PACKED}/man/${command}.1.gz
    DEPENDS ${page} VERBATIM)
  list(APPEND HARWICK_PACKED_FILES ${HARWICK_PACKED}/man/${command}.1.gz)
  install(FILES ${HARWICK_PACKED}/man/${command}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
endforeach()
add_custom_command(OUTPUT ${HARWICK_PACKED}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HARWICK_PACKED}
  COMMAND ${HARWICK_GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/debian/changelog > ${HARWICK_PACKED}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog VERBATIM)
list(APPEND HARWICK_PACKED_FILES ${HARWICK_PACKED}/changelog.gz)
add_custom_target(harwick_packed_files ALL DEPENDS ${HARWICK_PACKED_FILES})

# ---- Debian packages ----------------------------------------------------------
set(CPACK_PACKAGE_NAME harwick)
set(CPACK_PACKAGE_VENDOR "Harwick")
set(CPACK_PACKAGE_CONTACT "Harwick maintainers <maintainers@harwick.invalid>")
set(CPACK_GENERATOR DEB)
# The packages carry the version the programs show; the changelog's newest
# entry must name the same one.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog HARWICK_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT HARWICK_CHANGELOG_TOP MATCHES "^harwick \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog begins with '${HARWICK_CHANGELOG_TOP}', "
                      "not an entry for version ${PROJECT_VERSION}")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs ${HARWICK_LIBRARIES} dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The suite's own libraries are found in the build, not among the system's
# packages; the package dependencies on them come from the components.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${HARWICK_PROGRAM_DIR}
    ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# ldconfig runs through dpkg's trigger, declared by each library package,
# not through maintainer scripts.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/debian/without-ldconfig-scripts.cmake)

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME harwick-suite)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION science)
# The font is for the cable program's Chinese dialog texts.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS "fonts-wqy-microhei")
# Qt's own catalogues put the standard buttons into Chinese beside our texts.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_COMPONENT_PROGRAMS_DEPENDS ${HARWICK_LIBRARIES})
set(CPACK_COMPONENT_PROGRAMS_DESCRIPTION "desktop suite for land surveyors: total station transfers and point files
The Harwick survey suite moves field data between a total station and the PC
over RS-232 serial and USB, and edits and converts it on the PC: the exchange
and cable transfer programs, the coordinate editor for GSI, KARD and IDX point
lists, the feature-code list editor, the DXF drawing converter and a launcher.
The harwick command converts point lists to and from CSV, GeoJSON, LandXML and
DXF, computes points from a job's measurements, and reaches the instrument
from scripts; instrument-sim simulates a total station for trying it all.")
set(HARWICK_LIBRARY_SUMMARY_framekit "framing of messages in a received character stream")
set(HARWICK_LIBRARY_SUMMARY_serialkit "serial connections with receive threads")
set(HARWICK_LIBRARY_SUMMARY_workcrew "task pool of worker threads")
foreach(library IN LISTS HARWICK_LIBRARIES)
  string(TOUPPER ${library} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME lib${library}${HARWICK_SOVERSION})
  set(CPACK_DEBIAN_${upper}_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_${upper}_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/debian/triggers)
  set(CPACK_COMPONENT_${upper}_DESCRIPTION "Harwick survey suite: ${HARWICK_LIBRARY_SUMMARY_${library}}
The ${library} shared library of the Harwick survey suite, which moves field
data between a total station and the PC. This package holds the run-time
library; the headers are in libharwick-dev.")
  install(FILES packaging/debian/copyright ${HARWICK_PACKED}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lib${library}${HARWICK_SOVERSION} COMPONENT ${library})
endforeach()
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libharwick-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DEPENDS ${HARWICK_LIBRARIES})
set(CPACK_COMPONENT_DEV_DESCRIPTION "Harwick survey suite: development files of its shared libraries
Headers and links for building programs against the framekit, serialkit and
workcrew libraries of the Harwick survey suite, which moves field data between
a total station and the PC.")
install(FILES packaging/debian/copyright ${HARWICK_PACKED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libharwick-dev COMPONENT dev)
install(FILES packaging/debian/copyright ${HARWICK_PACKED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harwick-suite COMPONENT programs)
include(CPack)

# The compiled catalogues are linked into every program; they are installed
# too, for anyone who checks what the programs say in each language.
install(FILES ${HARWICK_CATALOGUES} DESTINATION ${CMAKE_INSTALL_DATADIR}/harwick/translations COMPONENT programs)
