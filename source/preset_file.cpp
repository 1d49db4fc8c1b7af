#include "preset_file.h"

#include <cfloat>
#include <cmath>

#include "Opointsmith.h"

namespace
{

// The format's fixed texts. Literals take no memory, so comparing with them cannot fail.
maxon::String Header()
{
	return "# Pointsmith preset file"_s;
}
maxon::String Version()
{
	return "# Version 1.3"_s;
}
maxon::String OlderSameLayout()
{
	return "# Version 1.2"_s;
}
maxon::String Start()
{
	return "# Start of parameters"_s;
}
maxon::String End()
{
	return "# End of parameters"_s;
}

// The longest text each kind of record can justify, counting the zero byte
// that ends it. The header, version and start marker are short fixed texts; a
// preset name of more than 64 KiB of UTF-8 is not a name. A longer length is
// refused before any memory is taken for it.
const Int32 MARKER_LENGTH_LIMIT = 1024;
const Int32 NAME_LENGTH_LIMIT = 64 * 1024 + 1;

// The three double-arrow records that files older than 1.2 lack, and what they read as then.
const Float DEFAULT_DOUBLE_LENGTH = 400.0;
const Float DEFAULT_DOUBLE_WIDTH = 100.0;

// The byte length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
Int SequenceLength(UChar lead)
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

Bool IsUtf8(const Char* text, Int count)
{
	const UInt32 smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
	Int i = 0;
	while (i < count)
	{
		const UChar lead = static_cast<UChar>(text[i]);
		const Int length = SequenceLength(lead);
		if (length == 0 || i + length > count)
			return false;
		UInt32 code = lead & (0x7Fu >> (length == 1 ? 0 : length));
		for (Int k = 1; k < length; ++k)
		{
			const UChar next = static_cast<UChar>(text[i + k]);
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

	// A text that the reader would refuse as longer than `limit` is not stored either.
	void Text(const String& text, Int limit)
	{
		maxon::BaseArray<Char> utf8;
		if (!_ok || text.GetCStringAppendArray(utf8) == maxon::FAILED || !IsUtf8(utf8.GetFirst(), utf8.GetCount()) || utf8.GetCount() >= limit)
		{
			Fail();
			return;
		}
		// The length counts the zero byte that ends the text.
		const Int length = utf8.GetCount();
		Check(_file->WriteInt32(static_cast<Int32>(length + 1)) && _file->WriteBytes(utf8.GetFirst(), length) &&
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

Bool ReadText(BaseFile* file, maxon::String& text, Int32 limit)
{
	Int32 length = 0;
	if (!file->ReadInt32(&length))
		return false;
	if (length == 0)
	{
		text = String();
		return true;
	}
	// A length that is negative, beyond the record's limit or longer than what
	// is left of the file is refused before any memory is taken for it.
	const Int64 left = file->GetLength() - file->GetPosition();
	if (length < 0 || length > limit || length > left)
	{
		file->SetError(FILEERROR::OUTOFMEMORY);
		return false;
	}
	maxon::BaseArray<Char> bytes;
	if (bytes.Resize(length) == maxon::FAILED)
	{
		file->SetError(FILEERROR::OUTOFMEMORY);
		return false;
	}
	if (file->ReadBytes(bytes.GetFirst(), length) != length)
		return false;
	// The last byte ends the text and is not part of it.
	const Int count = length - 1;
	if (!IsUtf8(bytes.GetFirst(), count))
		return false;
	if (text.SetCString(bytes.GetFirst(), count) == maxon::FAILED)
	{
		file->SetError(FILEERROR::OUTOFMEMORY);
		return false;
	}
	return true;
}

Bool ReadName(BaseFile* file, BaseContainer& data)
{
	maxon::String name;
	if (!ReadText(file, name, NAME_LENGTH_LIMIT))
		return false;
	data.SetString(ARROW_PRESET_NAME, name);
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
	write.Text(Header(), MARKER_LENGTH_LIMIT);
	write.Text(Version(), MARKER_LENGTH_LIMIT);
	write.Text(Start(), MARKER_LENGTH_LIMIT);
	write.Text(data.GetString(ARROW_PRESET_NAME), NAME_LENGTH_LIMIT);
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
	write.Text(End(), MARKER_LENGTH_LIMIT);
	return write.Succeeded();
}

Bool ReadPreset(BaseFile* file, BaseContainer& data)
{
	// Header and start marker are accepted whatever they say; the version
	// decides whether the double-arrow records are there.
	maxon::String header, version, start;
	if (!ReadText(file, header, MARKER_LENGTH_LIMIT) || !ReadText(file, version, MARKER_LENGTH_LIMIT) || !ReadText(file, start, MARKER_LENGTH_LIMIT))
		return false;
	if (!ReadName(file, data) || !ReadReal(file, data, ARROW_HEAD_LENGTH) || !ReadReal(file, data, ARROW_HEAD_BARB) ||
		!ReadReal(file, data, ARROW_BARB_SWEEP) || !ReadFlag(file, data, ARROW_OPEN_HEAD) || !ReadFlag(file, data, ARROW_SQUARE_BARBS) ||
		!ReadReal(file, data, ARROW_HEAD_THICKNESS))
		return false;

	if (version == Version() || version == OlderSameLayout())
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
