// Loads a module the way the host does and asks it for its version: the module
// must load with every symbol resolved, export c4d_main and g_maxon, and
// answer 5 to the version query (action 4).
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		std::fprintf(stderr, "usage: sdk_module_check MODULE\n");
		return 2;
	}
	void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
	if (!module)
	{
		std::fprintf(stderr, "%s does not load: %s\n", argv[1], dlerror());
		return 1;
	}
	using Entry = std::int32_t (*)(std::int32_t, void*, void*, void*);
	const auto entry = reinterpret_cast<Entry>(dlsym(module, "c4d_main"));
	void* record = dlsym(module, "g_maxon");
	if (!entry || !record)
	{
		std::fprintf(stderr, "%s lacks %s\n", argv[1], entry ? "g_maxon" : "c4d_main");
		return 1;
	}
	const std::int32_t version = entry(4, nullptr, nullptr, nullptr);
	if (version != 5)
	{
		std::fprintf(stderr, "%s answers %d to the version query (expected 5)\n", argv[1], version);
		return 1;
	}
	std::printf("%s: loads, c4d_main(4, ...) = 5\n", argv[1]);
	return 0;
}
