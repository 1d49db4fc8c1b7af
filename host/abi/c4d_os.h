/*
 * c4d_os.h - the host's function table, as the host hands it to a module.
 *
 * This is the whole boundary between a module and the host application.
 * The host passes a pointer to one `C4D_OS` with action 1 of the module's
 * entry point `c4d_main`; the module reaches every host operation through it
 * and links against nothing of the host by name.
 *
 * Plain C on purpose: host and module may come from different compilers.
 * Only fixed-width integers, doubles, pointers to opaque handles and plain
 * structs cross it. Nothing throws across it, in either direction: every
 * entry reports failure through its result as documented beside it.
 *
 * Conventions for every entry:
 *  - Handles (`C4DOS_Atom`, `C4DOS_Container`, ...) are opaque. The host
 *    checks every handle it is given; an unknown or freed handle is a
 *    protocol fault that the host records, and the entry then fails as it
 *    would for a null handle.
 *  - Booleans are `C4DOS_Bool`: 0 false, anything else true.
 *  - Text goes in as `C4DOS_Text` (UTF-8, not zero-terminated, borrowed for
 *    the duration of the call) and comes out through a `C4DOS_TextSink`,
 *    which the host calls exactly once with the whole text before the entry
 *    returns (with an empty text when there is none).
 *  - "Owned by the caller" means the caller must give the handle back with
 *    the family's `free` entry; "borrowed" means it stays the host's.
 */
#ifndef C4D_OS_H__
#define C4D_OS_H__

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Lowest host API version this table layout describes. */
#define C4DOS_API_VERSION 23100

/* The tag of this table, in the 4 bytes after `version` where the host
 * application's own table has only padding: a module built for this table
 * refuses any table without it, so it never drives a table it does not know.
 * "PSHT" in ASCII. */
#define C4DOS_TABLE_TAG 0x50534854u

/* The first 8 bytes of this table's module record: a value that no host takes
 * for its ABI version, so a host that reads another kind of record refuses a
 * module built for this table. "HEADLESS" in ASCII. */
#define C4DOS_RECORD_MARKER 0x484541444C455353ull

/* Export of the module's two entry symbols. */
#if defined(_WIN32)
#define C4DOS_EXPORT __declspec(dllexport)
#else
#define C4DOS_EXPORT __attribute__((visibility("default")))
#endif

typedef int32_t C4DOS_Bool;

/* Opaque handles. */
typedef struct C4DOS_Atom C4DOS_Atom;           /* object, spline or document */
typedef struct C4DOS_Container C4DOS_Container; /* parameter container */
typedef struct C4DOS_Path C4DOS_Path;           /* file path */
typedef struct C4DOS_Bitmap C4DOS_Bitmap;       /* image */
typedef struct C4DOS_Resource C4DOS_Resource;   /* a module's loaded resource */
typedef struct C4DOS_File C4DOS_File;           /* binary file */

typedef struct C4DOS_Text
{
	const char* data; /* UTF-8; may be null when length is 0 */
	int64_t length;   /* bytes */
} C4DOS_Text;

typedef void (*C4DOS_TextSink)(void* context, C4DOS_Text text);

/* One segment of a spline or line object: its point count and whether it
 * closes. The SDK's `Segment` has exactly this layout (a one-byte bool). */
typedef struct C4DOS_Segment
{
	int32_t cnt;
	uint8_t closed; /* 0 or 1 */
} C4DOS_Segment;

/* DIRTYFLAGS: the parts of an object whose changes the host counts. */
enum
{
	C4DOS_DIRTY_MATRIX = 1 << 1,
	C4DOS_DIRTY_DATA = 1 << 2,
	C4DOS_DIRTY_CACHE = 1 << 4
};

/* ---------------------------------------------------------------------------
 * Values: one parameter value, as containers and enabling queries pass it.
 */
enum
{
	C4DOS_VALUE_NONE = 0, /* no value (absent entry) */
	C4DOS_VALUE_BOOL = 1,
	C4DOS_VALUE_INT32 = 2,
	C4DOS_VALUE_FLOAT = 3,
	C4DOS_VALUE_VECTOR = 4,
	C4DOS_VALUE_STRING = 5,
	C4DOS_VALUE_LINK = 6
};

typedef struct C4DOS_Value
{
	int32_t type;      /* C4DOS_VALUE_... */
	int32_t int32;     /* BOOL (0 or 1) and INT32 */
	double real;       /* FLOAT */
	double vector[3];  /* VECTOR: x, y, z */
	C4DOS_Text text;   /* STRING; when read from the host, valid until the container changes */
	C4DOS_Atom* link;  /* LINK: the linked object, or null */
} C4DOS_Value;

