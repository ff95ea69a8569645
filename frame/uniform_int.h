#pragma once
#include <random>

// A uniform integer in lo..hi (both included) from a Mersenne Twister, by an
// algorithm of our own so that every standard library draws the same numbers:
// a 32-bit draw is rejected while it falls in the incomplete last bucket of the
// range, and the result is lo + draw % span. Each accepted draw takes one
// number from the engine (more only when rejected). lo > hi gives lo.
int uniformIntInclusive(std::mt19937& engine, int lo, int hi);
