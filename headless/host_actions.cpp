// The user's actions in the host: the object menu, the object manager and
// the attribute manager. Each is one undo step of its own.
#include "headless/host.h"
#include "headless/host_objects.h"

namespace headless
{

namespace
{

constexpr std::int32_t MESSAGE_PARAMETER_CHANGED = 17;
constexpr std::int32_t MESSAGE_MENU_PREPARE = 22;

} // namespace

Object* Host::NewObject(std::int32_t type)
{
	return plugins.FindObject(type) ? NewPluginObject(type) : NewHostObject(scene, type);
}

Object* Host::NewObjectFromMenu(Document* document, std::int32_t type, const std::string& name)
{
	UserAction action(undo, document);
	Object* object = NewObject(type);
	if (!object)
		return nullptr;
	object->name = name;
	SendToPlugin(object, MESSAGE_MENU_PREPARE, HandleOf(document));
	scene.InsertAt(document, object, nullptr, nullptr);
	undo.Record(*document, UNDOTYPE_NEWOBJ, *object, "object menu");
	return object;
}

bool Host::MoveObject(Object* object, Object* parent)
{
	Document* document = object->document;
	if (!document || (parent && (parent == object || scene.IsAncestor(object, parent) || parent->document != document)))
		return false;
	// Already the first under that parent: nothing changes, no undo step.
	if (object->parent == parent && scene.Siblings(object)->front() == object)
		return true;
	UserAction action(undo, document);
	undo.Record(*document, UNDOTYPE_CHANGE, *object, "object manager");
	scene.Remove(object);
	scene.InsertAt(document, object, parent, nullptr);
	return true;
}

void Host::SetParameter(Object* object, std::int32_t id, Value value)
{
	Document* document = object->document;
	UserAction action(undo, document);
	if (document)
		undo.Record(*document, UNDOTYPE_CHANGE, *object, "attribute manager");
	object->data.Set(id, std::move(value));
	scene.Touch(*object, C4DOS_DIRTY_DATA);

	const C4DOS_DescID descId = ParameterId(id);
	C4DOS_DescriptionCheckUpdate update {};
	update.doc = HandleOf(document);
	update.descid = &descId;
	SendToPlugin(object, MESSAGE_PARAMETER_CHANGED, &update);
}

void Host::SetMatrix(Object* object, const Matrix& matrix)
{
	UserAction action(undo, object->document);
	if (object->document)
		undo.Record(*object->document, UNDOTYPE_CHANGE, *object, "coordinate manager");
	object->matrix = matrix;
	scene.Touch(*object, C4DOS_DIRTY_MATRIX);
}

void Host::SetPoints(Object* object, std::vector<double> points)
{
	UserAction action(undo, object->document);
	if (object->document)
		undo.Record(*object->document, UNDOTYPE_CHANGE, *object, "point editing");
	object->points = std::move(points);
	object->splineType = SPLINETYPE_LINEAR;
	scene.Touch(*object, C4DOS_DIRTY_DATA);
}

} // namespace headless
