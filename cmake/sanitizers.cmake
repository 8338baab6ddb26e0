# QRV_SANITIZE applies to every target of the tree, so that the platform, the
# toolkit stand-ins, the library and the tests share one runtime.
if(QRV_SANITIZE)
  add_compile_options(-fsanitize=${QRV_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QRV_SANITIZE})
endif()
if(QRV_MOVE_ON_REALLOC)
  add_compile_definitions(QRV_MOVE_ON_REALLOC=1)
endif()
if(QRV_BUILD_FUZZERS)
  # Coverage feedback for libFuzzer in every library the harnesses reach.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
