# Native builds run with sanitizers: AddressSanitizer and
# UndefinedBehaviorSanitizer by default, ThreadSanitizer on request (the two
# cannot share a build), none for benchmark builds.
set(MOUSE_SANITIZERS "address,undefined" CACHE STRING
    "Sanitizers of the native build: address,undefined | thread | none")

if(NOT WIN32 AND NOT MOUSE_SANITIZERS STREQUAL "none")
  add_compile_options(-fsanitize=${MOUSE_SANITIZERS} -fno-omit-frame-pointer)
  if(MOUSE_SANITIZERS MATCHES "undefined")
    add_compile_options(-fno-sanitize-recover=undefined)
  endif()
  add_link_options(-fsanitize=${MOUSE_SANITIZERS})
endif()