/* ---------------------------------------------------------------------------
 * Description IDs, as messages 17 and 18 carry them. The SDK's `DescID` and
 * `DescLevel` have exactly this layout.
 */
#define C4DOS_DESCID_MAXDEPTH 7

typedef struct C4DOS_DescLevel
{
	int32_t id;
	int32_t dtype;
	int32_t creator;
} C4DOS_DescLevel;

typedef struct C4DOS_DescID
{
	int32_t depth; /* levels in use, 1 for a plain parameter */
	C4DOS_DescLevel level[C4DOS_DESCID_MAXDEPTH];
} C4DOS_DescID;

/* Data of message 18: a button was pressed. */
typedef struct C4DOS_DescriptionCommand
{
	C4DOS_DescID id;
} C4DOS_DescriptionCommand;

/* Data of message 17: a parameter was changed. */
typedef struct C4DOS_DescriptionCheckUpdate
{
	C4DOS_Atom* doc;
	int32_t drawflags;
	const C4DOS_DescID* descid;
} C4DOS_DescriptionCheckUpdate;

/* ---------------------------------------------------------------------------
 * General: memory, console, message boxes, updates, clock.
 */
typedef struct C4DOS_General
{
	/* Host memory. `alloc` returns `size` uninitialised bytes owned by the
	 * caller, or null when the host has none. `free` gives them back; null is
	 * allowed. Everything a module allocates here must come back before the
	 * module's final action 3 returns. */
	void* (*alloc)(int64_t size);
	void (*free)(void* memory);
	/* Memory for the module's copy of a text the host hands it (a string
	 * parameter, a name, a path), as `alloc` and given back with `free`. The
	 * host's own strings share such text instead of copying it, so it fails
	 * only when the host has no memory left at all, never by a host's plan
	 * of injected failures. */
	void* (*alloc_text)(int64_t size);

	/* Appends one line to the host console. */
	void (*print)(C4DOS_Text line);

	/* Shows a modal message box with GEMB flags; returns the GEMB_R answer. */
	int32_t (*message_box)(C4DOS_Text text, int32_t flags);

	/* Asks the host to bring its managers and viewport up to date with the
	 * scene (EVENT `flags`), once the current call into the module has
	 * returned. The host does so on its own after its own actions, a
	 * parameter change in the attribute manager included; a module asks
	 * after changing the scene itself, as from a button. */
	void (*event_add)(int32_t flags);

	/* The host's clock: milliseconds since a moment of its choosing, with
	 * fractions of a millisecond, never going back. */
	double (*milliseconds)(void);
} C4DOS_General;

/* ---------------------------------------------------------------------------
 * Paths (the SDK's Filename). A path handle holds one path text; the host
 * applies its platform's rules for separators and suffixes.
 */
typedef struct C4DOS_Paths
{
	/* A new empty path owned by the caller, or null when out of memory. */
	C4DOS_Path* (*alloc)(void);
	void (*free)(C4DOS_Path* path); /* null allowed */

	/* Replace `path` with the text / with a copy of `source`. */
	void (*set_string)(C4DOS_Path* path, C4DOS_Text text);
	void (*copy)(C4DOS_Path* path, const C4DOS_Path* source);
	void (*get_string)(const C4DOS_Path* path, C4DOS_TextSink sink, void* context);

	/* `path` := `base` joined with `component` (a relative path). An empty
	 * base gives the component alone, an empty component the base. */
	void (*join)(C4DOS_Path* path, const C4DOS_Path* base, const C4DOS_Path* component);

	/* `path` := the directory part / file part of `source`. */
	void (*get_directory)(C4DOS_Path* path, const C4DOS_Path* source);
	void (*get_file)(C4DOS_Path* path, const C4DOS_Path* source);

	/* Replace the directory part / file part of `path`. */
	void (*set_directory)(C4DOS_Path* path, const C4DOS_Path* directory);
	void (*set_file)(C4DOS_Path* path, const C4DOS_Path* file);

	/* Suffix without the dot; `set_suffix` replaces an existing suffix. */
	void (*get_suffix)(const C4DOS_Path* path, C4DOS_TextSink sink, void* context);
	void (*set_suffix)(C4DOS_Path* path, C4DOS_Text suffix);
	C4DOS_Bool (*check_suffix)(const C4DOS_Path* path, C4DOS_Text suffix); /* ignores letter case */

	/* Whether something exists at the path; with `directory` set, only a folder counts. */
	C4DOS_Bool (*exists)(const C4DOS_Path* path, C4DOS_Bool directory);

	/* Deletes the file at the path; false when it could not be deleted. */
	C4DOS_Bool (*kill)(const C4DOS_Path* path);
	/* Renames a file, replacing a file already at `to`; false on failure, and
	 * then both files are as they were. */
	C4DOS_Bool (*rename)(const C4DOS_Path* from, const C4DOS_Path* to);
	/* Copies the file `from` to `to` (GE_FCOPY_ `flags`: 1 overwrites an
	 * existing file). An existing `to` is replaced as a whole or not at all,
	 * keeps its permissions, and when it is a link the file it leads to gets
	 * the bytes; one that may not be written is not replaced. False on
	 * failure, and then `to` is as it was. */
	C4DOS_Bool (*copy_file)(const C4DOS_Path* from, const C4DOS_Path* to, int32_t flags);

	/* The host's modal file selection dialog (FILESELECTTYPE `type`,
	 * FILESELECT `flags`), starting from `path` (folder and file name).
	 * True when the user chose a file, whose path then replaces `path`;
	 * false when the user cancelled, and `path` is unchanged. */
	C4DOS_Bool (*select_file)(C4DOS_Path* path, int32_t type, int32_t flags, C4DOS_Text title, C4DOS_Text force_suffix);
} C4DOS_Paths;

