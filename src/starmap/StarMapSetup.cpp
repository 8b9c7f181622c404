// The Star Map's Setup menu: the observer location dialog. It pauses the animation while it is
// open and draws the globe afresh when it closes.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/LocationDlg.h"

void VelmoriaWnd::CmLocation()
{
    // The command is offered only in the real sky: the review globe's tilt belongs to its
    // scroll bar.
    if (Subject != 3 || !GlobeSystem)
        return;
    const bool wasPlaying = StPlaying;
    SetHint("Choice to your location");
    CmStStop();
    Present();
    {
        LocationDlg dlg(this, &Values.LocValues);
        dlg.Execute();
    }
    // The (possibly unchanged) location sets the tilt, the meridian and the angles for the
    // clock at once, so the frame below already shows the new sky.
    SetSkyFromLocation();
    BlackOut();
    ShowStarMap();
    if (wasPlaying)
        CmStGo();
    SetHint("Viewing Star Map");
}
