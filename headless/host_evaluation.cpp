// The host's evaluation of a scene: caches of spline generators, rebuilt
// only when something they depend on changed.
#include "headless/host.h"

namespace headless
{

void Host::Evaluate(Document& document)
{
	for (Object* root : std::vector<Object*>(document.roots))
	{
		for (Object* object : Subtree(*root))
		{
			if (object->plugin && object->plugin->handlers.get_contour)
				UpdateContour(*object);
		}
	}
}

void Host::UpdateContour(Object& object)
{
	if (object.plugin->handlers.check_dirty)
	{
		ModuleCall call(undo, "check dirty");
		object.plugin->handlers.check_dirty(object.pluginData, HandleOf(&object), HandleOf(object.document));
	}
	if (object.contour.spline && object.contour.builtAt == object.dirty.data)
		return;
	// No contour keeps the object dirty: the next evaluation asks again.
	scene.ReplaceContour(object, GetContour(&object));
}

} // namespace headless
