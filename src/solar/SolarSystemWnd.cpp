// Scaffolding: replaced by the Solar System implementation.
#include "app/VelmoriaWnd.h"

bool VelmoriaWnd::ReadSolData() { return false; }
void VelmoriaWnd::UpdateSolAngles(uint64_t) {}
void VelmoriaWnd::RebaseSolAngles(uint64_t) {}
void VelmoriaWnd::ShowSolSyst() {}
void VelmoriaWnd::DrawObj() {}
void VelmoriaWnd::DrawObj2(int) {}
void VelmoriaWnd::DrawOrbits() {}
void VelmoriaWnd::CmZoomIn() {}
void VelmoriaWnd::CmZoomOut() {}
void VelmoriaWnd::ChangeCenter(int) {}
void VelmoriaWnd::CmTimeForward() {}
void VelmoriaWnd::CmTimeBack() {}
void VelmoriaWnd::CmGo() {}
void VelmoriaWnd::CmStop() {}
void VelmoriaWnd::SmSolObjCard(QPoint, int) {}
void VelmoriaWnd::CmSSSetup() {}
void VelmoriaWnd::CreateSolarSprites() {}
void VelmoriaWnd::DeleteSolarSprites() {}
