// Text: maxon::String, and the classic API's String derived from it. The text
// is UTF-8. As in the host's own strings, a copy shares the text it copies
// and a literal ("text"_s) is the literal itself, so neither takes memory;
// new text is held in host memory, and where the host has none the string
// stays as it was (empty for a new one) and the failure is noted for NewObj.
#ifndef C4D_STRING_H__
#define C4D_STRING_H__

#include <cstring>

#include "c4d_basictypes.h"
#include "maxon_basearray.h"
#include "maxon_result.h"

namespace c4d_sdk
{
struct Access;
struct SharedText;
}

namespace maxon
{

class String
{
public:
	String() = default;
	String(const String& source);
	String(String&& source) noexcept;
	String& operator=(const String& source);
	String& operator=(String&& source) noexcept;
	~String();
	// UTF-8 text up to its zero byte, copied.
	explicit String(const Char* text);

	Bool IsEmpty() const { return _length == 0; }
	Bool IsPopulated() const { return _length != 0; }

	// Replaces the text with a copy of `count` bytes of UTF-8 (up to the zero
	// byte for -1). Fails, keeping the text as it was, when the host has no memory.
	Result<void> SetCString(const Char* buffer, Int count = -1);
	// Appends the text as UTF-8, without a zero byte, to `array`.
	Result<void> GetCStringAppendArray(BaseArray<Char>& array) const;

	Bool operator==(const String& other) const
	{
		return _length == other._length && (_length == 0 || std::memcmp(_text, other._text, static_cast<std::size_t>(_length)) == 0);
	}
	Bool operator!=(const String& other) const { return !(*this == other); }
	String& operator+=(const String& other);

private:
	// A literal's text, which lives as long as the module.
	struct Literal
	{
	};
	String(Literal, const Char* text, Int length) : _text(text), _length(length) { }
	void Release();

	const Char* _text = nullptr;
	Int _length = 0;
	// The host memory holding the text, shared by its copies; null for a literal.
	c4d_sdk::SharedText* _shared = nullptr;

	friend struct c4d_sdk::Access;
	friend const String operator""_s(const char* text, std::size_t length);
};

inline String operator+(const String& a, const String& b)
{
	String joined(a);
	joined += b;
	return joined;
}

// A literal as a maxon::String.
const String operator""_s(const char* text, std::size_t length);

} // namespace maxon

using maxon::operator""_s;

// The classic API's string: a maxon::String, converted both ways.
class String : public maxon::String
{
public:
	String() = default;
	String(const maxon::String& source) : maxon::String(source) { }
	String(const Char* text) : maxon::String(text) { }
	// The classic string's own SetCString reads the system's 8-bit encoding,
	// not UTF-8, and reports nothing; UTF-8 text goes through maxon::String.
	void SetCString(const Char* cstr, Int count = -1) = delete;

	friend Bool operator==(const String& a, const String& b) { return static_cast<const maxon::String&>(a) == static_cast<const maxon::String&>(b); }
	friend Bool operator!=(const String& a, const String& b) { return !(a == b); }
	friend String operator+(const String& a, const String& b)
	{
		String joined(a);
		joined += b;
		return joined;
	}
	friend String operator+(const String& a, const Char* b) { return a + String(b); }
	friend String operator+(const Char* a, const String& b) { return String(a) + b; }
};

#endif
