// Developer and automation verbs that run the game's core without a window.
#include "ArtCanvas.h"
#include "ArtContactSheet.h"
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

// --- contact sheet of the generated pictures ---
int ContactSheet(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fprintf(stderr, "usage: gigvale-tool contact-sheet OUT.png [DATADIR]\n");
        return 2;
    }
    const int placed = MakeContactSheet(args.size() > 1 ? args[1] : "data", args[0]);
    ArtShutdown();
    if (placed < 0) {
        std::fprintf(stderr, "gigvale-tool: cannot write %s\n", args[0].c_str());
        return 1;
    }
    std::printf("%d pictures\n", placed);
    return placed > 0 ? 0 : 1;
}
// --- end contact sheet ---

const std::vector<Verb>& Verbs() {
    static const std::vector<Verb> verbs = {
        {"version", "version                 print the build label", Version},
        {"contact-sheet", "contact-sheet OUT.png [DATADIR]  every picture with its name", ContactSheet},
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
