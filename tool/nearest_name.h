// The known name a mistyped one most likely meant, for "did you mean ...?".
#ifndef TOOL_NEAREST_NAME_H
#define TOOL_NEAREST_NAME_H

#include <optional>
#include <string>
#include <vector>

namespace tool
{

// The name in `names` fewest edits away from `word` (a letter added, lost,
// changed, or two neighbours swapped; letter case ignored), when it is near
// enough to be a slip: at most a third of its letters, and at least one.
std::optional<std::string> NearestName(const std::string& word, const std::vector<std::string>& names);

// " (did you mean NAME?)" for the nearest name, else empty.
std::string DidYouMean(const std::string& word, const std::vector<std::string>& names);

} // namespace tool

#endif
