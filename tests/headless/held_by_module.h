// What the host has given out to the module and not had back, as one list
// to compare before and after: memory blocks, containers, paths, bitmaps,
// files and resources.
#ifndef TESTS_HEADLESS_HELD_BY_MODULE_H
#define TESTS_HEADLESS_HELD_BY_MODULE_H

#include <cstddef>
#include <vector>

#include "headless/host.h"

namespace tests
{

inline std::vector<std::size_t> HeldByModule(const headless::Host& host)
{
	return { host.memory.LiveBlocks(), host.containers.Count(), host.paths.Count(), host.bitmaps.Count(), host.files.Count(),
		host.resources.Count() };
}

} // namespace tests

#endif
