// The video window (dialog 19): plays one film of a body with the platform's video window and
// its play bar, sized to the film, with its own music while it is open.
#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string>

namespace platform
{
class VideoWindow;
}

class AnimDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // Plays the film at `name` ("Video\Sun.avi"); `num` picks the name in the title (0 Sun,
    // 2..8 the planets with a film, 10 Moon).
    AnimDlg(QWidget* parent, const char* name, int num, int resId = 19);
    // Stops the film's music and, with sound on, brings back the database's music.
    ~AnimDlg() override;

    // Sets the title, opens the film and starts the music. A missing, empty or damaged file is
    // reported and the dialog closes at once.
    void SetupWindow() override;

    platform::VideoWindow* FilmWindow = nullptr; // the video window, none until created
    std::string Name;                            // path of the film
    uint8_t Num;                                 // index of the name in the title

private:
    // Makes the client area the film's size plus the play bar.
    void FitToFilm();

    bool musicStarted = false;
    bool resumeMusic = false;
};
