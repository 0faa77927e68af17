# The text boxes of the GUI layer: the rich-text display, the memo and the single-line box.
target_sources(toolkit PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TTextLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TTextEditing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TMemo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TRichEdit.cpp)
