// Owner of the description state and texts.
#include "database/DescribeState.h"

DescribeState describeState;
ProcessorDescription processorDescription;