/* ---------------------------------------------------------------------------
 * Binary files (the SDK's BaseFile). Numbers are written and read in the
 * byte order given at open (1 big-endian, 2 little-endian); a bool is one
 * byte, 0 or 1, and reads as true for any byte but 0. A failed read or
 * write sets the file's error state (FILEERROR) and answers false; the state
 * stays until set again.
 */
typedef struct C4DOS_Files
{
	C4DOS_File* (*alloc)(void); /* owned by the caller; null when out of memory */
	void (*free)(C4DOS_File* file); /* closes the file if open; null allowed */

	/* Opens `name` with FILEOPEN `mode`; false (error state OPEN) when it cannot be opened. */
	C4DOS_Bool (*open)(C4DOS_File* file, const C4DOS_Path* name, int32_t mode, int32_t error_dialog, int32_t order, int32_t type, int32_t creator);
	/* Flushes and closes; false when what was written could not all be stored. */
	C4DOS_Bool (*close)(C4DOS_File* file);

	C4DOS_Bool (*read_bool)(C4DOS_File* file, C4DOS_Bool* value);
	C4DOS_Bool (*read_int32)(C4DOS_File* file, int32_t* value);
	C4DOS_Bool (*read_float32)(C4DOS_File* file, float* value);
	/* Reads up to `length` bytes; answers how many were read. Fewer than
	 * `length` sets the error state unless `just_try_it`. */
	int64_t (*read_bytes)(C4DOS_File* file, void* data, int64_t length, C4DOS_Bool just_try_it);

	C4DOS_Bool (*write_bool)(C4DOS_File* file, C4DOS_Bool value);
	C4DOS_Bool (*write_int32)(C4DOS_File* file, int32_t value);
	C4DOS_Bool (*write_float32)(C4DOS_File* file, float value);
	C4DOS_Bool (*write_bytes)(C4DOS_File* file, const void* data, int64_t length);

	int32_t (*get_error)(const C4DOS_File* file);
	void (*set_error)(C4DOS_File* file, int32_t error);
	int64_t (*get_length)(const C4DOS_File* file);   /* bytes in the file, -1 when not open */
	int64_t (*get_position)(const C4DOS_File* file); /* bytes read or written so far, -1 when not open */
} C4DOS_Files;

/* ---------------------------------------------------------------------------
 * Bitmaps (the SDK's BaseBitmap).
 */
typedef struct C4DOS_Bitmaps
{
	C4DOS_Bitmap* (*alloc)(void); /* owned by the caller; null when out of memory */
	void (*free)(C4DOS_Bitmap* bitmap);
	/* Loads an image file; returns an IMAGERESULT (1 OK, negative on failure). */
	int32_t (*init)(C4DOS_Bitmap* bitmap, const C4DOS_Path* file, int32_t frame);
	void (*set_data)(C4DOS_Bitmap* bitmap, int32_t id, const C4DOS_Value* value);
} C4DOS_Bitmaps;

