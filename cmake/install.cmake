# What `cmake --install` puts where (GNU directory names), in three
# components that become the Debian packages of cmake/packaging.cmake:
#   runtime  the shared libraries, each with its versioned name and SONAME
#   dev      headers, the unversioned links, the CMake package, pkg-config files
#   tools    qrvex-export and its man page
# Installed libraries find each other and qrvex-export finds them through a
# RUNPATH relative to their own place, so any prefix works as it stands.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QRV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/QRVEX)
set(QRV_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
set(QRV_INSTALL_TOOLKIT_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/qrvex/toolkit)
set(QRV_INSTALL_FILTERS_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/qrvex/filters)
set(QRV_INSTALL_CONVERT_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/qrvex/convert)
set(QRV_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/qrvex)

# The pieces a build may leave out are installed when they are there.
set(_toolkit_libraries qrvch qrvut qrvda qrvfa)
if(TARGET qrvim)
  list(APPEND _toolkit_libraries qrvim)
endif()
set(_filter_libraries)
if(TARGET qrvhtml)
  set(_filter_libraries qrvwalk qrvhtml qrvtext qrvmarkdown qrvcsv qrvjson)
endif()
# The one-call conversion stands on the filters; its header needs nothing else.
set(_convert_libraries)
if(TARGET qrvconvert)
  set(_convert_libraries qrvconvert)
endif()

# Include directories of the source tree hold only in the build tree; an
# installed target gets the installed ones instead.
function(qrv_installed_includes target)
  get_target_property(_dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(_wrapped)
  foreach(_dir IN LISTS _dirs)
    if(_dir MATCHES "^\\$<")
      list(APPEND _wrapped "${_dir}")
    else()
      list(APPEND _wrapped "$<BUILD_INTERFACE:${_dir}>")
    endif()
  endforeach()
  foreach(_dir IN LISTS ARGN)
    list(APPEND _wrapped "$<INSTALL_INTERFACE:${_dir}>")
  endforeach()
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${_wrapped}")
endfunction()

# libNAME.so -> libNAME.so.1 (the SONAME) -> libNAME.so.1.0.0.  Windows DLLs
# keep their plain names.
function(qrv_versioned_library target)
  if(NOT WIN32)
    set_target_properties(${target} PROPERTIES
      VERSION ${PROJECT_VERSION}
      SOVERSION ${PROJECT_VERSION_MAJOR}
      INSTALL_RPATH "$ORIGIN")
  endif()
endfunction()

# Groups that consumers link as one: QRVEX::toolkit and QRVEX::filters.
add_library(qrv_toolkit INTERFACE)
set_target_properties(qrv_toolkit PROPERTIES EXPORT_NAME toolkit)
target_link_libraries(qrv_toolkit INTERFACE ${_toolkit_libraries})
# A host cannot use the library without the toolkit's documents, data
# access and filter registry, so linking QRVEX::qrvex brings them along.
target_link_libraries(qrvex INTERFACE qrv_toolkit)
set(_grouping_targets qrv_toolkit)
if(_filter_libraries)
  add_library(qrv_filters INTERFACE)
  set_target_properties(qrv_filters PROPERTIES EXPORT_NAME filters)
  target_link_libraries(qrv_filters INTERFACE qrvhtml qrvtext qrvmarkdown qrvcsv qrvjson)
  list(APPEND _grouping_targets qrv_filters)
endif()

set(_libraries qrvplatform qrvex ${_toolkit_libraries} ${_filter_libraries} ${_convert_libraries})
foreach(_library IN LISTS _libraries)
  qrv_versioned_library(${_library})
endforeach()
qrv_installed_includes(qrvplatform)
qrv_installed_includes(qrvex ${CMAKE_INSTALL_INCLUDEDIR} ${QRV_INSTALL_TOOLKIT_INCLUDEDIR})
foreach(_library IN LISTS _toolkit_libraries)
  qrv_installed_includes(${_library} ${CMAKE_INSTALL_INCLUDEDIR} ${QRV_INSTALL_TOOLKIT_INCLUDEDIR})
endforeach()
foreach(_library IN LISTS _filter_libraries)
  qrv_installed_includes(${_library} ${QRV_INSTALL_FILTERS_INCLUDEDIR})
endforeach()
foreach(_library IN LISTS _convert_libraries)
  qrv_installed_includes(${_library} ${QRV_INSTALL_CONVERT_INCLUDEDIR})
endforeach()

install(TARGETS ${_libraries} ${_grouping_targets} EXPORT QRVEXTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)

# Headers: the library's under include/qrvex/, the toolkit's and the
# filters' in folders of their own (they include each other by bare name).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/qrvex DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT dev FILES_MATCHING PATTERN "*.h")
foreach(_library IN LISTS _toolkit_libraries)
  set(_header ${PROJECT_SOURCE_DIR}/toolkit/include/${_library}.h)
  if(_library STREQUAL "qrvim")
    set(_header ${PROJECT_SOURCE_DIR}/readers/include/qrvim.h)
  endif()
  install(FILES ${_header}
    DESTINATION ${QRV_INSTALL_TOOLKIT_INCLUDEDIR} COMPONENT dev)
endforeach()
if(_filter_libraries)
  install(FILES ${PROJECT_SOURCE_DIR}/filters/include/qrvfilters.h
    DESTINATION ${QRV_INSTALL_FILTERS_INCLUDEDIR} COMPONENT dev)
endif()
if(_convert_libraries)
  install(FILES ${PROJECT_SOURCE_DIR}/convert/include/qrvconvert.h
    DESTINATION ${QRV_INSTALL_CONVERT_INCLUDEDIR} COMPONENT dev)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/examples/word_count.c ${PROJECT_SOURCE_DIR}/examples/convert.c
  DESTINATION ${QRV_INSTALL_DOCDIR}/examples COMPONENT dev)

# Documentation: the README, docs/ and the API reference of the public
# headers.  The reference is built on demand (target apidoc, when doxygen is
# found) into the build tree and installed when it is there.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${QRV_INSTALL_DOCDIR} COMPONENT dev)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${QRV_INSTALL_DOCDIR}/docs COMPONENT dev)
set(QRV_APIDOC_DIR ${PROJECT_BINARY_DIR}/apidoc)
find_program(QRV_DOXYGEN doxygen)
if(QRV_DOXYGEN)
  # The tree's Doxyfile, writing into the build tree.
  file(WRITE ${PROJECT_BINARY_DIR}/Doxyfile.apidoc
    "@INCLUDE = ${PROJECT_SOURCE_DIR}/Doxyfile\n"
    "OUTPUT_DIRECTORY = ${QRV_APIDOC_DIR}\n")
  add_custom_target(apidoc
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QRV_APIDOC_DIR}/html
    COMMAND ${QRV_DOXYGEN} ${PROJECT_BINARY_DIR}/Doxyfile.apidoc
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "API reference of include/qrvex into ${QRV_APIDOC_DIR}/html"
    VERBATIM)
