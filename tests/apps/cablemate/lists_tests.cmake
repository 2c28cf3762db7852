# Settings file, list tables, coordinate correction and DXF export; the DXF
# test reads the drawing back with Debian's python3-ezdxf.
harwick_test(cablemate_lists_test
  SOURCES settings_test.cpp coordinate_lists_test.cpp dxf_export_test.cpp
  DEPS cablemate_convert)
