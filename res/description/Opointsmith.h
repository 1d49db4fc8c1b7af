// Pointsmith: description symbols of the arrow object "Opointsmith".
// Parameter IDs are stored in scene and preset files: never renumber them.
// The host's spline settings (intermediate points, plane, reverse) come from
// the included description Osplineprimitive and are not declared here.
#ifndef OPOINTSMITH_H__
#define OPOINTSMITH_H__

enum
{
	// Single arrow: shaft, head, tail
	ARROW_SHAFT_LENGTH        = 10000,
	ARROW_SHAFT_WIDTH         = 10010,
	ARROW_SHAFT               = 10020,
	ARROW_HEAD_LENGTH         = 10030,
	ARROW_HEAD_BARB           = 10040,
	ARROW_TAIL_NOTCH          = 10050,
	ARROW_TAPER_FRONT         = 10060,
	ARROW_TAPER_BACK          = 10070,
	ARROW_BARB_SWEEP          = 10080,
	ARROW_FINS                = 10090,
	ARROW_FIN_LENGTH          = 10100,
	ARROW_FIN_WIDTH           = 10110,
	ARROW_FIN_SWEEP           = 10120,

	// Open (chevron) head
	ARROW_OPEN_HEAD           = 10130,
	ARROW_SQUARE_BARBS        = 10140,
	ARROW_HEAD_THICKNESS      = 10150,

	// Double arrow
	ARROW_DOUBLE              = 10160,
	ARROW_DOUBLE_LENGTH       = 10170,
	ARROW_DOUBLE_WIDTH        = 10180,

	// Presets and object buttons
	ARROW_PRESET_NAME         = 10190,
	ARROW_PRESET_LOAD         = 10200,
	ARROW_PRESET_SAVE         = 10210,
	ARROW_RESET               = 10220,
	ARROW_INFO                = 10230,

	// Bevel
	ARROW_BEVEL               = 10240,
	ARROW_BEVEL_SIZE          = 10250,
	ARROW_BEVEL_OPTION        = 10260,

	// Extrude tool
	ARROW_MAKE_EXTRUDE        = 10280,
	ARROW_EXTRUDE_FILLET      = 10290,

	// Cloner tool
	ARROW_MAKE_CLONER         = 10310,
	ARROW_CLONER_EXTRUDE      = 10320,
	ARROW_CLONE_COUNT         = 10330,
	ARROW_CLONE_ON_SPLINE     = 10340,
	ARROW_CLONE_SPLINE        = 10350,
	ARROW_CLONE_PLANE         = 10360,
	ARROW_CLONE_SPLINE_VALUE  = 10370,

	// Wrap tool
	ARROW_WRAP_EXTRUDE        = 10390,
	ARROW_WRAP_SPLINE         = 10400,
	ARROW_WRAP_OPTION         = 10410,
	ARROW_WRAP_SUBDIVIDE      = 10420,
	ARROW_MAKE_WRAP           = 10430,

	// Rounded corners
	ARROW_ROUND               = 10440,
	ARROW_ROUND_RADIUS        = 10450,
	ARROW_ROUND_STEPS         = 10460,

	// Along a path: the linked spline and the window of it the arrow covers
	ARROW_PATH                = 10470,
	ARROW_PATH_START          = 10480,
	ARROW_PATH_END            = 10490,
	ARROW_PATH_OFFSET         = 10500,

	// Groups of the attribute layout (no values are stored under these)
	ARROW_GROUP_SHAFT         = 11000,
	ARROW_GROUP_HEAD          = 11010,
	ARROW_GROUP_TAIL          = 11020,
	ARROW_GROUP_DOUBLE        = 11030,
	ARROW_GROUP_BEVEL         = 11040,
	ARROW_GROUP_PRESETS       = 11050,
	ARROW_GROUP_EXTRUDE       = 11060,
	ARROW_GROUP_CLONER        = 11070,
	ARROW_GROUP_WRAP          = 11080,
	ARROW_GROUP_ROUNDING      = 11090,
	ARROW_GROUP_PATH          = 11100
};

#endif // OPOINTSMITH_H__
