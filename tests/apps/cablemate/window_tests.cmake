# The real window, offscreen, against the simulated instrument.
harwick_test(cablemate_window_test WIDGETS_MAIN
  SOURCES window_test.cpp
  DEPS cablemate_window harwick_instrument_sim
  LABELS threads)
add_dependencies(cablemate_window_test usbpipe cablemate)
target_compile_definitions(cablemate_window_test PRIVATE USBPIPE_DIR="$<TARGET_FILE_DIR:usbpipe>"
                           CABLEMATE_BIN="$<TARGET_FILE:cablemate>")
