#include "headless/undo_snapshot.h"

#include <algorithm>

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
	}
	state.hasChildren = children;
	if (children)
		state.children = object.children;
	return state;
}

void AddTree(Scene& scene, Object& object, Snapshot& snapshot)
{
	snapshot.push_back(StateOf(scene, object, true, true));
	for (Object* child : object.children)
		AddTree(scene, *child, snapshot);
}

bool KeepsChildrenOf(const Snapshot& snapshot, const Object* object)
{
	return std::any_of(snapshot.begin(), snapshot.end(), [&](const ObjectState& state) { return state.object == object && state.hasChildren; });
}

// The sibling after which `place` puts an object back; null for the first position.
Object* PredecessorAt(const Place& place)
{
	const std::vector<Object*>& siblings = place.parent ? place.parent->children : place.document->roots;
	if (place.index == 0 || siblings.empty())
		return nullptr;
	return siblings[std::min(place.index, siblings.size()) - 1];
}

void SettleDocument(Object& object, Document* document)
{
	object.document = document;
	for (Object* child : object.children)
		SettleDocument(*child, document);
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
	AddTree(scene, object, snapshot);
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
	// Out with everything the snapshot places: its objects and their present children.
	for (const ObjectState& state : snapshot)
	{
		if (state.hasChildren)
		{
			for (Object* child : std::vector<Object*>(state.object->children))
				scene.Remove(child);
		}
	}
	for (const ObjectState& state : snapshot)
	{
		if (state.object->inTree)
			scene.Remove(state.object);
	}

	// Contents and children as they were.
	for (const ObjectState& state : snapshot)
	{
		Object& object = *state.object;
		if (state.hasContent)
		{
			object.data = state.data;
			object.name = state.name;
			object.points = state.points;
		}
		if (!state.hasChildren)
			continue;
		for (Object* child : state.children)
		{
			if (child->inTree)
				scene.Remove(child);
			child->parent = &object;
			child->inTree = true;
			object.children.push_back(child);
		}
	}

	// Back into their places, front to back, the objects whose parent the snapshot does not rebuild.
	std::vector<const ObjectState*> outer;
	for (const ObjectState& state : snapshot)
	{
		const Place& place = state.place;
		if (place.inTree && (place.parent || place.document) && !(place.parent && KeepsChildrenOf(snapshot, place.parent)))
			outer.push_back(&state);
	}
	std::stable_sort(outer.begin(), outer.end(), [](const ObjectState* a, const ObjectState* b) { return a->place.index < b->place.index; });
	for (const ObjectState* state : outer)
	{
		const Place& place = state->place;
		scene.InsertAt(place.parent ? place.parent->document : place.document, state->object, place.parent, PredecessorAt(place));
	}

	for (const ObjectState& state : snapshot)
	{
		Object* top = state.object;
		while (top->parent)
			top = top->parent;
		SettleDocument(*top, top->inTree ? top->document : nullptr);
	}
}

} // namespace headless
