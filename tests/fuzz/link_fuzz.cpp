// Any bytes as a game's link and as a game's script: read as a link they
// are refused or decoded, never read or written outside the buffers (each
// buffer is allocated at its exact size, so the sanitizer sees a byte
// past it); made into a link they come back byte for byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "replay/link.h"

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "link_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const int length = static_cast<int>(size);

    // The script buffer's size from the input, small enough at times for
    // the script not to fit.
    std::vector<char> script(size == 0 ? 1 : 1 + data[0] * 16);
    const DecodedLink read = DecodeReplayLink(text, length, script.data(), static_cast<int>(script.size()));
    if (read.problem == LinkProblem::None)
        Check(read.length < static_cast<int>(script.size()) && script[read.length] == '\0', "script not ended");

    std::vector<char> code(size * 2 + 16);
    const int codeLength = EncodeReplayCode(text, length, code.data(), static_cast<int>(code.size()));
    Check(codeLength >= 0 && codeLength < static_cast<int>(code.size()), "code longer than twice the script");
    std::vector<char> tight(static_cast<size_t>(codeLength));
    std::memcpy(tight.data(), code.data(), tight.size());
    Check(EncodeReplayCode(text, length, tight.data(), codeLength) == codeLength, "code does not fit its length");
    std::vector<char> back(size + 1);
    const DecodedLink again = DecodeReplayLink(tight.data(), codeLength, back.data(), static_cast<int>(back.size()));
    Check(again.problem == LinkProblem::None && again.length == length, "the code is not read back");
    Check(std::memcmp(back.data(), data, size) == 0, "the script came back changed");
    return 0;
}
