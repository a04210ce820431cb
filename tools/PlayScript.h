#pragma once
// "play-script": runs the real game under the dummy video driver on a fixed frame clock, fed by
// a script of clicks, keys, typing, waits, shots and expectations.
#include <string>
#include <vector>

// Arguments: SCRIPT [--out DIR] [--seed N]. Exit 0 when every line held, 1 on the first
// failure (with the line, what was expected and the texts of that frame), 2 on bad arguments.
int PlayScript(const std::vector<std::string>& args);
