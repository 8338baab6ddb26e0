# Debian packages (`cpack -G DEB` in the build directory), one for each
# install component of cmake/install.cmake:
#   libqrvex1     the shared libraries
#   libqrvex-dev  headers, the .so links, the CMake package, pkg-config files
#   qrvex-tools   qrvex-export and its man page
#   python3-qrvex the Python package qrvex, where it is built
# The packages depend on each other at exactly this version, and on the
# system libraries their programs need (dpkg-shlibdeps finds those).

set(CPACK_PACKAGE_NAME qrvex)
set(CPACK_PACKAGE_VENDOR "QRVEX")
set(CPACK_PACKAGE_CONTACT "QRVEX developers <qrvex@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "export-support library of a document-conversion toolkit")
set(CPACK_GENERATOR DEB)
# Installed with DESTDIR, so that files written at install time (pkg-config)
# see the package's own prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET qrvex-export)
  list(APPEND CPACK_COMPONENTS_ALL tools)
endif()
if(TARGET _qrvex)
  list(APPEND CPACK_COMPONENTS_ALL python)
endif()
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)
set(CPACK_COMPONENT_PYTHON_DEPENDS runtime)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# qrvex-export needs the libraries of libqrvex1, which are in no installed
# package while this one is built: dpkg-shlibdeps finds them here, and the
# component dependency above names their package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libqrvex1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "QRVEX export-support library, its toolkit and reference filters (shared libraries)")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libqrvex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "QRVEX export-support library: headers, CMake package and pkg-config files")
# pkg-config reads the private requirements of qrvex-toolkit.pc for --cflags.
if(TARGET qrvim)
  set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libzip-dev, libexpat1-dev, nettle-dev")
endif()

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME qrvex-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION text)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
  "qrvex-export: converts workbooks and documents to HTML or plain text, one or many at a time")

if(TARGET _qrvex)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-qrvex)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  # The module is built for one version of the interpreter.
  math(EXPR _python_next_minor "${Python3_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~), python3 (<< ${Python3_VERSION_MAJOR}.${_python_next_minor})")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SUGGESTS python3-distributed)
  set(CPACK_COMPONENT_PYTHON_DESCRIPTION
    "Python package qrvex: documents converted in one call, read as objects, and many at once on Dask")
endif()

include(CPack)
