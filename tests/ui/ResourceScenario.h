// Scenario: the executable's version record, icon groups and manifest.
#pragma once

#include <string>
#include <vector>

void ScenarioResources(const std::vector<std::string>& args);
