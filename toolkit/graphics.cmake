# The painter, pictures, fonts, system colours and resource table: the half of the GUI layer
# that needs no window.
find_package(Freetype REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)

add_library(toolkit_graphics STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TScaledPictureCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TFontEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TResources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SysColors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/${TEVRA_PLATFORM}/Platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform/${TEVRA_PLATFORM}/TFaceFinder.cpp)
target_include_directories(toolkit_graphics PUBLIC ${PROJECT_SOURCE_DIR}/toolkit)
target_link_libraries(toolkit_graphics PUBLIC tevra_common
  PRIVATE Freetype::Freetype JPEG::JPEG PNG::PNG)
if(NOT WIN32)
  find_package(Fontconfig REQUIRED)
  target_link_libraries(toolkit_graphics PRIVATE Fontconfig::Fontconfig)
endif()
# The resampling loops are written for the compiler's vector code, which -O2 leaves out; an
# 800 x 600 background enlarged for 1920 x 1080 takes 6 ms instead of 23.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/TScaledPictureCache.cpp
                            PROPERTIES COMPILE_OPTIONS -O3)
