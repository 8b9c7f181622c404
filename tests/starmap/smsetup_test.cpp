// The Star Map options: the limiting magnitude's bar and label, the store rules of the
// dialog, and Star Map Setup in the whole application.
#include "StarMapApp.h"
#include "starmap/Globe.h"
#include "starmap/Magnitude.h"
#include "starmap/SMSetupDlg.h"
#include "starmap/SmallCard.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;

StarMapOptions Options(float limit)
{
    return StarMapOptions{SMSetup{{1, 0, 1, 0, 1}, limit}, 1, 0};
}

TEST(MagnitudeBar, OpensAtTheStoredLimitWithItsLabel)
{
    const struct
    {
        float limit;
        int position;
        const char* label;
    } cases[] = {
        {4.0f, 60, "4.0"},
        {-2.0f, 0, "-2.0"},
        {12.0f, 140, "12.0"},
        {0.0f, 20, "0.0"},
        {0.7f, 27, "0.7"},
        {-1.3f, 7, "-1.3"},
        {6.5f, 85, "6.5"},
        // A limit between two steps: the box stands where the label's rounding puts it.
        {3.96f, 60, "4.0"},
        {3.94f, 59, "3.9"},
        // Only a damaged configuration holds these; the label shows the box's value.
        {13.5f, 140, "12.0"},
        {-7.0f, 0, "-2.0"},
        {NAN, 60, "4.0"},
        {INFINITY, 140, "12.0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.limit);
        SMSetupDlg dlg(nullptr, Options(c.limit));
        dlg.SetupWindow();
        EXPECT_EQ(dlg.sbMagn->minimum(), 0);
        EXPECT_EQ(dlg.sbMagn->maximum(), 140);
        EXPECT_EQ(dlg.sbMagn->value(), c.position);
        EXPECT_EQ(dlg.txtMagn->text().toStdString(), c.label);
    }
}

// The label of a bar position written out digit by digit: (position - 20) tenths.
std::string Tenths(int position)
{
    const int t = position - 20;
    return (t < 0 ? "-" : "") + std::to_string(std::abs(t) / 10) + "." +
           std::to_string(std::abs(t) % 10);
}

TEST(MagnitudeBar, EveryPositionStoresTheLimitItsLabelShowsAndOpensThereAgain)
{
    for (int p = 0; p <= 140; ++p)
    {
        SCOPED_TRACE(p);
        SMSetupDlg dlg(nullptr, Options(4.0f));
        dlg.SetupWindow();
        dlg.sbMagn->setValue(p);
        EXPECT_EQ(dlg.txtMagn->text().toStdString(), Tenths(p));
        dlg.CmOk();
        EXPECT_NEAR(dlg.Options().layers.SelectMagn, (p - 20) / 10.0, 1e-6);
        SMSetupDlg again(nullptr, dlg.Options());
        again.SetupWindow();
        EXPECT_EQ(again.sbMagn->value(), p);
        EXPECT_EQ(again.txtMagn->text().toStdString(), Tenths(p));
    }
}

TEST(SMSetupDialog, OkStoresTheBoxesAndTheLabelCancelNothing)
{
    HelpRecorder help;
    for (bool ok : {true, false})
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<SMSetupDlg&>(d);
                EXPECT_TRUE(dlg.chbConstLines->isChecked());
                EXPECT_FALSE(dlg.chbCoordGrid->isChecked());
                EXPECT_TRUE(dlg.chbNGCMess->isChecked());
                EXPECT_FALSE(dlg.chbSolObj->isChecked());
                EXPECT_TRUE(dlg.chbTransparent->isChecked());
                for (QCheckBox* box : {dlg.chbConstLines, dlg.chbCoordGrid, dlg.chbNGCMess,
                                       dlg.chbSolObj, dlg.chbTransparent})
                    box->toggle();
                dlg.chbPlanets->toggle();
                dlg.sbMagn->triggerAction(QAbstractSlider::SliderPageStepAdd);
                dlg.sbMagn->triggerAction(QAbstractSlider::SliderSingleStepSub);
                PressHelp(dlg);
                if (!ok)
                    return int{QDialog::Rejected};
                dlg.CmOk();
                return dlg.result();
            });
        SMSetupDlg dlg(nullptr, Options(4.0f));
        EXPECT_EQ(dlg.Execute() == QDialog::Accepted, ok);
        const StarMapOptions expected =
            ok ? StarMapOptions{SMSetup{{0, 1, 0, 1, 0}, 4.9f}, 0, 0} : Options(4.0f);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(dlg.Options().layers.Check[i], expected.layers.Check[i]) << i;
        EXPECT_FLOAT_EQ(dlg.Options().layers.SelectMagn, expected.layers.SelectMagn);
        EXPECT_EQ(dlg.Options().planets, expected.planets);
        EXPECT_EQ(dlg.Options().names, expected.names);
    }
    ASSERT_EQ(help.requests.size(), 2u);
    EXPECT_EQ(help.requests[0].topic, 9002u);
}

