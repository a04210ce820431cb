// Developer and automation verbs that run the game's core without a window.
#include "BenchRender.h"
#include "LibErrors.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Verb {
    const char* name;
    const char* usage;
    std::function<int(const std::vector<std::string>&)> run;
};

int Version(const std::vector<std::string>&) {
    std::printf("%s\n", kBuildLabel);
    return 0;
}

// Benchmarks: "render" times a typical frame on the software renderer.
int Bench(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "render") return BenchRender({args.begin() + 1, args.end()});
    std::fprintf(stderr, "gigvale-tool bench: known benchmarks: render\n");
    return 2;
}

const std::vector<Verb>& Verbs() {
    static const std::vector<Verb> verbs = {
        {"version", "version                 print the build label", Version},
        {"bench", "bench render [--frames N] [--png FILE]  time a typical frame", Bench},
    };
    return verbs;
}

int Usage() {
    std::fprintf(stderr, "usage: gigvale-tool VERB [ARGS]\n");
    for (const Verb& verb : Verbs()) std::fprintf(stderr, "  %s\n", verb.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Verb& verb : Verbs())
        if (std::strcmp(argv[1], verb.name) == 0) return verb.run(args);
    std::fprintf(stderr, "gigvale-tool: unknown verb '%s'\n", argv[1]);
    return Usage();
}
