# The test "schichten": the layer check accepts src/ and rejects a small
# tree with an upward include, an include between two folders of the same
# layer that are not ordered, a core include of the widget layer and a
# folder missing from the order.
#   cmake -DQUELLE=<src folder> -DARBEIT=<scratch folder> -P cmake/SchichtenTest.cmake

cmake_policy(VERSION 3.25)

set(pruefung ${CMAKE_CURRENT_LIST_DIR}/Schichten.cmake)

function(pruefen quelle ergebnis ausgabe)
  execute_process(COMMAND ${CMAKE_COMMAND} -DQUELLE=${quelle} -P ${pruefung}
                  RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE e)
  set(${ergebnis} ${r} PARENT_SCOPE)
  set(${ausgabe} "${o}${e}" PARENT_SCOPE)
endfunction()

pruefen(${QUELLE} r text)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "src/ breaks the layer order:\n${text}")
endif()

set(baum ${ARBEIT}/schichten-fehler)
file(REMOVE_RECURSE ${baum})
file(WRITE ${baum}/model/Objekt.h "#pragma once\n#include \"model/Data.h\"\n")
file(WRITE ${baum}/model/Dokument.cpp "#include \"model/Objekt.h\"\n#include \"figures/ZeichenObjekt.h\"\n")
file(WRITE ${baum}/surface/Zeichenflaeche.h "#include \"model/Farbe.h\"\n")
file(WRITE ${baum}/window/Befehle.cpp "#include \"surface/Zeichenflaeche.h\"\n  #  include \"persistence/Export.h\"\n")
file(WRITE ${baum}/teacher/Sperren.cpp "#include \"window/ui/FMain.h\"\n")
file(WRITE ${baum}/teacher/ui/Dialog.cpp "#include \"window/ui/FMain.h\"\n#include <QDialog>\n")
file(WRITE ${baum}/figures/Linie.cpp "#include <QLabel>\n")
file(WRITE ${baum}/extra/Neu.cpp "#include \"model/Objekt.h\"\n")
file(WRITE ${baum}/app/main.cpp "#include \"window/ui/FMain.h\"\n")

pruefen(${baum} r text)
set(erwartet
  "src/model/Dokument.cpp includes figures/, which is not below model \\(model may include: no other folder\\)"
  "src/window/Befehle.cpp includes persistence/, which is not below window \\(window may include: model, surface, figures, language\\)"
  "src/teacher/Sperren.cpp is core and includes the widget layer: #include \"window/ui/FMain.h\""
  "src/figures/Linie.cpp is core and includes a widget header: #include <QLabel>"
  "src/extra/ has no place in the layer order")
if(r EQUAL 0)
  message(FATAL_ERROR "The check accepted a tree with faulty includes:\n${text}")
endif()
foreach(meldung IN LISTS erwartet)
  if(NOT text MATCHES "${meldung}")
    message(FATAL_ERROR "Missing rejection \"${meldung}\" in:\n${text}")
  endif()
endforeach()
# Exactly the five faults: the allowed includes (same folder, lower folder,
# widget layer, app) are not reported.
string(REGEX MATCHALL "\n *src/" zeilen "${text}")
list(LENGTH zeilen anzahl)
if(NOT anzahl EQUAL 5)
  message(FATAL_ERROR "Expected 5 rejections, got ${anzahl}:\n${text}")
endif()
message(STATUS "The layer check accepts src/ and rejects the five faulty includes")
