# The Python package (bindings/python): on by default where pybind11 and
# the interpreter's headers are found in a native, unsanitised build.  A
# sanitised module would need the sanitiser's runtime loaded before the
# interpreter, and a cross or -m32 build has no interpreter to load it.
# An OFF that was only the default is looked at again on each configure, so
# installing pybind11 later turns the package on; an OFF given stays.
if(DEFINED QRV_BUILD_PYTHON AND NOT QRV_BUILD_PYTHON AND NOT QRV_PYTHON_OFF_BY_DEFAULT)
  set(_qrv_python_reason "QRV_BUILD_PYTHON is OFF")
elseif(WIN32 OR CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR OR QRV_SANITIZE)
  set(_qrv_python_reason "a cross, emulated or sanitised build")
else()
  find_package(Python3 3.8 COMPONENTS Interpreter Development.Module QUIET)
  if(Python3_FOUND)
    find_package(pybind11 2.6 CONFIG QUIET)
  endif()
  if(Python3_FOUND AND pybind11_FOUND)
    set(_qrv_python_found ON)
  else()
    set(_qrv_python_reason "pybind11 or the Python headers are not found")
  endif()
endif()

set(_qrv_python_given ${QRV_BUILD_PYTHON})
if(NOT DEFINED QRV_BUILD_PYTHON)
  set(_qrv_python_given "")
endif()
option(QRV_BUILD_PYTHON "Build the Python package qrvex (needs pybind11 and the Python headers)" ${_qrv_python_found})
if(_qrv_python_found AND QRV_PYTHON_OFF_BY_DEFAULT)
  set(QRV_BUILD_PYTHON ON CACHE BOOL "" FORCE)
endif()
if(_qrv_python_found)
  set(QRV_PYTHON_OFF_BY_DEFAULT OFF CACHE INTERNAL "")
else()
  if(_qrv_python_given STREQUAL "" OR QRV_BUILD_PYTHON OR QRV_PYTHON_OFF_BY_DEFAULT)
    # Not asked for, asked for, or off only by default, and not possible
    # here: off, and looked at again next time.
    set(QRV_BUILD_PYTHON OFF CACHE BOOL "" FORCE)
    set(QRV_PYTHON_OFF_BY_DEFAULT ON CACHE INTERNAL "")
  else()
    set(QRV_PYTHON_OFF_BY_DEFAULT OFF CACHE INTERNAL "")
  endif()
  message(STATUS "Python package: off (${_qrv_python_reason})")
endif()
