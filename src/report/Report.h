// The HTML system report: one flat sequence of fragments, no line breaks.
#pragma once
#include <cstdint>

#include "cache/CacheGrid.h"
#include "report/DriveSurvey.h"
#include "report/TextSink.h"

// "</td></tr><tr><td>" + label + "</td><td><b>"; the caller writes the value.
void WriteLabelRow(TextSink& file, const char* label);
// The heading row, an empty row, and the first rows of the grid, five cells each.
void WriteCacheTable(TextSink& file, const CacheGrid& grid, uint32_t rowCount);
// Everything after the file is open: the processor texts (described already), the caches, the
// system texts, the cache test, the drives, and the processor's features by word.
void WriteReportBody(TextSink& file, DriveQueries& drives);
