// The Star Map's Setup menu: the options dialog and the observer location dialog. Both pause
// the animation while they are open and draw the globe afresh when they close.
#include "starmap/StarMap.h"
#include "starmap/LocationDlg.h"
#include "starmap/SMSetupDlg.h"

void StarMap::CmSMSetup()
{
    const bool wasPlaying = StPlaying;
    host.SetHint("Changing options for Star Map");
    CmStStop();
    host.Present();
    {
        SMSetupDlg dlg(host.Window(), &Values.SMValues, 13, &Values.Planets, &Values.Names);
        dlg.Execute();
    }
    host.BlackOut();
    ForgetHiddenLayers();
    // Drawn at once also when the animation goes on, rather than black until its next tick.
    ShowStarMap();
    if (wasPlaying)
        CmStGo();
    host.SetHint("Viewing Star Map");
}

void StarMap::CmLocation(uint64_t S)
{
    // The command is offered only in the real sky: the review globe's tilt belongs to its
    // scroll bar.
    if (!GlobeSystem)
        return;
    const bool wasPlaying = StPlaying;
    host.SetHint("Choice to your location");
    CmStStop();
    host.Present();
    {
        LocationDlg dlg(host.Window(), &Values.LocValues);
        dlg.Execute();
    }
    // The (possibly unchanged) location sets the tilt, the meridian and the angles for the
    // clock at once, so the frame below already shows the new sky.
    SetSkyFromLocation(S);
    host.BlackOut();
    ShowStarMap();
    if (wasPlaying)
        CmStGo();
    host.SetHint("Viewing Star Map");
}
