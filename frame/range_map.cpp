#include "frame/range_map.h"

#include <algorithm>

float mapRange(float v, float inMin, float inMax, float outMin, float outMax)
{
    return (v - inMin) / (inMax - inMin) * (outMax - outMin) + outMin;
}

float mapRangeClamped(float v, float inMin, float inMax, float outMin, float outMax)
{
    float mapped = mapRange(v, inMin, inMax, outMin, outMax);
    return std::clamp(mapped, std::min(outMin, outMax), std::max(outMin, outMax));
}
