#include "headless/resources/description_parser.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "headless/resources/token_cursor.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

namespace {

class DescriptionParser
{
public:
	DescriptionParser(std::string_view text, const std::string& file, const DescriptionScope& scope)
		: _cursor(Lex(text, file), file), _scope(scope)
	{
	}

	Description Parse()
	{
		_cursor.ExpectKeyword("CONTAINER");
		_result.name = _cursor.ExpectIdentifier("a description name").text;
		_result.label = LabelOf(_result.name);
		// The container's own properties (NAME) say nothing the name does not.
		DescriptionElement container{};
		ParseGroupBody(_cursor.ExpectPunctuation('{'), 0, container);
		_cursor.ExpectEnd();
		return std::move(_result);
	}

private:
	std::string LabelOf(const std::string& symbol) const
	{
		const auto label = _scope.labels.find(symbol);
		return label == _scope.labels.end() ? symbol : label->second;
	}

	int32_t Resolve(const Token& symbol) const
	{
		const auto found = _scope.symbols.find(symbol.text);
		if (found == _scope.symbols.end())
			_cursor.FailAt(symbol, "unknown symbol " + Quote(symbol.text));
		return found->second;
	}

	// Adds `element` to the result; `at` is blamed when its ID is taken.
	void Add(DescriptionElement element, const Token& at)
	{
		if (!element.symbol.empty())
		{
			const auto [owner, added] = _owners.emplace(element.id, element.symbol);
			if (!added)
				_cursor.FailAt(at, "ID " + std::to_string(element.id) + " of " + Quote(element.symbol) + " is already used by " + Quote(owner->second));
		}
		_result.elements.push_back(std::move(element));
	}

	// Parses the items of a GROUP or of the container up to the closing '}';
	// properties go to `owner`, elements to the result.
	void ParseGroupBody(const Token& open, int32_t group, DescriptionElement& owner)
	{
		while (!_cursor.CloseBlock(open))
		{
			const Token& word = _cursor.ExpectIdentifier("an element or a property");
			if (word.text == "INCLUDE")
				ParseInclude(group);
			else if (const auto kind = ElementKindOf(word.text))
				ParseElement(*kind, group);
			else
				ParseProperty(word, owner);
		}
	}

	void ParseInclude(int32_t group)
	{
		const Token& name = _cursor.ExpectIdentifier("a description name");
		_cursor.ExpectPunctuation(';');
		const Description* included = _scope.FindDescription(name.text);
		if (!included)
			_cursor.FailAt(name, "INCLUDE of unknown description " + Quote(name.text));
		for (DescriptionElement element : included->elements)
		{
			if (element.group == 0)
				element.group = group;
			Add(std::move(element), name);
		}
	}

	void ParseElement(ElementKind kind, int32_t group)
	{
		const bool isGroup = kind == ElementKind::Group;
		DescriptionElement element{};
		element.kind = kind;
		element.group = group;
		const Token* symbol = nullptr;
		if (_cursor.AtKind(TokenKind::Identifier))
		{
			symbol = &_cursor.Next();
			element.id = Resolve(*symbol);
			element.symbol = symbol->text;
			element.label = LabelOf(symbol->text);
		}
		else if (!isGroup && kind != ElementKind::Separator)
		{
			_cursor.FailExpected("a symbol");
		}
		const Token& open = _cursor.ExpectPunctuation('{');
		const Token& blame = symbol ? *symbol : open;
		if (!isGroup)
		{
			ParseProperties(open, element);
			Add(std::move(element), blame);
			return;
		}
		// The group comes before its children, so its properties are
		// collected aside and filled in once the body is read.
		if (++_nesting > kMaxGroupNesting)
			_cursor.FailAt(open, "groups nest deeper than " + std::to_string(kMaxGroupNesting) + " levels");
		const std::size_t index = _result.elements.size();
		const int32_t childGroup = element.symbol.empty() ? group : element.id;
		Add(std::move(element), blame);
		DescriptionElement properties{};
		ParseGroupBody(open, childGroup, properties);
		--_nesting;
		_result.elements[index].properties = std::move(properties.properties);
		_result.elements[index].cycle = std::move(properties.cycle);
	}

