# The full-screen tests need two monitors side by side (see tools/xvfb-run-test.sh) and send
# XTEST input of their own.
pkg_check_modules(XTEST REQUIRED IMPORTED_TARGET xcb-xtest xcb-keysyms)
target_link_libraries(pommelot_testsupport PUBLIC PkgConfig::XTEST)
foreach(name tst_fullscreen tst_randominput)
  if(TEST ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "SDL_AUDIODRIVER=disk;SDL_DISKAUDIODELAY=0;ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=0:malloc_context_size=0;POMMELOT_XVFB_MONITORS=2")
  endif()
endforeach()
