#pragma once
// Benchmarks of the gigvale-tool "bench" verb.
#include <string>
#include <vector>

// Works from the run folder beside the executable (its data/) under SDL's dummy drivers, as the
// tool's verbs that run the real renderer or the whole game do.
void UseRunFolderHeadless();

// Prints the median milliseconds per frame and texture switches per frame.
// Options: --frames N, --png FILE (captures the first frame).
int BenchRender(const std::vector<std::string>& args);
