// Saving and loading presets through the host's file dialogs.
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
	return folder.IsPopulated() ? folder + Filename("*.arr") : Filename("*.arr");
}

// The file a save writes first, beside the preset it becomes once complete.
Filename TemporaryBeside(const Filename& target)
{
	Filename temporary = target;
	temporary.SetFile(Filename(target.GetFile().GetString() + ".part"_s));
	return temporary;
}

} // namespace

Bool ArrowGenerator::SavePreset(BaseObject* op)
{
	const BaseContainer* data = op ? op->GetDataInstance() : nullptr;
	if (!data)
		return false;

	// Saving always starts in the preset folder, wherever the last load came from.
	Filename name = DialogStart(GetPresetFolder());
	if (!name.FileSelect(FILESELECTTYPE::ANYTHING, FILESELECT::SAVE, ""_s))
		return false;

	BaseFile* file = BaseFile::Alloc();
	if (!file)
		return false;
	if (!name.CheckSuffix("arr"_s))
		name.SetSuffix("arr"_s);

	// The preset is written beside its place and moved there only when every
	// record is stored, so a failed save leaves an older file as it was.
	const Filename temporary = TemporaryBeside(name);
	if (!file->Open(temporary, FILEOPEN::WRITE, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR))
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
	if (!op || !doc)
		return false;
	BaseContainer values = op->GetData();

	Filename name = DialogStart(presetFolder);
	if (!name.FileSelect(FILESELECTTYPE::ANYTHING, FILESELECT::LOAD, ""_s))
		return false;
	// The next load starts where this one went, even if this one fails.
	presetFolder = name.GetDirectory();

	BaseFile* file = BaseFile::Alloc();
	if (!file)
		return false;
	if (!file->Open(name, FILEOPEN::READ, FILEDIALOG::IGNOREOPEN, BYTEORDER::V_MOTOROLA, PRESET_FILE_TYPE, PRESET_FILE_CREATOR) || !ReadPreset(file, values))
	{
		BaseFile::Free(file);
		return false;
	}
	file->Close();

	// One undo step: the arrow as it was, then every value of the preset at once.
	doc->StartUndo();
	doc->AddUndo(UNDOTYPE::CHANGE, op);
	op->SetData(values, true);
	doc->EndUndo();
	BaseFile::Free(file);
	return true;
}
