# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr (the
# `package` preset, run by scripts/package) gives ombrel_<version>_<arch>.deb.
set(OMBREL_PACKAGE_MAINTAINER "Ombrel maintainers <ombrel@example.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME ombrel)
set(CPACK_PACKAGE_VENDOR Ombrel)
set(CPACK_PACKAGE_CONTACT ${OMBREL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desk time clock for school staff, with an overtime report")
# Lines of at most 80 characters, as Debian's tools read a description.
set(CPACK_PACKAGE_DESCRIPTION "A small, borderless desk clock: IN opens the working day, OUT closes it
and asks for the overtime reasons. Every day lands in one CSV sheet per person
and month, ready for Excel. ombrel-report adds up the overtime of a folder of
sheets against the guideline limits.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries themselves; the Japanese captions need a Gothic face, and
# Qt's own dialogs their Japanese catalogue, which no binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(OMBREL_AUTOSTART)
  # An administrator's change to the autostart entry survives an upgrade.
  file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "${OMBREL_AUTOSTART_DIR}/ombrel.desktop\n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
endif()
# The licence and the package's history where Debian keeps them, in the forms lintian reads: a
# machine-readable copyright file and, the package being native, changelog.gz.
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
# A version configured past the changelog's latest entry gets an entry of its own on top, so that
# the package's changelog names the package's version.
set(ombrel_changelog_top "")
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in ombrel_latest REGEX "ombrel \\(" LIMIT_COUNT 1)
string(REGEX REPLACE ".*ombrel \\(([^)]+)\\).*" "\\1" ombrel_latest "${ombrel_latest}")
if(NOT PROJECT_VERSION VERSION_EQUAL ombrel_latest)
  string(TIMESTAMP ombrel_built "%a, %d %b %Y %H:%M:%S +0000" UTC)
  set(ombrel_changelog_top "ombrel (${PROJECT_VERSION}) unstable; urgency=medium

  * Version ${PROJECT_VERSION}, built from the project's source.

 -- ${OMBREL_PACKAGE_MAINTAINER}  ${ombrel_built}

")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
execute_process(COMMAND gzip -9 --no-name --stdout ${CMAKE_BINARY_DIR}/debian/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
