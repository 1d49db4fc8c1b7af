// Pointsmith: symbols of the module's string table (c4d_strings.str).
// The host reads this file when it loads the module's resources.
#ifndef C4D_SYMBOLS_H__
#define C4D_SYMBOLS_H__

enum
{
	IDS_POINTSMITH      = 10000, // the object's name
	IDS_POINTSMITH_INFO = 10001, // text of the Info button's message box

	_DUMMY_ELEMENT_
};

#endif // C4D_SYMBOLS_H__
