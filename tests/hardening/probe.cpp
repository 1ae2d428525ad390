// The smallest program built the way the release is: it reads its argument as a check reads a
// cell and prints the number through a buffer of known size, so that the stack protector and the
// fortified printf have something to guard.
#include <cstdio>

#include "arithmetic/numeric_reading.h"

int main(int argc, char** argv) {
    char line[64];
    std::snprintf(line, sizeof line, "%.17g", vertola::readNumber(argc > 1 ? argv[1] : ""));
    std::puts(line);
}
