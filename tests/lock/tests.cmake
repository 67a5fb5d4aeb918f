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

# Keys and clicks typed into KWin through its fake-input protocol (plasma-wayland-protocols).
find_program(WAYLAND_SCANNER wayland-scanner)
pkg_check_modules(WAYLAND_CLIENT IMPORTED_TARGET wayland-client)
set(fake_input_xml /usr/share/plasma-wayland-protocols/fake-input.xml)
if(WAYLAND_SCANNER AND WAYLAND_CLIENT_FOUND AND EXISTS ${fake_input_xml})
  set(fake_input_dir ${CMAKE_CURRENT_BINARY_DIR}/fake-input)
  add_custom_command(
    OUTPUT ${fake_input_dir}/fake-input-client-protocol.h ${fake_input_dir}/fake-input-protocol.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${fake_input_dir}
    COMMAND ${WAYLAND_SCANNER} client-header ${fake_input_xml}
            ${fake_input_dir}/fake-input-client-protocol.h
    COMMAND ${WAYLAND_SCANNER} private-code ${fake_input_xml} ${fake_input_dir}/fake-input-protocol.c
    DEPENDS ${fake_input_xml})
  add_executable(lock_kwin_keys ${CMAKE_CURRENT_LIST_DIR}/kwin_keys.cpp
                 ${fake_input_dir}/fake-input-protocol.c)
  target_include_directories(lock_kwin_keys PRIVATE ${fake_input_dir})
  target_link_libraries(lock_kwin_keys PRIVATE PkgConfig::WAYLAND_CLIENT)
  set_target_properties(lock_kwin_keys PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
if(TARGET lock_kwin_keys)
  # The keyboard lock under KWin, KDE's compositor (virtual backend, as the unprivileged user).
  add_test(NAME lock_wayland_kwin
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland-kwin.sh $<TARGET_FILE:pommelot>
            $<TARGET_FILE:lock_kwin_keys> ${PROJECT_SOURCE_DIR}/tools)
  set_tests_properties(lock_wayland_kwin PROPERTIES LABELS "e2e" TIMEOUT 180
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
