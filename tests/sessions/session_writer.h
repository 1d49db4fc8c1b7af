// Random script lines for a session against one document: new objects of
// every kind, moves, parameters set and links made on arrows and host
// objects, the arrow's buttons (preset saves and loads with their dialogs
// answered or cancelled), the document's plane, matrices and spline points,
// contours printed, undo and redo. The lines come from the seed alone,
// given which of them ran.
#ifndef TESTS_SESSIONS_SESSION_WRITER_H
#define TESTS_SESSIONS_SESSION_WRITER_H

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "headless/resources/description.h"

namespace tests
{

class SessionWriter
{
public:
	// `arrow`: the arrow's description, whose every parameter and button the
	// lines may use. Saves go to `presetFolder`; loads come from there and
	// from `catalogue`.
	SessionWriter(std::uint64_t seed, const headless::resources::Description& arrow, std::filesystem::path presetFolder,
		std::filesystem::path catalogue);

	// How many lines the session is to run: 10 to 40.
	std::size_t Length() const { return _length; }
	// One line, or an answer for a file dialog followed by the line that opens it.
	std::string NextLine();
	// `line` ran: an object it made is known from now on.
	void Ran(const std::string& line);

private:
	struct Named
	{
		std::string kind;
		std::string name;
	};

	std::string NewObject();
	std::string Move();
	std::string SetArrowParameter();
	std::string SetHostParameter();
	// A matrix for any object, or points for a spline.
	std::string Place();
	// The press, after the answer for its file dialog if it opens one.
	std::string Press(const std::string& arrow, const headless::resources::DescriptionElement& button);
	std::string Reference();
	std::string Reference(const std::string& kind);
	std::string Value(const headless::resources::DescriptionElement& parameter);
	std::string PresetFile(bool saving);

	template <typename T> const T& Pick(const std::vector<T>& items) { return items[Below(items.size())]; }
	std::size_t Below(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(_random); }
	bool Chance(double probability) { return std::bernoulli_distribution(probability)(_random); }

	std::mt19937_64 _random;
	std::vector<const headless::resources::DescriptionElement*> _parameters;
	std::filesystem::path _presetFolder;
	std::vector<std::filesystem::path> _catalogue;
	std::vector<Named> _named;
	int _made = 0;
	std::size_t _length = 0;
};

} // namespace tests

#endif
