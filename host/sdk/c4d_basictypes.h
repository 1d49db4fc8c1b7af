// Basic value types of the SDK: integers, floats, vectors and the UTF-8 string.
#ifndef C4D_BASICTYPES_H__
#define C4D_BASICTYPES_H__

#include <cstddef>
#include <cstdint>
#include <string>

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

namespace maxon
{

// Text, held as UTF-8. The host receives and returns UTF-8 as well.
class String
{
public:
	String() = default;
	String(const Char* utf8) : _text(utf8 ? utf8 : "") { }
	// Nothing from outside is trusted: no text or a negative length gives an empty string.
	String(const Char* utf8, Int length) : _text(utf8 && length > 0 ? std::string(utf8, static_cast<std::size_t>(length)) : std::string()) { }

	Bool IsEmpty() const { return _text.empty(); }
	Bool IsPopulated() const { return !_text.empty(); }
	Int GetLength() const { return static_cast<Int>(_text.size()); }

	// The UTF-8 bytes, for the SDK's own forwarding.
	const std::string& GetUtf8() const { return _text; }

	Bool operator==(const String& other) const { return _text == other._text; }
	Bool operator!=(const String& other) const { return _text != other._text; }
	String& operator+=(const String& other) { _text += other._text; return *this; }
	String operator+(const String& other) const { String s(*this); s += other; return s; }

private:
	std::string _text;
};

inline String operator""_s(const char* text, std::size_t length)
{
	return String(text, static_cast<Int>(length));
}

} // namespace maxon

using String = maxon::String;
using maxon::operator""_s;

enum class COPYFLAGS : Int32
{
	NONE = 0
};

class AliasTrans;
class BaseThread;
class HierarchyHelp;

#endif
