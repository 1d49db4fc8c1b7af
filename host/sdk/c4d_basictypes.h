// Basic value types of the SDK: integers, floats and vectors.
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

enum class COPYFLAGS : Int32
{
	NONE = 0
};

class AliasTrans;
class BaseThread;
class HierarchyHelp;

#endif
