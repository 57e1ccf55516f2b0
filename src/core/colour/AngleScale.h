#pragma once

// How band positions turn into degrees. 339 positions are half a turn; the
// program computes with these rounded values rather than 180/339 itself, and
// the angle picture (double) and the wheel rotation (extended precision) must
// use the same ones.
inline constexpr long double gradProPosition = 0.530973453L;
inline constexpr long double positionsPerDegree = 1.8833334L;

// The angle picture's double values are exactly the double literals.
static_assert(static_cast<double>(gradProPosition) == 0.530973453);
static_assert(static_cast<double>(positionsPerDegree) == 1.8833334);
