// trelmo-sim: runs the game rules without a window from a script, or from a
// game's link (the page's whole address, or the code after its marker).
#include <cstdio>
#include <cstring>
#include <vector>

#include "replay/link.h"
#include "tools/sim/script.h"

namespace {

constexpr int kMaxLinkScript = 1 << 22;  // bytes of a script a link may hold

bool LooksLikeLink(const char* text) {
    return std::strstr(text, kReplayMarker) != nullptr ||
           std::strspn(text, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_") ==
               std::strlen(text);
}

// The script a link holds, run as a script file would be.
int RunLink(const char* text) {
    std::vector<char> script(kMaxLinkScript);
    const DecodedLink link = DecodeReplayLink(text, static_cast<int>(std::strlen(text)), script.data(), kMaxLinkScript);
    if (link.problem != LinkProblem::None) {
        std::fprintf(stderr, "trelmo-sim: cannot read the link: %s\n", LinkProblemText(link.problem));
        return 2;
    }
    FILE* in = fmemopen(script.data(), static_cast<size_t>(link.length), "r");
    if (in == nullptr) {
        std::fprintf(stderr, "trelmo-sim: cannot read the link's script\n");
        return 2;
    }
    const int code = RunScript(in, stdout, stderr);
    std::fclose(in);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: trelmo-sim [SCRIPT | LINK]\n");
        return 2;
    }
    FILE* in = stdin;
    if (argc == 2) {
        in = std::fopen(argv[1], "r");
        if (in == nullptr && LooksLikeLink(argv[1])) return RunLink(argv[1]);
        if (in == nullptr) {
            std::fprintf(stderr, "trelmo-sim: cannot open %s\n", argv[1]);
            return 2;
        }
    }
    const int code = RunScript(in, stdout, stderr);
    if (in != stdin) std::fclose(in);
    return code;
}
