// The picture commands of the small object cards: Ctrl+S, Ctrl+C and Ctrl+P on every kind of
// card, as on the database's cards.
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "platform/PictureExport.h"
#include "starmap/SmallCard.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace
{
class SmallCardPictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wnd = std::make_unique<VelmoriaWnd>();
        wnd->resize(800, 600);
    }
    testing_support::ScratchDir dir;
    std::unique_ptr<VelmoriaWnd> wnd;
    QPoint click{100, 100};
    StarDB star{};
    NGCMessDB ngc{};
};

TEST_F(SmallCardPictures, EveryCardSavesCopiesAndPrintsItselfFromItsKeys)
{
    using Make = std::function<std::unique_ptr<SmallCardDlg>()>;
    const struct
    {
        Make make;
        const char* file; // the suggested file name
    } cards[] = {
        {[&] { return std::make_unique<StarSmDlg>(wnd.get(), &click, star); }, "Star"},
        {[&] { return std::make_unique<NGCMessSmDlg>(wnd.get(), &click, ngc); }, "NGC Messier"},
        {[&] { return std::make_unique<SunSmDlg>(wnd.get(), &click, 0.0f, 0.0f); }, "Sun"},
        {[&] { return std::make_unique<MoonSmDlg>(wnd.get(), &click, 0.0f, 0.0f); }, "Moon"},
        {[&]
         { return std::make_unique<SkyPlanetSmDlg>(wnd.get(), &click, "Mars", 1.2f, 1.5, "Leo"); },
         "Planet"},
        {[&] { return std::make_unique<PlanetSmDlg>(wnd.get(), &click, "Mars", 227.9f); },
         "Planet"},
        {[&] { return std::make_unique<CometSmDlg>(wnd.get(), &click, "Halley", 5250.0f); },
         "Comet"}};
    for (const auto& c : cards)
    {
        const std::unique_ptr<SmallCardDlg> card = c.make();
        card->SetupWindow();
        card->show();
        card->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get())) << c.file;

        QString suggested;
        const QString chosen = QDir(QString::fromStdString(dir.Path())).filePath("card");
        const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
            [&](QWidget*, const QString&, const QString& s)
            {
                suggested = QFileInfo(s).fileName();
                return chosen;
            });
        QTest::keyClick(card.get(), Qt::Key_S, Qt::ControlModifier);
        platform::SetSaveFileChooser(previous);
        EXPECT_EQ(suggested.toStdString(), std::string(c.file) + ".png");
        EXPECT_EQ(QImageReader(chosen + ".png").size(), card->size()) << c.file;
        QFile::remove(chosen + ".png");

        QApplication::clipboard()->clear();
        QTest::keyClick(card.get(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->image().size(), card->size()) << c.file;

        EXPECT_EQ(testing_support::AnswerPrintPreview(
                      [&] { QTest::keyClick(card.get(), Qt::Key_P, Qt::ControlModifier); })
                      .toStdString(),
                  c.file);
        // The keys left the card open.
        EXPECT_TRUE(card->isVisible()) << c.file;
        card->hide();
    }
}
} // namespace
