// Every name the module may use from the SDK, pinned to its exact type: this
// file compiles against the headless host's SDK layer (every build) and
// against the host's real SDK (make sdk-module), so a declaration that drifts
// from the real one - a missing const, another parameter type, a name the
// real SDK lacks - fails one of the two builds. It holds no code.
#include "c4d.h"
#include "onurbscaps.h"

#include <cstdint>
#include <type_traits>
#include <utility>

namespace
{

template <typename T> constexpr bool Is(T) { return true; }

#define PIN(TYPE, NAME) static_assert(Is(static_cast<TYPE>(&NAME)), #NAME)
#define SAME(A, B) static_assert(std::is_same<A, B>::value, #A " is " #B)
// For members the real SDK declares through its interface machinery: the
// type of the call as the module writes it.
#define CALL(TYPE, EXPRESSION) static_assert(std::is_same<decltype(EXPRESSION), TYPE>::value, #EXPRESSION)

template <typename T> T& Some();

// Basic types and text.
SAME(Int32, std::int32_t);
SAME(UInt32, std::uint32_t);
SAME(Float64, double);
SAME(Int64, std::int64_t);
SAME(Float, double);
SAME(Float32, float);
SAME(Char, char);
static_assert(std::is_base_of<maxon::String, String>::value, "the classic String is a maxon::String");
CALL(maxon::Result<void>, Some<maxon::String>().SetCString(Some<const Char*>(), Int()));
CALL(maxon::Result<void>, Some<const String>().GetCStringAppendArray(Some<maxon::BaseArray<Char>>()));
CALL(Bool, Some<const maxon::String>().IsEmpty());
CALL(Bool, Some<const maxon::String>().IsPopulated());
CALL(Bool, Some<const maxon::String>() == Some<const maxon::String>());
CALL(Bool, Some<const String>() == Some<const String>());
CALL(String, Some<const String>() + Some<const String>());
static_assert(std::is_same<std::decay_t<decltype("text"_s)>, maxon::String>::value && std::is_const<std::remove_reference_t<decltype("text"_s)>>::value, "a literal is a const maxon::String");
CALL(Bool, Some<maxon::Result<void>>() == maxon::FAILED);
CALL(Bool, Some<maxon::BaseArray<Char>>().Resize(Int()) == maxon::FAILED);
CALL(Int, Some<const maxon::BaseArray<Char>>().GetCount());
CALL(Char*, Some<maxon::BaseArray<Char>>().GetFirst());
CALL(const Char*, Some<const maxon::BaseArray<Char>>().GetFirst());
CALL(Char&, Some<maxon::BaseArray<Char>>()[Int()]);

// Entry and plug-in functions.
PIN(Bool (*)(), PluginStart);
PIN(void (*)(), PluginEnd);
PIN(Bool (*)(Int32, void*), PluginMessage);
PIN(Bool (*)(Int32, const maxon::String&, Int32, DataAllocator*, const maxon::String&, BaseBitmap*, Int32), RegisterObjectPlugin);
PIN(Bool (*)(Int32, const maxon::String&, LocalResource*), RegisterDescription);
PIN(const String& (*)(Int32), GeLoadString);
PIN(Bool (GeResource::*)(), GeResource::Init);
PIN(Bool (GeResource::*)(const Filename&, Bool), GeResource::Init);
PIN(void (GeResource::*)(), GeResource::Free);
PIN(void (*)(const maxon::String&), GePrint);
PIN(GEMB_R (*)(const maxon::String&, GEMB), GeOutString);
PIN(void (*)(const maxon::String&), MessageDialog);
PIN(void (*)(EVENT), EventAdd);
CALL(void, EventAdd());
PIN(Float64 (*)(), GeGetMilliSeconds);
static_assert(std::is_default_constructible<Random>::value, "a Random starts from a fixed seed");
PIN(void (Random::*)(UInt32), Random::Init);
PIN(Float (Random::*)(), Random::Get01);

// Plug-in classes.
PIN(Bool (NodeData::*)(GeListNode*), NodeData::Init);
PIN(void (NodeData::*)(GeListNode*), NodeData::Free);
PIN(Bool (NodeData::*)(GeListNode*, Int32, void*), NodeData::Message);
PIN(Bool (NodeData::*)(GeListNode*, const DescID&, const GeData&, DESCFLAGS_ENABLE, const BaseContainer*), NodeData::GetDEnabling);
PIN(GeListNode* (NodeData::*)() const, NodeData::Get);
PIN(BaseObject* (ObjectData::*)(BaseObject*, HierarchyHelp*), ObjectData::GetVirtualObjects);
PIN(SplineObject* (ObjectData::*)(BaseObject*, BaseDocument*, Float, BaseThread*), ObjectData::GetContour);
PIN(void (ObjectData::*)(BaseObject*, BaseDocument*), ObjectData::CheckDirty);
SAME(DataAllocator, NodeData*());

// Scene nodes.
PIN(Int32 (C4DAtom::*)() const, C4DAtom::GetType);
PIN(Bool (C4DAtom::*)(Int32) const, C4DAtom::IsInstanceOf);
PIN(Bool (C4DAtom::*)(Int32, void*), C4DAtom::Message);
PIN(UInt32 (C4DAtom::*)(DIRTYFLAGS) const, C4DAtom::GetDirty);
CALL(DIRTYFLAGS, DIRTYFLAGS::DATA | DIRTYFLAGS::MATRIX);
PIN(GeListNode* (GeListNode::*)(), GeListNode::GetNext);
PIN(GeListNode* (GeListNode::*)(), GeListNode::GetPred);
PIN(GeListNode* (GeListNode::*)(), GeListNode::GetUp);
PIN(GeListNode* (GeListNode::*)(), GeListNode::GetDown);
PIN(GeListNode* (GeListNode::*)(), GeListNode::GetDownLast);
PIN(void (GeListNode::*)(GeListNode*), GeListNode::InsertUnder);
PIN(void (GeListNode::*)(GeListNode*), GeListNode::InsertUnderLast);
PIN(void (GeListNode::*)(), GeListNode::Remove);
PIN(BaseDocument* (GeListNode::*)(), GeListNode::GetDocument);
PIN(BaseContainer (BaseList2D::*)(), BaseList2D::GetData);
PIN(void (BaseList2D::*)(const BaseContainer&, Bool), BaseList2D::SetData);
PIN(BaseContainer* (BaseList2D::*)(), BaseList2D::GetDataInstance);
PIN(const BaseContainer* (BaseList2D::*)() const, BaseList2D::GetDataInstance);
PIN(String (BaseList2D::*)() const, BaseList2D::GetName);
PIN(void (BaseList2D::*)(const maxon::String&), BaseList2D::SetName);
PIN(BaseObject* (*)(Int32), BaseObject::Alloc);
PIN(void (*)(BaseObject*&), BaseObject::Free);
PIN(BaseObject* (BaseObject::*)(), BaseObject::GetNext);
PIN(BaseObject* (BaseObject::*)(), BaseObject::GetPred);
PIN(BaseObject* (BaseObject::*)(), BaseObject::GetUp);
PIN(BaseObject* (BaseObject::*)(), BaseObject::GetDown);
PIN(BaseObject* (BaseObject::*)(), BaseObject::GetDownLast);
PIN(Vector* (PointObject::*)(), PointObject::GetPointW);
PIN(const Vector* (PointObject::*)() const, PointObject::GetPointR);
PIN(Int32 (PointObject::*)() const, PointObject::GetPointCount);
PIN(SplineObject* (*)(Int32, SPLINETYPE), SplineObject::Alloc);
PIN(SplineObject* (BaseObject::*)(), BaseObject::GetRealSpline);
PIN(Matrix (BaseObject::*)() const, BaseObject::GetMg);
PIN(void (BaseObject::*)(DIRTYFLAGS), BaseObject::SetDirty);
PIN(LineObject* (SplineObject::*)(BaseDocument*, Float, BaseThread*), SplineObject::GetLineObject);
PIN(Bool (SplineObject::*)(), SplineObject::IsClosed);
PIN(const Segment* (SplineObject::*)(), SplineObject::GetSegmentR);
PIN(Int32 (SplineObject::*)(), SplineObject::GetSegmentCount);
PIN(void (*)(LineObject*&), LineObject::Free);
PIN(const Segment* (LineObject::*)(), LineObject::GetSegmentR);
PIN(Int32 (LineObject::*)(), LineObject::GetSegmentCount);
static_assert(std::is_base_of<PointObject, LineObject>::value && std::is_base_of<PointObject, SplineObject>::value, "point objects");
SAME(decltype(Segment::cnt), Int32);
SAME(decltype(Segment::closed), Bool);

// Matrices, as the module places points with them.
SAME(decltype(Some<Matrix>().off), Vector);
SAME(decltype(Some<Matrix>().sqmat.v1), Vector);
SAME(decltype(Some<Matrix>().sqmat.v2), Vector);
SAME(decltype(Some<Matrix>().sqmat.v3), Vector);
CALL(Matrix, ~Some<const Matrix>());
CALL(Matrix, Some<const Matrix>() * Some<const Matrix>());
CALL(Vector, Some<const Matrix>() * Some<const Vector>());
CALL(Bool, Some<const Matrix>() != Some<const Matrix>());
PIN(void (BaseDocument::*)(BaseObject*, BaseObject*, BaseObject*, Bool), BaseDocument::InsertObject);
PIN(Bool (BaseDocument::*)(), BaseDocument::StartUndo);
PIN(Bool (BaseDocument::*)(), BaseDocument::EndUndo);
PIN(Bool (BaseDocument::*)(UNDOTYPE, void*, Bool), BaseDocument::AddUndo);
PIN(Bool (BaseDocument::*)(Bool), BaseDocument::DoUndo);
PIN(Int32 (BaseDocument::*)(), BaseDocument::GetSplinePlane);

// Parameter containers and values.
PIN(Bool (BaseContainer::*)(Int32, Bool) const, BaseContainer::GetBool);
PIN(Int32 (BaseContainer::*)(Int32, Int32) const, BaseContainer::GetInt32);
PIN(Float (BaseContainer::*)(Int32, Float) const, BaseContainer::GetFloat);
PIN(Vector (BaseContainer::*)(Int32, const Vector&) const, BaseContainer::GetVector);
PIN(String (BaseContainer::*)(Int32, const maxon::String&) const, BaseContainer::GetString);
PIN(BaseList2D* (BaseContainer::*)(Int32, const BaseDocument*, Int32) const, BaseContainer::GetLink);
PIN(BaseObject* (BaseContainer::*)(Int32, const BaseDocument*) const, BaseContainer::GetObjectLink);
PIN(void (BaseContainer::*)(Int32, Bool), BaseContainer::SetBool);
PIN(void (BaseContainer::*)(Int32, Int32), BaseContainer::SetInt32);
PIN(void (BaseContainer::*)(Int32, Float), BaseContainer::SetFloat);
PIN(void (BaseContainer::*)(Int32, const Vector&), BaseContainer::SetVector);
PIN(void (BaseContainer::*)(Int32, const maxon::String&), BaseContainer::SetString);
PIN(void (BaseContainer::*)(Int32, C4DAtomGoal*), BaseContainer::SetLink);
PIN(Bool (BaseContainer::*)(Int32), BaseContainer::RemoveData);
PIN(void (BaseContainer::*)(), BaseContainer::FlushAll);
PIN(void (BaseContainer::*)(const BaseContainer&), BaseContainer::MergeContainer);
PIN(BaseContainer* (BaseContainer::*)(COPYFLAGS, AliasTrans*) const, BaseContainer::GetClone);
PIN(Int32 (GeData::*)() const, GeData::GetType);
PIN(Bool (GeData::*)() const, GeData::GetBool);
PIN(Int32 (GeData::*)() const, GeData::GetInt32);
PIN(Float (GeData::*)() const, GeData::GetFloat);
PIN(const Vector& (GeData::*)() const, GeData::GetVector);
PIN(const String& (GeData::*)() const, GeData::GetString);
PIN(const DescLevel& (DescID::*)(Int32) const, DescID::operator[]);
PIN(Int32 (DescID::*)() const, DescID::GetDepth);
SAME(decltype(DescLevel::id), Int32);
SAME(decltype(DescriptionCommand::_descId), DescID);
SAME(decltype(DescriptionCheckUpdate::descid), const DescID*);

// Files.
PIN(const Filename (Filename::*)() const, Filename::GetDirectory);
PIN(void (Filename::*)(const Filename&), Filename::SetDirectory);
PIN(const Filename (Filename::*)() const, Filename::GetFile);
PIN(void (Filename::*)(const Filename&), Filename::SetFile);
PIN(String (Filename::*)() const, Filename::GetString);
PIN(String (Filename::*)() const, Filename::GetSuffix);
PIN(void (Filename::*)(const maxon::String&), Filename::SetSuffix);
PIN(Bool (Filename::*)(const maxon::String&) const, Filename::CheckSuffix);
PIN(Bool (Filename::*)() const, Filename::IsPopulated);
PIN(Bool (Filename::*)(FILESELECTTYPE, FILESELECT, const maxon::String&, const maxon::String&), Filename::FileSelect);
PIN(Bool (*)(const Filename&, Bool), GeFExist);
PIN(Bool (*)(const Filename&, Int32), GeFKill);
PIN(Bool (*)(const Filename&, const Filename&), GeFRename);
PIN(Bool (*)(const Filename&, const Filename&, Int32), GeFCopyFile);
PIN(const Filename (*)(), GeGetPluginPath);
PIN(BaseFile* (*)(), BaseFile::Alloc);
PIN(void (*)(BaseFile*&), BaseFile::Free);
PIN(Bool (BaseFile::*)(const Filename&, FILEOPEN, FILEDIALOG, BYTEORDER, Int32, Int32), BaseFile::Open);
PIN(Bool (BaseFile::*)(), BaseFile::Close);
PIN(Bool (BaseFile::*)(Bool*), BaseFile::ReadBool);
PIN(Bool (BaseFile::*)(Int32*), BaseFile::ReadInt32);
PIN(Bool (BaseFile::*)(Float32*), BaseFile::ReadFloat32);
PIN(Int (BaseFile::*)(void*, Int, Bool), BaseFile::ReadBytes);
PIN(Bool (BaseFile::*)(Bool), BaseFile::WriteBool);
PIN(Bool (BaseFile::*)(Int32), BaseFile::WriteInt32);
PIN(Bool (BaseFile::*)(Float32), BaseFile::WriteFloat32);
PIN(Bool (BaseFile::*)(const void*, Int), BaseFile::WriteBytes);
PIN(FILEERROR (BaseFile::*)() const, BaseFile::GetError);
PIN(void (BaseFile::*)(FILEERROR), BaseFile::SetError);
PIN(Int64 (BaseFile::*)(), BaseFile::GetLength);
PIN(Int64 (BaseFile::*)(), BaseFile::GetPosition);

// Bitmaps.
PIN(BaseBitmap* (*)(), BaseBitmap::Alloc);
PIN(void (*)(BaseBitmap*&), BaseBitmap::Free);
PIN(IMAGERESULT (BaseBitmap::*)(const Filename&, Int32, Bool*), BaseBitmap::Init);
PIN(Bool (BaseBitmap::*)(Int32, const GeData&), BaseBitmap::SetData);

// Constants the module names, with the real SDK's values.
static_assert(C4DPL_INIT_SYS == 1 && C4DPL_INIT == 2 && C4DPL_END == 3 && C4DPL_INIT_VERSION == 4 && C4DPL_MESSAGE == 6, "entry actions");
static_assert(MSG_UPDATE == 5 && MSG_CHANGE == 7 && MSG_DESCRIPTION_CHECKUPDATE == 17 && MSG_DESCRIPTION_COMMAND == 18 && MSG_MENUPREPARE == 22, "messages");
static_assert(OBJECT_GENERATOR == 4 && OBJECT_ISSPLINE == 128, "object info flags");
static_assert(Oextrude == 5116 && Obase == 5155 && Ospline == 5101 && Onull == 5140 && Tpoint == 5600, "type IDs");
static_assert(SPLINEOBJECT_INTERPOLATION == 1001 && SPLINEOBJECT_CLOSED == 1002 && SPLINEOBJECT_SUB == 1003 && SPLINEOBJECT_ANGLE == 1004 &&
		SPLINEOBJECT_MAXIMUMLENGTH == 1005 && SPLINEOBJECT_INTERPOLATION_NATURAL == 1 && SPLINEOBJECT_INTERPOLATION_UNIFORM == 2 &&
		SPLINEOBJECT_INTERPOLATION_ADAPTIVE == 3 && SPLINEOBJECT_INTERPOLATION_SUBDIV == 4,
	"spline parameters");
static_assert(PRIM_PLANE == 2300 && PRIM_PLANE_XY == 0 && PRIM_PLANE_ZY == 1 && PRIM_PLANE_XZ == 2 && PRIM_REVERSE == 2301, "spline primitive parameters");
static_assert(BASEBITMAP_DATA_GUIPIXELRATIO == 100, "bitmap data");
static_assert(GE_FCOPY_OVERWRITE == 1 && GE_FCOPY_DONTCOPYREADONLY == 2, "copy flags");
static_assert(static_cast<Int32>(UNDOTYPE::CHANGE) == 40 && static_cast<Int32>(UNDOTYPE::NEWOBJ) == 44, "undo types");
static_assert(static_cast<Int32>(FILEOPEN::READ) == 1 && static_cast<Int32>(FILEOPEN::WRITE) == 2 && static_cast<Int32>(FILEOPEN::APPEND) == 0, "open modes");
static_assert(static_cast<Int32>(FILEERROR::OUTOFMEMORY) == -7, "file errors");
static_assert(static_cast<Int32>(GEMB::ICONEXCLAMATION) == 0x30, "message box flags");
static_assert(static_cast<Int32>(IMAGERESULT::OK) == 1, "image results");
static_assert(static_cast<Int32>(DIRTYFLAGS::MATRIX) == 2 && static_cast<Int32>(DIRTYFLAGS::DATA) == 4 && static_cast<Int32>(DIRTYFLAGS::CACHE) == 16,
	"dirty flags");
static_assert(static_cast<Int32>(EVENT::NONE) == 0, "event flags");
static_assert(CAPSANDBEVELS_CAP_ENABLE_START == 2999 && CAPSANDBEVELS_CAP_ENABLE_END == 3000 && CAPSANDBEVELS_STARTBEVEL_MODE == 3016 &&
		CAPSANDBEVELS_STARTBEVEL_TYPE == 3017 && CAPSANDBEVELS_STARTBEVEL_OFFSET == 3021 && CAPSANDBEVELS_STARTBEVEL_SEGMENTS == 3022 &&
		CAPSANDBEVELS_ENDBEVEL_MODE == 3030 && CAPSANDBEVELS_ENDBEVEL_TYPE == 3031 && CAPSANDBEVELS_ENDBEVEL_OFFSET == 3035 &&
		CAPSANDBEVELS_ENDBEVEL_SEGMENTS == 3036 && CAPSANDBEVELS_BEVEL_MODE_COSTRAINED == 0 && CAPSANDBEVELS_BEVEL_TYPE_ROUND == 0,
	"caps and bevels of the extrude object");

} // namespace
