#include "headless/undo.h"

#include <algorithm>
#include <set>

#include "headless/undo_snapshot.h"

namespace headless
{

namespace
{

bool Holds(const std::vector<Object*>& objects, const Object* object)
{
	return std::find(objects.begin(), objects.end(), object) != objects.end();
}

bool StepCovers(const UndoStep& step, const Object& object)
{
	for (const UndoRecord& record : step.records)
	{
		if (Holds(record.covered, &object))
			return true;
		for (const Object* up = object.parent; record.subtrees && up; up = up->parent)
		{
			if (Holds(record.covered, up))
				return true;
		}
	}
	return false;
}

std::string Describe(const Object& object)
{
	return "an object of type " + std::to_string(object.Type());
}

// Restores `restore`, keeping in `keep` what it replaces.
void Exchange(Scene& scene, Snapshot& keep, const Snapshot& restore)
{
	keep = TakeLike(scene, restore);
	Restore(scene, restore);
}

using ObjectSet = std::set<const Object*>;

// Takes the objects in `gone` out of a snapshot: their states, and their
// places among the children of the others.
void Strip(Snapshot& snapshot, const ObjectSet& gone)
{
	std::erase_if(snapshot, [&](const ObjectState& state) { return gone.count(state.object) > 0; });
	for (ObjectState& state : snapshot)
	{
		std::erase_if(state.children, [&](const Object* child) { return gone.count(child) > 0; });
		if (gone.count(state.place.parent))
			state.place = Place {};
	}
}

// Takes the objects in `gone` out of every record of the step, and drops the records left empty.
void Strip(UndoStep& step, const ObjectSet& gone)
{
	for (UndoRecord& record : step.records)
	{
		Strip(record.before, gone);
		Strip(record.after, gone);
		std::erase_if(record.covered, [&](const Object* object) { return gone.count(object) > 0; });
	}
	std::erase_if(step.records, [](const UndoRecord& record) { return record.before.empty(); });
}

void Strip(std::deque<UndoStep>& steps, const ObjectSet& gone)
{
	for (UndoStep& step : steps)
		Strip(step, gone);
	std::erase_if(steps, [](const UndoStep& step) { return step.records.empty(); });
}

} // namespace

bool Undo::StartGroup(Document& document)
{
	UndoHistory& history = document.undoHistory;
	if (++history.groupDepth == 1 && !history.hostAction)
	{
		history.open = UndoStep {};
		history.looseSteps = 0;
	}
	return true;
}

bool Undo::EndGroup(Document& document, const char* entry)
{
	UndoHistory& history = document.undoHistory;
	if (history.groupDepth == 0)
	{
		_protocol.Fault(entry, "an undo group ended without being begun");
		return false;
	}
	if (--history.groupDepth == 0 && !history.hostAction)
		CloseOpenStep(history);
	return true;
}

bool Undo::Record(Document& document, std::int32_t type, Object& object, const char* entry)
{
	UndoRecord record;
	switch (type)
	{
		case UNDOTYPE_CHANGE:
		case UNDOTYPE_DELETEOBJ:
			record.before = TakeTree(_scene, object);
			record.subtrees = true;
			break;
		case UNDOTYPE_CHANGE_NOCHILDREN:
			record.before = TakeAlone(_scene, object);
			break;
		case UNDOTYPE_NEWOBJ:
			if (object.document != &document)
			{
				_protocol.Fault(entry, "NEWOBJ for an object that is not in the document");
				return false;
			}
			record.before = Outside(object);
			record.subtrees = true;
			break;
		default:
			return false;
	}
	if (record.subtrees)
		record.covered = Subtree(object);
	else
		record.covered.push_back(&object);

	UndoHistory& history = document.undoHistory;
	if (history.open)
		history.open->records.push_back(std::move(record));
	else
	{
		history.done.push_back(UndoStep { { std::move(record) } });
		history.undone.clear();
		++history.looseSteps;
		DropOldest(history);
	}
	std::erase_if(history.unrecorded, [&](const UnrecordedInsertion& insertion) { return Covered(history, *insertion.object); });
	return true;
}

bool Undo::Covered(const UndoHistory& history, const Object& object) const
{
	if (history.open)
		return StepCovers(*history.open, object);
	for (std::size_t i = history.done.size() - history.looseSteps; i < history.done.size(); ++i)
	{
		if (StepCovers(history.done[i], object))
			return true;
	}
	return false;
}

void Undo::CheckChange(Object& object, const char* entry)
{
	if (object.document && !Covered(object.document->undoHistory, object))
		_protocol.Fault(entry, Describe(object) + " in the document changed with no undo record covering it");
}

void Undo::CheckContainerChange(const void* container, const char* entry)
{
	if (auto* object = AsObject(_scene.ContainerOwner(container)))
		CheckChange(*object, entry);
}

void Undo::NoteInsertion(Object& object, const char* entry)
{
	if (object.document && !Covered(object.document->undoHistory, object))
		object.document->undoHistory.unrecorded.push_back(UnrecordedInsertion { &object, entry });
}

void Undo::Forget(Object& object)
{
	const std::vector<Object*> subtree = Subtree(object);
	const ObjectSet gone(subtree.begin(), subtree.end());
	for (Document* document : _scene.Documents())
	{
		UndoHistory& history = document->undoHistory;
		Strip(history.done, gone);
		Strip(history.undone, gone);
		if (history.open)
			Strip(*history.open, gone);
		history.looseSteps = std::min(history.looseSteps, history.done.size());
		std::erase_if(history.unrecorded, [&](const UnrecordedInsertion& insertion) { return gone.count(insertion.object) > 0; });
	}
}

void Undo::LeaveModule(const std::string& call)
{
	if (--_moduleDepth > 0)
		return;
	for (Document* document : _scene.Documents())
	{
		UndoHistory& history = document->undoHistory;
		if (history.groupDepth > 0)
		{
			_protocol.Fault(call, "an undo group was left open");
			history.groupDepth = 0;
			if (!history.hostAction)
				CloseOpenStep(history);
		}
		for (const UnrecordedInsertion& insertion : history.unrecorded)
		{
			if (insertion.object->document && !Covered(history, *insertion.object))
				_protocol.Fault(insertion.entry, Describe(*insertion.object) + " was put into the document with no undo record covering it");
		}
		history.unrecorded.clear();
		history.looseSteps = 0;
		DropOldest(history);
	}
}

void Undo::BeginAction(Document& document)
{
	UndoHistory& history = document.undoHistory;
	history.hostAction = true;
	history.open = UndoStep {};
	history.looseSteps = 0;
}

void Undo::EndAction(Document& document)
{
	UndoHistory& history = document.undoHistory;
	history.hostAction = false;
	if (history.groupDepth == 0)
		CloseOpenStep(history);
}

void Undo::CloseOpenStep(UndoHistory& history)
{
	if (history.open && !history.open->records.empty())
	{
		history.done.push_back(std::move(*history.open));
		history.undone.clear();
	}
	history.open.reset();
	history.looseSteps = 0;
	DropOldest(history);
}

void Undo::DropOldest(UndoHistory& history)
{
	while (history.done.size() > std::max(history.depth, history.looseSteps))
		history.done.pop_front();
}

bool Undo::SetDepth(Document& document, std::size_t depth)
{
	if (depth == 0)
		return false;
	UndoHistory& history = document.undoHistory;
	history.depth = depth;
	DropOldest(history);
	// Redo keeps the steps nearest to the present.
	while (history.undone.size() > depth)
		history.undone.pop_front();
	return true;
}

bool Undo::TakeBack(Document& document)
{
	UndoHistory& history = document.undoHistory;
	if (history.done.empty())
		return false;
	UndoStep& step = history.undone.emplace_back(std::move(history.done.back()));
	history.done.pop_back();
	for (auto record = step.records.rbegin(); record != step.records.rend(); ++record)
		Exchange(_scene, record->after, record->before);
	history.looseSteps = std::min(history.looseSteps, history.done.size());
	return true;
}

bool Undo::Replay(Document& document)
{
	UndoHistory& history = document.undoHistory;
	if (history.undone.empty())
		return false;
	UndoStep& step = history.done.emplace_back(std::move(history.undone.back()));
	history.undone.pop_back();
	for (UndoRecord& record : step.records)
		Exchange(_scene, record.before, record.after);
	DropOldest(history);
	return true;
}

} // namespace headless
