#include "c4d_string.h"

#include "c4d_os_access.h"

#include <atomic>
#include <new>
#include <utility>

namespace c4d_sdk
{

// Text in host memory, with the number of strings that share it; its bytes follow it.
struct SharedText
{
	std::atomic<Int> users { 1 };

	Char* Bytes() { return reinterpret_cast<Char*>(this + 1); }

	// A new block holding `count` bytes copied from `a` and then `b` (either may
	// be empty), in memory from `alloc`; null when the host has none.
	static SharedText* Make(const Char* a, Int aCount, const Char* b, Int bCount, void* (*alloc)(Int) = &HostAlloc)
	{
		const UInt size = sizeof(SharedText) + static_cast<UInt>(aCount) + static_cast<UInt>(bCount);
		void* memory = alloc(static_cast<Int>(size));
		if (!memory)
			return nullptr;
		SharedText* text = new (memory) SharedText();
		if (aCount > 0)
			std::memcpy(text->Bytes(), a, static_cast<std::size_t>(aCount));
		if (bCount > 0)
			std::memcpy(text->Bytes() + aCount, b, static_cast<std::size_t>(bCount));
		return text;
	}
};

void Access::AdoptHostText(maxon::String& target, C4DOS_Text text)
{
	// No text or a negative length reads as empty.
	SharedText* shared = text.data && text.length > 0 ? SharedText::Make(text.data, text.length, nullptr, 0, &HostTextAlloc) : nullptr;
	target.Release();
	if (!shared)
	{
		if (text.data && text.length > 0)
			NoteHandleFailure();
		return;
	}
	target._shared = shared;
	target._text = shared->Bytes();
	target._length = text.length;
}

} // namespace c4d_sdk

namespace maxon
{

String::String(const String& source) : _text(source._text), _length(source._length), _shared(source._shared)
{
	if (_shared)
		_shared->users++;
}

String::String(String&& source) noexcept : _text(source._text), _length(source._length), _shared(source._shared)
{
	source._text = nullptr;
	source._length = 0;
	source._shared = nullptr;
}

String& String::operator=(const String& source)
{
	if (this != &source)
	{
		String copy(source);
		*this = std::move(copy);
	}
	return *this;
}

String& String::operator=(String&& source) noexcept
{
	if (this != &source)
	{
		Release();
		std::swap(_text, source._text);
		std::swap(_length, source._length);
		std::swap(_shared, source._shared);
	}
	return *this;
}

String::~String()
{
	Release();
}

String::String(const Char* text)
{
	if (text && SetCString(text) == FAILED)
		c4d_sdk::NoteHandleFailure();
}

void String::Release()
{
	if (_shared && --_shared->users == 0)
	{
		_shared->~SharedText();
		c4d_sdk::HostFree(static_cast<void*>(_shared));
	}
	_text = nullptr;
	_length = 0;
	_shared = nullptr;
}

Result<void> String::SetCString(const Char* buffer, Int count)
{
	if (!buffer)
		count = 0;
	else if (count < 0)
		count = static_cast<Int>(std::strlen(buffer));
	if (count == 0)
	{
		Release();
		return OK;
	}
	// The new text is made apart, so that a failure leaves the old one.
	c4d_sdk::SharedText* shared = c4d_sdk::SharedText::Make(buffer, count, nullptr, 0);
	if (!shared)
		return FAILED;
	Release();
	_shared = shared;
	_text = shared->Bytes();
	_length = count;
	return OK;
}

Result<void> String::GetCStringAppendArray(BaseArray<Char>& array) const
{
	const Int start = array.GetCount();
	if (array.Resize(start + _length) == FAILED)
		return FAILED;
	if (_length > 0)
		std::memcpy(array.GetFirst() + start, _text, static_cast<std::size_t>(_length));
	return OK;
}

String& String::operator+=(const String& other)
{
	if (other.IsEmpty())
		return *this;
	if (IsEmpty())
		return *this = other;
	// The old text stays when there is no memory for the longer one.
	c4d_sdk::SharedText* shared = c4d_sdk::SharedText::Make(_text, _length, other._text, other._length);
	if (!shared)
	{
		c4d_sdk::NoteHandleFailure();
		return *this;
	}
	const Int length = _length + other._length;
	Release();
	_shared = shared;
	_text = shared->Bytes();
	_length = length;
	return *this;
}

const String operator""_s(const char* text, std::size_t length)
{
	return String(String::Literal(), text, static_cast<Int>(length));
}

} // namespace maxon
