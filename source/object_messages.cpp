// The arrow's answers to the user: a new arrow from the menu, a parameter
// changed and a button pressed in the attribute manager.
#include "Opointsmith.h"
#include "c4d_symbols.h"
#include "pointsmith.h"

namespace
{

// Back to the defaults as one undo step; the tool settings without a
// default stay as they are. False when the arrow lies in no document.
Bool ResetArrow(BaseObject* op)
{
	BaseDocument* doc = op->GetDocument();
	if (!doc)
		return false;
	doc->StartUndo();
	doc->AddUndo(UNDOTYPE::CHANGE, op);
	ArrowGenerator::SetDefaults(op);
	op->Message(MSG_UPDATE);
	doc->EndUndo();
	return true;
}

} // namespace

Bool ArrowGenerator::Message(GeListNode* node, Int32 type, void* data)
{
	// Every message handled here carries data; without it there is nothing to do.
	if (node && data)
	{
		BaseObject* op = static_cast<BaseObject*>(node);
		switch (type)
		{
			case MSG_MENUPREPARE:
			{
				// The arrow is not in the document yet, which comes with the
				// message; it starts in the plane the document uses for new
				// splines. The host's own step covers this: no undo record.
				BaseDocument* doc = static_cast<BaseDocument*>(data);
				if (BaseContainer* values = op->GetDataInstance())
					values->SetInt32(PRIM_PLANE, doc->GetSplinePlane());
				break;
			}
			case MSG_DESCRIPTION_CHECKUPDATE:
				// The host's step for the edit holds whatever the arrow records here.
				if (const DescID* id = static_cast<const DescriptionCheckUpdate*>(data)->descid)
					CarryOverToolSetting(op, (*id)[0].id);
				break;
			case MSG_DESCRIPTION_COMMAND:
				PressButton(op, static_cast<const DescriptionCommand*>(data)->_descId[0].id);
				break;
			default:
				break;
		}
	}
	return SUPER::Message(node, type, data);
}

void ArrowGenerator::PressButton(BaseObject* op, Int32 button)
{
	Bool changed = false;
	switch (button)
	{
		case ARROW_PRESET_LOAD:
			changed = LoadPreset(op, op->GetDocument());
			if (changed)
				op->Message(MSG_UPDATE);
			break;
		case ARROW_PRESET_SAVE:
			SavePreset(op);
			break;
		case ARROW_RESET:
			changed = ResetArrow(op);
			break;
		case ARROW_INFO:
			// One OK button and the exclamation icon; the answer means nothing.
			MessageDialog(GeLoadString(IDS_POINTSMITH_INFO));
			break;
		case ARROW_MAKE_EXTRUDE:
			changed = MakeExtrude(op);
			break;
		case ARROW_MAKE_CLONER:
			changed = MakeCloner(op);
			break;
		case ARROW_MAKE_WRAP:
			changed = MakeWrap(op);
			break;
		default:
			break;
	}
	// The host updates its managers and viewport after its own actions, not
	// after a change a button made: the command asks once, its undo step closed.
	if (changed)
		EventAdd();
}
