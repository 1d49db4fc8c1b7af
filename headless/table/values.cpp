#include "headless/table/values.h"

#include <cmath>

#include "headless/table/entry_support.h"

namespace headless
{

void ToAbiValue(const Value& value, C4DOS_Value& record)
{
	record = C4DOS_Value {};
	record.type = static_cast<int32_t>(KindOf(value));
	if (auto* flag = std::get_if<bool>(&value))
		record.int32 = *flag ? 1 : 0;
	else if (auto* integer = std::get_if<std::int32_t>(&value))
		record.int32 = *integer;
	else if (auto* real = std::get_if<double>(&value))
		record.real = *real;
	else if (auto* vector = std::get_if<Vector3>(&value))
	{
		record.vector[0] = (*vector)[0];
		record.vector[1] = (*vector)[1];
		record.vector[2] = (*vector)[2];
	}
	else if (auto* text = std::get_if<std::string>(&value))
		record.text = C4DOS_Text { text->data(), static_cast<int64_t>(text->size()) };
	else if (auto* link = std::get_if<Link>(&value))
		record.link = link->target ? HandleOf(H().scene.FindId(link->target)) : nullptr;
}

std::optional<Value> FromAbiValue(const C4DOS_Value& record, const char* entry)
{
	switch (record.type)
	{
		case C4DOS_VALUE_NONE: return Value();
		case C4DOS_VALUE_BOOL: return Value(record.int32 != 0);
		case C4DOS_VALUE_INT32: return Value(std::int32_t { record.int32 });
		case C4DOS_VALUE_FLOAT: return Value(record.real);
		case C4DOS_VALUE_VECTOR: return Value(Vector3 { record.vector[0], record.vector[1], record.vector[2] });
		case C4DOS_VALUE_STRING:
		{
			std::optional<std::string> text = TextIn(record.text, entry);
			return text ? std::optional<Value>(Value(std::move(*text))) : std::nullopt;
		}
		case C4DOS_VALUE_LINK:
		{
			if (!record.link)
				return Value(Link {});
			Atom* atom = CheckAtom(record.link, entry);
			return atom ? std::optional<Value>(Value(Link { atom->Id() })) : std::nullopt;
		}
		default:
			H().protocol.Fault(entry, "unknown value type " + std::to_string(record.type));
			return std::nullopt;
	}
}

} // namespace headless
