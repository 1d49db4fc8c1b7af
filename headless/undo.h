// Undo as the host does it. A step is an undo group the module opened and
// closed, a single record the module made outside a group, or one action of
// the user in the host, which also holds every record the module makes while
// handling it. Empty groups make no step.
//
// The host is strict about undo: every change the module makes through the
// table to an object in a document must be covered by an earlier record of
// the same step (a CHANGE of the object or of an ancestor, or its NEWOBJ),
// and a group must be closed before the module returns to the host.
#ifndef HEADLESS_UNDO_H
#define HEADLESS_UNDO_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "headless/protocol_log.h"
#include "headless/scene.h"

namespace headless
{

class Undo
{
public:
	Undo(Scene& scene, ProtocolLog& protocol) : _scene(scene), _protocol(protocol) { }
	Undo(const Undo&) = delete;
	Undo& operator=(const Undo&) = delete;

	// Groups and records, as the module makes them through the table.
	bool StartGroup(Document& document);
	bool EndGroup(Document& document, const char* entry);
	// False for a record type the host does not know, and for a NEWOBJ of an
	// object that is not in the document (a fault).
	bool Record(Document& document, std::int32_t type, Object& object, const char* entry);

	// The module is about to change the object's container or name, or to
	// take it out of its tree: a fault when the object lies in a document
	// and no record covers it.
	void CheckChange(Object& object, const char* entry);
	// The same for a change to a container, when it is an object's live container.
	void CheckContainerChange(const void* container, const char* entry);
	// The module put the object into a tree: when that tree is a document's,
	// a record must cover the object before the module returns to the host.
	void NoteInsertion(Object& object, const char* entry);
	// The module frees the object: no record may hold it (or anything under it) any more.
	void Forget(Object& object);

	// A call from the host into the module begins / ends; `call` names it in faults.
	void EnterModule() { ++_moduleDepth; }
	void LeaveModule(const std::string& call);

	// An action of the user in the host: one step of its own.
	void BeginAction(Document& document);
	void EndAction(Document& document);

	// Undo and redo of the last step; false when there is none.
	bool TakeBack(Document& document);
	bool Replay(Document& document);
	std::size_t Steps(const Document& document) const { return document.undoHistory.done.size(); }
	// How many steps undo keeps: a setting of the document. A new step
	// beyond it drops the oldest, and with it the snapshots it held; a
	// smaller depth drops the oldest steps at once. False for 0.
	bool SetDepth(Document& document, std::size_t depth);
	std::size_t Depth(const Document& document) const { return document.undoHistory.depth; }
	std::size_t RedoSteps(const Document& document) const { return document.undoHistory.undone.size(); }

private:
	bool Covered(const UndoHistory& history, const Object& object) const;
	void CloseOpenStep(UndoHistory& history);
	// Drops the oldest steps beyond the depth, but none the running module call still builds on.
	void DropOldest(UndoHistory& history);

	Scene& _scene;
	ProtocolLog& _protocol;
	int _moduleDepth = 0;
};

// One call from the host into the module, from entry to return. When the
// outermost call returns, the host checks what the module left behind.
class ModuleCall
{
public:
	ModuleCall(Undo& undo, std::string call) : _undo(undo), _call(std::move(call)) { _undo.EnterModule(); }
	~ModuleCall() { _undo.LeaveModule(_call); }
	ModuleCall(const ModuleCall&) = delete;
	ModuleCall& operator=(const ModuleCall&) = delete;

private:
	Undo& _undo;
	std::string _call;
};

// One action of the user on an object of `document`, from start to end; no
// step at all when the document is null.
class UserAction
{
public:
	UserAction(Undo& undo, Document* document) : _undo(undo), _document(document)
	{
		if (_document)
			_undo.BeginAction(*_document);
	}
	~UserAction()
	{
		if (_document)
			_undo.EndAction(*_document);
	}
	UserAction(const UserAction&) = delete;
	UserAction& operator=(const UserAction&) = delete;

private:
	Undo& _undo;
	Document* _document;
};

} // namespace headless

#endif
