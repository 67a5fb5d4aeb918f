#include "activities/Operand.h"

#include <cstdlib>

int drawOperand(int maxOperand)
{
    // Nothing to draw from; a range of one value is drawn like any other.
    if (maxOperand < 1)
        return 1;
    unsigned range = 1;
    while (range <= static_cast<unsigned>(maxOperand))
        range <<= 1;
    // RAND_MAX + 1 is a power of two on every runtime we build for, so each bucket has the
    // same number of rand() values.
    const unsigned long span = static_cast<unsigned long>(RAND_MAX) + 1UL;
    const unsigned long bucket = span >= range ? span / range : 1UL;
    for (;;) {
        const unsigned long v = static_cast<unsigned long>(std::rand()) / bucket;
        if (v >= 1 && v <= static_cast<unsigned long>(maxOperand))
            return static_cast<int>(v);
    }
}
