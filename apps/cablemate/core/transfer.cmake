# Transfers over USB and COM ports.
target_sources(cablemate_core PRIVATE core/transfer_state.cpp core/usb_binding.cpp core/usb_transfer.cpp
                                      core/com_port.cpp core/com_transfer.cpp core/transfer_runner.cpp)
target_link_libraries(cablemate_core PUBLIC harwick_serialline harwick_comports harwick_traffic ${CMAKE_DL_LIBS})
# The USB library's header only: the library itself is loaded at run time.
target_include_directories(cablemate_core PUBLIC ${PROJECT_SOURCE_DIR}/libs/usbpipe)
