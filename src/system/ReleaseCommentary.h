// Commentary paragraphs of the Windows release table.
#pragma once
#include <cstdint>

// The paragraph of release-table row; "" past the table.
const char* ReleaseCommentary(uint32_t row);
