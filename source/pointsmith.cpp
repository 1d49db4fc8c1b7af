#include "pointsmith.h"

#include "Opointsmith.h"
#include "c4d_symbols.h"
#include "linked_path.h"
#include "preset_folder.h"

namespace
{

// 5 degrees: the host stores spline angles in radians.
const Float DEFAULT_SPLINE_ANGLE = 0.08726646259971647;

} // namespace

Bool ArrowGenerator::Init(GeListNode* node)
{
	// An arrow whose preset dialogs would start nowhere is not made: the host
	// had no memory for the paths.
	if (!GetPresetFolder(presetFolder))
		return false;
	SetDefaults(node);
	return true;
}

void ArrowGenerator::SetDefaults(GeListNode* node)
{
	BaseContainer* data = node ? static_cast<BaseList2D*>(node)->GetDataInstance() : nullptr;
	if (!data)
		return;

	data->SetFloat(ARROW_SHAFT_LENGTH, 400.0);
	data->SetFloat(ARROW_SHAFT_WIDTH, 100.0);
	data->SetBool(ARROW_SHAFT, true);
	data->SetFloat(ARROW_HEAD_LENGTH, 100.0);
	data->SetFloat(ARROW_HEAD_BARB, 50.0);
	data->SetFloat(ARROW_TAIL_NOTCH, 0.0);
	data->SetFloat(ARROW_TAPER_FRONT, 0.0);
	data->SetFloat(ARROW_TAPER_BACK, 0.0);
	data->SetFloat(ARROW_BARB_SWEEP, 0.0);
	data->SetBool(ARROW_FINS, false);
	data->SetFloat(ARROW_FIN_LENGTH, 100.0);
	data->SetFloat(ARROW_FIN_WIDTH, 50.0);
	data->SetFloat(ARROW_FIN_SWEEP, 50.0);
	data->SetBool(ARROW_OPEN_HEAD, false);
	data->SetBool(ARROW_SQUARE_BARBS, false);
	data->SetFloat(ARROW_HEAD_THICKNESS, 50.0);
	data->SetBool(ARROW_DOUBLE, false);
	data->SetFloat(ARROW_DOUBLE_LENGTH, 400.0);
	data->SetFloat(ARROW_DOUBLE_WIDTH, 100.0);
	data->SetString(ARROW_PRESET_NAME, ""_s);
	data->SetBool(ARROW_BEVEL, false);
	data->SetFloat(ARROW_BEVEL_SIZE, 10.0);
	data->SetBool(ARROW_BEVEL_OPTION, true);
	data->SetBool(ARROW_ROUND, false);
	data->SetFloat(ARROW_ROUND_RADIUS, 10.0);
	data->SetInt32(ARROW_ROUND_STEPS, 4);
	data->SetLink(ARROW_PATH, nullptr);
	data->SetFloat(ARROW_PATH_START, 0.0);
	data->SetFloat(ARROW_PATH_END, 1.0);
	data->SetFloat(ARROW_PATH_OFFSET, 0.0);
	data->SetInt32(ARROW_CLONE_COUNT, 3);
	data->SetBool(ARROW_CLONE_PLANE, true);
	data->SetFloat(ARROW_CLONE_SPLINE_VALUE, 0.0);
	data->SetBool(ARROW_WRAP_OPTION, true);
	data->SetBool(ARROW_WRAP_SUBDIVIDE, true);

	data->SetInt32(SPLINEOBJECT_INTERPOLATION, SPLINEOBJECT_INTERPOLATION_ADAPTIVE);
	data->SetInt32(SPLINEOBJECT_SUB, 8);
	data->SetFloat(SPLINEOBJECT_ANGLE, DEFAULT_SPLINE_ANGLE);
	data->SetFloat(SPLINEOBJECT_MAXIMUMLENGTH, 5.0);
	data->SetInt32(PRIM_PLANE, PRIM_PLANE_XY);
	data->SetBool(PRIM_REVERSE, false);
}

