# The cable program's dialogs, offscreen; nested dialogs are answered by a
# scripted runner, the Save As progress by a worker thread.
harwick_test(cablemate_dialogs_test OWN_MAIN
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/../stationmate/qt_widgets_main.cpp dialogs_test.cpp
  DEPS cablemate_dialogs
  LABELS threads)
