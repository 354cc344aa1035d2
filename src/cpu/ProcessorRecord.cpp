// Definition of the process-wide processor record.
#include "cpu/ProcessorRecord.h"

ProcessorRecord processorRecord;
