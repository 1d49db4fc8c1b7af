// Parameter values between the host's containers and the table's value record.
#ifndef HEADLESS_TABLE_VALUES_H
#define HEADLESS_TABLE_VALUES_H

#include <optional>

#include "headless/container.h"
#include "host/abi/c4d_os.h"

namespace headless
{

// The record borrows the value's text: valid while the value is unchanged.
// A link resolves to its object, or to null when the object is gone.
void ToAbiValue(const Value& value, C4DOS_Value& record);
// Null when the record is malformed (an unknown type, bad text or an unknown link);
// the fault is recorded against `entry`.
std::optional<Value> FromAbiValue(const C4DOS_Value& record, const char* entry);

} // namespace headless

#endif
