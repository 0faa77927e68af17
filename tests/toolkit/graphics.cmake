# Pixel tests of the painter, picture codecs, fonts, resources and system colours.
add_executable(toolkit_graphics_tests
  ${CMAKE_CURRENT_LIST_DIR}/TCanvasTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TCanvasScaleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TBitmapTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TFontEngineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GraphicsResourcesTest.cpp)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
target_link_libraries(toolkit_graphics_tests PRIVATE toolkit_graphics tevra_assets JPEG::JPEG
  PNG::PNG GTest::gtest_main)
target_compile_definitions(toolkit_graphics_tests PRIVATE
  TEVRA_FONT_CONF="${PROJECT_SOURCE_DIR}/assets/fonts/tevra-fonts.conf"
  TEVRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
gtest_discover_tests(toolkit_graphics_tests DISCOVERY_MODE PRE_TEST)
