// Saving and loading presets through the host's file dialogs. Every path is
// checked as it is made: when the host has no memory for one, the save or
// load stops there with nothing written and nothing changed.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "pointsmith.h"
#include "preset_file.h"
#include "preset_folder.h"

namespace
{

// The file codes the host stamps on preset files.
const Int32 PRESET_FILE_TYPE = 0x43344443;    // C4DC
const Int32 PRESET_FILE_CREATOR = 0x43344431; // C4D1

// Where a preset dialog starts: every .arr file in `folder`.
Filename DialogStart(const Filename& folder)
{
	return folder + Filename("*.arr");
}

// The most names a save draws for the file it writes first.
const Int32 TEMPORARY_NAME_ATTEMPTS = 100;

// `name` with `ending` added to its file part, in the same folder; empty when
// the host had no memory for a part of it.
Filename WithEnding(const Filename& name, const maxon::String& ending)
{
	const String file = name.GetFile().GetString();
	String longer = file;
	longer += ending;
	const Filename folder = name.GetDirectory();
	if (file.IsEmpty() || longer == file || !folder.IsPopulated())
		return Filename();
	const Filename result = folder + Filename(longer);
	if (result.GetFile().GetString() != longer)
		return Filename();
	return result;
}

// The seed of the names a save draws for its temporary file: the time and
// the object, so that saves that run at once, in this host or in another,
// draw other names.
UInt32 NameSeed(const BaseObject* op)
{
	const Float64 now = GeGetMilliSeconds();
	UInt64 time = 0;
	std::memcpy(&time, &now, sizeof time);
	const UInt64 object = static_cast<UInt64>(reinterpret_cast<std::uintptr_t>(op));
	const UInt64 mixed = time ^ (object * 0x9E3779B97F4A7C15ull);
	return static_cast<UInt32>(mixed ^ (mixed >> 32));
}

// A name in `folder` that no file (nor link) has, drawn from `random`:
// "preset-", eight hexadecimal digits, ".part". It is as short whatever the
// preset is called, so it fits wherever the preset's own name does, and a
// save that runs at the same time draws another. Empty when every name drawn
// is taken or the host has no memory for a name.
Filename FreeNameIn(const Filename& folder, Random& random)
{
	const Char digits[] = "0123456789abcdef";
	for (Int32 attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt)
	{
		Char name[] = "preset-00000000.part";
		for (Int i = 7; i < 15; ++i)
			name[i] = digits[std::min(static_cast<Int>(random.Get01() * 16.0), Int(15))];
		const String text(name);
		if (text.IsEmpty())
			return Filename();
		const Filename candidate = folder + Filename(text);
		if (candidate.GetFile().GetString() != text)
			return Filename();
		if (!GeFExist(candidate))
			return candidate;
	}
	return Filename();
}

// Whether the file at `name` may be written; opening it to append writes nothing.
Bool MayWrite(const Filename& name)
{
	BaseFile* probe = BaseFile::Alloc();
	if (!probe)
		return false;
	const Bool opened = probe->Open(name, FILEOPEN::APPEND, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR);
	BaseFile::Free(probe);
	return opened;
}

} // namespace

Bool ArrowGenerator::SavePreset(BaseObject* op)
{
	const BaseContainer* data = op ? op->GetDataInstance() : nullptr;
	if (!data)
		return false;

	// Saving always starts in the preset folder, wherever the last load came from.
	Filename folder;
	if (!GetPresetFolder(folder))
		return false;
	Filename name = DialogStart(folder);
	if (!name.IsPopulated() || !name.FileSelect(FILESELECTTYPE::ANYTHING, FILESELECT::SAVE, ""_s))
		return false;

	// A name whose suffix is not the preset suffix gets it added, so that
	// "Arrow v1.5" is saved as "Arrow v1.5.arr" and not as "Arrow v1.arr".
	// (A new path, not an assignment: a path the host had no memory for would
	// leave the old name in place.)
	const Filename preset = name.CheckSuffix("arr"_s) ? name : WithEnding(name, ".arr"_s);
	if (!preset.IsPopulated())
		return false;
	// A preset already there that may not be written stays as it is.
	const Bool replacing = GeFExist(preset);
	if (replacing && !MayWrite(preset))
		return false;

	// The preset is written beside its place, under a name no file has, and
	// takes that place only when every record is stored, so a failed save
	// leaves an older file as it was. An older preset is replaced by a copy,
	// which keeps its permissions and, where the name is a link, the link.
	Random random;
	random.Init(NameSeed(op));
	const Filename beside = preset.GetDirectory();
	const Filename temporary = beside.IsPopulated() ? FreeNameIn(beside, random) : Filename();
	if (!temporary.IsPopulated())
		return false;
	BaseFile* file = BaseFile::Alloc();
	if (!file)
		return false;
	if (!file->Open(temporary, FILEOPEN::WRITE, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR))
	{
		BaseFile::Free(file);
		return false;
	}
	const Bool written = WritePreset(file, *data);
	const Bool closed = file->Close();
	BaseFile::Free(file);
	const Bool saved = written && closed && (replacing ? GeFCopyFile(temporary, preset, GE_FCOPY_OVERWRITE) : GeFRename(temporary, preset));
	if (replacing || !saved)
		GeFKill(temporary);
	return saved;
}

Bool ArrowGenerator::LoadPreset(BaseObject* op, BaseDocument* doc)
{
	// The load is an undo step of the arrow's document: without one there is nothing to load into.
	const BaseContainer* current = op ? op->GetDataInstance() : nullptr;
	if (!current || !doc)
		return false;

	Filename name = DialogStart(presetFolder);
	if (!name.IsPopulated() || !name.FileSelect(FILESELECTTYPE::ANYTHING, FILESELECT::LOAD, ""_s))
		return false;
	// The next load starts where this one went, even if this one fails.
	const Filename chosenFolder = name.GetDirectory();
	if (!chosenFolder.IsPopulated())
		return false;
	presetFolder = chosenFolder;

	BaseFile* file = BaseFile::Alloc();
	if (!file)
		return false;
	// Reading goes into a copy of all the arrow's values, so that the values
	// a preset does not hold stay as they are when the copy goes back; with
	// no memory for the copy there is nothing to load into.
	BaseContainer* values = current->GetClone(COPYFLAGS::NONE, nullptr);
	const Bool read = values &&
		file->Open(name, FILEOPEN::READ, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR) &&
		ReadPreset(file, *values);
	if (read)
	{
		file->Close();
		// One undo step: the arrow as it was, then every value of the preset at once.
		doc->StartUndo();
		doc->AddUndo(UNDOTYPE::CHANGE, op);
		op->SetData(*values, true);
		doc->EndUndo();
	}
	DeleteObj(values);
	BaseFile::Free(file);
	return read;
}
