// The host's own object types, as the host makes them: each new object gets
// the host's defaults for its type and no other entries.
#ifndef HEADLESS_HOST_OBJECTS_H
#define HEADLESS_HOST_OBJECTS_H

#include <cstdint>
#include <string_view>

#include "headless/scene.h"

namespace headless
{

constexpr std::int32_t OBJECT_SPLINE = 5101;
constexpr std::int32_t OBJECT_EXTRUDE = 5116;
constexpr std::int32_t OBJECT_NULL = 5140;
constexpr std::int32_t OBJECT_CLONER = 1018544;
constexpr std::int32_t OBJECT_WRAP = 1019221;

// Whether a spline is closed (Bool).
constexpr std::int32_t SPLINEOBJECT_CLOSED = 1002;

// A new object of a host type with the host's defaults: an extrude object
// moves by (0, 0, 20) with both caps set to 1 in the legacy set and on,
// without a bevel, in the set it uses, a cloner is in mode 1 with 3 clones,
// a spline is a small closed linear square. Any other type starts empty.
Object* NewHostObject(Scene& scene, std::int32_t type);

// The host's name for the kind of a host object type (null, spline,
// extrude, cloner, wrap), or empty for any other type.
std::string_view HostKindName(std::int32_t type);
// The host object type of a kind name, or 0.
std::int32_t HostKindType(std::string_view name);

} // namespace headless

#endif
