# What the station installs, in three parts: the library (runtime), the
# station itself (programs, pictures, the shop's settings, the session
# unit) and what a host's developer builds against (host). The Debian
# package holds all three; a host's developer may install runtime and host
# alone (cmake --install build --prefix DIR --component runtime, then host).
set(prog ${ORELLE_INSTALL_PROGRAM_DIR})
set(ORELLE_INSTALLED_PROGRAMS orelle-kiosk orelle-order-server orelle-db-check orelle-orders)
# The programs find the library beside them, as in the build.
set_target_properties(${ORELLE_INSTALLED_PROGRAMS} PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS orelle EXPORT OrelleTargets
  LIBRARY DESTINATION ${prog} COMPONENT runtime NAMELINK_COMPONENT host)
install(TARGETS ${ORELLE_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${prog} COMPONENT station)
install(DIRECTORY ${ORELLE_PROGRAM_DIR}/backscape ${ORELLE_PROGRAM_DIR}/Cursor
  DESTINATION ${prog} COMPONENT station)
# The programs on the path are links into the program folder, which they
# find through the link.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
foreach(program ${ORELLE_INSTALLED_PROGRAMS})
  file(CREATE_LINK ../${prog}/${program} ${CMAKE_BINARY_DIR}/links/${program} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT station)
endforeach()
# The shop's settings are not shipped in place: the package makes them
# from these defaults where missing (postinst), so that they stay the
# shop's own and private to the station's group.
set(defaults ${CMAKE_INSTALL_DATADIR}/orelle/settings)
set(ORELLE_DEFAULT_SETTINGS_DIR ${CMAKE_INSTALL_PREFIX}/${defaults})
set(ORELLE_SETTINGS_FILES param.ini ver_ctrl.ini sysini/prints.ini sysini/prices.ini)
foreach(file ${ORELLE_SETTINGS_FILES})
  get_filename_component(folder ${defaults}/${file} DIRECTORY)
  install(FILES res/${file} DESTINATION ${folder} COMPONENT station)
endforeach()
# A customer's card is mounted read only: udisks2's options, made at the
# first installation where the machine has none (postinst).
install(FILES packaging/udisks2-mount-options.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/orelle
  COMPONENT station)
set(ORELLE_UDISKS_DEFAULT ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/orelle/udisks2-mount-options.conf)
file(SHA256 ${CMAKE_SOURCE_DIR}/packaging/udisks2-mount-options.conf ORELLE_UDISKS_SHA256)
configure_file(packaging/orelle-kiosk.service.in ${CMAKE_BINARY_DIR}/orelle-kiosk.service @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/orelle-kiosk.service DESTINATION lib/systemd/user
  COMPONENT station)

# The host's side: headers, the CMake package and the pkg-config file.
install(FILES include/orelle/CPhotoWnd.h include/orelle/CUpFileWnd.h include/orelle/Export.h
  include/orelle/HostMessage.h include/orelle/KeyMessage.h
  ${CMAKE_BINARY_DIR}/include/orelle/Version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/orelle COMPONENT host)
set(cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/Orelle)
install(EXPORT OrelleTargets NAMESPACE Orelle:: DESTINATION ${cmakedir} COMPONENT host)
include(CMakePackageConfigHelpers)
configure_package_config_file(packaging/OrelleConfig.cmake.in
  ${CMAKE_BINARY_DIR}/OrelleConfig.cmake INSTALL_DESTINATION ${cmakedir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OrelleConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/OrelleConfig.cmake ${CMAKE_BINARY_DIR}/OrelleConfigVersion.cmake
  DESTINATION ${cmakedir} COMPONENT host)
set(pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH ORELLE_PC_TO_PREFIX /${pcdir} /)
configure_file(packaging/orelle.pc.in ${CMAKE_BINARY_DIR}/orelle.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/orelle.pc DESTINATION ${pcdir} COMPONENT host)

# The Debian package: cpack -G DEB in the build folder (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orelle)
set(CPACK_PACKAGE_VENDOR "Orelle")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo print ordering station of a photo shop")
set(CPACK_PACKAGE_CONTACT "Orelle station team <station@orelle.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${prog})
# What no binary names: the Qt plugins it loads (display, ODBC), the fonts
# it draws and prints Chinese with, Qt's own translations, the face cascade.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6sql6-odbc, fonts-noto-cjk | fonts-wqy-zenhei, fonts-arphic-uming, fonts-liberation2, qt6-translations-l10n, adduser, opencv-data")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tdsodbc, cups")
list(JOIN ORELLE_SETTINGS_FILES " " ORELLE_SETTINGS_FILES)
configure_file(packaging/postinst.in ${CMAKE_BINARY_DIR}/debian/postinst @ONLY)
configure_file(packaging/postrm.in ${CMAKE_BINARY_DIR}/debian/postrm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postinst
  ${CMAKE_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
