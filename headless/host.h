// The headless host: it loads a module as the real host would, gives it the
// function table, keeps the scene, the console and the registrations, and
// records every protocol fault of the module instead of crashing.
//
// One host is current at a time: the table's C entries reach it through
// Host::Current().
#ifndef HEADLESS_HOST_H
#define HEADLESS_HOST_H

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "headless/binary_file.h"
#include "headless/bitmap.h"
#include "headless/console.h"
#include "headless/fault_plan.h"
#include "headless/file_dialogs.h"
#include "headless/file_history.h"
#include "headless/handle_registry.h"
#include "headless/memory.h"
#include "headless/module_library.h"
#include "headless/placed_files.h"
#include "headless/paths.h"
#include "headless/plugin_registry.h"
#include "headless/protocol_log.h"
#include "headless/resources/resource_folder.h"
#include "headless/scene.h"
#include "headless/undo.h"
#include "host/abi/c4d_os.h"

namespace headless
{

struct HostOptions
{
	std::int32_t apiVersion = C4DOS_API_VERSION;
	std::string language = "en-US";
};

// Answers of the module's entry point during start-up.
struct StartReport
{
	std::int32_t init = 0;     // action 1
	std::int32_t resource = 0; // action 6, message 1
	std::int32_t start = 0;    // action 2
};

// The description ID of a plain parameter or button: one level, its ID.
inline C4DOS_DescID ParameterId(std::int32_t id)
{
	C4DOS_DescID descId {};
	descId.depth = 1;
	descId.level[0].id = id;
	return descId;
}

class Host
{
public:
	explicit Host(HostOptions options = {});
	~Host();
	Host(const Host&) = delete;
	Host& operator=(const Host&) = delete;

	// The running host; the table's entries run only while there is one.
	static Host& Current() { return *s_current; }

	const HostOptions& Options() const { return _options; }
	const C4D_OS* Table() const { return &_table; }

	// Loads the module file without calling it; false with `reason` when it cannot be loaded.
	bool Load(const std::filesystem::path& moduleFile, std::string& reason);
	// Calls the loaded module's entry point.
	std::int32_t CallMain(std::int32_t action, void* p1 = nullptr, void* p2 = nullptr, void* p3 = nullptr);
	// The host's start-up: load, action 1 with the table and the module's
	// absolute path, module message 1 (resources), action 2 (start). False
	// with `reason` when the module did not load or did not start.
	bool Start(const std::filesystem::path& moduleFile, std::string& reason);
	const StartReport& Started() const { return _started; }
	// The host's shutdown: every document closed, action 3, resources the
	// module left behind reported, the module file unloaded.
	void Shutdown();
	ModuleLibrary* Module() const { return _module.get(); }

	// The host's own actions on the scene.
	Document* NewDocument() { return scene.NewDocument(); }
	// A new object of a registered plug-in type, allocated and initialised; null when either fails.
	Object* NewPluginObject(std::int32_t type);
	// A new object of any type: a plug-in object as NewPluginObject makes it,
	// else a host object with the host's defaults. Null when a plug-in object fails.
	Object* NewObject(std::int32_t type);

	// The user's actions (headless/host_actions.cpp). Each is one undo step
	// of the object's document that also holds every record the module makes
	// while handling it.
	// As the host's object menu: a new object named `name`, for a plug-in
	// object message 22 with the document, then inserted at the top in first position.
	Object* NewObjectFromMenu(Document* document, std::int32_t type, const std::string& name = {});
	// Moves an object in a document to the first place under `parent`, or to
	// the top level in first position when `parent` is null. False, with
	// nothing done, when `parent` is the object, lies under it or in another
	// document. A move to where the object is already makes no undo step.
	bool MoveObject(Object* object, Object* parent);
	// As the attribute manager: stores the value (a link, too) and, for a
	// plug-in object, sends message 17 with the parameter's description ID.
	void SetParameter(Object* object, std::int32_t id, Value value);

	// The module's answer to an enabling query for parameter `id` of a plug-in object.
	bool IsEnabled(Object* object, std::int32_t id);
	// A message from the host to a plug-in object's handler.
	bool SendToPlugin(Object* object, std::int32_t type, void* data);
	// The user presses button `id` of a plug-in object: message 18 with the button's description ID.
	bool PressButton(Object* object, std::int32_t id);
	// Asks a spline object plug-in for its spline, as the host does when it
	// evaluates the scene. The spline is a loose object of the scene, the
	// caller's to destroy; null when the module gave none or gave something
	// that is no new spline (a protocol fault).
	Object* GetContour(Object* object);

	// A problem the host found in what the module supplied (its files, its registration).
	void Diagnose(const std::string& message) { diagnostics.push_back(message); }

	Memory memory;
	FaultPlan faults;
	ProtocolLog protocol;
	Console console;
	FileDialogs fileDialogs;
	FileHistory fileHistory;
	PlacedFiles placedFiles;
	Scene scene;
	Undo undo { scene, protocol };
	PluginRegistry plugins;
	HandleRegistry<Container> containers;
	HandleRegistry<Path> paths;
	HandleRegistry<Bitmap> bitmaps;
	HandleRegistry<BinaryFile> files;
	HandleRegistry<resources::ResourceFolder> resources;
	std::vector<std::string> diagnostics;
	// How often the module asked the host to update its managers and viewport.
	std::int64_t events = 0;

private:
	static inline Host* s_current = nullptr;

	void FinalisePluginObject(Object& object);
	void ReportLeftovers();

	HostOptions _options;
	C4D_OS _table;
	std::unique_ptr<ModuleLibrary> _module;
	StartReport _started;
	bool _initialised = false;
};

} // namespace headless

#endif
