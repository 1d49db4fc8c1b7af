#include "tests/sessions/session_writer.h"

#include <algorithm>
#include <sstream>

namespace tests
{

namespace
{

using headless::resources::DescriptionElement;
using headless::resources::ElementKind;

const std::vector<std::string> KINDS = { "arrow", "arrow", "arrow", "spline", "null", "extrude", "cloner", "wrap" };
const std::vector<std::string> STEPS = { ".up", ".down", ".last", ".next", ".prev" };
const std::vector<std::string> REALS = { "0.0", "-0.0", "0.5", "1.0", "50.0", "100.0", "400.0", "-20.0", "0.001", "1e6", "1e-300" };
const std::vector<std::string> LONGS = { "0", "1", "3", "8", "-2" };
const std::vector<std::string> TEXTS = { "\"\"", "Wide", "\"two words\"" };
const std::vector<std::string> VECTORS = { "0,0,20", "5,0,0", "0,-1,2.5" };
// Axes: the identity, a quarter turn, twice the size, and flat.
const std::vector<std::string> AXES = { "1,0,0 0,1,0 0,0,1", "0,1,0 -1,0,0 0,0,1", "2,0,0 0,2,0 0,0,2", "1,0,0 1,0,0 0,0,1" };
const std::vector<std::string> POINTS = { "0,0 400,0 400,300", "0,0 0,0", "-100,0,5 100,50,5 100,-50,5 -100,0,5" };

std::string Quoted(const std::filesystem::path& file)
{
	return "\"" + file.string() + "\"";
}

} // namespace

SessionWriter::SessionWriter(std::uint64_t seed, const headless::resources::Description& arrow, std::filesystem::path presetFolder,
	std::filesystem::path catalogue) :
	_random(seed), _presetFolder(std::move(presetFolder))
{
	for (const DescriptionElement& element : arrow.elements)
	{
		if (element.IsParameter() && !element.symbol.empty())
			_parameters.push_back(&element);
	}
	for (const auto& entry : std::filesystem::directory_iterator(catalogue))
		_catalogue.push_back(entry.path());
	std::sort(_catalogue.begin(), _catalogue.end());
	_length = 10 + Below(31);
}

std::string SessionWriter::NextLine()
{
	if (_named.size() < 2 || Chance(0.08))
		return NewObject();
	const std::size_t roll = Below(100);
	if (roll < 10)
		return Move();
	if (roll < 55)
		return SetArrowParameter();
	if (roll < 65)
		return SetHostParameter();
	if (roll < 67)
		return "plane " + std::to_string(Below(3));
	if (roll < 70)
		return Place();
	if (roll < 74)
	{
		const std::string arrow = Reference("arrow");
		return arrow.empty() ? NewObject() : "print contour " + arrow;
	}
	if (roll < 88)
		return "undo";
	return "redo";
}

void SessionWriter::Ran(const std::string& line)
{
	std::istringstream words(line);
	std::string command, kind, name;
	words >> command >> kind >> name;
	if (command == "new")
		_named.push_back(Named { kind, name });
}

std::string SessionWriter::NewObject()
{
	const std::string& kind = Pick(KINDS);
	return "new " + kind + " " + kind + std::to_string(++_made);
}

std::string SessionWriter::Move()
{
	const std::string object = Reference();
	return Chance(0.2) ? "move " + object + " top" : "move " + object + " under " + Reference();
}

std::string SessionWriter::Reference()
{
	const std::string& name = Pick(_named).name;
	return Chance(0.15) ? name + Pick(STEPS) : name;
}

std::string SessionWriter::Reference(const std::string& kind)
{
	std::vector<std::string> names;
	for (const Named& named : _named)
	{
		if (named.kind == kind)
			names.push_back(named.name);
	}
	return names.empty() ? std::string() : Pick(names);
}

std::string SessionWriter::SetArrowParameter()
{
	const std::string arrow = Reference("arrow");
	if (arrow.empty())
		return NewObject();
	const DescriptionElement& parameter = *Pick(_parameters);
	switch (parameter.kind)
	{
		case ElementKind::Button: return Press(arrow, parameter);
		case ElementKind::Link: return "link " + arrow + " " + parameter.symbol + " " + (Chance(0.2) ? "none" : Reference());
		default: return Chance(0.05) ? "print enabled " + arrow + " " + parameter.symbol : "set " + arrow + " " + parameter.symbol + " " + Value(parameter);
	}
}

std::string SessionWriter::Press(const std::string& arrow, const headless::resources::DescriptionElement& button)
{
	const std::string press = "press " + arrow + " " + button.symbol;
	const bool saving = button.symbol == "ARROW_PRESET_SAVE";
	if (!saving && button.symbol != "ARROW_PRESET_LOAD")
		return press;
	return "answer " + (Chance(0.15) ? std::string("cancel") : PresetFile(saving)) + "\n" + press;
}

std::string SessionWriter::PresetFile(bool saving)
{
	if (saving)
		return Quoted(_presetFolder / (Chance(0.2) ? "plain" : "p" + std::to_string(Below(3)) + ".arr"));
	const std::size_t roll = Below(10);
	if (roll < 4)
		return Quoted(_presetFolder / ("p" + std::to_string(Below(3)) + ".arr"));
	if (roll < 5)
		return Quoted(_presetFolder / "short.arr");
	return Quoted(Pick(_catalogue));
}

std::string SessionWriter::SetHostParameter()
{
	switch (Below(4))
	{
		case 0:
		{
			const std::string cloner = Reference("cloner");
			if (cloner.empty())
				break;
			if (Chance(0.4))
				return "link " + cloner + " 1015 " + (Chance(0.2) ? "none" : Reference());
			return Chance(0.5) ? "set " + cloner + " 2010 " + std::to_string(Below(2)) : "set " + cloner + " 1270 " + Pick(LONGS);
		}
		case 1:
		{
			const std::string extrude = Reference("extrude");
			if (extrude.empty())
				break;
			return Chance(0.5) ? "set " + extrude + " 1002 " + Pick(VECTORS) : "set " + extrude + " 2000 " + Pick(LONGS);
		}
		case 2:
		{
			const std::string wrap = Reference("wrap");
			if (wrap.empty())
				break;
			return "link " + wrap + " 1001 " + (Chance(0.2) ? "none" : Reference());
		}
		default:
			break;
	}
	return NewObject();
}

std::string SessionWriter::Place()
{
	const std::string spline = Reference("spline");
	if (!spline.empty() && Chance(0.5))
		return "points " + spline + " " + Pick(POINTS);
	return "matrix " + Reference() + " " + Pick(VECTORS) + " " + Pick(AXES);
}

std::string SessionWriter::Value(const headless::resources::DescriptionElement& parameter)
{
	switch (parameter.kind)
	{
		case ElementKind::Real: return Pick(REALS);
		case ElementKind::Bool: return Chance(0.5) ? "true" : "false";
		case ElementKind::String: return Pick(TEXTS);
		case ElementKind::Vector: return Pick(VECTORS);
		case ElementKind::Long:
			if (!parameter.cycle.empty() && Chance(0.8))
				return std::to_string(Pick(parameter.cycle).value);
			return Pick(LONGS);
		default: return "0";
	}
}

} // namespace tests
