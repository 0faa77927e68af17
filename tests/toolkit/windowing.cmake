# Tests of forms, controls, timers, the loop and the headless backend (no display needed).
add_executable(toolkit_windowing_tests
  ${CMAKE_CURRENT_LIST_DIR}/TimerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormInputTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SdlKeyMapTest.cpp)
target_link_libraries(toolkit_windowing_tests PRIVATE toolkit_headless toolkit_sdl GTest::gtest_main)
# The key map test reads SDL's keycodes; imported targets are local to the folder that finds them.
find_package(SDL2 REQUIRED)
if(TARGET SDL2::SDL2-static AND WIN32)
  target_link_libraries(toolkit_windowing_tests PRIVATE SDL2::SDL2-static)
elseif(TARGET SDL2::SDL2)
  target_link_libraries(toolkit_windowing_tests PRIVATE SDL2::SDL2)
else()
  target_include_directories(toolkit_windowing_tests PRIVATE ${SDL2_INCLUDE_DIRS})
  target_link_libraries(toolkit_windowing_tests PRIVATE ${SDL2_LIBRARIES})
endif()
gtest_discover_tests(toolkit_windowing_tests DISCOVERY_MODE PRE_TEST)
