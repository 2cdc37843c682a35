# The one-way order of the folders of src/ and its check.
#
# The core folders (the files directly inside src/<folder>/) form a stack;
# each may include only the folders listed for it, all of which lie below
# it. The widget layer (every src/<folder>/ui/) sits above the whole core and
# may include any folder; src/app/ sits on top of everything. A core file
# must not include a widget header (Qt's or one of an ui/ folder).
#
#   analyser                               the analyser's layout
#   teacher < persistence, window, dialogs files (which store the locks and
#                                          the password), editing commands,
#                                          dialog helpers
#   language                               scanner, workspace, completion
#   figures                                every figure class, handles,
#                                          the class registry
#   surface                                the drawing surface
#   model                                  object model, call record,
#                                          recorder
#
# src/CMakeLists.txt runs the check at configure time; the test "schichten"
# runs this file as a script on src/ and on a tree with faulty includes:
#   cmake -DQUELLE=<src folder> -P cmake/Schichten.cmake

cmake_policy(VERSION 3.25)

# Bottom to top.
set(FIGURO_SCHICHTEN model surface figures language teacher persistence window dialogs analyser)
set(FIGURO_DARF_model)
set(FIGURO_DARF_surface model)
set(FIGURO_DARF_figures model surface)
set(FIGURO_DARF_language model surface figures)
set(FIGURO_DARF_teacher model surface figures language)
set(FIGURO_DARF_persistence model surface figures language teacher)
set(FIGURO_DARF_window model surface figures language)
set(FIGURO_DARF_dialogs model surface figures language)
set(FIGURO_DARF_analyser model surface figures language teacher persistence window dialogs)

# Qt headers that belong to the widget layer.
set(FIGURO_WIDGET_KOPF_REGEX "#include <(QtWidgets/|QWidget|QApplication|QDialog|QMainWindow|QMenu|QPushButton|QLabel)")

# Checks every file of the tree below `quelle` (a src/ folder) and fails
# with one message per fault.
function(figuro_schichten_pruefen quelle)
  set(fehler)
  file(GLOB ordner LIST_DIRECTORIES true RELATIVE ${quelle} ${quelle}/*)
  foreach(o IN LISTS ordner)
    if(NOT IS_DIRECTORY ${quelle}/${o} OR o STREQUAL "app")
      continue()
    endif()
    if(NOT o IN_LIST FIGURO_SCHICHTEN)
      list(APPEND fehler "src/${o}/ has no place in the layer order (cmake/Schichten.cmake)")
      continue()
    endif()
    file(GLOB kern ${quelle}/${o}/*.cpp ${quelle}/${o}/*.h)
    foreach(datei IN LISTS kern)
      file(RELATIVE_PATH name ${quelle} ${datei})
      file(STRINGS ${datei} zeilen REGEX "^[ \t]*#[ \t]*include")
      foreach(zeile IN LISTS zeilen)
        if(zeile MATCHES "${FIGURO_WIDGET_KOPF_REGEX}")
          list(APPEND fehler "src/${name} is core and includes a widget header: ${zeile}")
        elseif(zeile MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/(ui/)?")
          set(ziel ${CMAKE_MATCH_1})
          if(CMAKE_MATCH_2)
            list(APPEND fehler "src/${name} is core and includes the widget layer: ${zeile}")
          elseif(NOT ziel STREQUAL o AND NOT ziel IN_LIST FIGURO_DARF_${o})
            set(darf "${FIGURO_DARF_${o}}")
            if(NOT darf)
              set(darf "no other folder")
            endif()
            string(REPLACE ";" ", " darf "${darf}")
            list(APPEND fehler "src/${name} includes ${ziel}/, which is not below ${o} (${o} may include: ${darf})")
          endif()
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(fehler)
    list(JOIN fehler "\n  " text)
    message(FATAL_ERROR "Includes against the layer order:\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND DEFINED QUELLE)
  figuro_schichten_pruefen(${QUELLE})
  message(STATUS "Layer order holds in ${QUELLE}")
endif()
