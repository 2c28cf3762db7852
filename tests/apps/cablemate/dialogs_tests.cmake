# The cable program's dialogs, offscreen; nested dialogs are answered by a
# scripted runner, the Save As progress by a worker thread.
harwick_test(cablemate_dialogs_test WIDGETS_MAIN
  SOURCES dialogs_test.cpp
  DEPS cablemate_dialogs
  LABELS threads)