	void ParseProperties(const Token& open, DescriptionElement& element)
	{
		while (!_cursor.CloseBlock(open))
		{
			const Token& key = _cursor.ExpectIdentifier("a property");
			if (key.text == "INCLUDE" || ElementKindOf(key.text))
				_cursor.FailAt(key, Quote(key.text) + " cannot appear inside " + std::string(KeywordOf(element.kind)));
			ParseProperty(key, element);
		}
	}

	bool AtWord() const
	{
		return _cursor.AtKind(TokenKind::Identifier) || _cursor.AtKind(TokenKind::Number);
	}

	// `KEY words... ;` or `KEY { word; word; ... }`.
	void ParseProperty(const Token& key, DescriptionElement& element)
	{
		std::vector<const Token*> words;
		if (_cursor.AtPunctuation('{'))
		{
			const Token& open = _cursor.Next();
			while (!_cursor.CloseBlock(open))
			{
				if (!AtWord())
					_cursor.FailExpected("a word");
				words.push_back(&_cursor.Next());
				_cursor.ExpectPunctuation(';');
			}
		}
		else
		{
			while (AtWord())
				words.push_back(&_cursor.Next());
			if (_cursor.AtPunctuation('{'))
				_cursor.FailAt(key, "unknown element " + Quote(key.text));
			_cursor.ExpectPunctuation(';');
		}
		std::vector<std::string> values;
		for (const Token* word : words)
			values.push_back(word->text);
		if (!element.properties.emplace(key.text, std::move(values)).second)
			_cursor.FailAt(key, "property " + Quote(key.text) + " is given twice");
		if (key.text == "CYCLE")
		{
			for (const Token* entry : words)
				element.cycle.push_back({Resolve(*entry), entry->text, LabelOf(entry->text)});
		}
		else if (key.text == "MIN")
			element.min = NumberOf(key, words, element.kind);
		else if (key.text == "MAX")
			element.max = NumberOf(key, words, element.kind);
		else if (key.text == "STEP")
			element.step = NumberOf(key, words, element.kind);
		else if (key.text == "UNIT")
			element.unit = OneWord(key, words).text;
	}

	const Token& OneWord(const Token& key, const std::vector<const Token*>& words) const
	{
		if (words.size() != 1)
			_cursor.FailAt(key, key.text + " takes one word");
		return *words.front();
	}

	// The one number a MIN, MAX or STEP property gives; a LONG's is a whole
	// number that its 32 bits hold.
	double NumberOf(const Token& key, const std::vector<const Token*>& words, ElementKind kind) const
	{
		const Token& word = OneWord(key, words);
		const std::string& text = word.text;
		const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
		double value = 0.0;
		const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
		if (word.kind == TokenKind::Number && error == std::errc::result_out_of_range)
			_cursor.FailAt(word, key.text + " " + Quote(text) + " is out of range");
		if (word.kind != TokenKind::Number || error != std::errc() || end != text.data() + text.size())
			_cursor.FailAt(word, key.text + " takes a number, not '" + text + "'");
		if (kind == ElementKind::Long && !(std::trunc(value) == value && value >= INT32_MIN && value <= INT32_MAX))
			_cursor.FailAt(word, key.text + " of a LONG takes a whole number from -2147483648 to 2147483647, not " + Quote(text));
		return value;
	}

	TokenCursor _cursor;
	const DescriptionScope& _scope;
	Description _result;
	std::map<int32_t, std::string> _owners; // ID -> symbol that uses it
	int _nesting = 0;                       // GROUPs open around the parser
};

}

Description ParseDescription(std::string_view text, const std::string& file, const DescriptionScope& scope)
{
	return DescriptionParser(text, file, scope).Parse();
}

}
