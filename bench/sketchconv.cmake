# The drawing converter on a GSI-16 job of 100,000 points, writing through
# the real libdrawmap.so.
add_executable(sketchconv_bench sketchconv_bench.cpp)
target_link_libraries(sketchconv_bench PRIVATE sketchconv_core harwick_gsi
                                               benchmark::benchmark benchmark::benchmark_main)
target_compile_definitions(sketchconv_bench PRIVATE DRAWMAP_DIR="$<TARGET_FILE_DIR:drawmap>")
add_dependencies(sketchconv_bench drawmap)
harwick_strict(sketchconv_bench)
