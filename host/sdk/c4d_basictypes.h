// Basic value types of the SDK: integers, floats, vectors and matrices.
#ifndef C4D_BASICTYPES_H__
#define C4D_BASICTYPES_H__

#include <cstddef>
#include <cstdint>

using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using Int = std::int64_t;
using UInt = std::uint64_t;
using Bool = bool;
using Float = double;
using Float32 = float;
using Float64 = double;
using Char = char;
using UChar = unsigned char;

// Three 64-bit floats; the host stores points and vector parameters in this layout.
struct Vector
{
	Float x = 0.0;
	Float y = 0.0;
	Float z = 0.0;

	constexpr Vector() = default;
	constexpr Vector(Float ix, Float iy, Float iz) : x(ix), y(iy), z(iz) { }
	constexpr Bool operator==(const Vector& other) const { return x == other.x && y == other.y && z == other.z; }
	constexpr Bool operator!=(const Vector& other) const { return !(*this == other); }
};
static_assert(sizeof(Vector) == 3 * sizeof(double), "points cross the host boundary as three doubles");

// A placement in space: the offset and the three axes, the identity when
// made. `m * v` places a point, `a * b` is `a` after `b`, and `~m` undoes
// `m` (the identity for a matrix that squashes space flat, which nothing undoes).
struct Matrix
{
	struct Axes
	{
		Vector v1 { 1.0, 0.0, 0.0 };
		Vector v2 { 0.0, 1.0, 0.0 };
		Vector v3 { 0.0, 0.0, 1.0 };
	};

	Vector off;
	Axes sqmat;

	constexpr Matrix() = default;
	constexpr Matrix(const Vector& off_in, const Vector& v1_in, const Vector& v2_in, const Vector& v3_in) :
		off(off_in), sqmat { v1_in, v2_in, v3_in }
	{
	}

	constexpr Vector operator*(const Vector& v) const
	{
		const Vector turned = Turn(v);
		return Vector(off.x + turned.x, off.y + turned.y, off.z + turned.z);
	}
	constexpr Matrix operator*(const Matrix& m) const { return Matrix(*this * m.off, Turn(m.sqmat.v1), Turn(m.sqmat.v2), Turn(m.sqmat.v3)); }
	constexpr Matrix operator~() const
	{
		const Vector& a = sqmat.v1;
		const Vector& b = sqmat.v2;
		const Vector& c = sqmat.v3;
		const Float det = a.x * (b.y * c.z - c.y * b.z) + b.x * (c.y * a.z - a.y * c.z) + c.x * (a.y * b.z - b.y * a.z);
		if (det == 0.0)
			return Matrix();
		// The axes of the inverse are the rows of the adjugate over the determinant.
		const Float r = 1.0 / det;
		const Matrix turn(Vector(), Vector((b.y * c.z - c.y * b.z) * r, (c.y * a.z - a.y * c.z) * r, (a.y * b.z - b.y * a.z) * r),
			Vector((b.z * c.x - c.z * b.x) * r, (c.z * a.x - a.z * c.x) * r, (a.z * b.x - b.z * a.x) * r),
			Vector((b.x * c.y - c.x * b.y) * r, (c.x * a.y - a.x * c.y) * r, (a.x * b.y - b.x * a.y) * r));
		const Vector back = turn * off;
		return Matrix(Vector(-back.x, -back.y, -back.z), turn.sqmat.v1, turn.sqmat.v2, turn.sqmat.v3);
	}
	constexpr Bool operator==(const Matrix& other) const
	{
		return off == other.off && sqmat.v1 == other.sqmat.v1 && sqmat.v2 == other.sqmat.v2 && sqmat.v3 == other.sqmat.v3;
	}
	constexpr Bool operator!=(const Matrix& other) const { return !(*this == other); }

private:
	// The axes applied to a direction, without the offset.
	constexpr Vector Turn(const Vector& v) const
	{
		return Vector(sqmat.v1.x * v.x + sqmat.v2.x * v.y + sqmat.v3.x * v.z, sqmat.v1.y * v.x + sqmat.v2.y * v.y + sqmat.v3.y * v.z,
			sqmat.v1.z * v.x + sqmat.v2.z * v.y + sqmat.v3.z * v.z);
	}
};
static_assert(sizeof(Matrix) == 12 * sizeof(double), "a matrix crosses the host boundary as twelve doubles");

enum class COPYFLAGS : Int32
{
	NONE = 0
};

class AliasTrans;
class BaseThread;
class HierarchyHelp;

#endif
