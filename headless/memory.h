// The host's allocator for module memory. It counts what is still allocated
// and refuses to free what it never handed out.
#ifndef HEADLESS_MEMORY_H
#define HEADLESS_MEMORY_H

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace headless
{

class Memory
{
public:
	Memory() = default;
	Memory(const Memory&) = delete;
	Memory& operator=(const Memory&) = delete;
	~Memory();

	// Null for a negative size or when the system has no memory.
	void* Allocate(int64_t size);
	// False when `block` did not come from Allocate or was freed already.
	bool Free(void* block);

	std::size_t LiveBlocks() const { return _blocks.size(); }
	std::size_t LiveBytes() const { return _liveBytes; }
	// The most bytes held at once since the last ResetPeak.
	std::size_t PeakBytes() const { return _peakBytes; }
	void ResetPeak() { _peakBytes = _liveBytes; }

private:
	std::unordered_map<void*, std::size_t> _blocks;
	std::size_t _liveBytes = 0;
	std::size_t _peakBytes = 0;
};

} // namespace headless

#endif
