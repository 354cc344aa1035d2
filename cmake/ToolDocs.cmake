# tivrel-cpuid's manual page and, for its Debian package, its copyright file and changelog, under
# PREFIX/share. The manual page and the changelog go gzipped, as Debian ships them: gzip -9n at
# configure time (the most compressed, no name or time stamp, so every build gives the same bytes;
# changing a source configures again), ready before anything is built, for cmake --install alone.
set(TIVREL_TOOL_DOC_DIR share/doc/tivrel-cpuid)

function(tivrel_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/gzipped)
  execute_process(COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} OUTPUT_FILE ${gzipped}
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${source})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

tivrel_install_gzipped(src/tools/tivrel-cpuid.1 share/man/man1)
tivrel_install_gzipped(packaging/changelog ${TIVREL_TOOL_DOC_DIR})
install(FILES packaging/copyright DESTINATION ${TIVREL_TOOL_DOC_DIR})
