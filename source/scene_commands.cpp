// The buttons that build host objects around the arrow. Each command is one
// undo group of the arrow's document, closed on every path; an arrow that
// lies in no document builds nothing.
#include "Opointsmith.h"
#include "host_object_ids.h"
#include "pointsmith.h"
#include "scene_building.h"
#include "scene_editing.h"

namespace
{

// Puts a new wrap deformer in its place around the arrow: beside the arrow in
// its extrude object, in a new extrude object with ARROW_WRAP_EXTRUDE on,
// else under the arrow. False when there is nowhere to put it.
Bool PlaceWrapDeformer(BaseObject* deformer, BaseObject* arrow, const BaseContainer& settings, BaseDocument* doc)
{
	BaseObject* parent = arrow->GetUp();
	if (IsOfType(parent, Oextrude))
	{
		deformer->InsertUnderLast(parent);
		return true;
	}
	if (!settings.GetBool(ARROW_WRAP_EXTRUDE))
	{
		deformer->InsertUnder(arrow);
		return true;
	}
	BaseObject* extrudeObject = CreateExtrude(doc, settings, arrow);
	if (!extrudeObject)
		return false;
	if (parent)
		MoveObjectUnder(extrudeObject, parent, doc);
	deformer->InsertUnderLast(extrudeObject);
	return true;
}

} // namespace

Bool ArrowGenerator::MakeExtrude(BaseObject* op)
{
	BaseDocument* doc = op->GetDocument();
	const BaseContainer* settings = op->GetDataInstance();
	BaseObject* parent = op->GetUp();
	if (!doc || !settings || IsOfType(parent, Oextrude))
		return false;

	doc->StartUndo();
	BaseObject* extrudeObject = CreateExtrude(doc, *settings, op);
	if (extrudeObject)
	{
		// Under a parent, the extrude object goes first in it.
		if (parent)
			MoveObjectUnder(extrudeObject, parent, doc);
		MoveWrapDeformer(op, extrudeObject, doc);
		if (IsClonerOnObject(parent, doc))
			TurnArrowForSpline(op, extrudeObject);
	}
	doc->EndUndo();
	return extrudeObject != nullptr;
}

Bool ArrowGenerator::MakeCloner(BaseObject* op)
{
	BaseDocument* doc = op->GetDocument();
	const BaseContainer* settings = op->GetDataInstance();
	if (!doc || !settings)
		return false;
	BaseObject* spline = LinkedSpline(op, ARROW_CLONE_SPLINE, doc);
	const Bool onSpline = settings->GetBool(ARROW_CLONE_ON_SPLINE);
	if ((onSpline && !spline) || FindClonerAbove(op))
		return false;

	doc->StartUndo();
	BaseObject* clonerObject = CreateCloner(doc, *settings, spline);
	if (clonerObject)
	{
		// What goes into the cloner: the extrude object the arrow lies in, a
		// new one with ARROW_CLONER_EXTRUDE for an arrow at the top, or the
		// arrow itself. The cloner goes first under that one's parent.
		BaseObject* parent = op->GetUp();
		const Bool extruded = IsOfType(parent, Oextrude);
		if (BaseObject* place = extruded ? parent->GetUp() : parent)
			MoveObjectUnder(clonerObject, place, doc);
		BaseObject* content = extruded ? parent : op;
		if (!parent && settings->GetBool(ARROW_CLONER_EXTRUDE))
			content = CreateExtrude(doc, *settings, op);

		if (content)
		{
			MoveObjectUnder(content, clonerObject, doc);
			// Clones along a spline lie across it: the arrow turns into plane ZY.
			if (onSpline && spline && settings->GetBool(ARROW_CLONE_PLANE))
			{
				if (content == op)
					SetArrowPlane(op, PRIM_PLANE_ZY);
				else
					TurnArrowForSpline(op, content);
			}
		}
		clonerObject->Message(MSG_UPDATE);
	}
	doc->EndUndo();
	return clonerObject != nullptr;
}

Bool ArrowGenerator::MakeWrap(BaseObject* op)
{
	BaseDocument* doc = op->GetDocument();
	BaseContainer* settings = op->GetDataInstance();
	if (!doc || !settings)
		return false;
	BaseObject* spline = LinkedSpline(op, ARROW_WRAP_SPLINE, doc);
	if (!spline || FindWrapDeformer(op))
		return false;
	BaseObject* deformer = BaseObject::Alloc(wrap::TYPE);
	if (!deformer)
		return false;

	doc->StartUndo();
	const Bool placed = PlaceWrapDeformer(deformer, op, *settings, doc);
	if (placed)
	{
		doc->AddUndo(UNDOTYPE::NEWOBJ, deformer);
		EditParameters(deformer, nullptr, [&](BaseContainer& values) {
			values.SetInt32(wrap::OPTION, settings->GetBool(ARROW_WRAP_OPTION) ? 1 : 0);
			values.SetLink(wrap::SPLINE, spline);
			return true;
		});
		deformer->Message(MSG_UPDATE);
		if (settings->GetBool(ARROW_WRAP_SUBDIVIDE))
		{
			// The arrow may lie where no record of this step reaches it yet.
			doc->AddUndo(UNDOTYPE::CHANGE, op);
			settings->SetInt32(SPLINEOBJECT_INTERPOLATION, SPLINEOBJECT_INTERPOLATION_NATURAL);
			op->Message(MSG_UPDATE);
		}
	}
	doc->EndUndo();
	// A deformer that found no place is still the module's.
	if (!placed)
		BaseObject::Free(deformer);
	return placed;
}
