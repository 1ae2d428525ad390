// Feeds arbitrary bytes to readNumber and to the plain reference reading, and stops at the first
// text on which they disagree.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "arithmetic/numeric_reading.h"
#include "reading_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double actual = vertola::readNumber(text);
    const vertola::reference::Reading expected = vertola::reference::read(text);
    if (!vertola::reference::agrees(actual, expected)) {
        std::fprintf(stderr, "divergence: \"%s\" reads %.17g, the reference %.17g\n",
                     vertola::reference::escaped(text).c_str(), actual, expected.value);
        std::abort();
    }
    return 0;
}
