#include "skin/forms/menu_items.h"

#include <algorithm>

#include "platform/window_subclass.h"
#include "skin/data/element_states.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/forms/window_queries.h"
#include "skin/manager/skin_manager.h"

namespace aw::skin {

namespace {

constexpr UINT_PTR kPopupSubclassId = 0x534D;  // 'SM'
// The ring the platform draws round a menu's items, which the backdrop replaces.
constexpr int kMenuEdge = 3;

UniqueFont BoldOf(HFONT font)
{
    LOGFONTA log{};
    if (!::GetObjectA(font, sizeof log, &log)) return UniqueFont();
    log.lfWeight = FW_BOLD;
    return UniqueFont(::CreateFontIndirectA(&log));
}

COLORREF Resolved(const TSkinData& data, ColourSlot slot) { return ResolveColour(data.SkinColour(slot)); }

SIZE MeasureText(HDC dc, const std::string& text)
{
    RECT r{0, 0, 0, 0};
    const std::string measured = text.empty() || text == "&" ? std::string(" ") : text;
    ::DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
                DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

// --- the item store ---------------------------------------------------------------------------

void MenuItemStore::Adopt(HMENU menu, HIMAGELIST images, const std::function<int(UINT)>& imageOf)
{
    if (!menu || Adopted(menu)) return;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) continue;  // someone else draws it
        auto item = std::make_unique<SkinMenuItem>();
        item->menu = menu;
        item->position = static_cast<UINT>(i);
        item->id = info.wID;
        item->separator = (info.fType & MFT_SEPARATOR) != 0;
        const std::string full = text;
        const auto tab = full.find('\t');
        item->caption = item->separator ? std::string("-") : full.substr(0, tab);
        if (tab != std::string::npos) item->shortcut = full.substr(tab + 1);
        item->isDefault = (info.fState & MFS_DEFAULT) != 0;
        item->images = images;
        item->image = imageOf ? imageOf(info.wID) : -1;
        item->originalType = info.fType;
        item->originalData = info.dwItemData;

        MENUITEMINFOA change{};
        change.cbSize = sizeof change;
        change.fMask = MIIM_FTYPE | MIIM_DATA;
        change.fType = (info.fType & ~MFT_SEPARATOR) | MFT_OWNERDRAW;
        change.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
        if (::SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &change)) items_.push_back(std::move(item));
    }
}

void MenuItemStore::Release(HMENU menu)
{
    for (auto it = items_.begin(); it != items_.end();) {
        if ((*it)->menu != menu) {
            ++it;
            continue;
        }
        if (::IsMenu(menu)) {
            MENUITEMINFOA change{};
            change.cbSize = sizeof change;
            change.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
            change.fType = (*it)->originalType;
            change.dwItemData = (*it)->originalData;
            std::string text = (*it)->caption;
            if (!(*it)->shortcut.empty()) text += "\t" + (*it)->shortcut;
            if ((*it)->separator) change.fMask &= ~MIIM_STRING;
            change.dwTypeData = text.data();
            ::SetMenuItemInfoA(menu, (*it)->position, TRUE, &change);
        }
        it = items_.erase(it);
    }
}

void MenuItemStore::ReleaseAll()
{
    while (!items_.empty()) Release(items_.front()->menu);
}

const SkinMenuItem* MenuItemStore::Find(ULONG_PTR data) const
{
    for (const auto& item : items_)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return item.get();
    return nullptr;
}

bool MenuItemStore::Adopted(HMENU menu) const
{
    return std::any_of(items_.begin(), items_.end(), [menu](const auto& item) { return item->menu == menu; });
}

// --- measuring and drawing --------------------------------------------------------------------

