// The list object of a colour page. Every method takes the guard for its own
// duration and asks picker/swatch_list_items.* what to say; the methods may
// be called on the reader's thread, so the one thing that changes the picker
// (the default action) is posted to the page child and done on its own thread.
#include "picker_window/swatch_list_accessible_win32.h"

#include <oleacc.h>

#include <new>

#include "context/library_guard.h"
#include "frame/text_ids.h"
#include "frame/texts_win32.h"
#include "picker_window/accessibility_calls_win32.h"
#include "picker/picker_run.h"

namespace {

struct swatch_list_accessible final : IAccessible {
    LONG refs = 1;
    HWND child = nullptr;
    page_windows* page = nullptr;   // null once the page child is gone; read under the guard
    const accessibility_calls* calls = nullptr;   // mapped before the object was made

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs)); }
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: readers use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return n ? (*n = 0, S_OK) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override { return text(id, name, text_name); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override { return text(id, value, text_value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* d) override { return text(id, d, text_value); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return help ? (*help = nullptr, S_FALSE) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override
    {
        return keys ? (*keys = nullptr, S_FALSE) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return selected(focus, true); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return selected(selection, false); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override { return text(id, action, text_action); }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override { return do_select(id); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    enum text_kind { text_name, text_value, text_action };
    HRESULT text(VARIANT id, BSTR* out, text_kind kind);
    HRESULT selected(VARIANT* out, bool focus);
    HRESULT do_select(VARIANT id);
    // The item a VARIANT names on the page, or kind none.
    list_item item_of(const VARIANT& id) const;
};

// The page's view while the object is connected and its page can say anything.
const swatch_view* view_of(const page_windows* page)
{
    return page != nullptr && page->view != nullptr ? page->view : nullptr;
}

list_item swatch_list_accessible::item_of(const VARIANT& id) const
{
    const swatch_view* v = view_of(page);
    if (v == nullptr || id.vt != VT_I4) return list_item{};
    return list_item_of_id(*v, id.lVal);
}

void set_id(VARIANT* out, LONG id)
{
    out->vt = VT_I4;
    out->lVal = id;
}

// What VariantInit does, without importing the automation library for it.
void clear_variant(VARIANT* v)
{
    v->vt = VT_EMPTY;
}

BSTR to_bstr(const accessibility_calls& calls, const char* text)
{
    WCHAR wide[256];
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 256);
    if (n <= 0) return nullptr;
    return calls.sys_alloc_string(wide);
}

HRESULT swatch_list_accessible::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG swatch_list_accessible::Release()
{
    const LONG left = InterlockedDecrement(&refs);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT swatch_list_accessible::get_accParent(IDispatch** parent)
{
    if (parent == nullptr) return E_POINTER;
    *parent = nullptr;
    HWND window = nullptr;
    {
        const library_guard held;
        if (page == nullptr) return CO_E_OBJNOTCONNECTED;
        window = child;
    }
    // The window's own standard object is what lets a reader map this object
    // back to its window.
    return calls->create_std_accessible_object(window, OBJID_WINDOW, __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT swatch_list_accessible::get_accChildCount(LONG* count)
{
    if (count == nullptr) return E_POINTER;
    const library_guard held;
    const swatch_view* v = view_of(page);
    if (v == nullptr) return CO_E_OBJNOTCONNECTED;
    *count = list_item_count(*v);
    return S_OK;
}

HRESULT swatch_list_accessible::get_accChild(VARIANT id, IDispatch** child_object)
{
    if (child_object == nullptr) return E_POINTER;
    *child_object = nullptr;
    const library_guard held;
    if (page == nullptr) return CO_E_OBJNOTCONNECTED;
    const list_item_kind kind = item_of(id).kind;
    // Every item is a simple element of this object.
    return kind == list_item_kind::none || kind == list_item_kind::page ? E_INVALIDARG : S_FALSE;
}

HRESULT swatch_list_accessible::text(VARIANT id, BSTR* out, text_kind kind)
{
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    char buffer[256] = "";
    {
        const library_guard held;
        const swatch_view* v = view_of(page);
        if (v == nullptr) return CO_E_OBJNOTCONNECTED;
        const list_item item = item_of(id);
        if (item.kind == list_item_kind::none) return E_INVALIDARG;
        picker_run& run = *page->run;
        if (kind == text_action) {
            if (item.kind != list_item_kind::swatch || (list_item_states(run, *v, item, false) & item_selectable) == 0) return S_FALSE;
            lstrcpynA(buffer, "Select", sizeof buffer);
        } else if (item.kind == list_item_kind::page) {
            if (kind != text_name) return S_FALSE;
            load_text(page->page == process_page ? IDS_PROCESS_TAB : IDS_SOLID_TAB, buffer, sizeof buffer - 1);
        } else if (kind == text_name) {
            char caption[64] = "Value map";
            if (item.kind == list_item_kind::original_patch) load_text(IDS_ORIGINAL, caption, sizeof caption - 1);
            if (item.kind == list_item_kind::new_patch) load_text(IDS_NEW, caption, sizeof caption - 1);
            list_item_name(run, *v, item, caption, buffer, sizeof buffer);
        } else {
            list_item_value(run, *v, item, buffer, sizeof buffer);
        }
    }
    // A caption's accelerator mark is not read out.
    for (char *from = buffer, *to = buffer;; ++from) {
        if (*from == '&') continue;
        if ((*to++ = *from) == 0) break;
    }
    *out = to_bstr(*calls, buffer);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT swatch_list_accessible::get_accRole(VARIANT id, VARIANT* role)
{
    if (role == nullptr) return E_POINTER;
    clear_variant(role);
    const library_guard held;
    if (page == nullptr) return CO_E_OBJNOTCONNECTED;
    LONG r = 0;
    switch (item_of(id).kind) {
    case list_item_kind::page: r = ROLE_SYSTEM_LIST; break;
    case list_item_kind::swatch: r = ROLE_SYSTEM_LISTITEM; break;
    case list_item_kind::original_patch:
    case list_item_kind::new_patch: r = ROLE_SYSTEM_GRAPHIC; break;
    case list_item_kind::value_map: r = ROLE_SYSTEM_SLIDER; break;
    default: return E_INVALIDARG;
    }
    set_id(role, r);
    return S_OK;
}

HRESULT swatch_list_accessible::get_accState(VARIANT id, VARIANT* state)
{
    if (state == nullptr) return E_POINTER;
    clear_variant(state);
    const library_guard held;
    const swatch_view* v = view_of(page);
    if (v == nullptr) return CO_E_OBJNOTCONNECTED;
    const list_item item = item_of(id);
    if (item.kind == list_item_kind::none) return E_INVALIDARG;
    const uint32_t s = list_item_states(*page->run, *v, item, page_has_focus(*page));
    LONG answer = 0;
    if (s & item_selectable) answer |= STATE_SYSTEM_SELECTABLE;
    if (s & item_focusable) answer |= STATE_SYSTEM_FOCUSABLE;
    if (s & item_selected) answer |= STATE_SYSTEM_SELECTED;
    if (s & item_focused) answer |= STATE_SYSTEM_FOCUSED;
    if (s & item_invisible) answer |= STATE_SYSTEM_INVISIBLE;
    if (item.kind == list_item_kind::original_patch || item.kind == list_item_kind::new_patch || item.kind == list_item_kind::value_map)
        answer |= STATE_SYSTEM_READONLY;
    set_id(state, answer);
    return S_OK;
}

HRESULT swatch_list_accessible::selected(VARIANT* out, bool focus)
{
    if (out == nullptr) return E_POINTER;
    clear_variant(out);
    const library_guard held;
    const swatch_view* v = view_of(page);
    if (v == nullptr) return CO_E_OBJNOTCONNECTED;
    picker_run& run = *page->run;
    if (focus && !page_has_focus(*page)) return S_FALSE;
    const int32_t id = list_item_id_of_color(run, *v, run.lib.picker.selected_color);
    if (id == 0 || run.selection_blank) {
        if (focus) set_id(out, CHILDID_SELF);
        return focus ? S_OK : S_FALSE;
    }
    set_id(out, id);
    return S_OK;
}

HRESULT swatch_list_accessible::do_select(VARIANT id)
{
    colorid c = no_color;
    HWND window = nullptr;
    {
        const library_guard held;
        const swatch_view* v = view_of(page);
        if (v == nullptr) return CO_E_OBJNOTCONNECTED;
        const list_item item = item_of(id);
        if (item.kind == list_item_kind::none) return E_INVALIDARG;
        if (item.kind != list_item_kind::swatch || (list_item_states(*page->run, *v, item, false) & item_selectable) == 0)
            return DISP_E_MEMBERNOTFOUND;
        c = list_item_color(*page->run, *v, item);
        window = child;
    }
    return PostMessageA(window, select_item_message, static_cast<WPARAM>(c), 0) ? S_OK : E_FAIL;
}

HRESULT swatch_list_accessible::accSelect(LONG flags, VARIANT id)
{
    // Single selection: taking the selection or the focus is the one thing an item can be asked.
    if ((flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS)) == 0 || (flags & (SELFLAG_ADDSELECTION | SELFLAG_EXTENDSELECTION)) != 0)
        return E_INVALIDARG;
    return do_select(id);
}

HRESULT swatch_list_accessible::accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT id)
{
    if (x == nullptr || y == nullptr || w == nullptr || h == nullptr) return E_POINTER;
    RECT r = {};
    HWND window = nullptr;
    {
        const library_guard held;
        const swatch_view* v = view_of(page);
        if (v == nullptr) return CO_E_OBJNOTCONNECTED;
        const list_item item = item_of(id);
        if (item.kind == list_item_kind::none) return E_INVALIDARG;
        window = child;
        if (item.kind == list_item_kind::page) {
            GetClientRect(window, &r);
        } else {
            const pixel_rect p = list_item_rect(*page->run, *v, item);
            r = RECT{p.left, p.top, p.right, p.bottom};
        }
    }
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    *x = r.left, *y = r.top, *w = r.right - r.left, *h = r.bottom - r.top;
    return S_OK;
}

HRESULT swatch_list_accessible::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    if (end == nullptr) return E_POINTER;
    clear_variant(end);
    const library_guard held;
    const swatch_view* v = view_of(page);
    if (v == nullptr) return CO_E_OBJNOTCONNECTED;
    const list_item item = item_of(start);
    if (item.kind == list_item_kind::none) return E_INVALIDARG;
    const LONG count = list_item_count(*v);
    LONG to = 0;
    if (item.kind == list_item_kind::page) {
        if (direction == NAVDIR_FIRSTCHILD) to = 1;
        else if (direction == NAVDIR_LASTCHILD) to = count;
        else return S_FALSE;   // siblings of the page are the window's business
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
        to = start.lVal + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
        to = start.lVal - 1;
    } else {
        return S_FALSE;
    }
    if (to < 1 || to > count) return S_FALSE;
    set_id(end, to);
    return S_OK;
}

HRESULT swatch_list_accessible::accHitTest(LONG x, LONG y, VARIANT* id)
{
    if (id == nullptr) return E_POINTER;
    clear_variant(id);
    const library_guard held;
    const swatch_view* v = view_of(page);
    if (v == nullptr) return CO_E_OBJNOTCONNECTED;
    POINT p = {x, y};
    RECT client = {};
    ScreenToClient(child, &p);
    GetClientRect(child, &client);
    if (!PtInRect(&client, p)) return S_FALSE;
    set_id(id, list_item_id_at(*page->run, *v, p.x, p.y));
    return S_OK;
}

}  // namespace

bool page_has_focus(const page_windows& page)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (page.child == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(page.child, nullptr), &info)) return false;
    return info.hwndFocus != nullptr && (info.hwndFocus == page.child || info.hwndFocus == page.scroll_bar);
}

LRESULT answer_list_object(page_windows& page, WPARAM wparam)
{
    const library_guard held;
    if (page.view == nullptr || page.child == nullptr) return 0;
    const accessibility_calls* calls = accessibility_calls_ready(&page.run->lib.accessibility);
    if (calls == nullptr) return 0;
    if (page.accessible == nullptr) {
        swatch_list_accessible* made = new (std::nothrow) swatch_list_accessible;
        if (made == nullptr) return 0;
        made->child = page.child;
        made->page = &page;
        made->calls = calls;
        page.accessible = made;
    }
    const LRESULT answer = calls->lresult_from_object(__uuidof(IAccessible), wparam, page.accessible);
    return answer < 0 ? 0 : answer;
}

void release_list_object(page_windows& page)
{
    IAccessible* object = nullptr;
    {
        const library_guard held;
        if (page.accessible == nullptr) return;
        static_cast<swatch_list_accessible*>(page.accessible)->page = nullptr;
        object = page.accessible;
        page.accessible = nullptr;
    }
    object->Release();
}

void announce_list_change(const page_windows& page, const list_change& change)
{
    if (page.child == nullptr) return;
    if (change.reordered) NotifyWinEvent(EVENT_OBJECT_REORDER, page.child, OBJID_CLIENT, CHILDID_SELF);
    if (!change.selection_moved || change.selected_id == 0) return;
    NotifyWinEvent(EVENT_OBJECT_SELECTION, page.child, OBJID_CLIENT, change.selected_id);
    if (page_has_focus(page)) NotifyWinEvent(EVENT_OBJECT_FOCUS, page.child, OBJID_CLIENT, change.selected_id);
}

void announce_list_focus(const page_windows& page)
{
    if (page.child == nullptr || page.view == nullptr || !page_has_focus(page)) return;
    const picker_run& run = *page.run;
    const int32_t id = list_item_id_of_color(run, *page.view, run.lib.picker.selected_color);
    if (id != 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, page.child, OBJID_CLIENT, id);
}
