#pragma once
// Tuning values that win over the table's until cleared, kept across reloads: the script
// driver starts the game with a developer switch on without touching the shipped file.
#include <string>

void OverrideTuningValue(const std::string& key, float value);
void ClearTuningOverrides();
