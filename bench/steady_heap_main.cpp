// The main of the benchmarks whose outputs are large.
#include <benchmark/benchmark.h>

#include <malloc.h>

// Large outputs (130 MB for a million GSI-16 blocks, 26 MB for a drawing of
// 100,000 points) would otherwise be mapped fresh from the kernel on every
// run, and the kernel's zeroing of new pages, not our code, would dominate
// the larger size. Keeping freed memory in the heap, as a long-running
// program's allocator does, measures the readers and writers themselves at
// both sizes.
int main(int argc, char** argv)
{
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
