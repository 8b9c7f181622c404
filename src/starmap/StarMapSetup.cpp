// The Star Map's Setup menu: the options dialog and the observer location dialog. Both pause
// the animation while they are open; the globe shows what they chose at once.
#include "platform/Hint.h"
#include "starmap/LocationDlg.h"
#include "starmap/SMSetupDlg.h"
#include "starmap/StarMapView.h"
#include "time/SimClock.h"

#include <cstring>

void StarMapView::ChangeOptions()
{
    const bool wasPlaying = playing;
    platform::SetHint("Changing options for Star Map");
    Stop();
    SMSetupDlg dlg(this, StarMapOptions{values.SMValues, values.Planets, values.Names});
    if (dlg.Execute() == QDialog::Accepted)
    {
        const Setup before = values;
        const StarMapOptions chosen = dlg.Options();
        values.SMValues = chosen.layers;
        values.Planets = chosen.planets;
        values.Names = chosen.names;
        if (std::memcmp(&before, &values, sizeof before) != 0)
            emit ConfigChanged();
    }
    SkyChanged();
    if (wasPlaying)
        Go();
    platform::SetHint("Viewing Star Map");
}

void StarMapView::ChooseLocation()
{
    // The command is offered only in the real sky: the review globe's tilt belongs to its
    // scroll bar.
    if (!starmap.RealSky())
        return;
    const bool wasPlaying = playing;
    platform::SetHint("Choice to your location");
    Stop();
    LocationDlg dlg(this, values.LocValues);
    if (dlg.Execute() == QDialog::Accepted)
    {
        const LocationSetup chosen = dlg.Location();
        if (std::memcmp(&chosen, &values.LocValues, sizeof chosen) != 0)
        {
            values.LocValues = chosen;
            emit ConfigChanged();
        }
    }
    // The place sets the tilt and the meridian, and the sky of the clock's instant is shown
    // for it at once (its "Greenwich mean time" option may have changed the instant's UT).
    starmap.SetLocation(values.LocValues);
    ShowInstant(clock.Instant(), std::nullopt);
    if (wasPlaying)
        Go();
    platform::SetHint("Viewing Star Map");
}
