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
if(WIN32)
  # Windows has neither the free stand-in faces nor a data folder: the faces are built in, with a
  # copy of the pattern face (Linux takes them from its font packages and its data folder).
  set(faces_source ${CMAKE_CURRENT_LIST_DIR}/platform/windows/EmbeddedFaces.S)
  # DejaVu Sans is cut down to the letters a pupil's keyboard and the game's texts can give
  # (Latin, its accents, punctuation, currency signs and the replacement mark for broken text):
  # whole, it is 0.76 MB of the .exe, mostly scripts the game never shows. Every table FreeType
  # draws or measures with is kept for the glyphs left (metrics, hinting, the kern pairs, the
  # outline of the missing-letter box), so the text is drawn pixel for pixel as from the full file
  # on Linux. Lato stays whole: its licence reserves its name for the font as its authors made it,
  # and a cut copy would be a modified one. Debian's fonttools sits in Debian's own interpreter,
  # not in whichever python3 comes first on the path.
  find_program(TEVRA_FONTTOOLS_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  execute_process(COMMAND ${TEVRA_FONTTOOLS_PYTHON} -c "import fontTools.subset"
                  RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
  if(NOT TEVRA_FONTTOOLS_PYTHON OR fonttools_missing)
    message(FATAL_ERROR "the Windows build cuts its faces with Debian's python3-fonttools; "
                        "install it (scripts/windows does)")
  endif()
  set(kept_letters U+0000-017F U+0192 U+02C6-02C7 U+02D8-02DD U+2000-206F U+20A0-20C0 U+2122
                   U+FFFD)
  string(REPLACE ";" "," kept_letters "${kept_letters}")
  function(tevra_cut_face full out_var)
    get_filename_component(file_name "${full}" NAME)
    set(cut ${CMAKE_CURRENT_BINARY_DIR}/faces/${file_name})
    add_custom_command(OUTPUT ${cut}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/faces
      COMMAND ${TEVRA_FONTTOOLS_PYTHON} -m fontTools.subset ${full} --output-file=${cut}
              --unicodes=${kept_letters} --hinting --legacy-kern --notdef-outline
              --layout-features=* --name-IDs=* --name-languages=* --name-legacy
      DEPENDS ${full}
      COMMENT "Cutting ${file_name} down to the letters the game can show"
      VERBATIM)
    set(${out_var} ${cut} PARENT_SCOPE)
  endfunction()
  tevra_cut_face(/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf dejavu)
  set(faces LATO=/usr/share/fonts/truetype/lato/Lato-Black.ttf DEJAVU=${dejavu}
            PATTERN=${PROJECT_SOURCE_DIR}/int/Model.TTF)
  set(face_files "")
  foreach(face IN LISTS faces)
    string(REGEX REPLACE "^([A-Z]+)=(.*)$" "\\1" name "${face}")
    string(REGEX REPLACE "^([A-Z]+)=(.*)$" "\\2" file "${face}")
    set_property(SOURCE ${faces_source} APPEND PROPERTY COMPILE_DEFINITIONS
                 "TEVRA_FACE_${name}=\"${file}\"")
    list(APPEND face_files ${file})
  endforeach()
  set_source_files_properties(${faces_source} PROPERTIES OBJECT_DEPENDS "${face_files}")
  # Listing the faces as sources makes the library's build run the cutting command first.
  target_sources(toolkit_graphics PRIVATE ${faces_source} ${face_files})
else()
  find_package(Fontconfig REQUIRED)
  target_link_libraries(toolkit_graphics PRIVATE Fontconfig::Fontconfig)
endif()
# The resampling loops are written for the compiler's vector code, which -O2 leaves out; an
# 800 x 600 background enlarged for 1920 x 1080 takes 6 ms instead of 23.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/TScaledPictureCache.cpp
                            PROPERTIES COMPILE_OPTIONS -O3)
