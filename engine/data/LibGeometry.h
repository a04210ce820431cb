#pragma once
// Distance and direction between two points on the screen.

float Distance(float x1, float y1, float x2, float y2);
// The direction from the first point to the second in degrees, 0..360:
// up the screen is 0, right 90, down 180, left 270.
float Direction(float x1, float y1, float x2, float y2);
