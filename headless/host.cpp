#include "headless/host.h"

#include <stdexcept>

#include "headless/table/table.h"
#include "headless/table/values.h"

namespace headless
{

Host::Host(HostOptions options) :
	scene([this](Object& object) { FinalisePluginObject(object); }),
	_options(std::move(options)),
	_table(MakeTable(_options.apiVersion))
{
	if (s_current)
		throw std::logic_error("only one headless host can run at a time");
	s_current = this;
}

Host::~Host()
{
	Shutdown();
	s_current = nullptr;
}

bool Host::Load(const std::filesystem::path& moduleFile, std::string& reason)
{
	_module = ModuleLibrary::Open(moduleFile, reason);
	if (!_module)
		return false;
	// The host's core runtime takes note of the module in its record.
	if (auto* record = const_cast<C4DOS_ModuleRecord*>(_module->Record()))
		record->runtime = this;
	return true;
}

std::int32_t Host::CallMain(std::int32_t action, void* p1, void* p2, void* p3)
{
	if (!_module)
		throw std::logic_error("no module is loaded");
	ModuleCall call(undo, "action " + std::to_string(action));
	return _module->Main()(action, p1, p2, p3);
}

bool Host::Start(const std::filesystem::path& moduleFile, std::string& reason)
{
	std::error_code error;
	const std::filesystem::path absolute = std::filesystem::absolute(moduleFile, error);
	if (error || !Load(absolute, reason))
	{
		if (reason.empty())
			reason = "cannot resolve " + moduleFile.string();
		return false;
	}

	const std::string path = ToUtf8(absolute);
	_started.init = CallMain(1, const_cast<C4D_OS*>(&_table), nullptr, const_cast<char*>(path.c_str()));
	_initialised = true;
	if (_started.init != 1)
	{
		reason = "the module refused to initialise (action 1 answered " + std::to_string(_started.init) + ")";
		return false;
	}
	// A module whose resource failed still gets its start; it decides what it can do without.
	_started.resource = CallMain(6, reinterpret_cast<void*>(std::uintptr_t { 1 }));
	_started.start = CallMain(2);
	if (_started.start != 1)
	{
		reason = "the module did not start (action 2 answered " + std::to_string(_started.start) + ")";
		for (const std::string& line : console.lines)
			reason += "; console: " + line;
		for (const std::string& diagnostic : diagnostics)
			reason += "; " + diagnostic;
		return false;
	}
	return true;
}

void Host::Shutdown()
{
	// Objects go before the module that made their data.
	scene.Clear();
	if (_module && _initialised)
		CallMain(3);
	_initialised = false;
	if (_module)
		ReportLeftovers();
	plugins.Clear();
	_module.reset();
}

void Host::ReportLeftovers()
{
	const auto report = [this](std::size_t count, const char* what) {
		if (count > 0)
			protocol.Fault("shutdown", "the module left " + std::to_string(count) + " " + what + " allocated");
	};
	report(memory.LiveBlocks(), "memory blocks");
	report(containers.Count(), "containers");
	report(paths.Count(), "paths");
	report(bitmaps.Count(), "bitmaps");
	report(files.Count(), "files");
	report(resources.Count(), "resources");
	containers.Clear();
	paths.Clear();
	bitmaps.Clear();
	files.Clear();
	resources.Clear();
}

void Host::FinalisePluginObject(Object& object)
{
	if (object.pluginData)
		object.plugin->handlers.free(object.pluginData);
	object.pluginData = nullptr;
}

Object* Host::NewPluginObject(std::int32_t type)
{
	const RegisteredObject* plugin = plugins.FindObject(type);
	if (!plugin)
		return nullptr;
	Object* object = scene.NewObject(type);
	object->plugin = plugin;
	ModuleCall call(undo, "init");
	object->pluginData = plugin->handlers.alloc(plugin->handlers.context);
	if (!object->pluginData || !plugin->handlers.init(object->pluginData, HandleOf(object)))
	{
		scene.DestroyObject(object);
		return nullptr;
	}
	return object;
}

bool Host::IsEnabled(Object* object, std::int32_t id)
{
	if (!object->plugin)
		return true;
	ModuleCall call(undo, "enabling");
	const C4DOS_DescID descId = ParameterId(id);
	C4DOS_Value value {};
	ToAbiValue(object->data.Get(id), value);
	return object->plugin->handlers.get_enabling(object->pluginData, HandleOf(object), &descId, &value, 0, nullptr) !=
		0;
}

bool Host::PressButton(Object* object, std::int32_t id)
{
	C4DOS_DescriptionCommand command { ParameterId(id) };
	return SendToPlugin(object, 18, &command);
}

Object* Host::GetContour(Object* object)
{
	if (!object->plugin || !object->plugin->handlers.get_contour)
		return nullptr;
	++object->builds;
	ModuleCall call(undo, "contour");
	C4DOS_Atom* result =
		object->plugin->handlers.get_contour(object->pluginData, HandleOf(object), HandleOf(object->document), 1.0, nullptr);
	if (!result)
		return nullptr;
	auto* spline = AsObject(scene.Find(result));
	if (!spline || spline->inTree || spline->cacheOwner || !spline->isPointObject || spline == object)
	{
		protocol.Fault("contour", "the module answered with something that is no new spline");
		return nullptr;
	}
	return spline;
}

bool Host::SendToPlugin(Object* object, std::int32_t type, void* data)
{
	if (!object->plugin)
		return true;
	ModuleCall call(undo, "message " + std::to_string(type));
	return object->plugin->handlers.message(object->pluginData, HandleOf(object), type, data) != 0;
}

} // namespace headless
