// Scaffolding: replaced by the object cards.
#include "app/VelmoriaWnd.h"

void VelmoriaWnd::SmStarCard(QPoint, int) {}
void VelmoriaWnd::SmNGCMess(QPoint, int) {}
void VelmoriaWnd::SmSunCard(QPoint) {}
void VelmoriaWnd::SmMoonCard(QPoint) {}
