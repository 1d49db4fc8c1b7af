#include "preset_file.h"

#include <cfloat>
#include <cmath>
#include <new>
#include <string>

#include "Opointsmith.h"

namespace
{

const Char* const HEADER = "# Pointsmith preset file";
const Char* const VERSION = "# Version 1.3";
const Char* const OLDER_SAME_LAYOUT = "# Version 1.2";
const Char* const START = "# Start of parameters";
const Char* const END = "# End of parameters";

// The three double-arrow records that files older than 1.2 lack, and what they read as then.
const Float DEFAULT_DOUBLE_LENGTH = 400.0;
const Float DEFAULT_DOUBLE_WIDTH = 100.0;

// The byte length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead)
{
	if (lead < 0x80)
		return 1;
	if ((lead & 0xE0) == 0xC0)
		return 2;
	if ((lead & 0xF0) == 0xE0)
		return 3;
	if ((lead & 0xF8) == 0xF0)
		return 4;
	return 0;
}

Bool IsUtf8(const std::string& text)
{
	const UInt32 smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
	std::size_t i = 0;
	while (i < text.size())
	{
		const unsigned char lead = static_cast<unsigned char>(text[i]);
		const std::size_t length = SequenceLength(lead);
		if (length == 0 || i + length > text.size())
			return false;
		UInt32 code = lead & (0x7Fu >> (length == 1 ? 0 : length));
		for (std::size_t k = 1; k < length; ++k)
		{
			const unsigned char next = static_cast<unsigned char>(text[i + k]);
			if ((next & 0xC0) != 0x80)
				return false;
			code = (code << 6) | (next & 0x3Fu);
		}
		// No overlong forms, no surrogates, nothing beyond U+10FFFF.
		if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
			return false;
		i += length;
	}
	return true;
}

// Records in the file's order. Once a record fails, the rest are skipped.
class PresetWriter
{
public:
	explicit PresetWriter(BaseFile* file) : _file(file) { }

	void Text(const String& text)
	{
		const std::string& utf8 = text.GetUtf8();
		if (!_ok || !IsUtf8(utf8) || utf8.size() >= 0x7FFFFFFF)
		{
			Fail();
			return;
		}
		// The length counts the zero byte that ends the text.
		Check(_file->WriteInt32(static_cast<Int32>(utf8.size() + 1)) && _file->WriteBytes(utf8.data(), static_cast<Int>(utf8.size())) &&
			_file->WriteBytes("", 1));
	}

	void Real(Float value)
	{
		// Only a finite value within a 32-bit float's range is stored; the
		// nearest 32-bit float stands for it.
		if (!_ok || !std::isfinite(value) || std::fabs(value) > FLT_MAX)
		{
			Fail();
			return;
		}
		Check(_file->WriteFloat32(static_cast<Float32>(value)));
	}

	void Flag(Bool value) { Check(_ok && _file->WriteBool(value)); }
	void Integer(Int32 value) { Check(_ok && _file->WriteInt32(value)); }

	Bool Succeeded() const { return _ok && _file->GetError() == FILEERROR::NONE; }

private:
	void Check(Bool written)
	{
		if (!written)
			Fail();
	}
	void Fail() { _ok = false; }

	BaseFile* _file;
	Bool _ok = true;
};

Bool ReadText(BaseFile* file, String& text)
{
	Int32 length = 0;
	if (!file->ReadInt32(&length))
		return false;
	if (length == 0)
	{
		text = String();
		return true;
	}
	// A length that is negative or longer than what is left of the file is
	// refused before any memory is taken for it.
	const Int64 left = file->GetLength() - file->GetPosition();
	if (length < 0 || length > left)
	{
		file->SetError(FILEERROR::OUTOFMEMORY);
		return false;
	}
	std::string bytes;
	try
	{
		bytes.resize(static_cast<std::size_t>(length));
	}
	catch (const std::bad_alloc&)
	{
		file->SetError(FILEERROR::OUTOFMEMORY);
		return false;
	}
	if (file->ReadBytes(&bytes[0], length) != length)
		return false;
	// The last byte ends the text and is not part of it.
	bytes.pop_back();
	if (!IsUtf8(bytes))
		return false;
	text = String(bytes.data(), static_cast<Int>(bytes.size()));
	return true;
}

Bool ReadText(BaseFile* file, BaseContainer& data, Int32 id)
{
	String text;
	if (!ReadText(file, text))
		return false;
	data.SetString(id, text);
	return true;
}

// A stored float that is not a finite number is not a usable value.
Bool ReadReal(BaseFile* file, BaseContainer& data, Int32 id)
{
	Float32 value = 0.0f;
	if (!file->ReadFloat32(&value) || !std::isfinite(value))
		return false;
	data.SetFloat(id, static_cast<Float>(value));
	return true;
}

Bool ReadFlag(BaseFile* file, BaseContainer& data, Int32 id)
{
	Bool value = false;
	if (!file->ReadBool(&value))
		return false;
	data.SetBool(id, value);
	return true;
}

Bool ReadInteger(BaseFile* file, BaseContainer& data, Int32 id)
{
	Int32 value = 0;
	if (!file->ReadInt32(&value))
		return false;
	data.SetInt32(id, value);
	return true;
}

} // namespace

