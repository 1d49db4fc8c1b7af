// Tools of the SDK: random number sequences.
#ifndef C4D_TOOLS_H__
#define C4D_TOOLS_H__

#include "c4d_basictypes.h"

// A sequence of pseudo-random numbers, the same for the same starting seed.
class Random
{
private:
	UInt32 seed;

public:
	// A sequence from a fixed seed.
	Random();

	// Starts the sequence anew from `s`; every seed gives another sequence.
	void Init(UInt32 s);

	// The next number of the sequence, from 0 to 1.
	Float Get01(void);
};

#endif
