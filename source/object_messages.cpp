// The arrow's answers to the user: buttons pressed in the attribute manager.
#include "Opointsmith.h"
#include "pointsmith.h"

Bool ArrowGenerator::Message(GeListNode* node, Int32 type, void* data)
{
	// Every message this object handles carries data; without it there is nothing to do.
	if (type == MSG_DESCRIPTION_COMMAND && node && data)
	{
		BaseObject* op = static_cast<BaseObject*>(node);
		switch (static_cast<const DescriptionCommand*>(data)->_descId[0].id)
		{
			case ARROW_PRESET_LOAD:
				if (LoadPreset(op, op->GetDocument()))
					op->Message(MSG_UPDATE);
				break;
			case ARROW_PRESET_SAVE:
				SavePreset(op);
				break;
			default:
				break;
		}
	}
	return SUPER::Message(node, type, data);
}
