#include "headless/undo_snapshot.h"

#include <algorithm>
#include <unordered_set>

namespace headless
{

namespace
{

ObjectState StateOf(Scene& scene, Object& object, bool content, bool children)
{
	ObjectState state;
	state.object = &object;
	state.place = PlaceOf(scene, object);
	state.hasContent = content;
	if (content)
	{
		state.data = object.data;
		state.name = object.name;
		state.points = object.points;
		state.matrix = object.matrix;
	}
	state.hasChildren = children;
	if (children)
		state.children = object.children;
	return state;
}

// The sibling after which `place` puts an object back; null for the first position.
Object* PredecessorAt(const Place& place)
{
	const std::vector<Object*>& siblings = place.parent ? place.parent->children : place.document->roots;
	if (place.index == 0 || siblings.empty())
		return nullptr;
	return siblings[std::min(place.index, siblings.size()) - 1];
}

// The tops of the trees the objects lie in, each once; every object is
// climbed past at most once, however deep the trees.
std::vector<Object*> TopsOf(const std::vector<Object*>& objects)
{
	std::unordered_set<const Object*> passed;
	std::vector<Object*> tops;
	for (Object* object : objects)
	{
		Object* up = object;
		bool fresh = passed.insert(up).second;
		while (fresh && up->parent)
		{
			up = up->parent;
			fresh = passed.insert(up).second;
		}
		if (fresh)
			tops.push_back(up);
	}
	return tops;
}

} // namespace

Place PlaceOf(Scene& scene, Object& object)
{
	Place place;
	const std::vector<Object*>* siblings = scene.Siblings(&object);
	if (!siblings)
		return place;
	place.inTree = true;
	place.parent = object.parent;
	place.document = object.parent ? nullptr : object.document;
	place.index = static_cast<std::size_t>(std::find(siblings->begin(), siblings->end(), &object) - siblings->begin());
	return place;
}

Snapshot TakeTree(Scene& scene, Object& object)
{
	Snapshot snapshot;
	for (Object* next : Subtree(object))
		snapshot.push_back(StateOf(scene, *next, true, true));
	return snapshot;
}

Snapshot TakeAlone(Scene& scene, Object& object)
{
	return { StateOf(scene, object, true, false) };
}

Snapshot Outside(Object& object)
{
	ObjectState state;
	state.object = &object;
	return { state };
}

Snapshot TakeLike(Scene& scene, const Snapshot& model)
{
	Snapshot snapshot;
	for (const ObjectState& state : model)
		snapshot.push_back(StateOf(scene, *state.object, state.hasContent, state.hasChildren));
	return snapshot;
}

void Restore(Scene& scene, const Snapshot& snapshot)
{
	// Objects leave their trees by Unlink, which leaves their documents
	// alone: the trees they end up in are settled once at the end, so that
	// restoring a deep subtree costs its size, not its size times its depth.
	std::vector<Object*> touched;
	std::unordered_set<const Object*> rebuilt; // objects whose children the snapshot lists
	for (const ObjectState& state : snapshot)
	{
		touched.push_back(state.object);
		if (state.hasChildren)
			rebuilt.insert(state.object);
	}

	// Out with everything the snapshot places: its objects and their present children.
	for (const ObjectState& state : snapshot)
	{
		if (state.hasChildren)
		{
			for (Object* child : std::vector<Object*>(state.object->children))
			{
				scene.Unlink(child);
				touched.push_back(child);
			}
		}
	}
	for (const ObjectState& state : snapshot)
	{
		if (state.object->inTree)
			scene.Unlink(state.object);
	}

	// Contents and children as they were.
	for (const ObjectState& state : snapshot)
	{
		Object& object = *state.object;
		if (state.hasContent)
		{
			// What comes back counts as changed, as any edit would.
			const std::int32_t changed = (object.data != state.data || object.points != state.points ? C4DOS_DIRTY_DATA : 0) |
				(object.matrix != state.matrix ? C4DOS_DIRTY_MATRIX : 0);
			if (changed)
				scene.Touch(object, changed);
			object.data = state.data;
			object.name = state.name;
			object.points = state.points;
			object.matrix = state.matrix;
		}
		if (!state.hasChildren)
			continue;
		for (Object* child : state.children)
		{
			if (child->inTree)
				scene.Unlink(child);
			child->parent = &object;
			child->inTree = true;
			object.children.push_back(child);
			touched.push_back(child);
		}
	}

	// Back into their places, front to back, the objects whose parent the snapshot does not rebuild.
	std::vector<const ObjectState*> outer;
	for (const ObjectState& state : snapshot)
	{
		const Place& place = state.place;
		if (place.inTree && (place.parent || place.document) && !(place.parent && rebuilt.count(place.parent)))
			outer.push_back(&state);
	}
	std::stable_sort(outer.begin(), outer.end(), [](const ObjectState* a, const ObjectState* b) { return a->place.index < b->place.index; });
	for (const ObjectState* state : outer)
	{
		const Place& place = state->place;
		scene.InsertAt(place.parent ? place.parent->document : place.document, state->object, place.parent, PredecessorAt(place));
	}

	for (Object* top : TopsOf(touched))
		scene.SettleDocument(top, top->inTree ? top->document : nullptr);
}

} // namespace headless
