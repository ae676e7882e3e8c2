#include "skin/forms/menu_bar.h"

#include <algorithm>

#include "skin/data/element_states.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/window_queries.h"
#include "skin/manager/skin_manager.h"

namespace aw::skin {

namespace {

char UpperCase(char c)
{
    return static_cast<char>(reinterpret_cast<ULONG_PTR>(
        ::CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(c))))));
}

bool HasMnemonic(const std::string& text, char key)
{
    const auto amp = text.find('&');
    return amp != std::string::npos && amp + 1 < text.size() && UpperCase(text[amp + 1]) == UpperCase(key);
}

}  // namespace

void TMenuBtn::Draw(HDC buffer)
{
    const TSkinData& data = form_.SkinData();
    RECT place = ToRECT(rect);
    const bool lit = state != NcState::Normal && enabled;
    if (lit) {
        UniqueBrush fill(::CreateSolidBrush(ResolveColour(data.SkinColour(csHilight))));
        ::FillRect(buffer, &place, fill.Get());
    }
    UniqueFont font = SystemMenuFont();
    SelectedObject selected(buffer, font.Get());
    ::SetBkMode(buffer, TRANSPARENT);
    const ColourSlot slot = !enabled ? csButtonShadow : lit ? csHilightText : csMenuBarText;
    ::SetTextColor(buffer, ResolveColour(data.SkinColour(slot)));
    ::DrawTextA(buffer, text.c_str(), static_cast<int>(text.size()), &place, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TWinSkinMenu::Build(HMENU menu)
{
    menu_ = menu;
    items_.clear();
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[81] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 80;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const bool enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        items_.push_back(std::make_unique<TMenuBtn>(form_, text, info.wID, info.hSubMenu, enabled));
    }
}

void TWinSkinMenu::Layout(const Rect& band, HDC measure)
{
    const TDataSkinObject* element = form_.SkinData().Slot(SkinSlot::MenuBar);
    MenuBarLayout layout;
    layout.band = band;
    layout.hasElement = element != nullptr;
    layout.elementLeft = element ? element->LeftWidth : 0;
    layout.elementRight = element ? element->RightWidth : 0;
    layout.rightToLeft = form_.RightToLeft();
    layout.mdiButtonsLeft = form_.CaptionButtons().MdiButtonsLeft();
    UniqueFont font = SystemMenuFont();
    SelectedObject selected(measure, font.Get());
    for (const auto& item : items_) {
        SIZE size{};
        ::GetTextExtentPoint32A(measure, item->text.c_str(), static_cast<int>(item->text.size()), &size);
        layout.textWidths.push_back(size.cx);
    }
    const std::vector<Rect> rects = LayoutMenuBarItems(layout);
    for (std::size_t i = 0; i < items_.size() && i < rects.size(); ++i) items_[i]->rect = rects[i];
}

void TWinSkinMenu::Paint(HDC buffer, const Rect& band, bool active)
{
    if (band.IsEmpty()) return;
    const TSkinData& data = form_.SkinData();
    const TDataSkinObject* element = data.Slot(SkinSlot::MenuBar);
    const RECT area = ToRECT(band);
    if (element && element->image) {
        const int frame = FrameFor(kWindowPartFrames, active ? ElementState::Normal : ElementState::Inactive, 2);
        if (element->Tile == 1)
            DrawElementFrame(buffer, area, element->image.Get(), true, false, false, 2, frame, element->GetMargins());
        else
            DrawThreePart(buffer, area, element->image.Get(), true, false, 2, frame, element->GetMargins());
    } else {
        UniqueBrush fill(::CreateSolidBrush(ResolveColour(data.SkinColour(csMenubar))));
        ::FillRect(buffer, &area, fill.Get());
    }
    Layout(band, buffer);
    for (auto& item : items_) item->Draw(buffer);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const
{
    for (const auto& item : items_)
        if (Contains(item->rect, p)) return item.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::ItemForKey(char key) const
{
    if (items_.empty()) return nullptr;
    if (!key) return items_.front().get();
    for (const auto& item : items_)
        if (HasMnemonic(item->text, key)) return item.get();
    return nullptr;
}

void TWinSkinMenu::Open(TMenuBtn& item)
{
    const HWND window = form_.Handle();
    if (!item.submenu) {
        ::PostMessageA(window, WM_COMMAND, item.id, 0);
        item.Leave();
        return;
    }
    if (TSkinManage* manager = TSkinManage::Current()) manager->SetPopupKind(PopupKind::MenuBar);
    RECT outer{};
    ::GetWindowRect(window, &outer);
    form_.HotObjects().HoldPressed(item);
    form_.PaintNonClient(false);
    ::TrackPopupMenu(item.submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, outer.left + item.rect.left,
                     outer.top + item.rect.bottom, 0, window, nullptr);
    if (form_.Hot() == &item) item.Leave();
}

}  // namespace aw::skin
