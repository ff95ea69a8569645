#pragma once
#include <random>

// Uniform floats in [lo, hi) from an engine of its own.
struct UniformFloat {
    float lo = 0;
    float hi = 1;
    std::mt19937 engine;

    UniformFloat(float lo_, float hi_) : lo(lo_), hi(hi_) {}

    float operator()()
    {
        float u = std::generate_canonical<float, 24>(engine);
        return lo + u * (hi - lo);
    }
};
