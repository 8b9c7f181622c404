#include "database/AnimDlg.h"

#include "database/ViewList.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "platform/Video.h"

#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

namespace
{
constexpr const char* kVideoMusic = "Sound\\Video.wav";
constexpr const char* kDataBaseMusic = "Sound\\DataBase.wav";
// The picture area before the film tells its size.
constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 240;

// Whether the file starts like an AVI file: "RIFF", a length, "AVI ". An empty or cut file,
// or one of another kind, is refused before it reaches the player.
bool LooksLikeAvi(std::FILE* file)
{
    unsigned char head[12];
    if (std::fread(head, 1, sizeof head, file) != sizeof head)
        return false;
    return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "AVI ", 4) == 0;
}
} // namespace

AnimDlg::AnimDlg(QWidget* parent, const char* name, int num, int resId)
    : platform::Dialog(parent, resId), Name(name ? name : ""),
      Num(static_cast<uint8_t>(num >= 0 && num <= 255 ? num : 255))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

AnimDlg::~AnimDlg()
{
    if (FilmWindow || musicStarted)
    {
        platform::StopSound();
        if (resumeMusic)
            platform::PlaySoundLoop(kDataBaseMusic);
    }
    if (FilmWindow)
    {
        FilmWindow->Close();
        delete FilmWindow;
        FilmWindow = nullptr;
    }
}

void AnimDlg::SetupWindow()
{
    setWindowTitle(QStringLiteral("Video - [ %1 ]").arg(QString::fromLatin1(VideoName(Num))));
    std::FILE* file = platform::OpenFile(Name.c_str(), "rb");
    if (!file)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", Name.c_str()));
        CloseWindow(QDialog::Rejected);
        return;
    }
    const bool avi = LooksLikeAvi(file);
    std::fclose(file);
    if (!avi)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to read from file", Name.c_str()));
        CloseWindow(QDialog::Rejected);
        return;
    }

    FilmWindow = new platform::VideoWindow(this, Name.c_str());
    layout()->addWidget(FilmWindow);
    connect(FilmWindow, &platform::VideoWindow::FilmSizeKnown, this, [this] { FitToFilm(); });
    connect(FilmWindow, &platform::VideoWindow::Failed, this,
            [this] {
                platform::ErrorBox(this,
                                   platform::FileMessage("Unable to read from file", Name.c_str()));
            });
    FitToFilm();

    // The database's music comes back after the film only when it played before it (the user
    // may have switched the sound off).
    resumeMusic = !platform::CurrentSound().empty();
    platform::PlaySoundLoop(kVideoMusic);
    musicStarted = true;
}

void AnimDlg::FitToFilm()
{
    if (!FilmWindow)
        return;
    QSize film = FilmWindow->DestinationSize();
    if (film.isEmpty())
        film = QSize(kDefaultWidth, kDefaultHeight);
    // The play bar needs room for its buttons even under a small film.
    const int width = std::max(film.width(), FilmWindow->minimumSizeHint().width());
    setFixedSize(width, film.height() + FilmWindow->BarHeight());
}
