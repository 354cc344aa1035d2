// tivrel-cpuid's entry point.
#include "tools/TivrelCpuid.h"

int main(int argc, char** argv) { return RunTivrelCpuid(argc, argv, {stdin, stdout, stderr}); }
