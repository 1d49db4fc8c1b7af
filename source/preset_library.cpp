// Saving and loading presets through the host's file dialogs. Every path is
// checked as it is made: when the host has no memory for one, the save or
// load stops there with nothing written and nothing changed.
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

// The file a save writes first, beside the preset it becomes once complete.
Filename TemporaryBeside(const Filename& target)
{
	return Filename(target.GetString() + ".part"_s);
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

	BaseFile* file = BaseFile::Alloc();
	if (!file)
		return false;
	if (!name.CheckSuffix("arr"_s))
		name.SetSuffix("arr"_s);

	// The preset is written beside its place and moved there only when every
	// record is stored, so a failed save leaves an older file as it was.
	const Filename temporary = TemporaryBeside(name);
	if (!temporary.IsPopulated() ||
		!file->Open(temporary, FILEOPEN::WRITE, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR))
	{
		BaseFile::Free(file);
		return false;
	}
	const Bool written = WritePreset(file, *data);
	const Bool closed = file->Close();
	BaseFile::Free(file);
	if (written && closed && GeFRename(temporary, name))
		return true;
	GeFKill(temporary);
	return false;
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
