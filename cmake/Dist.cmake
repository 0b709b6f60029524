# The assembled program folder: every program, library and data folder that a
# user installs side by side (build/win64/dist).
set(MOUSE_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${MOUSE_DIST_DIR} ${MOUSE_DIST_DIR}/config)

function(mouse_dist_target target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${MOUSE_DIST_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${MOUSE_DIST_DIR})
  if(MINGW)
    # What users install carries no debug information.
    target_link_options(${target} PRIVATE -s)
  endif()
endfunction()
