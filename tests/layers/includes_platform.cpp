// Must not compile: the library never reaches into the card stack itself.
#include "card/virtual_reader.h"

bool probePlatform()
{
    return card::hasCard();
}
