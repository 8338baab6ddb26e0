# The win32 build (toolchain cmake/mingw-w64-i686.cmake, preset win32):
# every DLL is named as its module (qrvex.dll, qrvch.dll, ...) and lands
# beside the programs in bin/, with a MinGW import library lib<name>.dll.a.
if(NOT WIN32)
  return()
endif()

set(CMAKE_SHARED_LIBRARY_PREFIX "")

option(QRV_WIN32_SYSTEM_FORMATTERS
  "Use the system's _ecvt and wsprintfA instead of ours (shows where they differ)" OFF)
if(QRV_WIN32_SYSTEM_FORMATTERS)
  add_compile_definitions(QRV_WIN32_SYSTEM_FORMATTERS=1)
endif()

# A test program runs as one CTest test, one Wine process for all its cases,
# and writes its report to test-reports/ (scripts/test-windows.sh counts them).
# (A relative path: to a Windows program /work/... is not absolute.)
function(qrv_add_program_test target)
  add_test(NAME ${target} COMMAND ${target} --gtest_output=xml:test-reports/${target}.xml
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${target} PROPERTIES TIMEOUT 600)
endfunction()
