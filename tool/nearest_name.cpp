#include "tool/nearest_name.h"

#include <algorithm>
#include <cctype>

namespace tool
{

namespace
{

std::string Folded(const std::string& text)
{
	std::string folded = text;
	std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
	return folded;
}

// Edits from `a` to `b`: insertions, deletions, substitutions and swaps of neighbours.
std::size_t Distance(const std::string& a, const std::string& b)
{
	std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
	for (std::size_t i = 0; i <= a.size(); ++i)
		d[i][0] = i;
	for (std::size_t j = 0; j <= b.size(); ++j)
		d[0][j] = j;
	for (std::size_t i = 1; i <= a.size(); ++i)
	{
		for (std::size_t j = 1; j <= b.size(); ++j)
		{
			const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
			d[i][j] = std::min({ d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change });
			if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
				d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
		}
	}
	return d[a.size()][b.size()];
}

} // namespace

std::optional<std::string> NearestName(const std::string& word, const std::vector<std::string>& names)
{
	const std::string folded = Folded(word);
	const std::size_t allowed = std::max<std::size_t>(1, folded.size() / 3);
	std::optional<std::string> nearest;
	std::size_t best = allowed + 1;
	for (const std::string& name : names)
	{
		const std::size_t distance = Distance(folded, Folded(name));
		if (distance < best)
		{
			best = distance;
			nearest = name;
		}
	}
	return nearest;
}

std::string DidYouMean(const std::string& word, const std::vector<std::string>& names)
{
	const std::optional<std::string> nearest = NearestName(word, names);
	return nearest ? " (did you mean " + *nearest + "?)" : std::string();
}

} // namespace tool
