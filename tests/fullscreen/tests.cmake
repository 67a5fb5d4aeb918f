# Full screen keeps the pointer in on Wayland (sway nested in Xvfb, as the unprivileged user).
add_test(NAME fullscreen_wayland_pointer
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-pointer.sh $<TARGET_FILE:pommelot>
          ${PROJECT_SOURCE_DIR}/tools)
set_tests_properties(fullscreen_wayland_pointer PROPERTIES LABELS "e2e" TIMEOUT 90
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
