// The Star Map's Setup menu: the options dialog and the observer location dialog. Both pause
// the animation while they are open and draw the globe afresh when they close.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/LocationDlg.h"
#include "starmap/SMSetupDlg.h"

void VelmoriaWnd::CmSMSetup()
{
    if (Subject != 3)
        return;
    const bool wasPlaying = StPlaying;
    SetHint("Changing options for Star Map");
    CmStStop();
    Present();
    {
        SMSetupDlg dlg(this, &Values.SMValues);
        dlg.Execute();
    }
    BlackOut();
    ForgetHiddenLayers();
    // Drawn at once also when the animation goes on, rather than black until its next tick.
    ShowStarMap();
    if (wasPlaying)
        CmStGo();
    SetHint("Viewing Star Map");
}

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
