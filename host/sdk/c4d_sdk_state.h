// Module-wide state of the SDK layer, written only by c4d_main.
#ifndef C4D_SDK_STATE_H__
#define C4D_SDK_STATE_H__

class Filename;

namespace c4d_sdk
{

// The module file's path as the host gave it with the first action 1; null
// before that, after the final action 3, and when the host had no memory for it.
const Filename* ModulePath();

} // namespace c4d_sdk

#endif
