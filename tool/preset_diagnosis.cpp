#include "tool/preset_diagnosis.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <vector>

#include "headless/resources/utf8.h"
#include "tool/json_output.h"
#include "tool/product.h"

namespace tool
{

namespace
{

using headless::FileEvent;
using headless::FileProblem;
using headless::resources::Description;
using headless::resources::ElementKind;

struct Record
{
	std::string name;
	std::int32_t id = 0; // 0 for a marker
	ElementKind kind = ElementKind::String;
};

bool Contains(const auto& list, const auto& item)
{
	return std::find(std::begin(list), std::end(list), item) != std::end(list);
}

std::vector<Record> PresetRecords(const Description& description, bool withDouble, bool withEnd)
{
	std::vector<Record> records;
	for (const char* marker : PRESET_MARKERS)
		records.push_back({ marker, 0, ElementKind::String });
	for (std::int32_t id : PRESET_PARAMETERS)
	{
		if (!withDouble && Contains(PRESET_DOUBLE_RECORDS, id))
			continue;
		const headless::resources::DescriptionElement* element = description.Find(id);
		records.push_back({ element ? element->symbol : std::to_string(id), id, element ? element->kind : ElementKind::Real });
	}
	if (withEnd)
		records.push_back({ PRESET_END_MARKER, 0, ElementKind::String });
	return records;
}

std::string Named(std::size_t index, const Record& record)
{
	return "record " + std::to_string(index + 1) + " (" + record.name + ")";
}

bool Whole(const FileEvent& access)
{
	return access.succeeded && access.done == access.length;
}

// The text a byte read or write moved, without the zero byte that ends it.
std::string TextOf(const FileEvent& access)
{
	const std::size_t end = access.bytes.find('\0');
	return access.bytes.substr(0, end);
}

// The last open in `mode` and every event after it; empty when there was none.
std::vector<const FileEvent*> SinceLastOpen(const headless::FileHistory& history, const std::string& mode)
{
	std::vector<const FileEvent*> events;
	for (const FileEvent& event : history.events)
	{
		if (event.entry == "files.open" && event.mode == mode)
			events.clear();
		if (!events.empty() || (event.entry == "files.open" && event.mode == mode))
			events.push_back(&event);
	}
	return events;
}

std::vector<const FileEvent*> Accesses(const std::vector<const FileEvent*>& events, const std::string& prefix)
{
	std::vector<const FileEvent*> accesses;
	for (const FileEvent* event : events)
	{
		if (event->entry.rfind(prefix, 0) == 0)
			accesses.push_back(event);
	}
	return accesses;
}

// How the records lie over the module's reads or writes: how many went
// through whole, and what happened in the first that did not.
struct Layout
{
	std::size_t complete = 0;              // records whose every access went through
	const FileEvent* stopped = nullptr;    // the access that fell short in the next record
	std::vector<const FileEvent*> started; // the next record's accesses that went through
	std::vector<const FileEvent*> last;    // the accesses of the last complete record
};

// A text record is read as its length and, when that is not 0, its bytes;
// it is written as its length, its bytes and a zero byte. Reading, the
// version record decides whether the double-arrow records follow.
Layout Lay(const std::vector<const FileEvent*>& accesses, const Description& description, bool reading, std::vector<Record>& records)
{
	Layout layout;
	std::size_t next = 0;
	for (; layout.complete < records.size(); ++layout.complete)
	{
		const bool text = records[layout.complete].kind == ElementKind::String;
		std::size_t count = text && !reading ? 3 : 1;
		layout.started.clear();
		for (std::size_t k = 0; k < count; ++k)
		{
			if (next == accesses.size())
				return layout;
			const FileEvent* access = accesses[next++];
			if (!Whole(*access))
			{
				layout.stopped = access;
				return layout;
			}
			layout.started.push_back(access);
			if (text && reading && k == 0 && access->number != 0.0)
				count = 2;
		}
		layout.last = std::move(layout.started);
		layout.started.clear();
		if (reading && layout.complete == 1)
		{
			const std::string version = layout.last.size() == 2 ? TextOf(*layout.last[1]) : std::string();
			records = PresetRecords(description, Contains(PRESET_VERSIONS_WITH_DOUBLE, version), false);
		}
	}
	return layout;
}

std::int64_t FileSize(const std::string& path)
{
	std::error_code error;
	const std::uintmax_t size = std::filesystem::file_size(headless::FromUtf8(path), error);
	return error ? -1 : static_cast<std::int64_t>(size);
}

// The text record whose length was read but whose bytes were not: the length claims more than the file holds.
std::string RefusedLength(std::size_t index, const Record& record, const FileEvent& length)
{
	const auto claim = static_cast<std::int64_t>(length.number);
	std::string reason = Named(index, record) + " at byte " + std::to_string(length.position) + " claims " + std::to_string(claim) + " bytes";
	const std::int64_t size = FileSize(length.path);
	if (claim > 0 && size >= 0)
		reason += ", the file has " + std::to_string(std::max<std::int64_t>(0, size - length.position - length.done)) + " after it";
	return reason;
}

// The record the module read whole and then stopped at: its value is not one it takes.
std::string RefusedValue(std::size_t index, const Record& record, const std::vector<const FileEvent*>& accesses)
{
	const std::string where = Named(index, record) + " at byte " + std::to_string(accesses.front()->position);
	const double number = accesses.front()->number;
	if (record.kind == ElementKind::Real && !std::isfinite(number))
		return where + " holds " + (std::isnan(number) ? "nan" : number < 0 ? "-inf" : "inf") + ", not a finite number";
	if (record.kind == ElementKind::String)
		return where + " is not UTF-8 text";
	return "the module stopped after " + where;
}

std::string Quoted(const std::string& path)
{
	return path.empty() ? "''" : headless::resources::PathExcerpt(path);
}

// Why a load or save opened no file: the dialog the module needed never came.
std::string NothingOpened(const headless::Host& host)
{
	return host.fileDialogs.shown.empty() ? "the module showed no file dialog" : std::string();
}

// An open, write, close or rename that failed, in words.
std::string Failed(const char* doing, const FileEvent& event, const std::string& path)
{
	if (event.problem.kind == FileProblem::Kind::NoFolder)
		return "the folder " + Quoted(headless::DirectoryPart(path)) + " does not exist";
	return std::string(doing) + " " + Quoted(path) + ": " + headless::Describe(event.problem);
}

// Whether the file's first record, read whole, is a preset's header. The
// module takes any header, but a file that starts otherwise was never a preset.
bool StartsAsPreset(const std::vector<const FileEvent*>& reads)
{
	return reads.size() >= 2 && Whole(*reads[0]) && Whole(*reads[1]) && TextOf(*reads[1]) == PRESET_HEADER;
}

std::string WhyNotLoaded(const headless::Host& host, const Description& description, const std::string& file)
{
	const std::vector<const FileEvent*> events = SinceLastOpen(host.fileHistory, "read");
	if (events.empty())
		return NothingOpened(host);
	const FileEvent& open = *events.front();
	if (!open.succeeded)
	{
		std::string reason = headless::Describe(open.problem);
		const std::string withSuffix = file + "." + PRESET_SUFFIX;
		if (open.problem.kind == FileProblem::Kind::NoSuchFile && !file.empty() && !headless::HasSuffix(file, PRESET_SUFFIX) &&
			headless::PathExists(withSuffix, false))
			reason += " (" + headless::FilePart(withSuffix) + " exists)";
		return reason;
	}

	std::vector<Record> records = PresetRecords(description, true, false);
	const std::vector<const FileEvent*> reads = Accesses(events, "files.read_");
	const Layout layout = Lay(reads, description, true, records);
	if (layout.complete == records.size())
		return std::string();
	const Record& record = records[layout.complete];
	const std::string other = StartsAsPreset(reads) ? std::string() : "not a Pointsmith preset: ";
	if (layout.stopped)
	{
		const std::int64_t end = layout.stopped->position + layout.stopped->done;
		return end == 0 ? "the file is empty" : other + "file ends in " + Named(layout.complete, record) + " at byte " + std::to_string(end);
	}
	if (!layout.started.empty())
		return other + RefusedLength(layout.complete, record, *layout.started.front());
	if (layout.complete == 0)
		return std::string();
	return other + RefusedValue(layout.complete - 1, records[layout.complete - 1], layout.last);
}

// Why the module refused to store the text record `record` of `arrow`.
std::string RefusedText(const Record& record, const headless::Object& arrow)
{
	const headless::Value& value = arrow.data.Get(record.id);
	const std::string* text = std::get_if<std::string>(&value);
	if (text && headless::resources::IsValidUtf8(*text) && text->size() > PRESET_NAME_LONGEST)
		return record.name + " is longer than 64 KiB";
	return record.name + " is not UTF-8 text";
}

std::string WhyNotSaved(const headless::Host& host, const Description& description, const headless::Object& arrow, const std::string& file)
{
	// The module opens a preset that is there already to append nothing
	// first, to learn whether it may be replaced.
	const std::vector<const FileEvent*> probe = SinceLastOpen(host.fileHistory, "append");
	const std::vector<const FileEvent*> events = SinceLastOpen(host.fileHistory, "write");
	const bool probedLast = !probe.empty() && (events.empty() || probe.size() < events.size());
	if (probedLast && !probe.front()->succeeded)
		return Failed("cannot replace", *probe.front(), probe.front()->path);
	// The module saves under the name the dialog gave, and a name that ends
	// in a folder gives it none.
	if (events.empty() && headless::FilePart(headless::AbsolutePath(file)).empty())
		return "it names a folder, not a file";
	if (events.empty())
		return NothingOpened(host);
	const FileEvent& open = *events.front();
	if (!open.succeeded)
		return Failed("cannot write", open, open.path);

	std::vector<Record> records = PresetRecords(description, true, true);
	const Layout layout = Lay(Accesses(events, "files.write_"), description, false, records);
	if (layout.stopped)
		return Failed("cannot write", *layout.stopped, open.path);
	if (layout.complete < records.size())
	{
		const Record& record = records[layout.complete];
		if (record.kind == ElementKind::Real)
			return record.name + " = " + ValueToJson(arrow.data.Get(record.id), host.scene).dump() + " does not fit a preset's 32-bit float";
		if (record.kind == ElementKind::String)
			return RefusedText(record, arrow);
		return "the module stopped writing at " + Named(layout.complete, record);
	}
	for (const FileEvent* event : events)
	{
		if (event->entry == "files.close" && !event->succeeded)
			return Failed("cannot write", *event, event->path);
		if ((event->entry == "paths.rename" || event->entry == "paths.copy_file") && !event->succeeded)
			return Failed("cannot replace", *event, event->target);
	}
	return std::string();
}

std::string WithReason(const std::string& line, const std::string& file, const std::string& reason)
{
	if (file.empty())
		return line + ": the name is empty";
	return reason.empty() ? line : line + ": " + reason;
}

} // namespace

std::string NotLoaded(const headless::Host& host, const Description& description, const std::string& file)
{
	return WithReason(Quoted(file) + " was not loaded", file, WhyNotLoaded(host, description, file));
}

std::string NotSaved(const headless::Host& host, const Description& description, const headless::Object& arrow, const std::string& file)
{
	return WithReason("no preset was written for " + Quoted(file), file, WhyNotSaved(host, description, arrow, file));
}

} // namespace tool