bool MeasureSkinMenuItem(const TSkinData& data, const MenuItemStore& store, MEASUREITEMSTRUCT& measure)
{
    if (measure.CtlType != ODT_MENU) return false;
    const SkinMenuItem* item = store.Find(measure.itemData);
    if (!item) return false;
    WindowDC screen;
    MemoryDC dc(screen.Get());
    UniqueFont font = SystemMenuFont();
    UniqueFont bold = item->isDefault ? BoldOf(font.Get()) : UniqueFont();
    SelectedObject selected(dc.Get(), bold ? bold.Get() : font.Get());
    if (item->separator) {
        measure.itemWidth = 10;
        measure.itemHeight = 9;
    } else {
        const SIZE text = MeasureText(dc.Get(), item->caption);
        int width = text.cx;
        if (!item->shortcut.empty()) width += 16 + MeasureText(dc.Get(), item->shortcut).cx;
        measure.itemWidth = static_cast<UINT>(width);
        measure.itemHeight = static_cast<UINT>(std::max<int>(text.cy + 6, ::GetSystemMetrics(SM_CYMENUSIZE)));
    }
    // Room for the element's left edge, the glyph box and the gaps around the text.
    int extra = 12;
    if (const TDataSkinObject* element = data.Slot(SkinSlot::MenuItem)) extra += element->LeftWidth;
    if (!item->images) extra += 23;
    measure.itemWidth += static_cast<UINT>(extra);
    return true;
}

bool PaintMenuBackdrop(const TSkinData& data, HDC target, int menuWidth, int menuHeight, int originX, int originY)
{
    const TDataSkinObject* background = data.Slot(SkinSlot::MenuBackground);
    if (!background || !background->image) return false;
    const RECT whole{-originX, -originY, menuWidth - originX, menuHeight - originY};
    DrawElementFrame(target, whole, background->image.Get(), false, background->Tile == 1, false,
                     std::max(background->FrameCount, 1), 1, background->GetMargins());
    return true;
}

