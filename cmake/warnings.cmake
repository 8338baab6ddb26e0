# Warnings as errors for every target of ours.
function(qrv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>)
  # GCC 12 at -O3 reports std::string's own inlined copies in
  # `"text" + std::string` as overlapping (a known false positive of its
  # -Wrestrict); keep the warning, but not as an error there.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU"
     AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-Wno-error=restrict>)
  endif()
endfunction()
