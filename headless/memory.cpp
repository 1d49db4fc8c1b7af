#include "headless/memory.h"

#include <cstdlib>

namespace headless
{

Memory::~Memory()
{
	for (auto& block : _blocks)
		std::free(block.first);
}

void* Memory::Allocate(int64_t size)
{
	if (size < 0)
		return nullptr;
	const std::size_t bytes = static_cast<std::size_t>(size);
	// malloc(0) may answer null; a zero-size request still gets a block of its own.
	void* block = std::malloc(bytes == 0 ? 1 : bytes);
	if (!block)
		return nullptr;
	_blocks.emplace(block, bytes);
	_liveBytes += bytes;
	if (_liveBytes > _peakBytes)
		_peakBytes = _liveBytes;
	return block;
}

bool Memory::Free(void* block)
{
	auto found = _blocks.find(block);
	if (found == _blocks.end())
		return false;
	_liveBytes -= found->second;
	std::free(block);
	_blocks.erase(found);
	return true;
}

} // namespace headless
