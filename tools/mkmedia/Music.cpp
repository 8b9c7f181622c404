#include "Generators.h"
bool MakeMusic(const QString&)
{
    return true;
}
