# Desktop integration files and the install, checked as files and as a user meets them.
set(install_data ${PROJECT_SOURCE_DIR}/data)

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME install_desktop_entry
    COMMAND ${DESKTOP_FILE_VALIDATE} ${install_data}/org.quorvex.Pommelot.desktop)
  set_tests_properties(install_desktop_entry PROPERTIES LABELS install)
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME install_metainfo
    COMMAND ${APPSTREAMCLI} validate --no-net
            ${install_data}/org.quorvex.Pommelot.metainfo.xml)
  set_tests_properties(install_metainfo PROPERTIES LABELS install)
endif()

add_test(NAME install_voice
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/voice-test.sh ${PROJECT_BINARY_DIR}
          ${install_data})
set_tests_properties(install_voice PROPERTIES LABELS install TIMEOUT 120)

# Installs into a temporary prefix and rebuilds the starter voice in this build folder, so it
# must not run beside other tests that build or read the build folder's recordings.
add_test(NAME install_and_seed
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install-test.sh ${PROJECT_BINARY_DIR})
set_tests_properties(install_and_seed PROPERTIES LABELS install TIMEOUT 600 RUN_SERIAL TRUE)

# One copy at a time: a second start gives way to the running copy, with and without a
# session bus. Runs the program in its own program folders under its own Xvfb and openbox.
add_test(NAME install_one_copy
  COMMAND ${PROJECT_SOURCE_DIR}/tools/xvfb-run-test.sh bash
          ${CMAKE_CURRENT_LIST_DIR}/one-copy-test.sh $<TARGET_FILE:pommelot>
          ${PROJECT_BINARY_DIR}/data/shipped)
# Serial: it checks that the log semaphore stays as it is, which other test programs create
# and remove as they start and end.
set_tests_properties(install_one_copy PROPERTIES LABELS "install;e2e" TIMEOUT 120 RUN_SERIAL TRUE
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
