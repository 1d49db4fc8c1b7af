// HostScope: the host's own descriptions, parsed once, with their symbols
// and labels; module descriptions are parsed in (a copy of) this scope.
#pragma once

#include "headless/resources/description_scope.h"

namespace headless::resources {

// Throws ResourceError only if an embedded host text is malformed, which is
// a programming error.
const DescriptionScope& HostScope();

}
