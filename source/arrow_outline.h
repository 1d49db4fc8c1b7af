#ifndef ARROW_OUTLINE_H__
#define ARROW_OUTLINE_H__

// The flat outline of an arrow, computed from its shape parameters alone:
// nothing of the host, nothing but the standard library.

// The snapshot of the arrow's shape parameters, in this field order.
// Lengths are in scene units; the tapers are fractions of the shaft width.
struct ArrowShape
{
	double shaftLength;   // S, ARROW_SHAFT_LENGTH
	double shaftWidth;    // W, ARROW_SHAFT_WIDTH
	double headLength;    // H, ARROW_HEAD_LENGTH
	double barbOverhang;  // B, ARROW_HEAD_BARB: how far each barb stands out beside the shaft
	bool openHead;        // ARROW_OPEN_HEAD: a chevron instead of a solid triangle
	bool squareBarbs;     // ARROW_SQUARE_BARBS: an open head's barbs end square to its front edge
	double headThickness; // c, ARROW_HEAD_THICKNESS: the flat on top of an open head's barbs
	double tailNotch;     // N, ARROW_TAIL_NOTCH: depth of the V cut into the tail
	double taperFront;    // Tf, ARROW_TAPER_FRONT: 0 keeps the shaft's width at the head, 1 narrows it to a point
	double taperBack;     // Tb, ARROW_TAPER_BACK: the same at the tail
	double barbSweep;     // s, ARROW_BARB_SWEEP: how far the barb corners reach back
	bool shaft;           // ARROW_SHAFT
	bool fins;            // ARROW_FINS
	double finLength;     // Fl, ARROW_FIN_LENGTH
	double finWidth;      // Fw, ARROW_FIN_WIDTH
	double finSweep;      // Fs, ARROW_FIN_SWEEP: how far the fins reach behind the tail
	double bevelSize;     // r, ARROW_BEVEL_SIZE
	bool bevel;           // ARROW_BEVEL
	bool bevelOption;     // ARROW_BEVEL_OPTION: travels with the shape, shapes no outline
	bool doubleHeaded;    // ARROW_DOUBLE
	double doubleLength;  // L, ARROW_DOUBLE_LENGTH: the shaft between the two heads
	double doubleWidth;   // Wd, ARROW_DOUBLE_WIDTH
	bool roundCorners;    // ARROW_ROUND: applied to the finished outline by RoundArrowOutline
	double roundRadius;   // ARROW_ROUND_RADIUS: the largest radius of a corner's arc
	int roundSteps;       // ARROW_ROUND_STEPS: the steps along each corner's arc
};

// One point of an outline; z is always +0.0.
struct OutlinePoint
{
	double x, y, z;
};

// The most points any outline has: a bevelled shaft arrow with a tail notch.
constexpr int MAX_OUTLINE_POINTS = 16;

// A closed outline: the first `count` points, the last joined back to the first.
struct ArrowOutline
{
	int count;
	OutlinePoint points[MAX_OUTLINE_POINTS];
};

// The kinds of outline, each with its own sequence of points.
enum class ArrowVariant
{
	DOUBLE_SOLID, // two solid heads on a shaft: 10 points
	DOUBLE_OPEN,  // two open heads on a shaft: 14 points
	FINS_SOLID,   // shaft with tail fins, solid head: 13, 14 with a tail notch
	FINS_OPEN,    // shaft with tail fins, open head: 15, 16 with a tail notch
	SHAFT_SOLID,  // shaft, solid head: 7, 8 with a tail notch
	SHAFT_BEVEL,  // shaft, solid head, bevelled corners: 14, 16 with a tail notch
	SHAFT_OPEN,   // shaft, open head: 9, 10 with a tail notch
	HEAD_OPEN,    // an open head alone: 6 points
	HEAD_SOLID,   // a solid head alone: 3, 4 with swept barbs
	HEAD_BEVEL    // a solid head alone, bevelled corners: 6, 8 with swept barbs
};

// The variant that `shape` asks for. A double arrow ignores the shaft, fins
// and bevel settings; fins need the shaft; an open head or fins take no bevel;
// a bevel needs a size above 0.
ArrowVariant ChooseArrowVariant(const ArrowShape& shape);

// The closed outline of the arrow in the XY plane, pointing along +X, z = 0,
// in stored order: centred on the origin, mirror-symmetric in the X axis.
// Nothing is clamped. A coordinate that overflows (lengths near the largest
// double, or a quotient by a subnormal) comes out as 0.0.
ArrowOutline ComputeArrowOutline(const ArrowShape& shape);

#endif
