# The keyboard lock against a real Wayland compositor (headless sway, run as an unprivileged
# user) with the whole program.
add_test(NAME lock_wayland_escape
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-escape.sh $<TARGET_FILE:pommelot>
          ${PROJECT_SOURCE_DIR}/tools)
set_tests_properties(lock_wayland_escape PROPERTIES LABELS "e2e" TIMEOUT 120)
