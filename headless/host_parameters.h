// The names the host's R23 headers give the parameters of the host objects
// the headless host models: the extrude object (oextrude.h and its caps,
// onurbscapslegacy.h and onurbscaps.h), the cloner (omograph_cloner.h,
// obasemogen.h and its modes, mgobject.h, mgspline.h, mglineararray.h), the
// spline wrap (omograph_splinewrap.h) and the spline (ospline.h). Groups and
// the values of choices are not parameters and have no entry.
#ifndef HEADLESS_HOST_PARAMETERS_H
#define HEADLESS_HOST_PARAMETERS_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace headless
{

// The ID of the parameter `name` of a host object of `type`, if it has one.
std::optional<std::int32_t> HostParameterId(std::int32_t type, std::string_view name);

// The header name of parameter `id` of a host object of `type`, or empty.
std::string_view HostParameterName(std::int32_t type, std::int32_t id);

} // namespace headless

#endif
