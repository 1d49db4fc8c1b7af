#include "headless/scene.h"

#include <algorithm>

namespace headless
{

std::vector<Object*> Subtree(Object& object)
{
	std::vector<Object*> objects;
	std::vector<Object*> open { &object };
	while (!open.empty())
	{
		Object* next = open.back();
		open.pop_back();
		objects.push_back(next);
		open.insert(open.end(), next->children.rbegin(), next->children.rend());
	}
	return objects;
}

Scene::~Scene()
{
	Clear();
}

Object* Scene::NewObject(std::int32_t type)
{
	auto object = std::make_unique<Object>(_nextId++, type);
	Object* handle = object.get();
	_byId.emplace(handle->Id(), handle);
	_containers.emplace(&handle->data, handle);
	_atoms.emplace(static_cast<Atom*>(handle), std::move(object));
	return handle;
}

Document* Scene::NewDocument()
{
	auto document = std::make_unique<Document>(_nextId++);
	Document* handle = document.get();
	_byId.emplace(handle->Id(), handle);
	_containers.emplace(&handle->data, handle);
	_atoms.emplace(static_cast<Atom*>(handle), std::move(document));
	return handle;
}

void Scene::Forget(Atom* atom)
{
	++_generation;
	_byId.erase(atom->Id());
	_containers.erase(&atom->data);
	_atoms.erase(static_cast<const void*>(atom));
}

void Scene::DestroyObject(Object* object)
{
	// Children before their parents, so that every plug-in object is
	// finalised while its parents still exist.
	const std::vector<Object*> objects = Subtree(*object);
	for (auto at = objects.rbegin(); at != objects.rend(); ++at)
	{
		Object* next = *at;
		if (next != object)
		{
			next->parent = nullptr;
			next->inTree = false;
		}
		next->children.clear();
		if (next->plugin)
			_finaliser(*next);
		if (next->contour.spline)
			Forget(next->contour.spline);
		Forget(next);
	}
}

void Scene::DestroyDocument(Document* document)
{
	for (Object* root : std::vector<Object*>(document->roots))
	{
		root->inTree = false;
		DestroyObject(root);
	}
	document->roots.clear();
	Forget(document);
}

void Scene::Clear()
{
	for (Document* document : Documents())
		DestroyDocument(document);
	for (Object* object : LooseObjects())
		DestroyObject(object);
}

Atom* Scene::Find(const void* handle) const
{
	auto found = _atoms.find(handle);
	return found == _atoms.end() ? nullptr : found->second.get();
}

Atom* Scene::FindId(AtomId id) const
{
	auto found = _byId.find(id);
	return found == _byId.end() ? nullptr : found->second;
}

bool Scene::IsLiveContainer(const void* container) const
{
	return _containers.count(container) > 0;
}

Atom* Scene::ContainerOwner(const void* container) const
{
	auto found = _containers.find(container);
	return found == _containers.end() ? nullptr : found->second;
}

std::vector<Document*> Scene::Documents() const
{
	std::vector<Document*> documents;
	for (auto& [handle, atom] : _atoms)
	{
		if (auto* document = AsDocument(atom.get()))
			documents.push_back(document);
	}
	std::sort(documents.begin(), documents.end(), [](const Document* a, const Document* b) { return a->Id() < b->Id(); });
	return documents;
}

std::vector<Object*>* Scene::Siblings(Object* object)
{
	if (object->parent)
		return &object->parent->children;
	if (object->document && object->inTree)
		return &object->document->roots;
	return nullptr;
}

Object* Scene::Next(Object* object)
{
	std::vector<Object*>* siblings = Siblings(object);
	if (!siblings)
		return nullptr;
	auto at = std::find(siblings->begin(), siblings->end(), object);
	return at == siblings->end() || at + 1 == siblings->end() ? nullptr : *(at + 1);
}

Object* Scene::Pred(Object* object)
{
	std::vector<Object*>* siblings = Siblings(object);
	if (!siblings)
		return nullptr;
	auto at = std::find(siblings->begin(), siblings->end(), object);
	return at == siblings->end() || at == siblings->begin() ? nullptr : *(at - 1);
}

void Scene::SettleDocument(Object* object, Document* document)
{
	for (Object* next : Subtree(*object))
		next->document = document;
}

void Scene::InsertUnder(Object* object, Object* parent, bool last)
{
	object->parent = parent;
	object->inTree = true;
	if (last)
		parent->children.push_back(object);
	else
		parent->children.insert(parent->children.begin(), object);
	SettleDocument(object, parent->document);
}

void Scene::InsertAt(Document* document, Object* object, Object* parent, Object* pred)
{
	std::vector<Object*>& list = parent ? parent->children : document->roots;
	auto at = pred ? std::find(list.begin(), list.end(), pred) : list.end();
	if (at == list.end())
		list.insert(list.begin(), object);
	else
		list.insert(at + 1, object);
	object->parent = parent;
	object->inTree = true;
	SettleDocument(object, document);
}

void Scene::Remove(Object* object)
{
	Unlink(object);
	SettleDocument(object, nullptr);
}

void Scene::Unlink(Object* object)
{
	if (std::vector<Object*>* siblings = Siblings(object))
		siblings->erase(std::remove(siblings->begin(), siblings->end(), object), siblings->end());
	object->parent = nullptr;
	object->inTree = false;
}

bool Scene::IsAncestor(const Object* ancestor, const Object* object) const
{
	// Up from the object and down through the ancestor's subtree in step:
	// the walk that ends first answers, so neither a deep object under a
	// small tree nor a small object under a deep chain costs the long walk.
	const Object* up = object->parent;
	std::vector<const Object*> down(ancestor->children.begin(), ancestor->children.end());
	while (up && !down.empty())
	{
		if (up == ancestor)
			return true;
		up = up->parent;
		const Object* next = down.back();
		down.pop_back();
		if (next == object)
			return true;
		down.insert(down.end(), next->children.begin(), next->children.end());
	}
	return up == ancestor;
}

std::vector<Object*> Scene::LooseObjects() const
{
	std::vector<Object*> loose;
	for (auto& [handle, atom] : _atoms)
	{
		auto* object = AsObject(atom.get());
		if (object && !object->inTree && !object->cacheOwner)
			loose.push_back(object);
	}
	return loose;
}

void Scene::Touch(Object& object, std::int32_t flags)
{
	const std::uint32_t now = ++_clock;
	if (flags & C4DOS_DIRTY_MATRIX)
		object.dirty.matrix = now;
	if (flags & C4DOS_DIRTY_DATA)
		object.dirty.data = now;
	if (flags & C4DOS_DIRTY_CACHE)
		object.dirty.cache = now;
}

void Scene::ReplaceContour(Object& generator, Object* spline)
{
	if (generator.contour.spline)
		Forget(generator.contour.spline);
	generator.contour = ContourCache { spline, generator.dirty.data };
	if (spline)
		spline->cacheOwner = &generator;
	Touch(generator, C4DOS_DIRTY_CACHE);
}

} // namespace headless
