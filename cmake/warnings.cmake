# -Wall -Wextra -Werror everywhere; targets opt in with qrv_warnings().
function(qrv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>)
endfunction()
