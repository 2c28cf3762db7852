# The coordinate editor's window on a job of 100,000 points (offscreen).
add_executable(pointbook_bench pointbook_bench.cpp)
target_link_libraries(pointbook_bench PRIVATE pointbook_window benchmark::benchmark)
harwick_strict(pointbook_bench)
