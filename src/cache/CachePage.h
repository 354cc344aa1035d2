// What the two cache pages show: one grid copied into its 50 cell controls.
#pragma once
#include "cache/CacheGrid.h"
#include "ui/PageControls.h"

// All 50 cells in memory order, whatever rowCount says.
void ShowCacheGrid(PageControls& page, const CacheGrid& grid);
