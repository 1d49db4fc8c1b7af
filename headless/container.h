// Parameter containers: typed values keyed by parameter ID.
#ifndef HEADLESS_CONTAINER_H
#define HEADLESS_CONTAINER_H

#include <array>
#include <cstdint>
#include <utility>
#include <string>
#include <variant>
#include <vector>

namespace headless
{

using AtomId = std::uint64_t;

// A link names its target by the atom's serial number, so a link to an
// object that is gone resolves to nothing instead of dangling.
struct Link
{
	AtomId target = 0; // 0: no object
	bool operator==(const Link&) const = default;
};

using Vector3 = std::array<double, 3>;

// Absent, Bool, Int32, Float, Vector, String or link.
using Value = std::variant<std::monostate, bool, std::int32_t, double, Vector3, std::string, Link>;

enum class ValueKind
{
	None,
	Bool,
	Int32,
	Float,
	Vector,
	String,
	Link
};

ValueKind KindOf(const Value& value);

// Entries kept sorted by ID in one block: modules read a container many
// times per evaluation, and a short sorted array answers fastest.
class Container
{
public:
	// Absent entries read as std::monostate.
	const Value& Get(std::int32_t id) const;
	void Set(std::int32_t id, Value value);
	bool Remove(std::int32_t id);
	void Flush() { _entries.clear(); }
	// Copies every entry of `source` in, replacing equal IDs.
	void Merge(const Container& source);

	using Entry = std::pair<std::int32_t, Value>;
	// Entries in ascending ID order.
	const std::vector<Entry>& Entries() const { return _entries; }
	bool operator==(const Container&) const = default;

private:
	std::vector<Entry>::iterator Find(std::int32_t id);

	std::vector<Entry> _entries;
};

} // namespace headless

#endif
