// The table's sub-tables, one per family, each defined in its own file.
#ifndef HEADLESS_TABLE_FAMILIES_H
#define HEADLESS_TABLE_FAMILIES_H

#include "host/abi/c4d_os.h"

namespace headless
{

const C4DOS_General* GeneralEntries();
const C4DOS_Paths* PathEntries();
const C4DOS_Files* FileEntries();
const C4DOS_Bitmaps* BitmapEntries();
const C4DOS_Resources* ResourceEntries();
const C4DOS_Plugins* PluginEntries();
const C4DOS_Containers* ContainerEntries();
const C4DOS_Atoms* AtomEntries();
const C4DOS_Objects* ObjectEntries();
const C4DOS_Documents* DocumentEntries();

} // namespace headless

#endif
