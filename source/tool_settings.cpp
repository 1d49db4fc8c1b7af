// The arrow's tool settings carried over into the objects its buttons built,
// when the user changes one of them. The host's step for the edit holds the
// records made here; each object is recorded before it is written.
#include "Opointsmith.h"
#include "host_object_ids.h"
#include "pointsmith.h"
#include "scene_building.h"
#include "scene_editing.h"

namespace
{

// An update by the editing rule: `write` changes a copy of the object's
// parameters, the object is recorded, the copy goes back, and the object is
// sent `message`.
template <typename WRITE>
void Update(BaseObject* op, BaseDocument* doc, Int32 message, WRITE&& write)
{
	EditParameters(op, doc, [&](BaseContainer& values) {
		write(values);
		return true;
	});
	op->Message(message);
}

// The same for the settings of clones along an object, which mean something
// only in that mode: a cloner in another mode is left alone entirely.
template <typename WRITE>
void UpdateClonerOnObject(BaseObject* clonerObject, BaseDocument* doc, WRITE&& write)
{
	const Bool written = EditParameters(clonerObject, doc, [&](BaseContainer& values) {
		if (values.GetInt32(cloner::MODE) != cloner::MODE_ON_OBJECT)
			return false;
		write(values);
		return true;
	});
	if (written)
		clonerObject->Message(MSG_UPDATE);
}

void SetExtrudeCaps(BaseObject* extrudeObject, Bool fillet, BaseDocument* doc)
{
	Update(extrudeObject, doc, MSG_CHANGE, [&](BaseContainer& values) { WriteExtrudeCaps(values, fillet); });
}

void SetClonerCount(BaseObject* clonerObject, Int32 count, BaseDocument* doc)
{
	Update(clonerObject, doc, MSG_UPDATE, [&](BaseContainer& values) {
		const Bool onObject = values.GetInt32(cloner::MODE) == cloner::MODE_ON_OBJECT;
		values.SetInt32(onObject ? cloner::COUNT_ON_OBJECT : cloner::COUNT, count);
	});
}

void SetClonerSplineValue(BaseObject* clonerObject, Float value, BaseDocument* doc)
{
	UpdateClonerOnObject(clonerObject, doc, [&](BaseContainer& values) { values.SetFloat(cloner::OBJECT_VALUE, value); });
}

void SetClonerSpline(BaseObject* clonerObject, BaseObject* spline, BaseDocument* doc)
{
	UpdateClonerOnObject(clonerObject, doc, [&](BaseContainer& values) { values.SetLink(cloner::OBJECT_LINK, spline); });
}

} // namespace

void ArrowGenerator::CarryOverToolSetting(BaseObject* op, Int32 id)
{
	// Links resolve against the arrow's document, and every update records
	// undo there: an arrow in no document has nothing to carry over.
	BaseDocument* doc = op->GetDocument();
	BaseContainer* settings = op->GetDataInstance();
	if (!doc || !settings)
		return;

	switch (id)
	{
		case ARROW_EXTRUDE_FILLET:
		{
			BaseObject* parent = op->GetUp();
			if (IsOfType(parent, Oextrude))
				SetExtrudeCaps(parent, settings->GetBool(ARROW_EXTRUDE_FILLET), doc);
			break;
		}
		case ARROW_CLONE_COUNT:
			if (BaseObject* clonerObject = FindClonerAbove(op))
				SetClonerCount(clonerObject, settings->GetInt32(ARROW_CLONE_COUNT), doc);
			break;
		case ARROW_CLONE_SPLINE:
			// A link to the arrow itself is no spline to clone along: the
			// cloner keeps what it follows.
			if (LinksToItself(op, ARROW_CLONE_SPLINE, doc))
				break;
			if (BaseObject* clonerObject = FindClonerAbove(op))
				SetClonerSpline(clonerObject, settings->GetObjectLink(ARROW_CLONE_SPLINE, doc), doc);
			break;
		case ARROW_CLONE_SPLINE_VALUE:
			if (BaseObject* clonerObject = FindClonerAbove(op))
				SetClonerSplineValue(clonerObject, settings->GetFloat(ARROW_CLONE_SPLINE_VALUE), doc);
			break;
		case ARROW_CLONE_PLANE:
			// The host's record of the edit covers the arrow.
			if (settings->GetBool(ARROW_CLONE_ON_SPLINE) && LinkedSpline(op, ARROW_CLONE_SPLINE, doc))
				SetArrowPlane(op, settings->GetBool(ARROW_CLONE_PLANE) ? PRIM_PLANE_ZY : PRIM_PLANE_XY);
			break;
		case ARROW_WRAP_SPLINE:
		case ARROW_WRAP_OPTION:
			// A link to the arrow itself is no spline to wrap around: the
			// deformer keeps its own.
			if (id == ARROW_WRAP_SPLINE && LinksToItself(op, ARROW_WRAP_SPLINE, doc))
				break;
			if (BaseObject* deformer = FindWrapDeformer(op))
			{
				Update(deformer, doc, MSG_CHANGE, [&](BaseContainer& values) {
					if (id == ARROW_WRAP_SPLINE)
						values.SetLink(wrap::SPLINE, settings->GetObjectLink(ARROW_WRAP_SPLINE, doc));
					else
						values.SetInt32(wrap::OPTION, settings->GetBool(ARROW_WRAP_OPTION) ? 1 : 0);
				});
			}
			break;
		case ARROW_WRAP_SUBDIVIDE:
			if (FindWrapDeformer(op))
			{
				doc->AddUndo(UNDOTYPE::CHANGE, op);
				settings->SetInt32(SPLINEOBJECT_INTERPOLATION,
					settings->GetBool(ARROW_WRAP_SUBDIVIDE) ? SPLINEOBJECT_INTERPOLATION_NATURAL : SPLINEOBJECT_INTERPOLATION_ADAPTIVE);
				op->Message(MSG_UPDATE);
			}
			break;
		default:
			break;
	}
}
