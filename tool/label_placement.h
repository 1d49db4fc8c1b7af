// Where the numbers of an outline's points go in a picture: each outward
// along its corner's bisector, clear of the other numbers, the points, the
// labels already drawn and, where there is room, the outline and the axes.
#ifndef TOOL_LABEL_PLACEMENT_H
#define TOOL_LABEL_PLACEMENT_H

#include <cstddef>
#include <vector>

namespace tool
{

// View coordinates: x to the right, y downwards, in pixels.
struct Point2
{
	double x;
	double y;
};

struct Box
{
	double left;
	double top;
	double right;
	double bottom;

	bool Overlaps(const Box& other) const;
	bool Holds(const Box& inner) const;
};

// The box a line of `characters` digits or capitals covers at font size
// `size`, centred on `centre` (drawn with text-anchor middle and the
// baseline at TextBaseline).
Box TextBox(Point2 centre, std::size_t characters, double size);
// The baseline that centres such a line on `centreY`.
double TextBaseline(double centreY, double size);

struct Segment
{
	Point2 from;
	Point2 to;
};

// What the numbers keep clear of besides the outline and each other: texts
// already drawn always, lines (the axes) where there is room.
struct Obstacles
{
	std::vector<Box> texts;
	std::vector<Segment> lines;
};

// The centre of each point's number, in the points' order, for the closed
// outline through `points`, inside `area`.
std::vector<Point2> PlacePointNumbers(const std::vector<Point2>& points, const Obstacles& obstacles, const Box& area, double size);

} // namespace tool

#endif
