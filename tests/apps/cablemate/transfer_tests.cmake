# The transfers: USB against a pipe the test plays, and against the simulated
# instrument through the real USB library; COM against the simulated
# instrument over pseudo-terminals.
harwick_test(cablemate_usb_transfer_test SOURCES usb_transfer_test.cpp DEPS cablemate_core LABELS threads)

harwick_test(cablemate_instrument_test QT_MAIN
  SOURCES com_transfer_test.cpp usb_sim_test.cpp
  DEPS cablemate_core harwick_instrument_sim
  LABELS threads)
add_dependencies(cablemate_instrument_test usbpipe)
target_compile_definitions(cablemate_instrument_test PRIVATE USBPIPE_DIR="$<TARGET_FILE_DIR:usbpipe>")

# A library of the right name that lacks an entry point.
add_library(read_only_usbpipe SHARED read_only_usbpipe/read_only.cpp)
set_target_properties(read_only_usbpipe PROPERTIES OUTPUT_NAME usbpipe
                      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/read-only)
add_dependencies(cablemate_instrument_test read_only_usbpipe)
target_compile_definitions(cablemate_instrument_test PRIVATE
  READ_ONLY_USBPIPE_DIR="$<TARGET_FILE_DIR:read_only_usbpipe>")
