#pragma once
// A game as a link: its trelmo-sim script, compressed and written in the
// characters an address keeps as they are. The page makes these codes and
// opens them; trelmo-sim runs them in place of a script file. Nothing here
// calls the platform or allocates: callers hand in the output buffers.

// What comes before the code in a page's address.
constexpr char kReplayMarker[] = "#replay=";

// The script as a link's code: raw DEFLATE (RFC 1951), then base64url
// (A-Z a-z 0-9 - _) without padding. Returns the code's length (no
// terminating zero counted, one written when there is room), or -1 when
// `capacity` is too small. Not reentrant: the match finder's tables are static.
int EncodeReplayCode(const char* script, int length, char* code, int capacity);

enum class LinkProblem {
    None,
    NotBase64,   // a character outside base64url, or a length that no byte count gives
    NotDeflate,  // the bytes are not a whole raw DEFLATE stream
    TooLong,     // the script does not fit in the caller's buffer
};

struct DecodedLink {
    LinkProblem problem;
    int length;  // the script's bytes, when problem is None
};

// `text`: a whole address holding kReplayMarker (the code is what follows
// it, up to the end or a '&'), or the code alone. The script's bytes go to
// `script` with a zero after them; TooLong when they do not fit in
// capacity - 1.
DecodedLink DecodeReplayLink(const char* text, int length, char* script, int capacity);

// A short English name of the problem, for a one-line message.
const char* LinkProblemText(LinkProblem problem);