// ---- the command ----

class SetupCommand : public StarMapApp
{
protected:
    void SetUp() override
    {
        StarMapApp::SetUp();
        Enter(0, true);
    }

    // Runs Star Map Setup, toggling the boxes `toggle` (indexes of Check[]), with OK or Cancel.
    void Setup(std::initializer_list<int> toggle, bool ok)
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<SMSetupDlg&>(d);
                const QCheckBox* boxes[] = {dlg.chbConstLines, dlg.chbCoordGrid, dlg.chbNGCMess,
                                            dlg.chbSolObj, dlg.chbTransparent};
                for (int i : toggle)
                    const_cast<QCheckBox*>(boxes[i])->toggle();
                if (!ok)
                    return QDialog::Rejected;
                dlg.CmOk();
                return QDialog::Accepted;
            });
        Trigger(wnd, "starMapSetup");
    }
};

TEST_F(SetupCommand, TheGridGoesAtOnceAndComesBackWithTheNextFrame)
{
    // The grid's blue: blue alone, stronger than any faint edge of a bluish name.
    const auto gridPixels = [this]
    {
        return Count(Picture(),
                     [](QRgb c) { return qBlue(c) >= 20 && qRed(c) == 0 && qGreen(c) == 0; });
    };
    ASSERT_GT(gridPixels(), 0);
    Setup({1}, true);
    EXPECT_EQ(wnd->Values.SMValues.Check[1], 0);
    EXPECT_EQ(gridPixels(), 0);
    EXPECT_TRUE(View().Playing()); // the animation goes on
    Setup({1}, true);
    EXPECT_GT(gridPixels(), 0);

    // Cancel keeps every option.
    Trigger(wnd, "stop");
    Setup({0, 1, 2, 3, 4}, false);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(wnd->Values.SMValues.Check[i], 1) << i;
    EXPECT_FALSE(View().Playing());
}

TEST_F(SetupCommand, AHiddenLayerLeavesNothingToRightClick)
{
    Trigger(wnd, "stop");
    wnd->Values.SMValues.SelectMagn = 12.0f; // every deep-sky object is drawn
    wnd->Values.SMValues.Check[4] = 1;
    ASSERT_TRUE(Places().deepSky[0].drawn);
    const QPoint at(Places().deepSky[0].X(), Places().deepSky[0].Y());
    const QPoint sun(Places().sun.X(), Places().sun.Y());
    Setup({2, 3}, true);
    int cards = 0;
    DialogAnswer count(
        [&](platform::Dialog& d)
        {
            if (dynamic_cast<NGCMessSmDlg*>(&d) || dynamic_cast<SunSmDlg*>(&d))
                ++cards;
            return QDialog::Accepted;
        });
    View().OpenCardsAt(at);
    View().OpenCardsAt(sun);
    EXPECT_EQ(cards, 0);
}
} // namespace
