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

// An atom of the kind `as` picks; an atom of the other kind is a fault of its own.
template <typename T> T* CheckKind(const void* handle, const char* entry, const char* kind, const char* mismatch, T* (*as)(Atom*))
{
	Atom* atom = handle ? H().scene.Find(handle) : nullptr;
	T* item = as(atom);
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
	return CheckKind<Object>(handle, entry, "object", "a document where an object belongs", &AsObject);
}

Document* CheckDocument(const void* handle, const char* entry)
{
	return CheckKind<Document>(handle, entry, "document", "an object where a document belongs", &AsDocument);
}

Object* CheckOptionalObject(const void* handle, const char* entry)
{
	return handle ? CheckObject(handle, entry) : nullptr;
}

Container* CheckContainer(const void* handle, const char* entry)
{
	// The module reads one container many times in a row: the last answer
	// stands until a container or an atom is given up.
	struct Remembered
	{
		const Host* host = nullptr;
		const void* handle = nullptr;
		std::uint64_t atoms = 0;
		std::uint64_t containers = 0;
	};
	static Remembered remembered;
	Host& host = H();
	if (handle && handle == remembered.handle && &host == remembered.host && host.scene.Generation() == remembered.atoms &&
		host.containers.Generation() == remembered.containers)
		return static_cast<Container*>(const_cast<void*>(handle));

	Container* container = nullptr;
	if (handle && host.scene.IsLiveContainer(handle))
		container = static_cast<Container*>(const_cast<void*>(handle));
	else if (handle)
		container = host.containers.Find(handle);
	if (!container)
		return Refuse<Container>(handle, entry, "container");
	remembered = Remembered { &host, handle, host.scene.Generation(), host.containers.Generation() };
	return container;
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
