#pragma once

// Linear map of v from [inMin, inMax] to [outMin, outMax], unclamped.
float mapRange(float v, float inMin, float inMax, float outMin, float outMax);
// The same, limited to the output range (which may run backwards).
float mapRangeClamped(float v, float inMin, float inMax, float outMin, float outMax);
