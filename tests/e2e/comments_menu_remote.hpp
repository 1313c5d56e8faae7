// cuepad's comments list driven from outside as a person would: a right click on an item, a
// choice in the pop-up menu made with the keys, and a text given to the input box and confirmed.
#pragma once

#include <windows.h>

#include <string>

namespace cuepad::e2e {

// The pop-up menu's items, counted from 1 in the order the menu shows them.
enum class CommentsMenuItem { Add = 1, Edit = 2, Delete = 3 };

// Moves the real pointer over item `item` of `list` and presses and releases the right button
// there; returns the pop-up menu window once it shows, or nullptr. The program clicks left at
// the pointer when the right button goes down, so the release waits until that click has
// selected the item and the list has let go of the mouse.
HWND rightClickItem(HWND list, int item);

// Chooses `choice` in the shown menu with Down keys and Enter.
void chooseMenuItem(HWND menu, CommentsMenuItem choice);

// The input box of `processId` titled `title` once it shows, or nullptr.
HWND waitForInputBox(DWORD processId, const std::wstring& title);

// The text the input box's edit field holds.
std::wstring inputBoxText(HWND inputBox);

// Puts `text` into the input box's edit field and confirms it with OK; false without the field.
bool confirmInputBox(HWND inputBox, const std::wstring& text);

}  // namespace cuepad::e2e
