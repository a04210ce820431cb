#pragma once
// Benchmarks of the gigvale-tool "bench" verb.
#include <string>
#include <vector>

// Prints the median milliseconds per frame and texture switches per frame.
// Options: --frames N, --png FILE (captures the first frame).
int BenchRender(const std::vector<std::string>& args);
