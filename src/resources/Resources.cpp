#include "resources/Resources.h"

#include <Qt>
#include <map>

namespace
{
using Items = std::vector<MenuItem>;

MenuItem Item(const char* text, int id, const char* key = nullptr, bool checked = false)
{
    return MenuItem{text, id, key, checked, {}};
}
MenuItem Separator()
{
    return MenuItem{nullptr, 0, nullptr, false, {}};
}
MenuItem Popup(const char* text, Items children)
{
    return MenuItem{text, 0, nullptr, false, std::move(children)};
}

Items SetupTail()
{
    return {Item("Show &Toolbar", 377), Item("&Sound", 378, "F5", true)};
}

MenuItem HelpPopup()
{
    return Popup("&Help", {Item("&Contents", 350, "F1"), Item("&Using Help", 352), Separator(),
                           Item("&About ...", 354)});
}
} // namespace

const std::vector<MenuItem>& MenuResource(int id)
{
    static const std::map<int, Items> menus = {
        {201,
         {Popup("&Subject", {Item("&Solar System", 301, "F2"), Item("Star &Map", 302, "F3"),
                             Item("So&lar System DB", 303, "F4"), Separator(),
                             Item("E&xit", 305, "Alt+X")}),
          Popup("&Setup", SetupTail()), HelpPopup()}},
        {202,
         {Popup("S&olar System",
                {Popup("&Center of System",
                       {Item("&Sun", 601, nullptr, true), Item("&Mercury", 602),
                        Item("&Venus", 603), Item("&Earth", 604), Item("M&ars", 605),
                        Item("&Jupiter", 606), Item("Sa&turn", 607), Item("&Uranus", 608),
                        Item("&Neptune", 609), Item("&Pluto", 610), Item("&Halleys", 611),
                        Item("&Encke", 612)}),
                 Separator(), Item("R&eturn", 400, "BackSpace")}),
          Popup("&Action", {Item("&Zoom In", 403, "Home"), Item("Zoo&m Out", 404, "End"),
                            Separator(), Item("&Time Forward", 405, "Insert"),
                            Item("Time &Back", 406, "Delete"), Separator(),
                            Item("&Go", 407, "Enter"), Item("&Stop", 408, "Pause"), Separator(),
                            Item("&Normal Conditions", 409, "F10")}),
          Popup("&Setup", {Item("So&lar System Setup", 373), Item("Time &Update", 375),
                           Separator(), Item("Show &Toolbar", 377),
                           Item("&Sound", 378, "F5", true)}),
          HelpPopup()}},
        {203,
         {Popup("Star &Map", {Item("Really &Sky Globe ", 501, nullptr, true),
                              Item("&Review Globe", 502), Separator(),
                              Item("R&eturn", 400, "BackSpace")}),
          Popup("&Action",
                {Item("Zoom &In", 503, "Shift+Home"), Item("Zoom &Out", 504, "Shift+End"),
                 Separator(), Item("Time &Forward", 505, "Shift+Insert"),
                 Item("Time &Back", 506, "Shift+Delete"), Separator(),
                 Item("&Go", 507, "Shift+Enter"), Item("&Stop", 508, "Shift+Pause"), Separator(),
                 Item("&Normal Conditions", 409, "F10")}),
          Popup("&Search", {Item("&Find", 509), Item("Find &Next", 510, "F7")}),
          Popup("&Setup", {Item("Star &Map Setup", 374), Item("Time &Update", 375),
                           Item("&Location Choice", 376), Separator(), Item("Show &Toolbar", 377),
                           Item("&Sound", 378, "F5", true)}),
          Popup("&Help", {Item("&Contents", 350, "F1"), Item("&Using Help", 352), Separator(),
                          Item("Constellations &Index", 353), Separator(),
                          Item("&About", 354)})}},
        {204,
         {Popup("Astronomical &DB", {Item("&Return", 400, "BackSpace")}),
          Popup("&Object",
                {Item("&Sun", 701),
                 Popup("&Planets ...",
                       {Item("Me&rcury", 801), Item("&Venus", 802), Item("&Earth", 803),
                        Item("&Mars", 804), Item("&Jupiter", 805), Item("&Saturn", 806),
                        Item("&Uranus", 807), Item("&Neptune", 808), Item("&Pluto", 809)}),
                 Item("&Moon", 810), Separator(), Item("Planets Co&mparison", 814), Separator(),
                 Item("S&olar Objects View", 811), Item("&Galaxies View", 812),
                 Item("&Nebulas View", 813)}),
          Popup("&Setup", SetupTail()), HelpPopup()}},
    };
    static const Items none;
    const auto it = menus.find(id);
    return it == menus.end() ? none : it->second;
}

