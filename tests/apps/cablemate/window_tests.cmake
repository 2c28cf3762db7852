find_package(Qt6 REQUIRED COMPONENTS Test)
# The real window, offscreen, against the simulated instrument.
harwick_test(cablemate_window_test OWN_MAIN
  SOURCES ../stationmate/qt_widgets_main.cpp window_test.cpp
  DEPS cablemate_window harwick_instrument_sim Qt6::Test
  LABELS threads)
add_dependencies(cablemate_window_test usbpipe cablemate)
target_compile_definitions(cablemate_window_test PRIVATE USBPIPE_DIR="$<TARGET_FILE_DIR:usbpipe>"
                           CABLEMATE_BIN="$<TARGET_FILE:cablemate>")
