# The cable program's dialogs over its engine; the window and the widget tests link them.
harwick_library(cablemate_dialogs INCLUDE ${CMAKE_CURRENT_SOURCE_DIR}/ui
  SOURCES ui/ui_mailbox.cpp ui/dialog_widgets.cpp ui/settings_dialogs.cpp ui/row_dialogs.cpp ui/list_dialogs.cpp
          ui/correction_dialog.cpp ui/saveas_dialog.cpp
  DEPS cablemate_core harwick_qtkit Qt6::Widgets)
