#include "c4d_gedata.h"

#include <cmath>
#include <limits>

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

GeData GeData::FromHost(const C4DOS_Value& value)
{
	switch (value.type)
	{
		case C4DOS_VALUE_BOOL: return GeData(value.int32 != 0);
		case C4DOS_VALUE_INT32: return GeData(static_cast<Int32>(value.int32));
		case C4DOS_VALUE_FLOAT: return GeData(value.real);
		case C4DOS_VALUE_VECTOR: return GeData(Vector(value.vector[0], value.vector[1], value.vector[2]));
		case C4DOS_VALUE_STRING: return GeData(String(value.text.data, value.text.length));
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

C4DOS_Value GeData::ToHost() const
{
	C4DOS_Value value {};
	switch (_type)
	{
		case DA_LONG: value.type = C4DOS_VALUE_INT32; value.int32 = _int32; break;
		case DA_REAL: value.type = C4DOS_VALUE_FLOAT; value.real = _float; break;
		case DA_VECTOR:
			value.type = C4DOS_VALUE_VECTOR;
			value.vector[0] = _vector.x;
			value.vector[1] = _vector.y;
			value.vector[2] = _vector.z;
			break;
		case DA_STRING:
			value.type = C4DOS_VALUE_STRING;
			value.text = C4DOS_Text { _string.GetUtf8().data(), static_cast<int64_t>(_string.GetUtf8().size()) };
			break;
		case DA_ALIASLINK: value.type = C4DOS_VALUE_LINK; value.link = reinterpret_cast<C4DOS_Atom*>(_link); break;
		default: value.type = C4DOS_VALUE_NONE; break;
	}
	return value;
}
