#include "Generators.h"
bool MakeHelp(const QString&, const QString&)
{
    return true;
}
