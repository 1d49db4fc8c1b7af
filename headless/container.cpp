#include "headless/container.h"

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

const Value& Container::Get(std::int32_t id) const
{
	auto found = _entries.find(id);
	return found == _entries.end() ? NO_VALUE : found->second;
}

void Container::Set(std::int32_t id, Value value)
{
	if (std::holds_alternative<std::monostate>(value))
		_entries.erase(id);
	else
		_entries[id] = std::move(value);
}

bool Container::Remove(std::int32_t id)
{
	return _entries.erase(id) > 0;
}

void Container::Merge(const Container& source)
{
	for (const auto& [id, value] : source._entries)
		_entries[id] = value;
}

} // namespace headless
