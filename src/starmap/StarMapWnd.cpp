// Scaffolding: replaced by the Star Map implementation.
#include "app/VelmoriaWnd.h"

bool VelmoriaWnd::ReadStarData() { return false; }
bool VelmoriaWnd::ReadNGCMessData() { return false; }
void VelmoriaWnd::UpdateStarAngles(uint64_t) {}
void VelmoriaWnd::RebaseStarAngles(uint64_t) {}
void VelmoriaWnd::SetLatitudeFromSetup() {}
void VelmoriaWnd::DrawGlob() {}
void VelmoriaWnd::DrawGrid() {}
void VelmoriaWnd::DrawConst() {}
void VelmoriaWnd::CmConstelIndex() {}
void VelmoriaWnd::DrawSolObj() {}
void VelmoriaWnd::DrawNGCMess() {}
void VelmoriaWnd::ShowStarMap() {}
void VelmoriaWnd::ChangeSystem(int) {}
void VelmoriaWnd::CmStZoomIn() {}
void VelmoriaWnd::CmStZoomOut() {}
void VelmoriaWnd::CmStTimeFwd() {}
void VelmoriaWnd::CmStTimeBack() {}
void VelmoriaWnd::CmStGo() {}
void VelmoriaWnd::CmStStop() {}
void VelmoriaWnd::CreateStarMapSprites() {}
void VelmoriaWnd::DeleteStarMapSprites() {}
