# Tests of the text boxes: memo editing and limits, the single-line box, rich-text colours.
add_executable(toolkit_textbox_tests
  ${CMAKE_CURRENT_LIST_DIR}/TMemoTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TRichEditTest.cpp)
target_include_directories(toolkit_textbox_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(toolkit_textbox_tests PRIVATE toolkit_headless GTest::gtest_main)
gtest_discover_tests(toolkit_textbox_tests DISCOVERY_MODE PRE_TEST)
