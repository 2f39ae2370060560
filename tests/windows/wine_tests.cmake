# The Windows build's tests, cross-built here and run under Wine.
#
# GoogleTest comes from Debian's own source of it (package googletest), built with the programs'
# toolchain; the project's warning flags are not its business.
set(OMBREL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, for the Windows tests")
get_directory_property(ombrel_warning_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${OMBREL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${ombrel_warning_options}")

# Every test program runs through wine-run: a Wine prefix of the build's own (made afresh by
# scripts/windows test), no Wine chatter, the offscreen platform and the IPA fonts. Wine hands a
# program no QT_* variable of the host: WINEQT_X reaches it as QT_X.
set(OMBREL_WINE_FONTS /usr/share/fonts/opentype/ipafont-gothic CACHE PATH
    "A folder of Japanese fonts for the offscreen platform under Wine")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# Paths compiled into the tests are read by a Windows program: Wine shows the host's / as Z:.
set(ombrel_test_host_drive "Z:")

# A static Qt links only the default platform plugin; the tests draw offscreen. The cases are
# listed when the tests run, not at build time, so that a build needs no Wine.
function(ombrel_run_under_wine name)
  qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endfunction()
