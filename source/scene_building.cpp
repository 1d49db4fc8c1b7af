#include "scene_building.h"

#include "Opointsmith.h"
#include "host_object_ids.h"
#include "scene_editing.h"

BaseObject* CreateExtrude(BaseDocument* doc, const BaseContainer& settings, BaseObject* arrow)
{
	BaseObject* extrudeObject = BaseObject::Alloc(Oextrude);
	if (!extrudeObject)
		return nullptr;
	// A new object's record comes after its insertion; it covers everything
	// that later comes to lie under the object in the same step.
	doc->InsertObject(extrudeObject, nullptr, nullptr);
	doc->AddUndo(UNDOTYPE::NEWOBJ, extrudeObject);
	if (settings.GetBool(ARROW_EXTRUDE_FILLET))
	{
		EditParameters(extrudeObject, nullptr, [](BaseContainer& values) {
			WriteExtrudeCaps(values, true);
			return true;
		});
		extrudeObject->Message(MSG_UPDATE);
	}
	MoveObjectUnder(arrow, extrudeObject, doc);
	return extrudeObject;
}

BaseObject* CreateCloner(BaseDocument* doc, const BaseContainer& settings, BaseObject* spline)
{
	BaseObject* clonerObject = BaseObject::Alloc(cloner::TYPE);
	if (!clonerObject)
		return nullptr;
	doc->InsertObject(clonerObject, nullptr, nullptr);
	doc->AddUndo(UNDOTYPE::NEWOBJ, clonerObject);
	EditParameters(clonerObject, nullptr, [&](BaseContainer& values) {
		const Int32 count = settings.GetInt32(ARROW_CLONE_COUNT);
		values.SetInt32(cloner::CLONE_FLAG, 1);
		if (settings.GetBool(ARROW_CLONE_ON_SPLINE))
		{
			values.SetInt32(cloner::MODE, cloner::MODE_ON_OBJECT);
			values.SetInt32(cloner::COUNT_ON_OBJECT, count);
			values.SetFloat(cloner::OBJECT_VALUE, settings.GetFloat(ARROW_CLONE_SPLINE_VALUE));
			values.SetLink(cloner::OBJECT_LINK, spline);
		}
		else
		{
			values.SetInt32(cloner::MODE, cloner::MODE_BY_COUNT);
			values.SetInt32(cloner::COUNT, count);
		}
		return true;
	});
	return clonerObject;
}

void SetArrowPlane(BaseObject* arrow, Int32 plane)
{
	if (BaseContainer* data = arrow->GetDataInstance())
		data->SetInt32(PRIM_PLANE, plane);
	arrow->Message(MSG_UPDATE);
}

void TurnArrowForSpline(BaseObject* arrow, BaseObject* extrudeObject)
{
	SetArrowPlane(arrow, PRIM_PLANE_ZY);
	EditParameters(extrudeObject, nullptr, [](BaseContainer& values) {
		const Vector move = values.GetVector(extrude::MOVE);
		values.SetVector(extrude::MOVE, Vector(move.z, move.y, 0.0));
		return true;
	});
	extrudeObject->Message(MSG_UPDATE);
}

BaseObject* FindWrapDeformer(BaseObject* arrow)
{
	for (BaseObject* child = arrow->GetDown(); child; child = child->GetNext())
	{
		if (IsOfType(child, wrap::TYPE))
			return child;
	}
	for (BaseObject* sibling = arrow->GetPred(); sibling; sibling = sibling->GetPred())
	{
		if (IsOfType(sibling, wrap::TYPE))
			return sibling;
	}
	for (BaseObject* sibling = arrow->GetNext(); sibling; sibling = sibling->GetNext())
	{
		if (IsOfType(sibling, wrap::TYPE))
			return sibling;
	}
	return nullptr;
}

