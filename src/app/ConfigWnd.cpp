// The window's side of the configuration: read at construction, written at exit.
#include "app/VelmoriaWnd.h"
#include "platform/MessageBox.h"

void VelmoriaWnd::ReadCFG()
{
    ReadConfig(kConfigFile, Values, [this](const std::string& text, const char* caption,
                                           unsigned flags) {
        platform::MessageBox(this, text, caption, flags);
    });
}

void VelmoriaWnd::StoreCFG()
{
    StoreConfig(kConfigFile, Values, [](const std::string& text, const char* caption,
                                            unsigned flags) {
        platform::MessageBox(nullptr, text, caption, flags);
    });
}
