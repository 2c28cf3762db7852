// The main of every benchmark. Built with HARWICK_BENCH_QT=1 the benchmarks
// run inside a Qt application object (the engine's event loops), with 2
// inside a widget application, offscreen unless a display is asked for.
// Built with HARWICK_BENCH_STEADY_HEAP, freed memory stays in the heap.
#include <benchmark/benchmark.h>

#if HARWICK_BENCH_QT == 1
#include <QCoreApplication>
#elif HARWICK_BENCH_QT == 2
#include <QApplication>
#include <QByteArray>
#endif

#include <malloc.h>

int main(int argc, char** argv)
{
#ifdef HARWICK_BENCH_STEADY_HEAP
    // Large outputs (130 MB for a million GSI-16 blocks, 26 MB for a drawing
    // of 100,000 points) would otherwise be mapped fresh from the kernel on
    // every run, and the kernel's zeroing of new pages, not our code, would
    // dominate the larger size. Keeping freed memory in the heap, as a
    // long-running program's allocator does, measures the readers and
    // writers themselves at both sizes.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
#if HARWICK_BENCH_QT == 1
    QCoreApplication app(argc, argv);
#elif HARWICK_BENCH_QT == 2
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
