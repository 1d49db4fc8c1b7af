#ifndef POINTSMITH_H__
#define POINTSMITH_H__

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
	Bool GetDEnabling(GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags, const BaseContainer* itemdesc) override;

	// Writes the default of every parameter that has one; the tool settings
	// without a default are left as they are.
	static void SetDefaults(GeListNode* node);

private:
	Filename presetFolder;
};

// Registers the arrow object with the host; false when the host refuses it.
Bool RegisterArrowGenerator();

#endif
