// What the two cache pages show: one grid copied into its 80 cell controls.
#pragma once
#include "cache/CacheGrid.h"
#include "ui/PageControls.h"

// All 80 cells in memory order, whatever rowCount says.
void ShowCacheGrid(PageControls& page, const CacheGrid& grid);
