# The windowing half of the GUI layer: forms, controls, timers and the loop, and its two backends.
add_library(toolkit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TTimer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TControl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TProgressBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TDrawGrid.cpp)
target_include_directories(toolkit PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(toolkit PUBLIC toolkit_graphics)

# Tests and tools run on this one; it never opens a display.
add_library(toolkit_headless STATIC
  ${CMAKE_CURRENT_LIST_DIR}/headless/THeadlessBackend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless/THeadlessDriver.cpp)
target_link_libraries(toolkit_headless PUBLIC toolkit)

find_package(SDL2 REQUIRED)
add_library(toolkit_sdl STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sdl/TSdlBackend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlKeyMap.cpp)
target_link_libraries(toolkit_sdl PUBLIC toolkit)
if(WIN32)
  target_sources(toolkit_sdl PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlPlatformWindows.cpp)
else()
  # The X error handler that keeps a window destroyed from outside from ending the process; the
  # full-screen request made on the window itself and the pixels sent from the frame
  # (sdl/X11FullScreen.cpp, sdl/X11Presenter.cpp). The monitors of a screen and their changes
  # (sdl/X11Monitors.cpp) come through RandR.
  target_sources(toolkit_sdl PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/sdl/SdlPlatformX11.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl/X11FullScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl/X11Monitors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl/X11Presenter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl/X11WindowWatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl/X11Colours.cpp)
  find_package(X11 REQUIRED)
  if(NOT X11_Xrandr_FOUND)
    message(FATAL_ERROR "the X RandR library is missing (Debian: libxrandr-dev)")
  endif()
  target_link_libraries(toolkit_sdl PRIVATE X11::X11 X11::Xrandr)
endif()
if(TARGET SDL2::SDL2-static AND WIN32)
  # One self-contained .exe: SDL linked in.
  target_link_libraries(toolkit_sdl PRIVATE SDL2::SDL2-static)
elseif(TARGET SDL2::SDL2)
  target_link_libraries(toolkit_sdl PRIVATE SDL2::SDL2)
else()
  target_include_directories(toolkit_sdl PRIVATE ${SDL2_INCLUDE_DIRS})
  target_link_libraries(toolkit_sdl PRIVATE ${SDL2_LIBRARIES})
endif()
