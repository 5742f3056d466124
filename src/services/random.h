#pragma once

#include <cstdint>

// The run-time library's fixed pseudo-random sequence: never seeded from outside, so every
// run of the game places the greens in the same order. One generator lives for the run.
class TRandomGenerator {
public:
    // The next value, 0 to 32767.
    int Rand()
    {
        FState = FState * 22695477u + 1u;
        return int((FState >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t FState = 1;
};
