// The random numbers that scramble a board, drawn from the C library generator.
#pragma once

// A random integer from 1 to n (n > 0): the generator's value made non-negative, modulo n, plus 1.
int randomInt(int n);

// The source of raw values behind randomInt; std::rand unless a test replaces it.
using RandomSource = int (*)();
void setRandomSource(RandomSource source);
