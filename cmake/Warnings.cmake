# Warnings are errors on both toolchains.
add_library(mouse_warnings INTERFACE)
if(MSVC)
  target_compile_options(mouse_warnings INTERFACE /W4 /WX /permissive- /utf-8)
else()
  target_compile_options(mouse_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()
