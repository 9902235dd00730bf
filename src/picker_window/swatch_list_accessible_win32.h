// A colour page as a screen reader sees it: one list object per page child,
// answered on WM_GETOBJECT, whose items picker/swatch_list_items.* describes.
// The object is the page's until the page child is destroyed; after that it
// answers every call with CO_E_OBJNOTCONNECTED, however long a reader keeps it.
#pragma once
#include <windows.h>

#include "colorlib/colorid.h"
#include "picker/swatch_list_items.h"
#include "picker_window/picker_windows_win32.h"

// The page child's private message that selects wParam (a colorid) as a
// click on its swatch does: the list's default action, carried out on the
// picker's thread.
constexpr UINT select_item_message = WM_APP + 0x41;

// WM_GETOBJECT of a colour page child for OBJID_CLIENT.
LRESULT answer_list_object(page_windows& page, WPARAM wparam);

// WM_DESTROY of a page child: cuts the object off the run.
void release_list_object(page_windows& page);

// Tells listeners what a selection change did on the current page.
void announce_list_change(const page_windows& page, const list_change& change);

// The selected swatch takes the focus: a selection made from elsewhere (a
// click, the scroll bar) moved the keyboard focus onto the grid afterwards.
void announce_list_focus(const page_windows& page);

// Whether the keyboard focus of the picker's thread is on the page's grid
// (the page child or its scroll bar, where the arrow keys act).
bool page_has_focus(const page_windows& page);
