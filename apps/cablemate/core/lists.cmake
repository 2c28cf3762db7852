# Settings, lists, correction and DXF export.
target_sources(cablemate_convert PRIVATE core/settings.cpp core/coordinate_lists.cpp core/dxf_export.cpp)
target_link_libraries(cablemate_convert PUBLIC harwick_profile harwick_text harwick_comports)