/* ---------------------------------------------------------------------------
 * Resources: a module's string table and descriptions.
 */
typedef struct C4DOS_Resources
{
	/* Loads the resource in `folder` (its `c4d_symbols.h` and string table).
	 * Returns a handle owned by the caller, or null when the folder or one of
	 * its files is missing or malformed; the host reports which and where. */
	C4DOS_Resource* (*load)(const C4DOS_Path* folder);
	void (*free)(C4DOS_Resource* resource); /* null allowed */

	/* String `id` of the resource; empty when the resource is null or has no such string. */
	void (*load_string)(const C4DOS_Resource* resource, int32_t id, C4DOS_TextSink sink, void* context);
	/* The IDs of the resource's strings, ascending: writes the first
	 * `capacity` of them into `ids` (the module's memory; null with capacity
	 * 0) and returns how many there are in all. 0 for a null resource. */
	int32_t (*string_ids)(const C4DOS_Resource* resource, int32_t* ids, int32_t capacity);

	/* Registers the description named `name` (its .h, .res and .str files
	 * in the resource's folder) for plug-in `id`. False when a file is missing
	 * or malformed, or when the resource is null. */
	C4DOS_Bool (*register_description)(int32_t id, C4DOS_Text name, const C4DOS_Resource* resource);
} C4DOS_Resources;

/* ---------------------------------------------------------------------------
 * Object plug-ins. The module hands the host one record per object type;
 * the host calls the record's handlers, never anything else of the module.
 * `data` is what `alloc` returned for that object.
 */
typedef struct C4DOS_ObjectPlugin
{
	int32_t api_version;   /* C4DOS_API_VERSION */
	int32_t id;            /* plug-in ID */
	C4DOS_Text name;       /* copied by the host */
	int32_t info;          /* OBJECT_ flags */
	C4DOS_Text description;/* description name, copied by the host */
	const C4DOS_Bitmap* icon; /* copied by the host; null for none */
	int32_t disklevel;
	void* context;         /* handed back to `alloc` */

	/* New object data for a new object, owned by the host until it hands it
	 * to `free`; null when the module cannot allocate it. */
	void* (*alloc)(void* context);
	void (*free)(void* data);
	/* Initialise a new object's parameters; false fails the creation. */
	C4DOS_Bool (*init)(void* data, C4DOS_Atom* node);
	/* A message to the object; `message_data` as the message ID prescribes. */
	C4DOS_Bool (*message)(void* data, C4DOS_Atom* node, int32_t type, void* message_data);
	/* Whether parameter `id` is shown enabled; `value` is its value (borrowed). */
	C4DOS_Bool (*get_enabling)(void* data, C4DOS_Atom* node, const C4DOS_DescID* id, const C4DOS_Value* value,
		int32_t flags, const C4DOS_Container* itemdesc);
	/* Generator output; set only with OBJECT_GENERATOR. Returns a new object owned by the host, or null. */
	C4DOS_Atom* (*get_virtual_objects)(void* data, C4DOS_Atom* op, void* hierarchy_help);
	/* Spline output; set only with OBJECT_ISSPLINE. Returns a new spline owned by the host, or null. */
	C4DOS_Atom* (*get_contour)(void* data, C4DOS_Atom* op, C4DOS_Atom* doc, double lod, void* thread);
	/* Called before each evaluation of the object in `doc`: the object marks
	 * itself changed (objects.set_dirty) when something it depends on
	 * changed, and the host then asks it for its output again. Null allowed:
	 * the object depends on nothing but its own data. */
	void (*check_dirty)(void* data, C4DOS_Atom* op, C4DOS_Atom* doc);
} C4DOS_ObjectPlugin;

typedef struct C4DOS_Plugins
{
	/* Registers an object type; the host copies what it keeps. False when the
	 * host refuses it (an ID taken, a wrong API version, a missing handler). */
	C4DOS_Bool (*register_object)(const C4DOS_ObjectPlugin* plugin);
} C4DOS_Plugins;

/* ---------------------------------------------------------------------------
 * Parameter containers (the SDK's BaseContainer).
 */
