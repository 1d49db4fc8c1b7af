// Handles the host gives out to the module, owned by the host until the
// module frees them. Every handle the module passes back is looked up here
// first, so an unknown or freed handle is caught instead of dereferenced.
#ifndef HEADLESS_HANDLE_REGISTRY_H
#define HEADLESS_HANDLE_REGISTRY_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace headless
{

template <typename T> class HandleRegistry
{
public:
	T* Add(std::unique_ptr<T> item)
	{
		T* handle = item.get();
		_items.emplace(handle, std::move(item));
		return handle;
	}

	// The live item behind `handle`, or null.
	T* Find(const void* handle) const
	{
		auto found = _items.find(handle);
		return found == _items.end() ? nullptr : found->second.get();
	}

	bool Release(const void* handle)
	{
		++_generation;
		return _items.erase(handle) > 0;
	}
	std::size_t Count() const { return _items.size(); }
	void Clear()
	{
		++_generation;
		_items.clear();
	}
	// Counts releases, so that a remembered check knows when it may be stale.
	std::uint64_t Generation() const { return _generation; }

private:
	std::uint64_t _generation = 0;
	std::unordered_map<const void*, std::unique_ptr<T>> _items;
};

} // namespace headless

#endif
