// tivrel-cpuid's whole run, apart from the process: its options, output and exit status.
#pragma once
#include <cstdio>

// Where a run reads a dump given as "-" and writes its output and its messages.
struct ToolStreams {
    FILE* in;
    FILE* out;
    FILE* err;
};

// Runs tivrel-cpuid with its command line (argv[0] the program) and returns the exit status:
// 0, or 2 for a usage error or a dump that cannot be read.
int RunTivrelCpuid(int argc, char** argv, const ToolStreams& streams);
