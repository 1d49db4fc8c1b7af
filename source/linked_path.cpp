#include "linked_path.h"

#include "Opointsmith.h"

BaseObject* LinkedPath(const BaseObject* op, const BaseContainer& data, const BaseDocument* doc)
{
	BaseObject* path = data.GetObjectLink(ARROW_PATH, doc);
	return path == op ? nullptr : path;
}

Matrix PathPlacement(const BaseObject* op, const BaseObject* path)
{
	return ~op->GetMg() * path->GetMg();
}
