#include "resources/Resources.h"

#include "resources/CommandIds.h"

#include <Qt>
#include <map>

namespace
{
using Items = std::vector<MenuItem>;

MenuItem Item(const char* text, int id, const char* key = nullptr)
{
    return MenuItem{text, id, key, false, false, {}};
}

// An item with a check mark: the sound switch, the centre of the system, the kind of globe.
MenuItem Check(const char* text, int id, const char* key = nullptr, bool checked = false)
{
    return MenuItem{text, id, key, checked, true, {}};
}
MenuItem Separator()
{
    return MenuItem{nullptr, 0, nullptr, false, false, {}};
}
MenuItem Popup(const char* text, Items children)
{
    return MenuItem{text, 0, nullptr, false, false, std::move(children)};
}

Items SetupTail()
{
    return {Item("Show &Toolbar", cmd::kShowToolbar), Check("&Sound", cmd::kSound, "F5", true)};
}

// The picture commands and Return, closing the first menu of both views.
Items PictureAndReturn()
{
    return {Separator(),
            Item("Save &Picture\u2026", cmd::kSavePicture, "Ctrl+S"),
            Item("C&opy Picture", cmd::kCopyPicture, "Ctrl+C"),
            Item("Pr&int\u2026", cmd::kPrintPicture, "Ctrl+P"),
            Separator(),
            Item("R&eturn", cmd::kReturn, "BackSpace")};
}

// `head` followed by `tail`.
Items Joined(Items head, const Items& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

MenuItem HelpPopup()
{
    return Popup("&Help", {Item("&Contents", cmd::kHelpContents, "F1"), Item("&Using Help", cmd::kHelpOnHelp), Separator(),
                           Item("&About ...", cmd::kAbout)});
}
} // namespace

const std::vector<MenuItem>& MenuResource(int id)
{
    static const std::map<int, Items> menus = {
        {cmd::kMainMenu,
         {Popup("&Subject", {Item("&Solar System", cmd::kSolarSystem, "F2"),
                             Item("Star &Map", cmd::kStarMap, "F3"),
                             Item("So&lar System DB", cmd::kDataBase, "F4"), Separator(),
                             Item("E&xit", cmd::kExit, "Alt+X")}),
          Popup("&Setup", SetupTail()), HelpPopup()}},
        {cmd::kSolarMenu,
         {Popup("S&olar System",
                Joined({Popup("&Center of System", {Check("&Sun", cmd::kFirstCenter, nullptr, true),
                                                    Check("&Mercury", cmd::kFirstCenter + 1),
                                                    Check("&Venus", cmd::kFirstCenter + 2),
                                                    Check("&Earth", cmd::kFirstCenter + 3),
                                                    Check("M&ars", cmd::kFirstCenter + 4),
                                                    Check("&Jupiter", cmd::kFirstCenter + 5),
                                                    Check("Sa&turn", cmd::kFirstCenter + 6),
                                                    Check("&Uranus", cmd::kFirstCenter + 7),
                                                    Check("&Neptune", cmd::kFirstCenter + 8),
                                                    Check("&Pluto", cmd::kFirstCenter + 9),
                                                    Check("&Halley", cmd::kFirstCenter + 10),
                                                    Check("&Encke", cmd::kFirstCenter + 11)})},
                       PictureAndReturn())),
          Popup("&Action",
                {Item("&Zoom In", cmd::kZoomIn, "Home"), Item("Zoo&m Out", cmd::kZoomOut, "End"),
                 Separator(), Item("&Time Forward", cmd::kTimeForward, "Insert"),
                 Item("Time &Back", cmd::kTimeBack, "Delete"), Separator(),
                 Item("&Go", cmd::kGo, "Enter"), Item("&Stop", cmd::kStop, "Pause"), Separator(),
                 Item("&Normal Conditions", cmd::kNormal, "F10")}),
          Popup("&Setup", {Item("So&lar System Setup", cmd::kSolarSetup),
                           Item("Time &Update", cmd::kTimeUpdate), Separator(),
                           Item("Show &Toolbar", cmd::kShowToolbar),
                           Check("&Sound", cmd::kSound, "F5", true)}),
          HelpPopup()}},
        {cmd::kStarMapMenu,
         {Popup("Star &Map", Joined({Check("Real &Sky Globe ", cmd::kRealSkyGlobe, nullptr, true),
                                     Check("&Review Globe", cmd::kReviewGlobe)},
                                    PictureAndReturn())),
          Popup("&Action",
                {Item("Zoom &In", cmd::kStZoomIn, "Shift+Home"),
                 Item("Zoom &Out", cmd::kStZoomOut, "Shift+End"), Separator(),
                 Item("Time &Forward", cmd::kStTimeForward, "Shift+Insert"),
                 Item("Time &Back", cmd::kStTimeBack, "Shift+Delete"), Separator(),
                 Item("&Go", cmd::kStGo, "Shift+Enter"), Item("&Stop", cmd::kStStop, "Shift+Pause"),
                 Separator(), Item("&Normal Conditions", cmd::kNormal, "F10")}),
          Popup("&Search", {Item("&Find", cmd::kFind), Item("Find &Next", cmd::kFindNext, "F7")}),
          Popup("&Setup",
                {Item("Star &Map Setup", cmd::kStarMapSetup),
                 Item("Time &Update", cmd::kTimeUpdate), Item("&Location Choice", cmd::kLocation),
                 Separator(), Item("Show &Toolbar", cmd::kShowToolbar),
                 Check("&Sound", cmd::kSound, "F5", true)}),
          Popup("&Help",
                {Item("&Contents", cmd::kHelpContents, "F1"), Item("&Using Help", cmd::kHelpOnHelp),
                 Separator(), Item("Constellations &Index", cmd::kConstellationIndex), Separator(),
                 Item("&About", cmd::kAbout)})}},
        {cmd::kDataBaseMenu,
         {Popup("Astronomical &DB", {Item("&Return", cmd::kReturn, "BackSpace")}),
          Popup("&Object", {Item("&Sun", cmd::kSunData),
                            Popup("&Planets ...", {Item("Me&rcury", cmd::kFirstPlanetData),
                                                   Item("&Venus", cmd::kFirstPlanetData + 1),
                                                   Item("&Earth", cmd::kFirstPlanetData + 2),
                                                   Item("&Mars", cmd::kFirstPlanetData + 3),
                                                   Item("&Jupiter", cmd::kFirstPlanetData + 4),
                                                   Item("&Saturn", cmd::kFirstPlanetData + 5),
                                                   Item("&Uranus", cmd::kFirstPlanetData + 6),
                                                   Item("&Neptune", cmd::kFirstPlanetData + 7),
                                                   Item("&Pluto", cmd::kFirstPlanetData + 8)}),
                            Item("&Moon", cmd::kMoonData), Separator(),
                            Item("Planets Co&mparison", cmd::kComparison), Separator(),
                            Item("S&olar Objects View", cmd::kSolarObjectsView),
                            Item("&Galaxies View", cmd::kGalaxiesView),
                            Item("&Nebulas View", cmd::kNebulasView)}),
          Popup("&Setup", SetupTail()), HelpPopup()}},
    };
    static const Items none;
    const auto it = menus.find(id);
    return it == menus.end() ? none : it->second;
}

const char* HintString(int id)
{
    static const std::map<int, const char*> hints = {
        {cmd::kSolarSystem, "Show Solar System Model"},
        {cmd::kStarMap, "Show Star Map "},
        {cmd::kDataBase, "Data base of objects of Solar System"},
        {cmd::kExit, "Exit from 'Velmoria'"},
        {cmd::kHelpContents, "Contents of help"},
        {cmd::kHelpOnHelp, "Help on using help"},
        {cmd::kConstellationIndex, "List of constellations abbreviations"},
        {cmd::kAbout, "About 'Velmoria'"},
        {cmd::kSolarSetup, "Setup Solar System Model's objects"},
        {cmd::kStarMapSetup, "Setup Star Map Window"},
        {cmd::kTimeUpdate, "Updating time and date"},
        {cmd::kLocation, "Choice to your location"},
        {cmd::kShowToolbar, "Show Toolbar window"},
        {cmd::kSound, "Sound On/Off"},
        {cmd::kReturn, "Return to Main Window"},
        {cmd::kSavePicture, "Save the picture of the view as a PNG file"},
        {cmd::kCopyPicture, "Copy the picture of the view to the clipboard"},
        {cmd::kPrintPicture, "Print the picture of the view with its date, time and place"},
        {cmd::kZoomIn, "Zooming In of View"},
        {cmd::kZoomOut, "Zooming Out of View"},
        {cmd::kTimeForward, "Time direction : forward"},
        {cmd::kTimeBack, "Time direction : back"},
        {cmd::kGo, "Beginning / Continue animation"},
        {cmd::kStop, "Stopping animation"},
        {cmd::kNormal, "Normalization all conditions"},
        {cmd::kRealSkyGlobe, "Show real sky globe"},
        {cmd::kReviewGlobe, "Free review of star globe"},
        {cmd::kStZoomIn, "Zooming In of View"},
        {cmd::kStZoomOut, "Zooming Out of View"},
        {cmd::kStTimeForward, "Time direction : forward"},
        {cmd::kStTimeBack, "Time direction : back"},
        {cmd::kStGo, "Starting / Continue process"},
        {cmd::kStStop, "Stopping process"},
        {cmd::kFind, "Find star by name"},
        {cmd::kFindNext, "Find next star by name"},
        {cmd::kFirstCenter, "Heliocentric System"},
        {cmd::kFirstCenter + 1, "Mercury in the center"},
        {cmd::kFirstCenter + 2, "Venus in the center"},
        {cmd::kFirstCenter + 3, "Geocentric System"},
        {cmd::kFirstCenter + 4, "Mars in the center"},
        {cmd::kFirstCenter + 5, "Jupiter in the center"},
        {cmd::kFirstCenter + 6, "Saturn in the center"},
        {cmd::kFirstCenter + 7, "Uranus in the center"},
        {cmd::kFirstCenter + 8, "Neptune in the center"},
        {cmd::kFirstCenter + 9, "Pluto in the center"},
        {cmd::kFirstCenter + 10, "Comet Halley in the center"},
        {cmd::kFirstCenter + 11, "Comet Encke in the center"},
        {cmd::kSunData, "Sun data"},
        {cmd::kFirstPlanetData, "Mercury data"},
        {cmd::kFirstPlanetData + 1, "Venus data"},
        {cmd::kFirstPlanetData + 2, "Earth data"},
        {cmd::kFirstPlanetData + 3, "Mars data"},
        {cmd::kFirstPlanetData + 4, "Jupiter data"},
        {cmd::kFirstPlanetData + 5, "Saturn data"},
        {cmd::kFirstPlanetData + 6, "Uranus data"},
        {cmd::kFirstPlanetData + 7, "Neptune data"},
        {cmd::kFirstPlanetData + 8, "Pluto data"},
        {cmd::kMoonData, "Moon data"},
        {cmd::kSolarObjectsView, "Show views of Solar System objects"},
        {cmd::kGalaxiesView, "Show views of galaxies objects"},
        {cmd::kNebulasView, "Show views of nebulas objects"},
        {cmd::kComparison, "Planet Comparison"},
    };
    const auto it = hints.find(id);
    return it == hints.end() ? nullptr : it->second;
}

const char* ToolbarCaption(int subject)
{
    switch (subject)
    {
    case 1: return "Main Toolbar";
    case 2: return "Solar System Toolbar";
    case 3: return "Star Map Toolbar";
    case 4: return "Astronomical Database Toolbar";
    default: return "";
    }
}

const std::vector<ToolbarGadget>& ToolbarGadgets(int subject)
{
    static const ToolbarGadget sep{0, 0};
    auto b = [](int id) { return ToolbarGadget{id, id}; };
    auto bm = [](int id, int bitmap) { return ToolbarGadget{id, bitmap}; };
    static const std::map<int, std::vector<ToolbarGadget>> bars = {
        {1, {b(cmd::kSolarSystem), b(cmd::kStarMap), sep, b(cmd::kDataBase), sep, b(cmd::kExit)}},
        {2,
         {b(cmd::kZoomOut), b(cmd::kZoomIn), sep, b(cmd::kTimeBack), b(cmd::kTimeForward), sep, b(cmd::kGo), b(cmd::kStop), sep, b(cmd::kTimeUpdate), sep, b(cmd::kSolarSetup), sep,
          b(cmd::kNormal), sep, b(cmd::kReturn)}},
        {3,
         {b(cmd::kRealSkyGlobe), b(cmd::kReviewGlobe), sep, bm(cmd::kStZoomOut, cmd::kZoomOut), bm(cmd::kStZoomIn, cmd::kZoomIn), sep, bm(cmd::kStTimeBack, cmd::kTimeBack), bm(cmd::kStTimeForward, cmd::kTimeForward), sep,
          bm(cmd::kStGo, cmd::kGo), bm(cmd::kStStop, cmd::kStop), sep, b(cmd::kFind), b(cmd::kFindNext), sep, b(cmd::kTimeUpdate), b(cmd::kLocation), sep, b(cmd::kStarMapSetup), sep,
          b(cmd::kNormal), sep, b(cmd::kReturn)}},
        {4,
         {b(cmd::kSunData), sep, b(cmd::kFirstPlanetData), b(cmd::kFirstPlanetData + 1), b(cmd::kFirstPlanetData + 2), b(cmd::kFirstPlanetData + 3), b(cmd::kFirstPlanetData + 4), b(cmd::kFirstPlanetData + 5), b(cmd::kFirstPlanetData + 6), b(cmd::kFirstPlanetData + 7), b(cmd::kFirstPlanetData + 8), sep,
          b(cmd::kMoonData), sep, b(cmd::kComparison), sep, b(cmd::kSolarObjectsView), b(cmd::kGalaxiesView), b(cmd::kNebulasView), sep, b(cmd::kReturn)}},
    };
    static const std::vector<ToolbarGadget> none;
    const auto it = bars.find(subject);
    return it == bars.end() ? none : it->second;
}

const std::vector<Accelerator>& AcceleratorTable()
{
    static const std::vector<Accelerator> table = {
        {Qt::Key_F1, 0, cmd::kHelpContents},
        {Qt::Key_F2, 0, cmd::kSolarSystem},
        {Qt::Key_F3, 0, cmd::kStarMap},
        {Qt::Key_F4, 0, cmd::kDataBase},
        {Qt::Key_F5, 0, cmd::kSound},
        {Qt::Key_F10, 0, cmd::kNormal},
        {Qt::Key_X, Qt::AltModifier, cmd::kExit},
        {Qt::Key_Home, 0, cmd::kZoomIn},
        {Qt::Key_End, 0, cmd::kZoomOut},
        {Qt::Key_Return, 0, cmd::kGo},
        {Qt::Key_Enter, 0, cmd::kGo},
        {Qt::Key_Pause, 0, cmd::kStop},
        {Qt::Key_Backspace, 0, cmd::kReturn},
        {Qt::Key_F7, 0, cmd::kFindNext},
        {Qt::Key_Return, Qt::ShiftModifier, cmd::kStGo},
        {Qt::Key_Enter, Qt::ShiftModifier, cmd::kStGo},
        {Qt::Key_Pause, Qt::ShiftModifier, cmd::kStStop},
        {Qt::Key_Insert, Qt::ShiftModifier, cmd::kStTimeForward},
        {Qt::Key_Delete, Qt::ShiftModifier, cmd::kStTimeBack},
        {Qt::Key_End, Qt::ShiftModifier, cmd::kStZoomOut},
        {Qt::Key_Home, Qt::ShiftModifier, cmd::kStZoomIn},
        {Qt::Key_Insert, 0, cmd::kTimeForward},
        {Qt::Key_Delete, 0, cmd::kTimeBack},
        {Qt::Key_S, Qt::ControlModifier, cmd::kSavePicture},
        {Qt::Key_C, Qt::ControlModifier, cmd::kCopyPicture},
        {Qt::Key_P, Qt::ControlModifier, cmd::kPrintPicture},
    };
    return table;
}
