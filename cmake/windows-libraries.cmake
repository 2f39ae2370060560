# The libraries the Windows build links beyond Qt: static cross-builds of Debian's own sources that
# scripts/windows makes in build/windows-libs (scripts/lib/windows-libraries.sh). zlib is the
# MinGW-w64 one Debian packages (libz-mingw-w64-dev), taken static so that no DLL goes with it.
set(OMBREL_WINDOWS_LIBS ${PROJECT_SOURCE_DIR}/build/windows-libs CACHE PATH
    "Where scripts/windows puts the static libraries of the Windows build")

set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(ombrel_xlsxwriter ${OMBREL_WINDOWS_LIBS}/lib/libxlsxwriter.a)
if(NOT EXISTS ${ombrel_xlsxwriter})
  message(FATAL_ERROR "${ombrel_xlsxwriter} is missing: scripts/windows builds it")
endif()
add_library(xlsxwriter::xlsxwriter STATIC IMPORTED)
set_target_properties(xlsxwriter::xlsxwriter PROPERTIES
  IMPORTED_LOCATION ${ombrel_xlsxwriter}
  INTERFACE_INCLUDE_DIRECTORIES ${OMBREL_WINDOWS_LIBS}/include
  INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