typedef struct C4DOS_Containers
{
	C4DOS_Container* (*alloc)(void); /* empty, owned by the caller; null when out of memory */
	void (*free)(C4DOS_Container* container); /* null allowed; never a live container */

	/* `container` := a copy of `source` (every entry). */
	void (*copy)(C4DOS_Container* container, const C4DOS_Container* source);
	/* Copies every entry of `source` into `container`, replacing equal IDs. */
	void (*merge)(C4DOS_Container* container, const C4DOS_Container* source);
	/* Removes every entry. */
	void (*flush)(C4DOS_Container* container);

	/* Reads entry `id` into `value`; false (and type NONE) when absent. */
	C4DOS_Bool (*get)(const C4DOS_Container* container, int32_t id, C4DOS_Value* value);
	/* Writes entry `id`; a value of type NONE removes it. */
	void (*set)(C4DOS_Container* container, int32_t id, const C4DOS_Value* value);
	/* Removes entry `id`; false when it was absent. */
	C4DOS_Bool (*remove)(C4DOS_Container* container, int32_t id);
} C4DOS_Containers;

/* ---------------------------------------------------------------------------
 * Atoms: objects, splines and documents, and their place in the scene.
 */
typedef struct C4DOS_Atoms
{
	int32_t (*get_type)(const C4DOS_Atom* atom);
	/* Whether the atom is of `type` or derives from it (5155: any object). */
	C4DOS_Bool (*is_instance_of)(const C4DOS_Atom* atom, int32_t type);
	/* Sends a message to the atom (to its plug-in's `message` handler when it
	 * has one); returns that handler's answer, true otherwise. */
	C4DOS_Bool (*message)(C4DOS_Atom* atom, int32_t type, void* data);

	/* Hierarchy; null at the ends. */
	C4DOS_Atom* (*get_up)(const C4DOS_Atom* node);
	C4DOS_Atom* (*get_down)(const C4DOS_Atom* node);
	C4DOS_Atom* (*get_down_last)(const C4DOS_Atom* node);
	C4DOS_Atom* (*get_next)(const C4DOS_Atom* node);
	C4DOS_Atom* (*get_pred)(const C4DOS_Atom* node);
	/* Inserts a node that is in no tree as the first / last child of `parent`;
	 * the parent's tree takes it over. */
	void (*insert_under)(C4DOS_Atom* node, C4DOS_Atom* parent);
	void (*insert_under_last)(C4DOS_Atom* node, C4DOS_Atom* parent);
	/* Takes a node out of its tree; the caller then owns it. */
	void (*remove)(C4DOS_Atom* node);
	/* The document that holds the node, or null. */
	C4DOS_Atom* (*get_document)(const C4DOS_Atom* node);

	/* The atom's live container: the address of a host cell that holds its
	 * container handle for as long as the atom lives. The SDK's BaseContainer
	 * is exactly one such handle, so the cell is the live BaseContainer. */
	C4DOS_Container** (*get_data_instance)(C4DOS_Atom* atom);
	/* `container` := a copy of the atom's container. */
	void (*get_data)(const C4DOS_Atom* atom, C4DOS_Container* container);
	/* Writes `container` into the atom's container: merged when `merge`, else replacing it. */
	void (*set_data)(C4DOS_Atom* atom, const C4DOS_Container* container, C4DOS_Bool merge);

	void (*get_name)(const C4DOS_Atom* atom, C4DOS_TextSink sink, void* context);
	void (*set_name)(C4DOS_Atom* atom, C4DOS_Text name);

	/* A checksum of the atom's changes of the kinds in `flags`
	 * (C4DOS_DIRTY_...): it grows with every such change. 0 for a document. */
	uint32_t (*get_dirty)(const C4DOS_Atom* atom, int32_t flags);
} C4DOS_Atoms;

/* ---------------------------------------------------------------------------
 * Objects and splines.
 */
typedef struct C4DOS_Objects
{
	/* A new object of a type ID (a host type or a registered plug-in), in no
	 * document, owned by the caller; null when it cannot be made. */
	C4DOS_Atom* (*alloc)(int32_t type);
	/* A new spline with `count` points at the origin, of SPLINETYPE `type`. */
	C4DOS_Atom* (*alloc_spline)(int32_t count, int32_t type);
	/* Frees an object that is in no tree; null allowed. */
	void (*free)(C4DOS_Atom* object);

	/* The point array of a point object: `x, y, z` doubles per point, owned
	 * by the object; null for other objects. */
	double* (*get_points)(C4DOS_Atom* object);
	int32_t (*get_point_count)(const C4DOS_Atom* object);

	/* The object's global matrix into `matrix`, 12 doubles: the offset,
	 * then the axes v1, v2, v3, each x, y, z. */
	void (*get_mg)(const C4DOS_Atom* object, double* matrix);
	/* Marks the parts `flags` (C4DOS_DIRTY_...) of the object as changed. */
	void (*set_dirty)(C4DOS_Atom* object, int32_t flags);

	/* The object as a spline: a spline itself, a spline generator its
	 * cached output (null before the host first built it; never built by
	 * this call), anything else null. Borrowed: the caller must not free,
	 * insert or keep it beyond the current call. */
	C4DOS_Atom* (*get_real_spline)(C4DOS_Atom* object);
	/* A new line object for `spline` in `doc` (null allowed), owned by the
	 * caller: the spline drawn as straight lines, its points with one
	 * segment saying whether it closes. Null when out of memory or when
	 * `spline` is no spline. */
	C4DOS_Atom* (*get_line_object)(C4DOS_Atom* spline, C4DOS_Atom* doc, double lod, void* thread);
	/* The segments of a spline or line object, owned by the object; 0 and
	 * null when it has none (one segment of all its points). */
	int32_t (*get_segment_count)(const C4DOS_Atom* object);
	const C4DOS_Segment* (*get_segments)(const C4DOS_Atom* object);
} C4DOS_Objects;