Bool WritePreset(BaseFile* file, const BaseContainer& data)
{
	PresetWriter write(file);
	write.Text(String(HEADER));
	write.Text(String(VERSION));
	write.Text(String(START));
	write.Text(data.GetString(ARROW_PRESET_NAME));
	write.Real(data.GetFloat(ARROW_HEAD_LENGTH));
	write.Real(data.GetFloat(ARROW_HEAD_BARB));
	write.Real(data.GetFloat(ARROW_BARB_SWEEP));
	write.Flag(data.GetBool(ARROW_OPEN_HEAD));
	write.Flag(data.GetBool(ARROW_SQUARE_BARBS));
	write.Real(data.GetFloat(ARROW_HEAD_THICKNESS));
	write.Flag(data.GetBool(ARROW_DOUBLE));
	write.Real(data.GetFloat(ARROW_DOUBLE_LENGTH));
	write.Real(data.GetFloat(ARROW_DOUBLE_WIDTH));
	write.Flag(data.GetBool(ARROW_SHAFT));
	write.Real(data.GetFloat(ARROW_SHAFT_LENGTH));
	write.Real(data.GetFloat(ARROW_SHAFT_WIDTH));
	write.Real(data.GetFloat(ARROW_TAIL_NOTCH));
	write.Real(data.GetFloat(ARROW_TAPER_FRONT));
	write.Real(data.GetFloat(ARROW_TAPER_BACK));
	write.Flag(data.GetBool(ARROW_FINS));
	write.Real(data.GetFloat(ARROW_FIN_LENGTH));
	write.Real(data.GetFloat(ARROW_FIN_WIDTH));
	write.Real(data.GetFloat(ARROW_FIN_SWEEP));
	write.Integer(data.GetInt32(PRIM_PLANE));
	write.Flag(data.GetBool(PRIM_REVERSE));
	write.Integer(data.GetInt32(SPLINEOBJECT_INTERPOLATION));
	write.Integer(data.GetInt32(SPLINEOBJECT_SUB));
	write.Real(data.GetFloat(SPLINEOBJECT_ANGLE));
	write.Real(data.GetFloat(SPLINEOBJECT_MAXIMUMLENGTH));
	write.Text(String(END));
	return write.Succeeded();
}

Bool ReadPreset(BaseFile* file, BaseContainer& data)
{
	// Header and start marker are accepted whatever they say; the version
	// decides whether the double-arrow records are there.
	String header, version, start;
	if (!ReadText(file, header) || !ReadText(file, version) || !ReadText(file, start))
		return false;
	if (!ReadText(file, data, ARROW_PRESET_NAME) || !ReadReal(file, data, ARROW_HEAD_LENGTH) || !ReadReal(file, data, ARROW_HEAD_BARB) ||
		!ReadReal(file, data, ARROW_BARB_SWEEP) || !ReadFlag(file, data, ARROW_OPEN_HEAD) || !ReadFlag(file, data, ARROW_SQUARE_BARBS) ||
		!ReadReal(file, data, ARROW_HEAD_THICKNESS))
		return false;

	if (version == String(VERSION) || version == String(OLDER_SAME_LAYOUT))
	{
		if (!ReadFlag(file, data, ARROW_DOUBLE) || !ReadReal(file, data, ARROW_DOUBLE_LENGTH) || !ReadReal(file, data, ARROW_DOUBLE_WIDTH))
			return false;
	}
	else
	{
		data.SetBool(ARROW_DOUBLE, false);
		data.SetFloat(ARROW_DOUBLE_LENGTH, DEFAULT_DOUBLE_LENGTH);
		data.SetFloat(ARROW_DOUBLE_WIDTH, DEFAULT_DOUBLE_WIDTH);
	}

	// The end marker and anything after it are not read.
	return ReadFlag(file, data, ARROW_SHAFT) && ReadReal(file, data, ARROW_SHAFT_LENGTH) && ReadReal(file, data, ARROW_SHAFT_WIDTH) &&
		ReadReal(file, data, ARROW_TAIL_NOTCH) && ReadReal(file, data, ARROW_TAPER_FRONT) && ReadReal(file, data, ARROW_TAPER_BACK) &&
		ReadFlag(file, data, ARROW_FINS) && ReadReal(file, data, ARROW_FIN_LENGTH) && ReadReal(file, data, ARROW_FIN_WIDTH) &&
		ReadReal(file, data, ARROW_FIN_SWEEP) && ReadInteger(file, data, PRIM_PLANE) && ReadFlag(file, data, PRIM_REVERSE) &&
		ReadInteger(file, data, SPLINEOBJECT_INTERPOLATION) && ReadInteger(file, data, SPLINEOBJECT_SUB) && ReadReal(file, data, SPLINEOBJECT_ANGLE) &&
		ReadReal(file, data, SPLINEOBJECT_MAXIMUMLENGTH);
}
