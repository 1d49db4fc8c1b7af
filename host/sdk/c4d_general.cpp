#include "c4d_general.h"

#include "c4d_os_access.h"

using c4d_sdk::OS;

void GePrint(const maxon::String& str)
{
	OS().general->print(c4d_sdk::ToText(str));
}

GEMB_R GeOutString(const maxon::String& str, GEMB flags)
{
	return static_cast<GEMB_R>(OS().general->message_box(c4d_sdk::ToText(str), static_cast<int32_t>(flags)));
}

void MessageDialog(const maxon::String& str)
{
	GeOutString(str, GEMB::OK | GEMB::ICONEXCLAMATION);
}

void EventAdd(EVENT eventflag)
{
	OS().general->event_add(static_cast<int32_t>(eventflag));
}

Float64 GeGetMilliSeconds(void)
{
	return OS().general->milliseconds();
}
