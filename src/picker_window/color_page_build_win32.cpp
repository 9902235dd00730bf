// Building a colour page (solid or process) in its child window: the
// rectangles from picker/picker_layout.*, the view from picker/swatch_view.*,
// then the palette and the page's controls at those rectangles.
#include "picker_window/color_page_build_win32.h"

#include "colorlib/colorid.h"
#include "frame/library_state_win32.h"
#include "frame/texts_win32.h"
#include "picker/picker_layout.h"
#include "picker/picker_state.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/picker_fonts_win32.h"
#include "colorlib/color_lookups.h"

static PALETTEENTRY palette_entry(colorid c)
{
    int32_t r = 255, g = 255, b = 255;
    get_color_display_rgb(c, &r, &g, &b, static_cast<int32_t>(D50FLAG));
    return PALETTEENTRY{static_cast<BYTE>(r), static_cast<BYTE>(g), static_cast<BYTE>(b), 0};
}

// One entry per visible swatch (placeholders until the grid is painted) and
// one for the "Original" patch. No memory: the page goes without a palette.
static HPALETTE make_page_palette(const swatch_view& v)
{
    const int32_t entries = page_palette_entries(v);
    if (entries == 0) return nullptr;
    const SIZE_T bytes = sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<SIZE_T>(entries);
    LOGPALETTE* lp = static_cast<LOGPALETTE*>(LocalAlloc(LPTR, bytes));
    if (lp == nullptr) return nullptr;
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(entries);
    for (int32_t k = 0; k < v.palette_count; ++k)
        lp->palPalEntry[k] = palette_entry(make_colorid(static_cast<uint32_t>(v.pub), static_cast<uint32_t>(k)));
    lp->palPalEntry[v.palette_count] = palette_entry(original_color);
    HPALETTE palette = CreatePalette(lp);
    LocalFree(lp);
    return palette;
}

static void make_type_combo(page_windows& page)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN;
    const DWORD ex_style = WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT;
    page.type_combo = make_control(page.child, IDC_TYPE_COMBO, "COMBOBOX", style, ex_style, page.layout->type_combo);
    if (page.type_combo == nullptr) return;
    for (unsigned id = IDS_COATED; id <= IDS_TO_PROCESS; ++id) {
        char text[64];
        load_text(id, text, sizeof text);
        SendMessageA(page.type_combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    }
    SendMessageA(page.type_combo, CB_SETCURSEL, 0, 0);
    page.combo_edit = GetWindow(page.type_combo, GW_CHILD);
}

void build_color_page(page_windows& page)
{
    if (page.built || page.child == nullptr) return;
    const bool solid = page.page == solid_page;
    const page_text_metrics m = measure_page_texts(page.child);
    if (solid) {
        layout_solid_page(picker_ui.tab_display, picker_frame, m, picker_metrics, palette_device, *page.layout,
                          *page.view);
        setup_view(color_type, *page.view);
    } else {
        layout_process_page(picker_ui.tab_display, picker_frame, m, picker_metrics, palette_device, *page.layout,
                            *page.view);
        setup_view(process_pub, *page.view);
    }
    selection_frame = pixel_rect{};
    page.palette = make_page_palette(*page.view);

    // Only the solid page's controls take part in Tab; the process page's
    // order is kept by the keyboard hook.
    const DWORD tab_stop = solid ? WS_TABSTOP : 0;
    if (solid) make_type_combo(page);
    const DWORD shown = WS_CHILD | WS_VISIBLE;
    page.scroll_bar =
        make_control(page.child, IDC_SCROLL_BAR, "SCROLLBAR", shown | SBS_HORZ | tab_stop, 0, page.layout->scroll_bar);
    if (page.scroll_bar != nullptr) SetScrollRange(page.scroll_bar, SB_CTL, 1, page.view->pages, TRUE);
    page.name_edit = make_control(page.child, IDC_NAME_EDIT, "EDIT", shown | WS_BORDER | ES_AUTOHSCROLL | tab_stop,
                                  WS_EX_CLIENTEDGE, page.layout->name_edit);
    page.built = true;
}

void release_color_page(page_windows& page)
{
    page.built = false;
    if (page.palette != nullptr) DeleteObject(page.palette);
    page.palette = nullptr;
}
