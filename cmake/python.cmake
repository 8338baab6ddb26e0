# The Python package (bindings/python): on by default where pybind11 and
# the interpreter's headers are found in a native, unsanitised build.  A
# sanitised module would need the sanitiser's runtime loaded before the
# interpreter, and a cross or -m32 build has no interpreter to load it.
set(_qrv_python_default OFF)
if(DEFINED QRV_BUILD_PYTHON AND NOT QRV_BUILD_PYTHON)
  set(_qrv_python_reason "QRV_BUILD_PYTHON is OFF")
elseif(WIN32 OR CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR OR QRV_SANITIZE)
  set(_qrv_python_reason "a cross, emulated or sanitised build")
else()
  find_package(Python3 3.8 COMPONENTS Interpreter Development.Module QUIET)
  if(Python3_FOUND)
    find_package(pybind11 2.6 CONFIG QUIET)
  endif()
  if(Python3_FOUND AND pybind11_FOUND)
    set(_qrv_python_default ON)
  else()
    set(_qrv_python_reason "pybind11 or the Python headers are not found")
  endif()
endif()
option(QRV_BUILD_PYTHON "Build the Python package qrvex (needs pybind11 and the Python headers)"
  ${_qrv_python_default})
if(QRV_BUILD_PYTHON AND NOT _qrv_python_default)
  message(STATUS "Python package: off (${_qrv_python_reason})")
  set(QRV_BUILD_PYTHON OFF CACHE BOOL "" FORCE)
elseif(NOT QRV_BUILD_PYTHON)
  message(STATUS "Python package: off (${_qrv_python_reason})")
endif()
