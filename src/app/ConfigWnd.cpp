// The window's side of the configuration: read at construction (a new file gets the defaults
// at once), written when a setup dialog stores new values, and at exit.
#include "app/VelmoriaWnd.h"
#include "platform/MessageBox.h"

void VelmoriaWnd::ReadCFG()
{
    const ConfigReport show = [this](const std::string& text, const char* caption, unsigned flags)
    { platform::MessageBox(this, text, caption, flags); };
    ReadConfig(kConfigFile, Values, show);
}

void VelmoriaWnd::StoreCFG()
{
    StoreConfig(kConfigFile, Values,
                [](const std::string& text, const char* caption, unsigned flags)
                { platform::MessageBox(nullptr, text, caption, flags); });
}
