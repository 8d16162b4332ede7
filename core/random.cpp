#include "random.h"

#include <cstdlib>

namespace {
RandomSource currentSource = &std::rand;
}

int randomInt(int n)
{
    const int value = currentSource();
    const unsigned int nonNegative = value < 0 ? 0u - static_cast<unsigned int>(value)
                                               : static_cast<unsigned int>(value);
    return static_cast<int>(nonNegative % static_cast<unsigned int>(n)) + 1;
}

void setRandomSource(RandomSource source)
{
    currentSource = source ? source : &std::rand;
}
