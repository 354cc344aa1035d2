// Owner of the description state.
#include "database/DescribeState.h"

DescribeState describeState;
