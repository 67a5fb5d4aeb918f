# The floors of src/ keep their order: nothing includes a floor above its own.
add_test(NAME layers
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-layers.sh ${PROJECT_SOURCE_DIR}/src)
set_tests_properties(layers PROPERTIES LABELS layers)

# The linker keeps the floors as well: each floor, linked whole with only the floors it names
# below it, leaves nothing undefined. (A floor that used a function of a floor above would
# fail to link here even where no include shows it.)
foreach(floor base audio lock widgets wordlist animation activities settings fullscreen)
  add_executable(floorcheck_${floor} ${CMAKE_CURRENT_LIST_DIR}/floorcheck.cpp)
  target_link_libraries(floorcheck_${floor} PRIVATE
    "$<LINK_LIBRARY:WHOLE_ARCHIVE,pommelot_${floor}>")
  set_target_properties(floorcheck_${floor} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/floorcheck)
endforeach()
