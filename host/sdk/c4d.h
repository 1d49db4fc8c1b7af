// The SDK's umbrella header: everything a classic-API plug-in uses.
#ifndef C4D_H__
#define C4D_H__

#include "c4d_basebitmap.h"
#include "c4d_basecontainer.h"
#include "c4d_basedocument.h"
#include "c4d_baselist.h"
#include "c4d_baseobject.h"
#include "c4d_basictypes.h"
#include "c4d_file.h"
#include "c4d_gedata.h"
#include "c4d_general.h"
#include "c4d_memory.h"
#include "c4d_nodedata.h"
#include "c4d_objectdata.h"
#include "c4d_plugin.h"
#include "c4d_resource.h"
#include "c4d_string.h"
#include "c4d_tools.h"

#endif