bool DrawSkinMenuItem(const TSkinData& data, const MenuItemStore& store, const DRAWITEMSTRUCT& draw)
{
    if (draw.CtlType != ODT_MENU) return false;
    const SkinMenuItem* item = store.Find(draw.itemData);
    if (!item) return false;
    const RECT& place = draw.rcItem;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (width <= 0 || height <= 0) return true;

    // The item is composed off screen and copied to its place once.
    UniqueBitmap buffer(::CreateCompatibleBitmap(draw.hDC, width, height));
    MemoryDC dc(draw.hDC);
    SelectedObject bufferSelected(dc.Get(), buffer.Get());
    if (!bufferSelected.Ok()) return true;
    const RECT area{0, 0, width, height};
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool checked = (draw.itemState & ODS_CHECKED) != 0;
    const TDataSkinObject* element = data.Slot(SkinSlot::MenuItem);

    if (!element || !element->image) {
        UniqueBrush fill(::CreateSolidBrush(Resolved(data, selected ? csHilight : csMenu)));
        ::FillRect(dc.Get(), &area, fill.Get());
    } else {
        // The backdrop the menu window shows, at this item's place.
        // (The item rectangle is in client coordinates; the backdrop spans the whole window.)
        RECT menuRect{};
        POINT client{0, 0};
        const HWND menuWindow = ::WindowFromDC(draw.hDC);
        const bool haveWindow =
            menuWindow && ::GetWindowRect(menuWindow, &menuRect) && ::ClientToScreen(menuWindow, &client);
        if (!haveWindow ||
            !PaintMenuBackdrop(data, dc.Get(), menuRect.right - menuRect.left, menuRect.bottom - menuRect.top,
                               place.left + client.x - menuRect.left, place.top + client.y - menuRect.top)) {
            UniqueBrush fill(::CreateSolidBrush(Resolved(data, csMenu)));
            ::FillRect(dc.Get(), &area, fill.Get());
        }
        const int frames = std::max(element->FrameCount, 1);
        if (item->separator) {
            // The lowest drawn rows of frame 2 (rows entirely of the key colour below them do
            // not count): left margin, stretched middle, right margin.
            const SIZE size = BitmapSize(element->image.Get());
            const int frameWidth = size.cx / frames;
            const PixelImage pixels = ReadPixels(element->image.Get());
            int last = size.cy - 1;
            auto keyRow = [&](int y) {
                for (int x = frameWidth; x < std::min(2 * frameWidth, pixels.width); ++x)
                    if (pixels.At(x, y) != kMagenta) return false;
                return true;
            };
            while (last > 0 && !pixels.Empty() && keyRow(last)) --last;
            const int rows = std::min<int>(2, last + 1);
            const int sourceTop = last + 1 - rows;
            const int y = (height - rows) / 2;
            const RECT line{0, y, width, y + rows};
            UniqueBitmap strip = CreateBitmap32(PixelImage(frameWidth, rows, kMagenta));
            {
                MemoryDC stripDC;
                MemoryDC sourceDC;
                SelectedObject s1(stripDC.Get(), strip.Get());
                SelectedObject s2(sourceDC.Get(), element->image.Get());
                ::BitBlt(stripDC.Get(), 0, 0, frameWidth, rows, sourceDC.Get(), frameWidth, sourceTop, SRCCOPY);
            }
            DrawThreePart(dc.Get(), line, strip.Get(), false, true, 1, 1, element->GetMargins());
        } else {
            DrawElementFrame(dc.Get(), area, element->image.Get(), false, element->Tile == 1, element->Trans != 0,
                             frames, FrameFor(kMenuItemFrames, selected ? ElementState::Hot : ElementState::Normal, frames),
                             element->GetMargins());
        }
    }

    UniqueFont font = SystemMenuFont();
    UniqueFont bold = item->isDefault ? BoldOf(font.Get()) : UniqueFont();
    SelectedObject fontSelected(dc.Get(), bold ? bold.Get() : font.Get());
    ::SetBkMode(dc.Get(), TRANSPARENT);

    const int leftShift = element ? element->LeftWidth : 0;
    int box = 16;
    if (item->images) {
        int cx = 16, cy = 16;
        ::ImageList_GetIconSize(item->images, &cx, &cy);
        box = cx;
    }
    if (checked) box = std::max(box, 16);
    const RECT glyph{1 + leftShift, 1, 1 + leftShift + box, 1 + box};

    if (!item->separator) {
        const bool hasImage = item->images && item->image >= 0 && item->image < ::ImageList_GetImageCount(item->images);
        if (hasImage) {
            if (checked) {
                ::FillRect(dc.Get(), &glyph, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
                RECT edge = glyph;
                ::DrawEdge(dc.Get(), &edge, BDR_SUNKENOUTER, BF_RECT);
            }
            ::ImageList_DrawEx(item->images, item->image, dc.Get(), glyph.left, glyph.top, 0, 0, CLR_NONE, CLR_NONE,
                               disabled ? ILD_BLEND50 : ILD_NORMAL);
        } else if (checked) {
            const int markW = ::GetSystemMetrics(SM_CXMENUCHECK);
            const int markH = ::GetSystemMetrics(SM_CYMENUCHECK);
            const RECT mark{glyph.left + (box - markW) / 2 + 1, (height - markH) / 2 + 1, 0, 0};
            RECT markRect{mark.left, mark.top, mark.left + markW, mark.top + markH};
            const COLORREF oldText = ::SetTextColor(dc.Get(), ::GetSysColor(COLOR_BTNTEXT));
            ::DrawFrameControl(dc.Get(), &markRect, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
            ::SetTextColor(dc.Get(), oldText);
        }
    }

    RECT text{item->separator ? 3 : glyph.right + 3, 0, width - 1, height};
    if (item->separator) {
        if (!element || !element->image) {
            RECT line{text.left, height / 2, text.right, height / 2 + 2};
            ::DrawEdge(dc.Get(), &line, EDGE_ETCHED, BF_TOP);
        }
    } else {
        COLORREF colour;
        if (disabled) {
            colour = data.SkinColour(csButtonShadow) == data.SkinColour(csMenuText) ? ::GetSysColor(COLOR_BTNSHADOW)
                                                                                   : Resolved(data, csButtonShadow);
        } else {
            colour = Resolved(data, selected ? csHilightText : csMenuText);
        }
        ::SetTextColor(dc.Get(), colour);
        const SIZE measured = MeasureText(dc.Get(), item->caption);
        text.top = (height - measured.cy) / 2;
        text.bottom = text.top + measured.cy;
        ::DrawTextA(dc.Get(), item->caption.c_str(), static_cast<int>(item->caption.size()), &text,
                    DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT);
        if (!item->shortcut.empty()) {
            RECT shortcut{text.left + measured.cx, text.top, width - 11, text.bottom};
            ::DrawTextA(dc.Get(), item->shortcut.c_str(), static_cast<int>(item->shortcut.size()), &shortcut,
                        DT_SINGLELINE | DT_RIGHT);
        }
    }
    ::BitBlt(draw.hDC, place.left, place.top, width, height, dc.Get(), 0, 0, SRCCOPY);
    return true;
}

// --- menu windows -----------------------------------------------------------------------------

TWinSkinPopMenu::TWinSkinPopMenu(HWND window, TSkinData& data) : window_(window), data_(data)
{
    subclassed_ = aw::subclass::Set(window_, &TWinSkinPopMenu::SubclassProc, kPopupSubclassId,
                                      reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Restore(); }

void TWinSkinPopMenu::Restore()
{
    if (!subclassed_) return;
    subclassed_ = false;
    aw::subclass::Remove(window_, &TWinSkinPopMenu::SubclassProc, kPopupSubclassId);
}

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self)
{
    return reinterpret_cast<TWinSkinPopMenu*>(self)->Handle(message, wParam, lParam);
}

void TWinSkinPopMenu::PaintBorder(HDC dc)
{
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    UniqueBitmap buffer(::CreateCompatibleBitmap(dc, width, height));
    MemoryDC bufferDC(dc);
    SelectedObject selected(bufferDC.Get(), buffer.Get());
    if (!selected.Ok() || !PaintMenuBackdrop(data_, bufferDC.Get(), width, height, 0, 0)) return;
    // Only the ring round the items: the items paint their own part of the backdrop.
    SavedDC saved(dc);
    ::ExcludeClipRect(dc, kMenuEdge, kMenuEdge, width - kMenuEdge, height - kMenuEdge);
    ::BitBlt(dc, 0, 0, width, height, bufferDC.Get(), 0, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMsgSkinnedQuery) return 1;
    TSkinManage* manager = TSkinManage::Current();
    if (!manager || !manager->Skinning()) return aw::subclass::CallNext(window_, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY: {
        const HWND window = window_;
        Restore();
        return aw::subclass::CallNext(window, message, wParam, lParam);
    }
    case WM_ERASEBKGND:
        if (!data_.Options.Contains(xoMenuBG)) aw::subclass::CallNext(window_, message, wParam, lParam);
        return 1;
    case WM_NCPAINT: {
        const LRESULT result = aw::subclass::CallNext(window_, message, wParam, lParam);
        WholeWindowDC dc(window_);
        if (dc) PaintBorder(dc.Get());
        return result;
    }
    case WM_PAINT:
    case WM_PRINT:
    case WM_PRINTCLIENT: {
        // The platform draws its own edge round the items while it paints them; the skin's
        // backdrop goes over that edge afterwards.
        const LRESULT result = aw::subclass::CallNext(window_, message, wParam, lParam);
        if (message == WM_PAINT) {
            WholeWindowDC dc(window_);
            if (dc) PaintBorder(dc.Get());
        } else if (wParam) {
            PaintBorder(reinterpret_cast<HDC>(wParam));
        }
        return result;
    }
    default:
        return aw::subclass::CallNext(window_, message, wParam, lParam);
    }
}

}  // namespace aw::skin
