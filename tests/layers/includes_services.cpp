// Compiles: the library calls the card services through their declarations.
#include "services/readerio.h"

bool probeServices()
{
    return readerio::CardInserted();
}