Bool ArrowGenerator::GetDEnabling(GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags, const BaseContainer* itemdesc)
{
	// The governing values are read from the live container, not from t_data,
	// which holds the value of the parameter asked about.
	const BaseContainer* data = node ? static_cast<BaseList2D*>(node)->GetDataInstance() : nullptr;
	if (!data)
		return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);

	const Bool shaft = data->GetBool(ARROW_SHAFT);
	const Bool doubleArrow = data->GetBool(ARROW_DOUBLE);
	const Int32 interpolation = data->GetInt32(SPLINEOBJECT_INTERPOLATION);
	// A linked path gives the shaft its length.
	BaseObject* op = static_cast<BaseObject*>(node);
	const Bool path = LinkedPath(op, *data, op->GetDocument()) != nullptr;

	switch (id[0].id)
	{
		case ARROW_SHAFT_LENGTH:
			return shaft && !doubleArrow && !path;
		case ARROW_SHAFT_WIDTH:
		case ARROW_TAIL_NOTCH:
		case ARROW_TAPER_FRONT:
		case ARROW_TAPER_BACK:
		case ARROW_FINS:
			return shaft && !doubleArrow;
		case ARROW_SHAFT:
			return !doubleArrow;
		// The fin sizes follow the fins and the shaft only: they stay editable
		// on a double arrow, so a switch back finds them as they were.
		case ARROW_FIN_LENGTH:
		case ARROW_FIN_WIDTH:
		case ARROW_FIN_SWEEP:
			return data->GetBool(ARROW_FINS) && shaft;
		case ARROW_SQUARE_BARBS:
		case ARROW_HEAD_THICKNESS:
			return data->GetBool(ARROW_OPEN_HEAD);
		case ARROW_DOUBLE_LENGTH:
			return doubleArrow && !path;
		case ARROW_DOUBLE_WIDTH:
			return doubleArrow;
		case ARROW_BEVEL_SIZE:
		case ARROW_BEVEL_OPTION:
			return data->GetBool(ARROW_BEVEL);
		case ARROW_ROUND_RADIUS:
		case ARROW_ROUND_STEPS:
			return data->GetBool(ARROW_ROUND);
		case ARROW_CLONE_SPLINE:
		case ARROW_CLONE_PLANE:
		case ARROW_CLONE_SPLINE_VALUE:
			return data->GetBool(ARROW_CLONE_ON_SPLINE);
		case ARROW_PATH_START:
		case ARROW_PATH_END:
		case ARROW_PATH_OFFSET:
			return path;
		case SPLINEOBJECT_SUB:
			return interpolation == SPLINEOBJECT_INTERPOLATION_NATURAL || interpolation == SPLINEOBJECT_INTERPOLATION_UNIFORM;
		case SPLINEOBJECT_ANGLE:
			return interpolation == SPLINEOBJECT_INTERPOLATION_ADAPTIVE || interpolation == SPLINEOBJECT_INTERPOLATION_SUBDIV;
		case SPLINEOBJECT_MAXIMUMLENGTH:
			return interpolation == SPLINEOBJECT_INTERPOLATION_SUBDIV;
		default:
			break;
	}
	return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
}

// Registration --------------------------------------------------------------

// The arrow object's plug-in ID, unique among all plug-ins of the host.
static const Int32 ID_POINTSMITH = 1025060;

// The host creates every arrow through this: zeroed host memory, then
// construction. Parameters are set later, by Init.
static NodeData* AllocArrowGenerator()
{
	return NewObjClear(ArrowGenerator);
}

// The object's icon from the resource folder, or null: a missing or broken
// icon file, or no memory for it or its path, registers the object without one.
static BaseBitmap* LoadArrowIcon()
{
	// Each part of the path is checked as it is made: a part the host had no
	// memory for would leave a path relative to the working directory.
	const Filename pluginFolder = GeGetPluginPath();
	if (!pluginFolder.IsPopulated())
		return nullptr;
	const Filename resourceFolder = pluginFolder + Filename("res");
	if (!resourceFolder.IsPopulated())
		return nullptr;
	const Filename iconFile = resourceFolder + Filename("pointsmith.tif");
	if (!iconFile.IsPopulated())
		return nullptr;

	BaseBitmap* icon = BaseBitmap::Alloc();
	if (!icon)
		return nullptr;
	if (icon->Init(iconFile) != IMAGERESULT::OK)
	{
		BaseBitmap::Free(icon);
		return nullptr;
	}
	icon->SetData(BASEBITMAP_DATA_GUIPIXELRATIO, GeData(1.0));
	return icon;
}

Bool RegisterArrowGenerator()
{
	const String name = GeLoadString(IDS_POINTSMITH);
	BaseBitmap* icon = LoadArrowIcon();
	// Info 132: a generator whose output is a spline, so the host asks for its contour.
	const Bool registered = RegisterObjectPlugin(ID_POINTSMITH, name, OBJECT_GENERATOR | OBJECT_ISSPLINE, AllocArrowGenerator, "Opointsmith"_s, icon, 0);
	// The host has taken its own copy of the icon.
	BaseBitmap::Free(icon);
	return registered;
}
