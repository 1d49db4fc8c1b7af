#include "tests/fuzzing/floating_point_traps.h"

#include <cfenv>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#include <float.h>
#endif

namespace tests
{

namespace
{

const char* (*g_note)() = nullptr;

extern "C" void OnTrap(int)
{
	std::fprintf(stderr, "floating-point trap: %s\n", g_note ? g_note() : "");
	std::abort();
}

#if defined(_WIN32)
unsigned MaskOf(int exceptions)
{
	unsigned mask = 0;
	if (exceptions & FE_DIVBYZERO)
		mask |= _EM_ZERODIVIDE;
	if (exceptions & FE_INVALID)
		mask |= _EM_INVALID;
	if (exceptions & FE_OVERFLOW)
		mask |= _EM_OVERFLOW;
	return mask;
}
#endif

void Enable(int exceptions)
{
	std::feclearexcept(FE_ALL_EXCEPT);
#if defined(__GLIBC__)
	feenableexcept(exceptions);
#elif defined(_WIN32)
	unsigned control = 0;
	_controlfp_s(&control, 0, 0);
	_controlfp_s(&control, control & ~MaskOf(exceptions), _MCW_EM);
#else
	(void)exceptions;
#endif
}

void Disable(int exceptions)
{
#if defined(__GLIBC__)
	fedisableexcept(exceptions);
#elif defined(_WIN32)
	unsigned control = 0;
	_controlfp_s(&control, 0, 0);
	_controlfp_s(&control, control | MaskOf(exceptions), _MCW_EM);
#else
	(void)exceptions;
#endif
	std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace

FloatingPointTraps::FloatingPointTraps(int exceptions) : _exceptions(exceptions)
{
	Enable(_exceptions);
}

FloatingPointTraps::~FloatingPointTraps()
{
	Disable(_exceptions);
}

void ExplainTraps(const char* (*note)())
{
	g_note = note;
	std::signal(SIGFPE, &OnTrap);
}

} // namespace tests
