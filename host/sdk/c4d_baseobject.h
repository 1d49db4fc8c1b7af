// Scene objects: BaseObject, PointObject, LineObject, SplineObject.
#ifndef C4D_BASEOBJECT_H__
#define C4D_BASEOBJECT_H__

#include "c4d_baselist.h"

enum class SPLINETYPE : Int32
{
	LINEAR = 0,
	CUBIC = 1,
	AKIMA = 2,
	BSPLINE = 3,
	BEZIER = 4
};

// Parameters of a spline object and of spline primitives.
enum
{
	SPLINEOBJECT_INTERPOLATION = 1001,
	SPLINEOBJECT_INTERPOLATION_NONE = 0,
	SPLINEOBJECT_INTERPOLATION_NATURAL = 1,
	SPLINEOBJECT_INTERPOLATION_UNIFORM = 2,
	SPLINEOBJECT_INTERPOLATION_ADAPTIVE = 3,
	SPLINEOBJECT_INTERPOLATION_SUBDIV = 4,
	SPLINEOBJECT_CLOSED = 1002,
	SPLINEOBJECT_SUB = 1003,
	SPLINEOBJECT_ANGLE = 1004,
	SPLINEOBJECT_MAXIMUMLENGTH = 1005,
	PRIM_PLANE = 2300,
	PRIM_PLANE_XY = 0,
	PRIM_PLANE_ZY = 1,
	PRIM_PLANE_XZ = 2,
	PRIM_REVERSE = 2301,
	ID_OBJECTPROPERTIES = 802
};

// One segment of a spline or line object.
struct Segment
{
	Int32 cnt;   // its points
	Bool closed; // whether it closes
};

class LineObject;
class SplineObject;

class BaseObject : public BaseList2D
{
public:
	static BaseObject* Alloc(Int32 type);
	static void Free(BaseObject*& op);

	// The object as a spline: itself for a spline, the host's cached output
	// for a spline generator, else null. Its matrix is not the object's:
	// place its points with this object's GetMg().
	SplineObject* GetRealSpline(void);
	// The object's global matrix.
	Matrix GetMg() const;
	// Marks parts of the object as changed: a generator is rebuilt for DATA.
	void SetDirty(DIRTYFLAGS flags);

	BaseObject* GetNext() { return static_cast<BaseObject*>(GeListNode::GetNext()); }
	BaseObject* GetPred() { return static_cast<BaseObject*>(GeListNode::GetPred()); }
	BaseObject* GetUp() { return static_cast<BaseObject*>(GeListNode::GetUp()); }
	BaseObject* GetDown() { return static_cast<BaseObject*>(GeListNode::GetDown()); }
	BaseObject* GetDownLast() { return static_cast<BaseObject*>(GeListNode::GetDownLast()); }
};

class PointObject : public BaseObject
{
public:
	Vector* GetPointW();
	const Vector* GetPointR() const;
	Int32 GetPointCount() const;
};

// A spline drawn with straight lines, as the host subdivides it.
class LineObject : public PointObject
{
public:
	static void Free(LineObject*& bl);

	// The segments; without any, one segment holds every point.
	const Segment* GetSegmentR(void);
	Int32 GetSegmentCount(void);
};

class SplineObject : public PointObject
{
public:
	static SplineObject* Alloc(Int32 pcnt, SPLINETYPE type);

	// The segments; without any, one segment holds every point.
	const Segment* GetSegmentR(void);
	Int32 GetSegmentCount(void);
	// A new line object of the spline in `doc`, the caller's to free; null
	// when the host has no memory for it.
	LineObject* GetLineObject(BaseDocument* doc, Float lod, BaseThread* thread = nullptr);
	Bool IsClosed(void);
};

#endif
