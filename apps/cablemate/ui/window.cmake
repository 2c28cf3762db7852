# The window: the application state and commands, the document, the editor
# and the main frame; the program and the widget tests link it.
add_library(cablemate_window STATIC
  ui/cable_view.cpp
  ui/cable_doc.cpp
  ui/cable_app.cpp
  ui/main_frame.cpp
  ui/startup.cpp
  ui/qt_interactions.cpp)
target_include_directories(cablemate_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui)
target_link_libraries(cablemate_window PUBLIC cablemate_dialogs cablemate_core harwick_runtime harwick_profile
                      harwick_fileio Qt6::Widgets Qt6::PrintSupport)
harwick_strict(cablemate_window)

add_executable(cablemate ui/main.cpp)
target_link_libraries(cablemate PRIVATE cablemate_window)
add_dependencies(cablemate usbpipe)
harwick_strict(cablemate)
set_target_properties(cablemate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# Saves a picture of the window with a received job (scripts/screenshot.sh).
add_executable(cablemate-shot ui/shot_main.cpp)
target_link_libraries(cablemate-shot PRIVATE cablemate_window harwick_instrument_sim)
add_dependencies(cablemate-shot usbpipe)
harwick_strict(cablemate-shot)
set_target_properties(cablemate-shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
