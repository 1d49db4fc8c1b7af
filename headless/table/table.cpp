#include "headless/table/table.h"

#include "headless/table/families.h"

namespace headless
{

C4D_OS MakeTable(std::int32_t version)
{
	C4D_OS table {};
	table.version = version;
	table.tag = C4DOS_TABLE_TAG;
	table.general = GeneralEntries();
	table.paths = PathEntries();
	table.files = FileEntries();
	table.bitmaps = BitmapEntries();
	table.resources = ResourceEntries();
	table.plugins = PluginEntries();
	table.containers = ContainerEntries();
	table.atoms = AtomEntries();
	table.objects = ObjectEntries();
	table.documents = DocumentEntries();
	return table;
}

} // namespace headless