endif()
install(DIRECTORY ${QRV_APIDOC_DIR}/html/ DESTINATION ${QRV_INSTALL_DOCDIR}/html
  COMPONENT dev OPTIONAL)

if(TARGET qrvex-export)
  file(RELATIVE_PATH _lib_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
  if(NOT WIN32)
    set_target_properties(qrvex-export PROPERTIES INSTALL_RPATH "$ORIGIN/${_lib_from_bin}")
  endif()
  install(TARGETS qrvex-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/qrvex-export.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
  # The schema of the JSON output.
  install(FILES ${PROJECT_SOURCE_DIR}/docs/qrvex-document.schema.json
    DESTINATION ${CMAKE_INSTALL_DATADIR}/qrvex COMPONENT tools)
endif()

# The CMake package: find_package(QRVEX 1.0) and the QRVEX:: targets.
install(EXPORT QRVEXTargets NAMESPACE QRVEX:: FILE QRVEXTargets.cmake
  DESTINATION ${QRV_INSTALL_CMAKEDIR} COMPONENT dev)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/QRVEXConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QRVEXConfig.cmake INSTALL_DESTINATION ${QRV_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QRVEXConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QRVEXConfig.cmake ${PROJECT_BINARY_DIR}/QRVEXConfigVersion.cmake
  DESTINATION ${QRV_INSTALL_CMAKEDIR} COMPONENT dev)

include(${CMAKE_CURRENT_LIST_DIR}/pkgconfig.cmake)
