// The database view's picture commands: the views of Solar System objects, galaxies and
// nebulae.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "database/ViewDlg.h"
#include "database/ViewList.h"

void VelmoriaWnd::ShowViews(int first, int last, const char* hint)
{
    if (Subject != 4)
        return;
    SetHint(hint);
    ViewDlg dlg(this, first, last);
    dlg.Execute();
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::CmSolObjView()
{
    ShowViews(kFirstSolarView, kLastSolarView, "Showing views of Solar System objects");
}

void VelmoriaWnd::CmGalaxyView()
{
    ShowViews(kFirstGalaxyView, kLastGalaxyView, "Showing views of Galaxies");
}

void VelmoriaWnd::CmNebulaView()
{
    ShowViews(kFirstNebulaView, kLastNebulaView, "Showing views of Nebulas");
}
