// BaseArray: a growable array in host memory. Growing it can fail, which its
// Result reports: the array then keeps its elements and count as they were.
// Nothing is thrown, so it is safe inside a handler.
#ifndef MAXON_BASEARRAY_H__
#define MAXON_BASEARRAY_H__

#include <new>
#include <type_traits>
#include <utility>

#include "c4d_memory.h"
#include "maxon_result.h"

namespace maxon
{

template <typename T> class BaseArray
{
public:
	BaseArray() = default;
	BaseArray(const BaseArray&) = delete;
	BaseArray& operator=(const BaseArray&) = delete;
	BaseArray(BaseArray&& source) noexcept : _items(source._items), _count(source._count), _capacity(source._capacity)
	{
		source._items = nullptr;
		source._count = source._capacity = 0;
	}
	BaseArray& operator=(BaseArray&& source) noexcept
	{
		if (this != &source)
		{
			Reset();
			std::swap(_items, source._items);
			std::swap(_count, source._count);
			std::swap(_capacity, source._capacity);
		}
		return *this;
	}
	~BaseArray() { Reset(); }

	Int GetCount() const { return _count; }
	T* GetFirst() { return _items; }
	const T* GetFirst() const { return _items; }
	T& operator[](Int index) { return _items[index]; }
	const T& operator[](Int index) const { return _items[index]; }

	// `count` elements: new ones are value-initialised, surplus ones destroyed.
	Result<void> Resize(Int count)
	{
		if (count < 0)
			return FAILED;
		if (count > _capacity && !Reserve(count))
			return FAILED;
		for (Int i = _count; i < count; ++i)
			new (&_items[i]) T();
		for (Int i = count; i < _count; ++i)
			_items[i].~T();
		_count = count;
		return OK;
	}

	// Removes every element and gives the memory back.
	void Reset()
	{
		for (Int i = 0; i < _count; ++i)
			_items[i].~T();
		c4d_sdk::HostFree(static_cast<void*>(_items));
		_items = nullptr;
		_count = _capacity = 0;
	}

private:
	Bool Reserve(Int capacity)
	{
		if (static_cast<UInt>(capacity) > static_cast<UInt>(INT64_MAX) / sizeof(T))
			return false;
		T* items = static_cast<T*>(c4d_sdk::HostAlloc(capacity * static_cast<Int>(sizeof(T))));
		if (!items)
			return false;
		for (Int i = 0; i < _count; ++i)
		{
			new (&items[i]) T(std::move(_items[i]));
			_items[i].~T();
		}
		c4d_sdk::HostFree(static_cast<void*>(_items));
		_items = items;
		_capacity = capacity;
		return true;
	}

	T* _items = nullptr;
	Int _count = 0;
	Int _capacity = 0;
};

} // namespace maxon

#endif
