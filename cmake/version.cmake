# The project's one version, for the programs' バージョン情報, the Debian package and the MSI. It is
# set when configuring (cmake --preset windows -DOMBREL_VERSION=0.2.0). Windows Installer orders
# versions by their first three numbers only, the first two up to 255 and the third up to 65535,
# so a version is one to three such numbers; without leading zeros, so that it reads one way.
# Included by the top CMakeLists.txt and by desktop/windows/make_msi.cmake.

function(ombrel_check_version version)
  set(number "(0|[1-9][0-9]*)")
  if(NOT version MATCHES "^${number}(\\.${number})?(\\.${number})?$")
    message(FATAL_ERROR "OMBREL_VERSION \"${version}\" is not one to three numbers joined by "
                        "dots, such as 0.2.0")
  endif()
  string(REPLACE "." ";" parts "${version}")
  list(APPEND parts 0 0)
  list(GET parts 0 major)
  list(GET parts 1 minor)
  list(GET parts 2 patch)
  if(major GREATER 255 OR minor GREATER 255 OR patch GREATER 65535)
    message(FATAL_ERROR "OMBREL_VERSION \"${version}\": Windows Installer takes at most "
                        "255.255.65535")
  endif()
endfunction()

# The version as the MSI states it: always three numbers (0.2 gives 0.2.0).
function(ombrel_msi_version version out)
  string(REPLACE "." ";" parts "${version}")
  list(APPEND parts 0 0)
  list(SUBLIST parts 0 3 parts)
  list(JOIN parts "." joined)
  set(${out} ${joined} PARENT_SCOPE)
endfunction()
