// The shared library's own face: its version, for hosts that report which
// library they loaded.
#include "laundry/laundry.h"

extern "C" const char* laundry_library_version()
{
    return LAUNDRY_LIBRARY_VERSION;
}
