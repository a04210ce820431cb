#pragma once
// Shared entry for the generator programs: "PROGRAM DATADIR [ARGS...]".
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

inline int RunGenerator(int argc, char** argv, const char* usage,
                        const std::function<bool(const std::vector<std::string>&)>& run) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s %s\n", argv[0], usage);
        return 2;
    }
    return run(std::vector<std::string>(argv + 1, argv + argc)) ? 0 : 1;
}
