// A document's undo history: the steps undo can take back, the steps redo
// can replay, and the step being built. Plain data; headless/undo.h works it.
#ifndef HEADLESS_UNDO_HISTORY_H
#define HEADLESS_UNDO_HISTORY_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "headless/container.h"
#include "headless/matrix.h"

namespace headless
{

class Object;
class Document;

// Undo record types (UNDOTYPE) the host knows.
constexpr std::int32_t UNDOTYPE_CHANGE = 40;
constexpr std::int32_t UNDOTYPE_CHANGE_NOCHILDREN = 41;
constexpr std::int32_t UNDOTYPE_NEWOBJ = 44;
constexpr std::int32_t UNDOTYPE_DELETEOBJ = 45;

// How many steps undo can take back in a new document; older ones are dropped.
constexpr std::size_t DEFAULT_UNDO_DEPTH = 100;

// Where an object lies: at the top level of a document, under a parent, or in no tree.
struct Place
{
	bool inTree = false;
	Document* document = nullptr; // top level of this document when there is no parent
	Object* parent = nullptr;
	std::size_t index = 0;        // among its siblings
};

// One object as a snapshot keeps it. The place is always kept; the content
// (container, name, points, matrix) and the list of children only where the
// record type takes them.
struct ObjectState
{
	Object* object = nullptr;
	Place place;
	bool hasContent = false;
	Container data;
	std::string name;
	std::vector<double> points;
	Matrix matrix;
	bool hasChildren = false;
	std::vector<Object*> children;
};

using Snapshot = std::vector<ObjectState>;

struct UndoRecord
{
	Snapshot before; // what undo restores
	Snapshot after;  // what redo restores, taken when the record is undone
	// The objects whose changes this record takes back; with `subtrees`,
	// everything that comes to lie under one of them too.
	std::vector<Object*> covered;
	bool subtrees = false;
};

struct UndoStep
{
	std::vector<UndoRecord> records;
};

// An object the module put into the document that no record covers yet.
struct UnrecordedInsertion
{
	Object* object = nullptr;
	std::string entry;
};

struct UndoHistory
{
	std::deque<UndoStep> done;   // undo takes back the last
	std::deque<UndoStep> undone; // redo replays the last
	std::size_t depth = DEFAULT_UNDO_DEPTH; // at least 1
	// The step being built: a host action's, or the module's outermost group.
	std::optional<UndoStep> open;
	bool hostAction = false;
	int groupDepth = 0;
	// Steps of single records the module made outside a group during the
	// module call that is running: the last `looseSteps` of `done`.
	std::size_t looseSteps = 0;
	std::vector<UnrecordedInsertion> unrecorded;
};

} // namespace headless

#endif
