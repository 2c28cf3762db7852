# The window: the application state and commands, the document, the editor
# and the main frame; the program and the widget tests link it.
harwick_library(cablemate_window INCLUDE ${CMAKE_CURRENT_SOURCE_DIR}/ui
  SOURCES ui/cable_view.cpp ui/cable_doc.cpp ui/cable_app.cpp ui/main_frame.cpp ui/startup.cpp ui/qt_interactions.cpp
  DEPS cablemate_dialogs cablemate_core harwick_runtime harwick_profile harwick_fileio Qt6::Widgets Qt6::PrintSupport)

# The program needs libusbpipe.so beside it; the picture taker receives a
# job from the simulated instrument.
harwick_program(cablemate WINDOW cablemate_window SHOT_DEPS harwick_instrument_sim)
add_dependencies(cablemate usbpipe)
add_dependencies(cablemate-shot usbpipe)
