// Building a colour page (solid or process) in its child window: the
// rectangles from picker/picker_layout.*, the view from picker/swatch_view.*,
// then the palette and the page's controls at those rectangles.
#include "picker_window/color_page_build_win32.h"

#include "colorlib/color_lookups.h"
#include "colorlib/palette_records.h"
#include "colorlib/publications.h"
#include "frame/texts_win32.h"
#include "picker/picker_layout.h"
#include "picker/picker_run.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/picker_fonts_win32.h"

static PALETTEENTRY palette_entry(picker_run& run, colorid c)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(run.lib.catalogue, run.lib.display, c,
                                                          static_cast<int32_t>(run.lib.picker.D50FLAG));
    const rgb8 shown = rgb ? *rgb : rgb8{255, 255, 255};
    return PALETTEENTRY{static_cast<BYTE>(shown.r), static_cast<BYTE>(shown.g), static_cast<BYTE>(shown.b), 0};
}

// One entry per visible swatch (placeholders until the grid is painted) and
// one for the "Original" patch. No memory: the page goes without a palette.
static HPALETTE make_page_palette(picker_run& run, const swatch_view& v)
{
    const int32_t entries = page_palette_entries(v);
    if (entries == 0) return nullptr;
    const SIZE_T bytes = sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<SIZE_T>(entries);
    LOGPALETTE* lp = static_cast<LOGPALETTE*>(LocalAlloc(LPTR, bytes));
    if (lp == nullptr) return nullptr;
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(entries);
    for (int32_t k = 0; k < v.palette_count; ++k)
        lp->palPalEntry[k] =
            palette_entry(run, make_colorid(run.lib.catalogue, static_cast<uint32_t>(v.pub), static_cast<uint32_t>(k)));
    lp->palPalEntry[v.palette_count] = palette_entry(run, run.lib.picker.original_color);
    HPALETTE palette = CreatePalette(lp);
    LocalFree(lp);
    return palette;
}

static void make_type_combo(HFONT font, publication_catalogue& catalogue, page_windows& page)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN;
    const DWORD ex_style = WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT;
    page.type_combo =
        make_control(font, page.child, IDC_TYPE_COMBO, "COMBOBOX", style, ex_style, page.layout->type_combo);
    if (page.type_combo == nullptr) return;
    for (unsigned id = IDS_COATED; id <= IDS_TO_PROCESS; ++id) {
        char text[64];
        load_text(id, text, sizeof text);
        SendMessageA(page.type_combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    }
    for (int place = 0; place < palette_count(catalogue); ++place) {
        char desc[palette_desc_max + 1];
        pub_desc(catalogue, static_cast<uint32_t>(palette_pub_at(catalogue, place)), desc, palette_desc_max);
        SendMessageA(page.type_combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(desc));
    }
    SendMessageA(page.type_combo, CB_SETCURSEL, 0, 0);
    page.combo_edit = GetWindow(page.type_combo, GW_CHILD);
}

void build_color_page(picker_run& run, page_windows& page)
{
    if (page.built || page.child == nullptr) return;
    const picker_windows& ui = *run.ui;
    const bool solid = page.page == solid_page;
    const page_text_metrics m = measure_page_texts(page.child, ui.ui_font);
    if (solid) {
        layout_solid_page(ui.tab_display, run.picker_frame, m, run.picker_metrics, run.palette_device, *page.layout,
                          *page.view);
        setup_view(run, run.lib.picker.color_type, *page.view);
    } else {
        layout_process_page(ui.tab_display, run.picker_frame, m, run.picker_metrics, run.palette_device, *page.layout,
                            *page.view);
        setup_view(run, process_pub, *page.view);
    }
    run.selection_frame = pixel_rect{};
    page.palette = make_page_palette(run, *page.view);

    // Only the solid page's controls take part in Tab; the process page's
    // order is kept by the keyboard hook.
    const DWORD tab_stop = solid ? WS_TABSTOP : 0;
    if (solid) make_type_combo(ui.ui_font, run.lib.catalogue, page);
    const DWORD shown = WS_CHILD | WS_VISIBLE;
    page.scroll_bar = make_control(ui.ui_font, page.child, IDC_SCROLL_BAR, "SCROLLBAR", shown | SBS_HORZ | tab_stop, 0,
                                   page.layout->scroll_bar);
    if (page.scroll_bar != nullptr) SetScrollRange(page.scroll_bar, SB_CTL, 1, page.view->pages, TRUE);
    page.name_edit = make_control(ui.ui_font, page.child, IDC_NAME_EDIT, "EDIT",
                                  shown | WS_BORDER | ES_AUTOHSCROLL | tab_stop, WS_EX_CLIENTEDGE,
                                  page.layout->name_edit);
    page.built = true;
}

void release_color_page(page_windows& page)
{
    page.built = false;
    if (page.palette != nullptr) DeleteObject(page.palette);
    page.palette = nullptr;
}
