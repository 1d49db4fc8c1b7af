#include "headless/resources/utf8.h"

namespace headless::resources {

namespace {

// What a lead byte demands: the sequence length and the range of the second
// byte, which is where overlong forms, surrogates and code points beyond
// U+10FFFF are excluded.
struct LeadByte
{
	std::size_t length;
	unsigned char secondLow;
	unsigned char secondHigh;
};

constexpr LeadByte kMalformed{0, 0, 0};

LeadByte Classify(unsigned char lead)
{
	if (lead >= 0xC2 && lead <= 0xDF)
		return {2, 0x80, 0xBF};
	if (lead == 0xE0)
		return {3, 0xA0, 0xBF};
	if (lead == 0xED)
		return {3, 0x80, 0x9F};
	if (lead >= 0xE1 && lead <= 0xEF)
		return {3, 0x80, 0xBF};
	if (lead == 0xF0)
		return {4, 0x90, 0xBF};
	if (lead >= 0xF1 && lead <= 0xF3)
		return {4, 0x80, 0xBF};
	if (lead == 0xF4)
		return {4, 0x80, 0x8F};
	return kMalformed;
}

unsigned char ByteAt(std::string_view bytes, std::size_t index)
{
	return static_cast<unsigned char>(bytes[index]);
}

// `text` escaped, cut after `limit` characters and marked with "..." there.
std::string Escaped(std::string_view text, std::size_t limit)
{
	std::string out;
	std::size_t characters = 0;
	for (std::size_t at = 0; at < text.size(); ++characters)
	{
		if (characters == limit)
			return out + "...";
		const unsigned char byte = ByteAt(text, at);
		std::size_t length = Utf8SequenceLength(text.substr(at));
		// C1 control characters (U+0080 to U+009F) steer terminals as the C0 ones do.
		if (byte == 0xC2 && length == 2 && ByteAt(text, at + 1) < 0xA0)
			length = 0;
		if (length > 1 || (length == 1 && byte >= 0x20 && byte != 0x7F))
			out.append(text.substr(at, length));
		else if (byte == '\n')
			out += "\\n";
		else if (byte == '\t')
			out += "\\t";
		else if (byte == '\r')
			out += "\\r";
		else
		{
			constexpr char HEX[] = "0123456789ABCDEF";
			out += "\\x";
			out.push_back(HEX[byte >> 4]);
			out.push_back(HEX[byte & 0xF]);
		}
		at += length == 0 ? 1 : length;
	}
	return out;
}

}

std::size_t Utf8SequenceLength(std::string_view bytes)
{
	if (bytes.empty())
		return 0;
	if (ByteAt(bytes, 0) < 0x80)
		return 1;
	const LeadByte lead = Classify(ByteAt(bytes, 0));
	if (lead.length == 0 || bytes.size() < lead.length)
		return 0;
	if (ByteAt(bytes, 1) < lead.secondLow || ByteAt(bytes, 1) > lead.secondHigh)
		return 0;
	for (std::size_t index = 2; index < lead.length; ++index)
	{
		if (ByteAt(bytes, index) < 0x80 || ByteAt(bytes, index) > 0xBF)
			return 0;
	}
	return lead.length;
}

bool IsValidUtf8(std::string_view bytes)
{
	for (std::size_t at = 0; at < bytes.size();)
	{
		const std::size_t length = Utf8SequenceLength(bytes.substr(at));
		if (length == 0)
			return false;
		at += length;
	}
	return true;
}

std::string Excerpt(std::string_view text)
{
	return Escaped(text, kQuotedLength);
}

std::string PathExcerpt(std::string_view path)
{
	// Back from the end over the last kQuotedPathLength characters: their
	// lead bytes, and no more bytes than four a character.
	std::size_t start = path.size();
	for (std::size_t characters = 0; start > 0 && characters < kQuotedPathLength && path.size() - start < 4 * kQuotedPathLength;)
	{
		--start;
		if ((ByteAt(path, start) & 0xC0) != 0x80)
			++characters;
	}
	return (start > 0 ? "..." : "") + Escaped(path.substr(start), path.size());
}

std::string Quote(std::string_view text)
{
	std::string quoted(1, '\'');
	quoted.append(Excerpt(text)).push_back('\'');
	return quoted;
}

void AppendUtf8(std::string& out, char32_t code)
{
	const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
	if (code < 0x80)
	{
		byte(code);
	}
	else if (code < 0x800)
	{
		byte(0xC0 | (code >> 6));
		byte(0x80 | (code & 0x3F));
	}
	else if (code < 0x10000)
	{
		byte(0xE0 | (code >> 12));
		byte(0x80 | ((code >> 6) & 0x3F));
		byte(0x80 | (code & 0x3F));
	}
	else
	{
		byte(0xF0 | (code >> 18));
		byte(0x80 | ((code >> 12) & 0x3F));
		byte(0x80 | ((code >> 6) & 0x3F));
		byte(0x80 | (code & 0x3F));
	}
}

}
