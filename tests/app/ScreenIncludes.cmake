# Fails when a game screen, or the kit below the screens, includes a screen's header (other than
# its own) or the shell's: the screens meet only through app/MatchShell.h, so that each builds on
# the shared kit alone.
file(GLOB screen_files ${ROOT}/games/*/Unit*.h ${ROOT}/games/*/Unit*.cpp ${ROOT}/app/MatchShell.h ${ROOT}/app/GameScreen.*
     ${ROOT}/app/MatchState.* ${ROOT}/app/ScreenLayout.* ${ROOT}/app/Stage.h)
set(faults "")
foreach(path IN LISTS screen_files)
  get_filename_component(own ${path} NAME_WE)
  file(STRINGS ${path} includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(name ${header} NAME_WE)
    if((name MATCHES "^Unit[0-9]+$" AND NOT name STREQUAL own) OR name MATCHES "^(MatchRunner|Screens)$")
      list(APPEND faults "${path} includes ${header}")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
