# The keyboard lock against a real Wayland compositor (headless sway, run as an unprivileged
# user) with the whole program.
add_test(NAME lock_wayland_escape
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-escape.sh $<TARGET_FILE:pommelot>
          ${PROJECT_SOURCE_DIR}/tools)
set_tests_properties(lock_wayland_escape PROPERTIES LABELS "e2e" TIMEOUT 120
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")

# A stand-in for the desktop's screen saver and logind on a private bus, for the inhibitor tests.
add_executable(lock_dbus_standin ${CMAKE_CURRENT_LIST_DIR}/dbus_standin.cpp)
target_link_libraries(lock_dbus_standin PRIVATE Qt6::DBus)
set_target_properties(lock_dbus_standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
if(TARGET tst_lockinhibitors)
  add_dependencies(tst_lockinhibitors lock_dbus_standin)
  target_compile_definitions(tst_lockinhibitors PRIVATE
    LOCK_DBUS_STANDIN="$<TARGET_FILE:lock_dbus_standin>")
endif()

# Full screen keeps the pointer in on Wayland (sway nested in Xvfb, as the unprivileged user).
add_test(NAME lock_wayland_pointer
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-pointer.sh $<TARGET_FILE:pommelot>
          ${PROJECT_SOURCE_DIR}/tools)
set_tests_properties(lock_wayland_pointer PROPERTIES LABELS "e2e" TIMEOUT 90
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")

# Keys typed into a headless GNOME compositor through its remote-desktop interface.
add_executable(lock_mutter_keys ${CMAKE_CURRENT_LIST_DIR}/mutter_keys.cpp)
target_link_libraries(lock_mutter_keys PRIVATE Qt6::DBus)
set_target_properties(lock_mutter_keys PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# The keyboard lock under headless mutter, GNOME's compositor (as the unprivileged user).
add_test(NAME lock_wayland_gnome
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-gnome.sh $<TARGET_FILE:pommelot>
          $<TARGET_FILE:lock_mutter_keys> ${PROJECT_SOURCE_DIR}/tools)
set_tests_properties(lock_wayland_gnome PROPERTIES LABELS "e2e" TIMEOUT 120
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
