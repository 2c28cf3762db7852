# The cable program's dialogs over its engine; the window and the widget tests link them.
add_library(cablemate_dialogs STATIC
  ui/ui_mailbox.cpp
  ui/dialog_widgets.cpp
  ui/settings_dialogs.cpp
  ui/row_dialogs.cpp
  ui/list_dialogs.cpp
  ui/correction_dialog.cpp
  ui/saveas_dialog.cpp)
target_include_directories(cablemate_dialogs PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui)
target_link_libraries(cablemate_dialogs PUBLIC cablemate_core harwick_qtkit Qt6::Widgets)
harwick_strict(cablemate_dialogs)
