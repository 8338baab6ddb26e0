# pkg-config files: qrvex.pc, qrvex-toolkit.pc, qrvex-filters.pc and
# qrvex-convert.pc.  The
# prefix is only known when installing (`cmake --install --prefix DIR`, or
# /usr inside a package), so each file is written then, from a template
# filled in here with everything else.

list(TRANSFORM _toolkit_libraries PREPEND "-l" OUTPUT_VARIABLE QRV_PC_TOOLKIT_LIBS)
list(JOIN QRV_PC_TOOLKIT_LIBS " " QRV_PC_TOOLKIT_LIBS)
# QRVIM links these privately; their flags matter only to a static link.
set(QRV_PC_TOOLKIT_REQUIRES_PRIVATE "")
if(TARGET qrvim)
  set(QRV_PC_TOOLKIT_REQUIRES_PRIVATE "libzip expat nettle")
endif()

set(_pc_files qrvex qrvex-toolkit)
if(_filter_libraries)
  list(APPEND _pc_files qrvex-filters)
endif()
if(_convert_libraries)
  list(APPEND _pc_files qrvex-convert)
endif()

set(prefix "@prefix@")  # kept for the install step
foreach(_pc IN LISTS _pc_files)
  set(_template ${PROJECT_BINARY_DIR}/pkgconfig/${_pc}.pc.in)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/pkgconfig/${_pc}.pc.in ${_template} @ONLY)
  install(CODE "
    set(_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QRV_INSTALL_PKGCONFIGDIR}\")
    file(READ \"${_template}\" _text)
    string(REPLACE \"@prefix@\" \"\${CMAKE_INSTALL_PREFIX}\" _text \"\${_text}\")
    message(STATUS \"Installing: \${_dir}/${_pc}.pc\")
    file(WRITE \"\${_dir}/${_pc}.pc\" \"\${_text}\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_dir}/${_pc}.pc\")
  " COMPONENT dev)
endforeach()
unset(prefix)