/* ---------------------------------------------------------------------------
 * Documents.
 */
typedef struct C4DOS_Documents
{
	/* Inserts an object that is in no tree under `parent` after `pred`; with
	 * neither, at the top level in first position. The document takes it over. */
	void (*insert_object)(C4DOS_Atom* doc, C4DOS_Atom* object, C4DOS_Atom* parent, C4DOS_Atom* pred, C4DOS_Bool checknames);
	/* Plane for new splines: 0 XY, 1 ZY, 2 XZ. */
	int32_t (*get_spline_plane)(const C4DOS_Atom* doc);
	/* Undo: open / close a group; record a step of UNDOTYPE `type` for `atom`;
	 * take back the last step. */
	C4DOS_Bool (*start_undo)(C4DOS_Atom* doc);
	C4DOS_Bool (*end_undo)(C4DOS_Atom* doc);
	C4DOS_Bool (*add_undo)(C4DOS_Atom* doc, int32_t type, C4DOS_Atom* atom);
	C4DOS_Bool (*do_undo)(C4DOS_Atom* doc, C4DOS_Bool multiple);
} C4DOS_Documents;

/* ---------------------------------------------------------------------------
 * The table.
 */
typedef struct C4D_OS
{
	int32_t version; /* host API version; first field in every host generation */
	uint32_t tag;    /* C4DOS_TABLE_TAG */
	const C4DOS_General* general;
	const C4DOS_Paths* paths;
	const C4DOS_Files* files;
	const C4DOS_Bitmaps* bitmaps;
	const C4DOS_Resources* resources;
	const C4DOS_Plugins* plugins;
	const C4DOS_Containers* containers;
	const C4DOS_Atoms* atoms;
	const C4DOS_Objects* objects;
	const C4DOS_Documents* documents;
} C4D_OS;

/* ---------------------------------------------------------------------------
 * The module record, exported as `g_maxon`. The module fills the identity
 * statically; the host's core runtime reads it and fills `runtime` when it
 * loads the module.
 */
typedef struct C4DOS_ModuleRecord
{
	uint64_t marker;        /* C4DOS_RECORD_MARKER */
	int32_t record_version; /* 1 */
	const char* module_id;  /* dotted reverse-domain name, zero-terminated */
	int32_t framework_count;
	const char* const* frameworks; /* host framework identifiers the module uses */
	void* runtime;          /* the host's; the module never reads it */
} C4DOS_ModuleRecord;

/* Identifier of host framework NAME (cinema, command, core, ...), as a module
 * record lists it. */
#define C4DOS_FRAMEWORK_ID(NAME) "net.c4dhost." #NAME ".framework"

/* The module's entry point, exported as `c4d_main`:
 *  action 1, initialise: p1 the table, p3 the module file's path (UTF-8,
 *            zero-terminated); 1, or -3 when the table is missing, older
 *            than C4DOS_API_VERSION or without C4DOS_TABLE_TAG, or the path
 *            is missing. A table without the tag is not read beyond it.
 *  action 2, start: 1 when the module registered its plug-ins, else 0.
 *  action 3, end: 1.
 *  action 4, version query: 5.
 *  action 6, module message: p1 the message ID in its low 32 bits, p2 its
 *            data; 1 when handled, else -1.
 *  any other: -1. */
typedef int32_t (*C4DOS_MainFunction)(int32_t action, void* p1, void* p2, void* p3);

#ifdef __cplusplus
}
#endif

#endif
