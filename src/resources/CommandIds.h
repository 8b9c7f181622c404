// The program's command ids: what every menu item, toolbar button and accelerator sends to
// the main window. The numbers are those of the menu resources; no other file writes them.
#pragma once

namespace cmd
{
// Subject menu of the main screen.
constexpr int kSolarSystem = 301;
constexpr int kStarMap = 302;
constexpr int kDataBase = 303;
constexpr int kExit = 305;

// Help menu.
constexpr int kHelpContents = 350;
constexpr int kHelpOnHelp = 352;
constexpr int kConstellationIndex = 353;
constexpr int kAbout = 354;

// Setup menus.
constexpr int kSolarSetup = 373;
constexpr int kStarMapSetup = 374;
constexpr int kTimeUpdate = 375;
constexpr int kLocation = 376;
constexpr int kShowToolbar = 377;
constexpr int kSound = 378;

// A picture of the view on screen, in the first menu of the Solar System and the Star Map.
constexpr int kSavePicture = 390;
constexpr int kCopyPicture = 391;
constexpr int kPrintPicture = 392;

// Return to the main screen, from every view.
constexpr int kReturn = 400;

// Star Map view.
constexpr int kRealSkyGlobe = 501;
constexpr int kReviewGlobe = 502;
constexpr int kStZoomIn = 503;
constexpr int kStZoomOut = 504;
constexpr int kStTimeForward = 505;
constexpr int kStTimeBack = 506;
constexpr int kStGo = 507;
constexpr int kStStop = 508;
constexpr int kFind = 509;
constexpr int kFindNext = 510;

// Astronomical Database view.
constexpr int kSunData = 701;
// Planet cards: Mercury..Pluto.
constexpr int kFirstPlanetData = 801;
constexpr int kLastPlanetData = 809;
constexpr int kMoonData = 810;
constexpr int kSolarObjectsView = 811;
constexpr int kGalaxiesView = 812;
constexpr int kNebulasView = 813;
constexpr int kComparison = 814;

// The menu resources, one per mode.
constexpr int kMainMenu = 201;
constexpr int kSolarMenu = 202;
constexpr int kStarMapMenu = 203;
constexpr int kDataBaseMenu = 204;
} // namespace cmd
