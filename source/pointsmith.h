#ifndef POINTSMITH_H__
#define POINTSMITH_H__

#include "arrow_outline.h"
#include "c4d.h"

// The arrow object: a spline generator whose output is the closed, flat
// outline of an arrow. Every setting lives in the object's parameter
// container; the object itself keeps only the folder its preset dialogs
// start in.
class ArrowGenerator : public ObjectData
{
	INSTANCEOF(ArrowGenerator, ObjectData)

public:
	~ArrowGenerator() override = default;

	Bool Init(GeListNode* node) override;
	Bool Message(GeListNode* node, Int32 type, void* data) override;
	Bool GetDEnabling(GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags, const BaseContainer* itemdesc) override;
	// A new spline with the arrow's outline, in the arrow's plane and
	// direction, with its intermediate-point settings; the host owns it.
	SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt) override;

	// Writes the default of every parameter that has one; the tool settings
	// without a default are left as they are.
	static void SetDefaults(GeListNode* node);

	// A new closed linear spline holding the outline of `shape`; null when
	// the host has no spline to give.
	static SplineObject* BuildArrowOutline(const ArrowShape& shape);
	// Turns the outline into plane 1 (ZY) or 2 (XZ) and reverses its points if asked.
	static void OrientOutline(SplineObject* spline, Int32 plane, Bool reverse);

	// Writes the arrow's preset values to a file the user picks; false when
	// cancelled or when the file could not be written completely.
	static Bool SavePreset(BaseObject* op);
	// Reads a preset file the user picks into the arrow as one undo step of
	// `doc`; false, with the arrow unchanged, when cancelled or unreadable.
	Bool LoadPreset(BaseObject* op, BaseDocument* doc);

private:
	// The arrow's buttons (object_messages.cpp).
	void PressButton(BaseObject* op, Int32 button);

	// The buttons that build host objects around the arrow, each one undo
	// step of the arrow's document and true when it changed the scene
	// (scene_commands.cpp).
	// Puts the arrow into a new extrude object, unless it lies in one.
	static Bool MakeExtrude(BaseObject* op);
	// Puts the arrow, or the extrude object it lies in, into a new cloner,
	// unless a cloner holds it already.
	static Bool MakeCloner(BaseObject* op);
	// Adds a wrap deformer linked to the arrow's wrap spline, unless the
	// arrow has one already.
	static Bool MakeWrap(BaseObject* op);

	// Carries a changed tool setting over into the objects built around the
	// arrow; other parameters need nothing (tool_settings.cpp).
	static void CarryOverToolSetting(BaseObject* op, Int32 id);

	Filename presetFolder;
};

// Registers the arrow object with the host; false when the host refuses it.
Bool RegisterArrowGenerator();

#endif
