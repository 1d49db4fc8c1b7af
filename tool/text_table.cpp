#include "tool/text_table.h"

#include <algorithm>

namespace tool
{

namespace
{

std::size_t Width(const std::string& text)
{
	// Continuation bytes (10xxxxxx) add no character.
	return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

void TextTable::Row(std::vector<std::string> cells)
{
	_entries.push_back({ true, std::move(cells) });
}

void TextTable::Line(std::string text)
{
	_entries.push_back({ false, { std::move(text) } });
}

std::string TextTable::Render(const std::string& indent) const
{
	std::vector<std::size_t> widths;
	for (const Entry& entry : _entries)
	{
		if (!entry.row)
			continue;
		widths.resize(std::max(widths.size(), entry.cells.size()));
		for (std::size_t i = 0; i < entry.cells.size(); ++i)
			widths[i] = std::max(widths[i], Width(entry.cells[i]));
	}
	std::string text;
	for (const Entry& entry : _entries)
	{
		if (!entry.row)
		{
			text += entry.cells.front() + '\n';
			continue;
		}
		std::string line = indent;
		for (std::size_t i = 0; i < entry.cells.size(); ++i)
			line += entry.cells[i] + std::string(i + 1 < entry.cells.size() ? widths[i] - Width(entry.cells[i]) + 2 : 0, ' ');
		line.erase(line.find_last_not_of(' ') + 1);
		text += line + '\n';
	}
	return text;
}

} // namespace tool
