// Floating-point exceptions made into traps: while a FloatingPointTraps
// lives, an operation that raises one of its exceptions stops the program
// with SIGFPE at that very operation, instead of leaving a flag behind.
// Where the platform's library has no way to unmask them (neither glibc nor
// Windows), nothing traps and only the results are checked.
#ifndef TESTS_FUZZING_FLOATING_POINT_TRAPS_H
#define TESTS_FUZZING_FLOATING_POINT_TRAPS_H

namespace tests
{

class FloatingPointTraps
{
public:
	// `exceptions`: FE_DIVBYZERO, FE_INVALID, FE_OVERFLOW, or'ed.
	explicit FloatingPointTraps(int exceptions);
	~FloatingPointTraps();
	FloatingPointTraps(const FloatingPointTraps&) = delete;
	FloatingPointTraps& operator=(const FloatingPointTraps&) = delete;

private:
	int _exceptions;
};

// From now on, a trap prints `note()` to standard error before the program aborts.
void ExplainTraps(const char* (*note)());

} // namespace tests

#endif
