// SplitRow on any bytes: pieces without line feeds, which joined by line feeds give back the
// text less one final line feed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "ui/row_split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> pieces = SplitRow(text);

    Check(!pieces.empty(), "at least one piece");
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Check(pieces[i].find('\n') == std::string::npos, "no line feed inside a piece");
        if (i > 0) joined += '\n';
        joined += pieces[i];
    }
    std::string expected = text;
    if (!expected.empty() && expected.back() == '\n') expected.pop_back();
    Check(joined == expected, "the pieces joined give back the text less a final line feed");
    return 0;
}
