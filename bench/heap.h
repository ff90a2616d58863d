#pragma once

#include "platform/heap.h"

#include <QtGlobal>

// Benchmarks run with the heap set up as the program sets it at start; BENCH_DEFAULT_HEAP=1 in the
// environment leaves the C library's defaults, to measure what the setting is worth.
inline void heapAsTheProgram()
{
    if (!qEnvironmentVariableIsSet("BENCH_DEFAULT_HEAP"))
        keepHeapWarm();
}
