// Scaffolding: replaced by the clock and timer implementation.
#include "app/VelmoriaWnd.h"

void VelmoriaWnd::TimeCalculate() {}
uint8_t VelmoriaWnd::GetMaxDays(uint8_t, uint16_t) const { return 31; }
void VelmoriaWnd::ShowTime(unsigned, unsigned, unsigned) {}
void VelmoriaWnd::ShowDate(unsigned, unsigned, unsigned) {}
void VelmoriaWnd::ShowMode() {}
void VelmoriaWnd::SetupStatusBar() {}
void VelmoriaWnd::EvTimer(unsigned id)
{
    if (id == kTimerBackground)
        ShowBckGndPicture();
}
void VelmoriaWnd::CmTimeUpdate() {}
void VelmoriaWnd::CmNormal() {}
