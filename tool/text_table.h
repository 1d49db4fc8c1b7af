// Text in aligned columns for a terminal, with lines of their own (headings)
// in between. Widths count characters of UTF-8, not bytes.
#ifndef TOOL_TEXT_TABLE_H
#define TOOL_TEXT_TABLE_H

#include <string>
#include <vector>

namespace tool
{

class TextTable
{
public:
	// A row of cells; every row's cells line up with the others'.
	void Row(std::vector<std::string> cells);
	// A line outside the columns, printed as it is.
	void Line(std::string text);
	// Rows start with `indent` blanks, cells are two blanks apart, no line ends in blanks.
	std::string Render(const std::string& indent) const;

private:
	struct Entry
	{
		bool row = false;
		std::vector<std::string> cells; // a line: its one text
	};
	std::vector<Entry> _entries;
};

} // namespace tool

#endif
