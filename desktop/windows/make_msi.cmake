# Makes the MSI from ombrel.wxs and a folder holding the files it installs:
#   cmake -DOMBREL_VERSION=0.2.0 -DOMBREL_SOURCE_URL=URL -DFILES=DIR -DOUTPUT=X.msi
#         -DWIXL=wixl -DMSIBUILD=msibuild -P make_msi.cmake
# Run by the build's target "msi", and by the MSI's test for an older version to upgrade from.
#
# The MSI's tables keep their text in one code page, the database's. wixl takes the one of the
# locale it runs in (WINDOWS_LANGUAGE names it), drops what that cannot hold (the Japanese
# description of the shortcut) and states none, leaving the PC that installs it to read the text
# in its own. So wixl runs as for Japanese, and the database is then marked as code page 932,
# which every PC reads alike.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/version.cmake)

foreach(input OMBREL_VERSION OMBREL_SOURCE_URL FILES OUTPUT WIXL MSIBUILD)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "make_msi.cmake needs -D${input}=...")
  endif()
endforeach()
ombrel_check_version("${OMBREL_VERSION}")
ombrel_msi_version("${OMBREL_VERSION}" msi_version)

# wixl finds the files by their names, relative to where it runs.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
          ${WIXL} -a x64 -D Version=${msi_version} -D SourceUrl=${OMBREL_SOURCE_URL}
          -o ${OUTPUT} ${CMAKE_CURRENT_LIST_DIR}/ombrel.wxs
  WORKING_DIRECTORY ${FILES}
  COMMAND_ERROR_IS_FATAL ANY)

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
set(codepage_table ${output_dir}/_ForceCodepage.idt)
file(WRITE ${codepage_table} "\r\n\r\n932\t_ForceCodepage\r\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja ${MSIBUILD} ${OUTPUT} -i ${codepage_table}
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${codepage_table})
