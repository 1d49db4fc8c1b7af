// Console, message boxes and the host's update events.
#ifndef C4D_GENERAL_H__
#define C4D_GENERAL_H__

#include "c4d_string.h"

enum class GEMB : Int32
{
	OK = 0x0000,
	OKCANCEL = 0x0001,
	ABORTRETRYIGNORE = 0x0002,
	YESNOCANCEL = 0x0003,
	YESNO = 0x0004,
	RETRYCANCEL = 0x0005,
	FORCEDIALOG = 0x8000,
	ICONSTOP = 0x0010,
	ICONQUESTION = 0x0020,
	ICONEXCLAMATION = 0x0030,
	ICONASTERISK = 0x0040,
	MULTILINE = 0x0080
};

inline GEMB operator|(GEMB a, GEMB b)
{
	return static_cast<GEMB>(static_cast<Int32>(a) | static_cast<Int32>(b));
}

enum class GEMB_R : Int32
{
	UNDEFINED = 0,
	V_OK = 1,
	V_CANCEL = 2,
	V_ABORT = 3,
	V_RETRY = 4,
	V_IGNORE = 5,
	V_YES = 6,
	V_NO = 7
};

// Flags of EventAdd; the module asks for a plain update only.
enum class EVENT : Int32
{
	NONE = 0
};

void GePrint(const maxon::String& str);
GEMB_R GeOutString(const maxon::String& str, GEMB flags);
// A box with an OK button and the exclamation icon.
void MessageDialog(const maxon::String& str);
// Asks the host to update its managers and viewport once the module has returned.
void EventAdd(EVENT eventflag = EVENT::NONE);

// The host's clock in milliseconds, with fractions: only differences between
// two readings mean anything.
Float64 GeGetMilliSeconds(void);

#endif