const char* HintString(int id)
{
    static const std::map<int, const char*> hints = {
        {301, "Show Solar System Model"},
        {302, "Show Star Map "},
        {303, "Data base of objects of Solar System"},
        {305, "Exit from 'Velmoria'"},
        {350, "Contents of help"},
        {352, "Help on using help"},
        {353, "List of constellations abbreviations"},
        {354, "About 'Velmoria'"},
        {373, "Setup Solar System Model's objects"},
        {374, "Setup Star Map Window"},
        {375, "Updating time and date"},
        {376, "Choice to your location"},
        {377, "Show Toolbar window"},
        {378, "Sound On/Off"},
        {400, "Return to Main Window"},
        {403, "Zooming In of View"},
        {404, "Zooming Out of View"},
        {405, "Time direction : forward"},
        {406, "Time direction : back"},
        {407, "Begining / Continue animation"},
        {408, "Stoping animation"},
        {409, "Normalization all conditoins"},
        {501, "Show really sky globe"},
        {502, "Free review of star globe"},
        {503, "Zooming In of View"},
        {504, "Zooming Out of View"},
        {505, "Time direction : forward"},
        {506, "Time direction : back"},
        {507, "Starting / Continue process"},
        {508, "Stoping process"},
        {509, "Find star by name"},
        {510, "Find next star by name"},
        {601, "Heliocentric System"},
        {602, "Mercury in the center"},
        {603, "Venus in the center"},
        {604, "Geocentric System"},
        {605, "Mars in the center"},
        {606, "Jupiter in the center"},
        {607, "Saturn in the center"},
        {608, "Uranus in the center"},
        {609, "Neptune in the center"},
        {610, "Pluto in the center"},
        {611, "Comet Halleys in the center"},
        {612, "Comet Encke in the center"},
        {701, "Sun data"},
        {801, "Mercury data"},
        {802, "Venus data"},
        {803, "Earth data"},
        {804, "Mars data"},
        {805, "Jupiter data"},
        {806, "Saturn data"},
        {807, "Uranus data"},
        {808, "Naptune data"},
        {809, "Pluto data"},
        {810, "Moon data"},
        {811, "Show views of Solar System objects"},
        {812, "Show views of galaxies objects"},
        {813, "Show views of nebulas objects"},
        {814, "Planet Comparison"},
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
        {1, {b(301), b(302), sep, b(303), sep, b(305)}},
        {2,
         {b(404), b(403), sep, b(406), b(405), sep, b(407), b(408), sep, b(375), sep, b(373), sep,
          b(409), sep, b(400)}},
        {3,
         {b(501), b(502), sep, bm(504, 404), bm(503, 403), sep, bm(506, 406), bm(505, 405), sep,
          bm(507, 407), bm(508, 408), sep, b(509), b(510), sep, b(375), b(376), sep, b(374), sep,
          b(409), sep, b(400)}},
        {4,
         {b(701), sep, b(801), b(802), b(803), b(804), b(805), b(806), b(807), b(808), b(809), sep,
          b(810), sep, b(814), sep, b(811), b(812), b(813), sep, b(400)}},
    };
    static const std::vector<ToolbarGadget> none;
    const auto it = bars.find(subject);
    return it == bars.end() ? none : it->second;
}

const std::vector<Accelerator>& AcceleratorTable()
{
    static const std::vector<Accelerator> table = {
        {Qt::Key_F1, 0, 350},
        {Qt::Key_F2, 0, 301},
        {Qt::Key_F3, 0, 302},
        {Qt::Key_F4, 0, 303},
        {Qt::Key_F5, 0, 378},
        {Qt::Key_F10, 0, 409},
        {Qt::Key_X, Qt::AltModifier, 305},
        {Qt::Key_Home, 0, 403},
        {Qt::Key_End, 0, 404},
        {Qt::Key_Return, 0, 407},
        {Qt::Key_Enter, 0, 407},
        {Qt::Key_Pause, 0, 408},
        {Qt::Key_Backspace, 0, 400},
        {Qt::Key_F7, 0, 510},
        {Qt::Key_Return, Qt::ShiftModifier, 507},
        {Qt::Key_Enter, Qt::ShiftModifier, 507},
        {Qt::Key_Pause, Qt::ShiftModifier, 508},
        {Qt::Key_Insert, Qt::ShiftModifier, 505},
        {Qt::Key_Delete, Qt::ShiftModifier, 506},
        {Qt::Key_End, Qt::ShiftModifier, 504},
        {Qt::Key_Home, Qt::ShiftModifier, 503},
        {Qt::Key_Insert, 0, 405},
        {Qt::Key_Delete, 0, 406},
    };
    return table;
}
