#include "headless/container.h"

#include <algorithm>

namespace headless
{

namespace
{

const Value NO_VALUE;

} // namespace

ValueKind KindOf(const Value& value)
{
	return static_cast<ValueKind>(value.index());
}

std::vector<Container::Entry>::iterator Container::Find(std::int32_t id)
{
	return std::lower_bound(_entries.begin(), _entries.end(), id, [](const Entry& entry, std::int32_t key) { return entry.first < key; });
}

const Value& Container::Get(std::int32_t id) const
{
	auto found = std::lower_bound(_entries.begin(), _entries.end(), id, [](const Entry& entry, std::int32_t key) { return entry.first < key; });
	return found != _entries.end() && found->first == id ? found->second : NO_VALUE;
}

void Container::Set(std::int32_t id, Value value)
{
	if (std::holds_alternative<std::monostate>(value))
	{
		Remove(id);
		return;
	}
	auto at = Find(id);
	if (at != _entries.end() && at->first == id)
		at->second = std::move(value);
	else
		_entries.emplace(at, id, std::move(value));
}

bool Container::Remove(std::int32_t id)
{
	auto at = Find(id);
	if (at == _entries.end() || at->first != id)
		return false;
	_entries.erase(at);
	return true;
}

void Container::Merge(const Container& source)
{
	for (const auto& [id, value] : source._entries)
		Set(id, value);
}

} // namespace headless
