# Block stream, text conversions and the line counters they rely on.
harwick_test(cablemate_convert_test
  SOURCES block_stream_test.cpp conversions_test.cpp
  DEPS cablemate_convert)
