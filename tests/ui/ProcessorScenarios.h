// Scenarios that compare the processor pages with the core's answer on this machine.
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

void ScenarioProcessor(const Args& args);
void ModeMainFrequency(const Args& args);
void ModeWaitSheet(const Args& args);
void ModeCloseSheet(const Args& args);
