#include "c4d_file.h"
#include "c4d_os_access.h"

using c4d_sdk::OS;

namespace
{

C4DOS_File* Handle(const BaseFile* file)
{
	return reinterpret_cast<C4DOS_File*>(const_cast<BaseFile*>(file));
}

} // namespace

BaseFile* BaseFile::Alloc()
{
	return reinterpret_cast<BaseFile*>(OS().files->alloc());
}

void BaseFile::Free(BaseFile*& fl)
{
	OS().files->free(Handle(fl));
	fl = nullptr;
}

Bool BaseFile::Open(const Filename& name, FILEOPEN mode, FILEDIALOG error_dialog, BYTEORDER order, Int32 type, Int32 creator)
{
	if (!c4d_sdk::Access::Path(name))
	{
		SetError(FILEERROR::OPEN);
		return false;
	}
	return OS().files->open(Handle(this), c4d_sdk::Access::Path(name), static_cast<int32_t>(mode), static_cast<int32_t>(error_dialog), static_cast<int32_t>(order),
			   type, creator) != 0;
}

Bool BaseFile::Close()
{
	return OS().files->close(Handle(this)) != 0;
}

Bool BaseFile::ReadBool(Bool* v)
{
	C4DOS_Bool value = 0;
	if (!OS().files->read_bool(Handle(this), &value))
		return false;
	*v = value != 0;
	return true;
}

Bool BaseFile::ReadInt32(Int32* v)
{
	return OS().files->read_int32(Handle(this), v) != 0;
}

Bool BaseFile::ReadFloat32(Float32* v)
{
	return OS().files->read_float32(Handle(this), v) != 0;
}

Int BaseFile::ReadBytes(void* data, Int len, Bool just_try_it)
{
	return OS().files->read_bytes(Handle(this), data, len, just_try_it ? 1 : 0);
}

Bool BaseFile::WriteBool(Bool v)
{
	return OS().files->write_bool(Handle(this), v ? 1 : 0) != 0;
}

Bool BaseFile::WriteInt32(Int32 v)
{
	return OS().files->write_int32(Handle(this), v) != 0;
}

Bool BaseFile::WriteFloat32(Float32 v)
{
	return OS().files->write_float32(Handle(this), v) != 0;
}

Bool BaseFile::WriteBytes(const void* data, Int len)
{
	return OS().files->write_bytes(Handle(this), data, len) != 0;
}

FILEERROR BaseFile::GetError() const
{
	return static_cast<FILEERROR>(OS().files->get_error(Handle(this)));
}

void BaseFile::SetError(FILEERROR error)
{
	OS().files->set_error(Handle(this), static_cast<int32_t>(error));
}

Int64 BaseFile::GetLength()
{
	return OS().files->get_length(Handle(this));
}

Int64 BaseFile::GetPosition()
{
	return OS().files->get_position(Handle(this));
}
