# Installing the suite: the programs side by side with the libraries they
# load at run time (the launcher starts the programs from its own folder,
# and the programs load libusbpipe.so and libdrawmap.so from theirs), links
# to them in the binary folder, desktop entries with icons, the shared
# libraries with their headers, the udev rules for USB instruments, and a
# Debian package through CPack.
set(HARWICK_PROGRAMS toolhub stationmate cablemate pointbook featurebook sketchconv)

install(TARGETS ${HARWICK_PROGRAMS} usbpipe drawmap
        RUNTIME DESTINATION ${HARWICK_PROGRAM_DIR}
        LIBRARY DESTINATION ${HARWICK_PROGRAM_DIR})
install(TARGETS harwick instrument-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS framekit workcrew serialkit LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
# udev reads lib/udev/rules.d under /usr, never under the architecture's
# library folder, so the path is written out.
install(FILES packaging/udev/70-harwick-usb.rules DESTINATION lib/udev/rules.d)
install(FILES libs/framekit/framekit.h libs/workcrew/workcrew.h libs/serialkit/serialkit.h
              libs/usbpipe/usbpipe.h libs/drawmap/drawmap.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/harwick)

# bin/<program> -> ../lib/.../harwick/<program>, relative so that a package
# can be unpacked anywhere.
foreach(program IN LISTS HARWICK_PROGRAMS)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${HARWICK_BIN_TO_PROGRAMS}/${program}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
  install(FILES packaging/harwick-${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES apps/toolhub/icons/${program}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME harwick-${program}.svg)
endforeach()

set(CPACK_PACKAGE_NAME harwick-suite)
set(CPACK_PACKAGE_VENDOR "Harwick")
set(CPACK_PACKAGE_CONTACT "Harwick maintainers <maintainers@harwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop suite for land surveyors: total station transfers and point-file editing")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The run-time libraries are found by dpkg-shlibdeps; the font is for the
# cable program's Chinese dialog texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${HARWICK_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei")
include(CPack)
