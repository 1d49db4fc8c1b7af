#include "c4d_gedata.h"

#include <cmath>
#include <limits>

#include "c4d_os_access.h"

Int32 GeData::GetInt32() const
{
	if (_type == DA_LONG)
		return _int32;
	if (_type != DA_REAL || std::isnan(_float))
		return 0;
	// A float read as an integer saturates instead of overflowing.
	if (_float >= static_cast<Float>(std::numeric_limits<Int32>::max()))
		return std::numeric_limits<Int32>::max();
	if (_float <= static_cast<Float>(std::numeric_limits<Int32>::min()))
		return std::numeric_limits<Int32>::min();
	return static_cast<Int32>(_float);
}

Float GeData::GetFloat() const
{
	if (_type == DA_REAL)
		return _float;
	if (_type == DA_LONG)
		return static_cast<Float>(_int32);
	return 0.0;
}

namespace c4d_sdk
{

GeData Access::FromHost(const C4DOS_Value& value)
{
	switch (value.type)
	{
		case C4DOS_VALUE_BOOL: return GeData(static_cast<Int32>(value.int32 != 0 ? 1 : 0));
		case C4DOS_VALUE_INT32: return GeData(static_cast<Int32>(value.int32));
		case C4DOS_VALUE_FLOAT: return GeData(value.real);
		case C4DOS_VALUE_VECTOR: return GeData(Vector(value.vector[0], value.vector[1], value.vector[2]));
		case C4DOS_VALUE_STRING:
		{
			String text;
			CollectText(&text, value.text);
			return GeData(text);
		}
		case C4DOS_VALUE_LINK:
		{
			GeData data;
			data._type = DA_ALIASLINK;
			data._link = reinterpret_cast<BaseList2D*>(value.link);
			return data;
		}
		default: return GeData();
	}
}

C4DOS_Value Access::ToHost(const GeData& data)
{
	C4DOS_Value value {};
	switch (data._type)
	{
		case DA_LONG: value.type = C4DOS_VALUE_INT32; value.int32 = data._int32; break;
		case DA_REAL: value.type = C4DOS_VALUE_FLOAT; value.real = data._float; break;
		case DA_VECTOR:
			value.type = C4DOS_VALUE_VECTOR;
			value.vector[0] = data._vector.x;
			value.vector[1] = data._vector.y;
			value.vector[2] = data._vector.z;
			break;
		case DA_STRING:
			value.type = C4DOS_VALUE_STRING;
			value.text = Text(data._string);
			break;
		case DA_ALIASLINK: value.type = C4DOS_VALUE_LINK; value.link = reinterpret_cast<C4DOS_Atom*>(data._link); break;
		default: value.type = C4DOS_VALUE_NONE; break;
	}
	return value;
}

} // namespace c4d_sdk
