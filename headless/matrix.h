// An object's placement in the scene, as the SDK's Matrix holds it: the
// offset and the three axes, each x, y, z.
#ifndef HEADLESS_MATRIX_H
#define HEADLESS_MATRIX_H

#include "headless/container.h"

namespace headless
{

// Identity when made.
struct Matrix
{
	Vector3 off { 0.0, 0.0, 0.0 };
	Vector3 v1 { 1.0, 0.0, 0.0 };
	Vector3 v2 { 0.0, 1.0, 0.0 };
	Vector3 v3 { 0.0, 0.0, 1.0 };
	bool operator==(const Matrix&) const = default;
};

static_assert(sizeof(Matrix) == 12 * sizeof(double), "a matrix crosses the table as 12 doubles");

} // namespace headless

#endif
