// Paths: a handle holds one path text; the operations are the host's path rules.
#include "headless/file_copy.h"
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

C4DOS_Path* Alloc() noexcept
{
	return AllocHandle<C4DOS_Path>("paths.alloc", H().paths);
}

void Free(C4DOS_Path* path) noexcept
{
	FreeHandle("paths.free", H().paths, path, "path");
}

// Runs `change` on the path behind `handle` when the handle is valid.
template <typename CHANGE> void Change(const char* entry, C4DOS_Path* handle, CHANGE&& change)
{
	GuardVoid(entry, [&] {
		if (Path* path = CheckPath(handle, entry))
			change(*path);
	});
}

void SetString(C4DOS_Path* path, C4DOS_Text text) noexcept
{
	Change("paths.set_string", path, [&](Path& target) {
		if (std::optional<std::string> value = TextIn(text, "paths.set_string"))
			target.text = std::move(*value);
	});
}

void Copy(C4DOS_Path* path, const C4DOS_Path* source) noexcept
{
	Change("paths.copy", path, [&](Path& target) {
		if (Path* from = CheckPath(source, "paths.copy"))
			target.text = from->text;
	});
}

void GetString(const C4DOS_Path* path, C4DOS_TextSink sink, void* context) noexcept
{
	GuardVoid("paths.get_string", [&] {
		Path* source = CheckPath(path, "paths.get_string");
		TextOut(source ? source->text : std::string(), sink, context, "paths.get_string");
	});
}

void Join(C4DOS_Path* path, const C4DOS_Path* base, const C4DOS_Path* component) noexcept
{
	Change("paths.join", path, [&](Path& target) {
		Path* left = CheckPath(base, "paths.join");
		Path* right = CheckPath(component, "paths.join");
		if (left && right)
			target.text = JoinPath(left->text, right->text);
	});
}

void GetDirectory(C4DOS_Path* path, const C4DOS_Path* source) noexcept
{
	Change("paths.get_directory", path, [&](Path& target) {
		if (Path* from = CheckPath(source, "paths.get_directory"))
			target.text = DirectoryPart(from->text);
	});
}

void GetFile(C4DOS_Path* path, const C4DOS_Path* source) noexcept
{
	Change("paths.get_file", path, [&](Path& target) {
		if (Path* from = CheckPath(source, "paths.get_file"))
			target.text = FilePart(from->text);
	});
}

void SetDirectory(C4DOS_Path* path, const C4DOS_Path* directory) noexcept
{
	Change("paths.set_directory", path, [&](Path& target) {
		if (Path* from = CheckPath(directory, "paths.set_directory"))
			target.text = WithDirectory(target.text, from->text);
	});
}

void SetFile(C4DOS_Path* path, const C4DOS_Path* file) noexcept
{
	Change("paths.set_file", path, [&](Path& target) {
		if (Path* from = CheckPath(file, "paths.set_file"))
			target.text = WithFile(target.text, from->text);
	});
}

void GetSuffix(const C4DOS_Path* path, C4DOS_TextSink sink, void* context) noexcept
{
	GuardVoid("paths.get_suffix", [&] {
		Path* source = CheckPath(path, "paths.get_suffix");
		TextOut(source ? SuffixOf(source->text) : std::string(), sink, context, "paths.get_suffix");
	});
}

void SetSuffix(C4DOS_Path* path, C4DOS_Text suffix) noexcept
{
	Change("paths.set_suffix", path, [&](Path& target) {
		if (std::optional<std::string> value = TextIn(suffix, "paths.set_suffix"))
			target.text = WithSuffix(target.text, *value);
	});
}

C4DOS_Bool CheckSuffix(const C4DOS_Path* path, C4DOS_Text suffix) noexcept
{
	return Guard("paths.check_suffix", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* source = CheckPath(path, "paths.check_suffix");
		std::optional<std::string> value = TextIn(suffix, "paths.check_suffix");
		return source && value && HasSuffix(source->text, *value);
	});
}

C4DOS_Bool Exists(const C4DOS_Path* path, C4DOS_Bool directory) noexcept
{
	return Guard("paths.exists", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* source = CheckPath(path, "paths.exists");
		return source && PathExists(source->text, directory != 0);
	});
}

// Puts a deletion or rename into the host's file history; true when it was done.
bool Recorded(const char* entry, const std::string& path, const std::string& target, FileProblem problem)
{
	FileEvent event;
	event.entry = entry;
	event.path = AbsolutePath(path);
	event.target = AbsolutePath(target);
	const bool done = !problem;
	event.succeeded = done;
	event.problem = std::move(problem);
	H().fileHistory.Add(std::move(event));
	return done;
}

C4DOS_Bool Kill(const C4DOS_Path* path) noexcept
{
	return Guard("paths.kill", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* target = CheckPath(path, "paths.kill");
		if (!target || H().faults.ShouldFail("paths.kill") || !Recorded("paths.kill", target->text, {}, RemoveFile(target->text)))
			return 0;
		H().placedFiles.Forget(AbsolutePath(target->text));
		return 1;
	});
}

C4DOS_Bool Rename(const C4DOS_Path* from, const C4DOS_Path* to) noexcept
{
	return Guard("paths.rename", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* source = CheckPath(from, "paths.rename");
		Path* target = CheckPath(to, "paths.rename");
		if (!source || !target || H().faults.ShouldFail("paths.rename") ||
			!Recorded("paths.rename", source->text, target->text, RenameFile(source->text, target->text)))
			return 0;
		H().placedFiles.Renamed(AbsolutePath(source->text), AbsolutePath(target->text));
		return 1;
	});
}

C4DOS_Bool CopyFile(const C4DOS_Path* from, const C4DOS_Path* to, int32_t flags) noexcept
{
	return Guard("paths.copy_file", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* source = CheckPath(from, "paths.copy_file");
		Path* target = CheckPath(to, "paths.copy_file");
		if (!source || !target || H().faults.ShouldFail("paths.copy_file") ||
			!Recorded("paths.copy_file", source->text, target->text, CopyFileOver(source->text, target->text, (flags & 1) != 0)))
			return 0;
		H().placedFiles.Written(AbsolutePath(target->text));
		return 1;
	});
}

const char* DialogMode(int32_t flags)
{
	switch (flags)
	{
		case 0: return "load";
		case 1: return "save";
		default: return "directory";
	}
}

C4DOS_Bool SelectFile(C4DOS_Path* path, int32_t type, int32_t flags, C4DOS_Text title, C4DOS_Text forceSuffix) noexcept
{
	(void)type;
	return Guard("paths.select_file", C4DOS_Bool { 0 }, [&]() -> C4DOS_Bool {
		Path* start = CheckPath(path, "paths.select_file");
		if (!start || !TextIn(title, "paths.select_file") || !TextIn(forceSuffix, "paths.select_file"))
			return 0;
		H().fileDialogs.shown.push_back(FileDialogShown { DialogMode(flags), AbsolutePath(start->text) });
		std::optional<std::string> answer = H().fileDialogs.NextAnswer();
		if (!answer || H().faults.ShouldFail("paths.select_file"))
			return 0;
		start->text = AbsolutePath(*answer);
		return 1;
	});
}

const C4DOS_Paths ENTRIES = { &Alloc, &Free, &SetString, &Copy, &GetString, &Join, &GetDirectory, &GetFile, &SetDirectory, &SetFile, &GetSuffix,
	&SetSuffix, &CheckSuffix, &Exists, &Kill, &Rename, &CopyFile, &SelectFile };

} // namespace

const C4DOS_Paths* PathEntries()
{
	return &ENTRIES;
}

} // namespace headless
