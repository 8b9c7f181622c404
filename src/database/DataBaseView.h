// The Astronomical Database view: each command of its Object menu reads the records it needs,
// lends them to its card while the card is open, and frees them after; the picture commands
// run the viewer over their range of pictures.
#pragma once

#include "model/ViewHost.h"

class DataBaseView
{
public:
    explicit DataBaseView(model::ViewHost& host) : host(host) {}

    // Planet card of command 801..809 (Mercury..Pluto) with its satellites and rings.
    void ShowPlanetData(int id);
    void ShowSunData();
    void ShowMoonData();
    // The nine planets on the comparison charts.
    void CmComparison();
    // The picture viewer over the Solar System objects (811), galaxies (812) and nebulae (813).
    void CmSolObjView();
    void CmGalaxyView();
    void CmNebulaView();
    // Runs the picture viewer over pictures first..last with `hint` in the hint line.
    void ShowViews(int first, int last, const char* hint);

private:
    // A file that does not open or cannot be read: the box naming it, then what cannot be
    // shown; then the view closes and the main screen comes back.
    void OpenFailed(const char* path, const char* what);
    void ReadFailed(const char* path, const char* what);

    model::ViewHost& host;
};
