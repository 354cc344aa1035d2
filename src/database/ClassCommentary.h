// Commentary paragraphs of the processor classes.
#pragma once
#include <cstdint>

// The paragraph of a class-stats key; "" for key 0 and for a key without one.
const char* ClassCommentary(uint32_t key);
