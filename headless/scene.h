// The scene: documents, objects and their hierarchy. Every atom is owned by
// the scene from its creation to its destruction; trees only link them.
#ifndef HEADLESS_SCENE_H
#define HEADLESS_SCENE_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "headless/container.h"
#include "headless/matrix.h"
#include "headless/undo_history.h"
#include "host/abi/c4d_os.h"

namespace headless
{

struct RegisteredObject;
class Document;

// The type ID of documents.
constexpr std::int32_t DOCUMENT_TYPE = 110059;

// When each part of an object last changed, as the scene's clock tells it
// (Scene::Touch): a part's value grows with every change of it, and no two
// changes anywhere in the scene share a value.
struct Dirtiness
{
	std::uint32_t matrix = 0;
	std::uint32_t data = 0;   // container and points
	std::uint32_t cache = 0;  // the cached contour rebuilt
};

// A spline generator's contour as the host keeps it between evaluations
// (Host::Evaluate): the spline, a loose object of the scene owned by the
// generator, and the generator's data dirtiness it was built at.
struct ContourCache
{
	Object* spline = nullptr;
	std::uint32_t builtAt = 0;
};

class Atom
{
public:
	Atom(AtomId id, std::int32_t type) : _id(id), _type(type) { }
	virtual ~Atom() = default;
	Atom(const Atom&) = delete;
	Atom& operator=(const Atom&) = delete;

	AtomId Id() const { return _id; }
	std::int32_t Type() const { return _type; }
	// The atom as an object or a document, or null: cheaper than a dynamic_cast.
	virtual Object* AsObject() { return nullptr; }
	virtual Document* AsDocument() { return nullptr; }

	std::string name;
	Container data;
	// The live container's cell, as the module sees it (see the table's get_data_instance).
	C4DOS_Container* cell = reinterpret_cast<C4DOS_Container*>(&data);

private:
	AtomId _id;
	std::int32_t _type;
};

class Object : public Atom
{
public:
	using Atom::Atom;
	Object* AsObject() override { return this; }

	Object* parent = nullptr;
	Document* document = nullptr; // set while the object lies in a document's tree
	std::vector<Object*> children;
	bool inTree = false;          // under a parent or at a document's top level

	std::vector<double> points;   // x, y, z per point
	bool isPointObject = false;
	std::int32_t splineType = 0;  // SPLINETYPE of a spline
	std::vector<C4DOS_Segment> segments; // none: one segment of all points

	// Where the object lies in the scene: its global matrix, which moves in
	// the hierarchy keep.
	Matrix matrix;
	Dirtiness dirty;

	// A spline generator's contour, and how often it was asked to build one.
	ContourCache contour;
	std::uint64_t builds = 0;
	// Set on a cached contour: the generator it belongs to.
	Object* cacheOwner = nullptr;

	// Plug-in objects: the registration and the module's data for this object.
	const RegisteredObject* plugin = nullptr;
	void* pluginData = nullptr;

	// Messages sent to this object by the module, in order.
	std::vector<std::int32_t> messages;
};

class Document : public Atom
{
public:
	explicit Document(AtomId id) : Atom(id, DOCUMENT_TYPE) { }
	Document* AsDocument() override { return this; }

	std::vector<Object*> roots;
	std::int32_t splinePlane = 0;
	UndoHistory undoHistory;
};

// The object and everything under it, each parent before its children and
// children in their order: a walk that no depth of nesting can overflow.
std::vector<Object*> Subtree(Object& object);

// An atom, possibly null, as an object or a document, or null.
inline Object* AsObject(Atom* atom)
{
	return atom ? atom->AsObject() : nullptr;
}

inline Document* AsDocument(Atom* atom)
{
	return atom ? atom->AsDocument() : nullptr;
}

// The module sees atoms as opaque handles: the address of the Atom.
inline C4DOS_Atom* HandleOf(Atom* atom)
{
	return reinterpret_cast<C4DOS_Atom*>(atom);
}

class Scene
{
public:
	// Called for every plug-in object just before it is destroyed.
	using Finaliser = std::function<void(Object&)>;
	explicit Scene(Finaliser finaliser) : _finaliser(std::move(finaliser)) { }
	~Scene();

	Object* NewObject(std::int32_t type);
	Document* NewDocument();

	// Destroys an object that is in no tree, with everything under it and
	// their cached contours.
	void DestroyObject(Object* object);
	// Destroys a document with every object in it.
	void DestroyDocument(Document* document);
	// Destroys everything; plug-in objects are finalised first.
	void Clear();

	// The live atom behind a handle, or null.
	Atom* Find(const void* handle) const;
	Atom* FindId(AtomId id) const;
	// Counts every destruction of an atom, so that a remembered handle check
	// knows when it may be stale.
	std::uint64_t Generation() const { return _generation; }
	// Whether `container` is the live container of an atom.
	bool IsLiveContainer(const void* container) const;
	// The atom whose live container `container` is, or null.
	Atom* ContainerOwner(const void* container) const;
	// Every document, oldest first.
	std::vector<Document*> Documents() const;

	// Hierarchy.
	std::vector<Object*>* Siblings(Object* object);
	Object* Next(Object* object);
	Object* Pred(Object* object);
	void InsertUnder(Object* object, Object* parent, bool last);
	void InsertAt(Document* document, Object* object, Object* parent, Object* pred);
	void Remove(Object* object);
	// Takes the object out of its siblings as Remove does, but leaves the
	// documents of its subtree to a later SettleDocument.
	void Unlink(Object* object);
	// The object and everything under it lie in `document` (null: in none).
	void SettleDocument(Object* object, Document* document);
	// Whether `object` lies under `ancestor`. Costs the smaller of the
	// depth of `object` and the size of `ancestor`'s subtree.
	bool IsAncestor(const Object* ancestor, const Object* object) const;

	// Objects in no tree that nobody freed; cached contours are their generators'.
	std::vector<Object*> LooseObjects() const;

	// The parts `flags` (C4DOS_DIRTY_...) of the object changed now.
	void Touch(Object& object, std::int32_t flags);
	// Replaces a spline generator's cached contour with `spline` (null: none),
	// built at the generator's present data dirtiness; its cache changed.
	void ReplaceContour(Object& generator, Object* spline);

private:
	void Forget(Atom* atom);

	Finaliser _finaliser;
	AtomId _nextId = 1;
	std::uint64_t _generation = 0;
	std::uint32_t _clock = 0;
	std::unordered_map<const void*, std::unique_ptr<Atom>> _atoms;
	std::unordered_map<AtomId, Atom*> _byId;
	std::unordered_map<const void*, Atom*> _containers;
};

} // namespace headless

#endif
