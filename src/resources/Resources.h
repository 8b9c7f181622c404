// The program's menus, accelerators, toolbars and hint strings as tables.
#pragma once

#include <vector>

struct MenuItem
{
    const char* text;  // "&Solar System"; null for a separator
    int id;            // command id; 0 for a popup or a separator
    const char* key;   // key text shown at the right, or null
    bool checked;      // the item starts checked
    bool checkable;    // the item carries a check mark that the program sets
    std::vector<MenuItem> children;  // items of a popup
};

// Menu resource 201 (main screen), 202 (Solar System), 203 (Star Map) or 204 (database):
// the top-level popups in order. Empty for any other id.
const std::vector<MenuItem>& MenuResource(int id);

// The hint (status-bar string) of command `id`, or null.
const char* HintString(int id);

struct ToolbarGadget
{
    int command;  // 0 = separator
    int bitmap;   // bitmap resource of the button
};

// Toolbar of `subject` (1..4): caption and gadgets left to right.
const char* ToolbarCaption(int subject);
const std::vector<ToolbarGadget>& ToolbarGadgets(int subject);

struct Accelerator
{
    int key;       // Qt key code
    int modifiers; // Qt keyboard modifiers
    int command;
};

// Accelerator table 200: active in every mode.
const std::vector<Accelerator>& AcceleratorTable();
