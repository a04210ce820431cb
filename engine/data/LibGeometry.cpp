#include "LibGeometry.h"

#include <cmath>

float Distance(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

float Direction(float x1, float y1, float x2, float y2) {
    constexpr float kPi = 3.14159265358979f;
    float degrees = (std::atan2(y2 - y1, x2 - x1) + kPi) * 57.2957763671875f - 90.0f;
    if (degrees < 0.0f) degrees += 360.0f;
    return degrees;
}