void MoveWrapDeformer(BaseObject* arrow, BaseObject* parent, BaseDocument* doc)
{
	if (BaseObject* deformer = FindWrapDeformer(arrow))
		MoveObjectUnder(deformer, parent, doc, true);
}

BaseObject* FindClonerAbove(BaseObject* arrow)
{
	BaseObject* parent = arrow->GetUp();
	if (!parent || IsOfType(parent, cloner::TYPE))
		return parent;
	BaseObject* grandparent = parent->GetUp();
	return IsOfType(grandparent, cloner::TYPE) ? grandparent : nullptr;
}

Bool IsClonerOnObject(BaseObject* op, BaseDocument* doc)
{
	if (!IsOfType(op, cloner::TYPE))
		return false;
	const BaseContainer values = op->GetData();
	return values.GetInt32(cloner::MODE) == cloner::MODE_ON_OBJECT && values.GetObjectLink(cloner::OBJECT_LINK, doc);
}

void WriteExtrudeCaps(BaseContainer& values, Bool fillet)
{
	// Both ends capped in either set; plain caps have no bevel.
	values.SetBool(CAPSANDBEVELS_CAP_ENABLE_START, true);
	values.SetBool(CAPSANDBEVELS_CAP_ENABLE_END, true);
	if (!fillet)
	{
		values.SetInt32(extrude::CAP_START, extrude::CAP_PLAIN);
		values.SetInt32(extrude::CAP_END, extrude::CAP_PLAIN);
		values.SetFloat(CAPSANDBEVELS_STARTBEVEL_OFFSET, 0.0);
		values.SetFloat(CAPSANDBEVELS_ENDBEVEL_OFFSET, 0.0);
		return;
	}
	values.SetInt32(extrude::CAP_START, extrude::CAP_FILLET);
	values.SetInt32(extrude::CAP_END, extrude::CAP_FILLET);
	values.SetInt32(extrude::CAP_START_STEPS, extrude::FILLET_STEPS);
	values.SetInt32(extrude::CAP_END_STEPS, extrude::FILLET_STEPS);
	values.SetBool(extrude::CAP_FILLET_OPTION, true);
	// The fillet as a round bevel kept inside the outline, as the legacy
	// constrained fillet was ("COSTRAINED" is the SDK's spelling).
	values.SetInt32(CAPSANDBEVELS_STARTBEVEL_MODE, CAPSANDBEVELS_BEVEL_MODE_COSTRAINED);
	values.SetInt32(CAPSANDBEVELS_ENDBEVEL_MODE, CAPSANDBEVELS_BEVEL_MODE_COSTRAINED);
	values.SetInt32(CAPSANDBEVELS_STARTBEVEL_TYPE, CAPSANDBEVELS_BEVEL_TYPE_ROUND);
	values.SetInt32(CAPSANDBEVELS_ENDBEVEL_TYPE, CAPSANDBEVELS_BEVEL_TYPE_ROUND);
	values.SetFloat(CAPSANDBEVELS_STARTBEVEL_OFFSET, extrude::FILLET_RADIUS);
	values.SetFloat(CAPSANDBEVELS_ENDBEVEL_OFFSET, extrude::FILLET_RADIUS);
	values.SetInt32(CAPSANDBEVELS_STARTBEVEL_SEGMENTS, extrude::FILLET_STEPS);
	values.SetInt32(CAPSANDBEVELS_ENDBEVEL_SEGMENTS, extrude::FILLET_STEPS);
}

Bool LinksToItself(BaseObject* arrow, Int32 id, BaseDocument* doc)
{
	const BaseContainer* settings = arrow->GetDataInstance();
	return settings && settings->GetObjectLink(id, doc) == arrow;
}

BaseObject* LinkedSpline(BaseObject* arrow, Int32 id, BaseDocument* doc)
{
	const BaseContainer* settings = arrow->GetDataInstance();
	BaseObject* linked = settings ? settings->GetObjectLink(id, doc) : nullptr;
	return linked == arrow ? nullptr : linked;
}
