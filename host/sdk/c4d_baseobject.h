// Scene objects: BaseObject, PointObject, SplineObject.
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

class BaseObject : public BaseList2D
{
public:
	static BaseObject* Alloc(Int32 type);
	static void Free(BaseObject*& op);

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

class SplineObject : public PointObject
{
public:
	static SplineObject* Alloc(Int32 pcnt, SPLINETYPE type);
};

#endif
