// A script run against the session's document, one command a line:
//
//   new arrow|null|spline|extrude|cloner|wrap NAME
//   move REF under REF2          move REF top
//   set REF PARAM VALUE          link REF PARAM REF2|none
//   matrix REF OFF V1 V2 V3      points REF x,y,z x,y,z ...
//   press REF BUTTON             plane 0|1|2
//   answer PATH|cancel           undo          redo
//   undo depth N
//   print tree|console|dialogs|filedialogs|events|undo   print undo depth
//   print REF [PARAM]            print enabled REF PARAM
//   print messages REF           print contour REF
//   print REF matrix             print builds REF
//   print names REF              (REF's container keyed by parameter names)
//
// `new`, `move`, `set`, `link`, `matrix` (the global matrix: offset and
// axes, each x,y,z) and `points` (a spline's points, linear, z = 0 where
// left out) are one undo step each (a move that changes nothing makes
// none). `undo depth N` keeps the last N steps, 100 in a new document.
// `print contour` and `print builds` evaluate the document as the host
// does before it draws: an arrow is rebuilt only when it changed; `print
// builds` then says how often the arrow was built. Only `print` writes to
// the output.
#ifndef TOOL_SCRIPT_SCRIPT_H
#define TOOL_SCRIPT_SCRIPT_H

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "tool/script/names.h"
#include "tool/script/words.h"
#include "tool/session.h"

namespace tool::script
{

class Script
{
public:
	// A script against `document` of `host`; `print` writes to `out`.
	Script(headless::Host& host, headless::Document& document, std::ostream& out);

	// Runs the words of one line; throws InputError when the line cannot run.
	void Run(const std::vector<Word>& words);

private:
	using Words = std::vector<Word>;

	void New(const Words& words);
	void Move(const Words& words);
	void Set(const Words& words);
	void Link(const Words& words);
	void Matrix(const Words& words);
	void Points(const Words& words);
	void Press(const Words& words);
	void Plane(const Words& words);
	void Answer(const Words& words);
	void Undo(const Words& words);
	void Redo(const Words& words);

	// printing.cpp
	void Print(const Words& words);
	void PrintTree();
	void PrintContour(const Word& reference);
	// Keyed by ID, or with `byName` by the names `set` takes where there are any.
	void PrintObject(headless::Object* object, bool byName);
	void PrintMatrix(headless::Object* object);
	void PrintBuilds(headless::Object* object);
	void PrintParameter(headless::Object* object, const Word& parameter);
	void PrintEnabled(headless::Object* object, const Word& parameter);
	void PrintMessages(headless::Object* object);
	void PrintConsole();
	void PrintDialogs();
	void PrintFileDialogs();

	headless::Object* Resolve(const Word& reference) const;

	headless::Host& _host;
	headless::Document& _document;
	std::ostream& _out;
	Names _names;
	// How much of the console, the message boxes, the file dialogs and the
	// update events was printed already.
	std::size_t _consolePrinted = 0;
	std::size_t _dialogsPrinted = 0;
	std::size_t _fileDialogsPrinted = 0;
	std::int64_t _eventsPrinted = 0;
};

} // namespace tool::script

#endif
