# The Debian package: `cpack -G DEB` in a build folder makes
# zelmora_VERSION_ARCH.deb holding the tree `cmake --install` makes, under
# /usr. Included from the top CMakeLists.txt after the layers.
include(GNUInstallDirs)

# Debian wants a maintainer's address; a packager sets the real one.
set(ZELMORA_MAINTAINER "ZELMORA calculator developers <zelmora@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

# What a Debian package carries beside the program: the copyright file, the
# changelog compressed, and the example roster the manual page names.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${changelog} @ONLY)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND gzip -9nkf ${changelog}
  DEPENDS ${changelog})
add_custom_target(zelmora_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/party.qvr DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
# What lintian reports that is not a fault, each with the reason.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zelmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZELMORA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as dh_strip does: the symbols, and the compiler's notes too.
set(CPACK_STRIP_FILES ON)
# Both programs: the command line and the window's program it hands over to.
foreach(program "${CMAKE_INSTALL_BINDIR}/zelmora" "${CMAKE_INSTALL_LIBEXECDIR}/zelmora/zelmora-window")
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(
        COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endforeach()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from the binary; the dialogs want a Japanese
# Gothic font, and the window loads Qt's own Japanese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "combat calculator for a percentile-dice role-playing game")
# The long description, below the summary.
file(READ ${CMAKE_CURRENT_LIST_DIR}/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
include(CPack)
