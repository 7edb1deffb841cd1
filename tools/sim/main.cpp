// trelmo-sim: runs the game rules without a window from a script.
#include <cstdio>

#include "tools/sim/script.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: trelmo-sim [SCRIPT]\n");
        return 2;
    }
    FILE* in = stdin;
    if (argc == 2) {
        in = std::fopen(argv[1], "r");
        if (in == nullptr) {
            std::fprintf(stderr, "trelmo-sim: cannot open %s\n", argv[1]);
            return 2;
        }
    }
    const int code = RunScript(in, stdout, stderr);
    if (in != stdin) std::fclose(in);
    return code;
}
