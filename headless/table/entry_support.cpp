#include "headless/table/entry_support.h"

namespace headless
{

namespace
{

template <typename T> T* Refuse(const void* handle, const char* entry, const char* kind)
{
	H().protocol.Fault(entry, handle ? std::string("unknown or freed ") + kind + " handle" : std::string("null ") + kind + " handle");
	return nullptr;
}

// An atom of kind T; an atom of the other kind is a fault of its own.
template <typename T> T* CheckKind(const void* handle, const char* entry, const char* kind, const char* mismatch)
{
	Atom* atom = handle ? H().scene.Find(handle) : nullptr;
	auto* item = dynamic_cast<T*>(atom);
	if (atom && !item)
	{
		H().protocol.Fault(entry, mismatch);
		return nullptr;
	}
	return item ? item : Refuse<T>(handle, entry, kind);
}

} // namespace

Atom* CheckAtom(const void* handle, const char* entry)
{
	Atom* atom = handle ? H().scene.Find(handle) : nullptr;
	return atom ? atom : Refuse<Atom>(handle, entry, "atom");
}

Object* CheckObject(const void* handle, const char* entry)
{
	return CheckKind<Object>(handle, entry, "object", "a document where an object belongs");
}

Document* CheckDocument(const void* handle, const char* entry)
{
	return CheckKind<Document>(handle, entry, "document", "an object where a document belongs");
}

Object* CheckOptionalObject(const void* handle, const char* entry)
{
	return handle ? CheckObject(handle, entry) : nullptr;
}

Container* CheckContainer(const void* handle, const char* entry)
{
	if (handle && H().scene.IsLiveContainer(handle))
		return static_cast<Container*>(const_cast<void*>(handle));
	Container* container = handle ? H().containers.Find(handle) : nullptr;
	return container ? container : Refuse<Container>(handle, entry, "container");
}

Path* CheckPath(const void* handle, const char* entry)
{
	Path* path = handle ? H().paths.Find(handle) : nullptr;
	return path ? path : Refuse<Path>(handle, entry, "path");
}

Bitmap* CheckBitmap(const void* handle, const char* entry)
{
	Bitmap* bitmap = handle ? H().bitmaps.Find(handle) : nullptr;
	return bitmap ? bitmap : Refuse<Bitmap>(handle, entry, "bitmap");
}

BinaryFile* CheckFile(const void* handle, const char* entry)
{
	BinaryFile* file = handle ? H().files.Find(handle) : nullptr;
	return file ? file : Refuse<BinaryFile>(handle, entry, "file");
}

const resources::ResourceFolder* CheckResource(const void* handle, const char* entry)
{
	const resources::ResourceFolder* resource = handle ? H().resources.Find(handle) : nullptr;
	return resource ? resource : Refuse<const resources::ResourceFolder>(handle, entry, "resource");
}

std::optional<std::string> TextIn(C4DOS_Text text, const char* entry)
{
	if (text.length < 0 || (text.length > 0 && !text.data))
	{
		H().protocol.Fault(entry, "malformed text");
		return std::nullopt;
	}
	return std::string(text.data ? text.data : "", static_cast<std::size_t>(text.length));
}

void TextOut(const std::string& text, C4DOS_TextSink sink, void* context, const char* entry)
{
	if (!sink)
	{
		H().protocol.Fault(entry, "no text sink");
		return;
	}
	sink(context, C4DOS_Text { text.data(), static_cast<int64_t>(text.size()) });
}

} // namespace headless
