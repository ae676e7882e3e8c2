#include "ui/list_view.h"

#include "platform/wide_text.h"

#include <commctrl.h>

namespace aw::ui {

VirtualListView::VirtualListView(std::string name) : WinControl(std::move(name), "TListView") {}

HWND VirtualListView::CreateWindowHandle(HWND parent)
{
    const Bounds& b = bounds_;
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                                    LVS_SHOWSELALWAYS,
                                b.Left, b.Top, b.Width, b.Height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (list) {
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        // The parent window is an ANSI one, so the control would ask it for ANSI text; cells are
        // asked for in UTF-16 instead.
        SendMessageW(list, LVM_SETUNICODEFORMAT, TRUE, 0);
    }
    return list;
}

void VirtualListView::SetColumns(const std::vector<std::pair<std::string, int>>& titleAndWidth)
{
    for (std::size_t i = 0; i < titleAndWidth.size(); ++i) {
        std::wstring title = WideFromUtf8(titleAndWidth[i].first).value_or(std::wstring());
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = i + 1 == titleAndWidth.size() ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = titleAndWidth[i].second;
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(i);
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void VirtualListView::SetRowCount(int rows)
{
    SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool VirtualListView::OnNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        if (info->item.mask & LVIF_TEXT) {
            cell_ = WideFromUtf8(CellText ? CellText(info->item.iItem, info->item.iSubItem) : std::string())
                        .value_or(std::wstring());
            // The control's own buffer holds MAX_PATH characters; a longer path is shown from
            // ours, which lives until the next request.
            info->item.pszText = cell_.data();
        }
        result = 0;
        return true;
    }
    case LVN_COLUMNCLICK:
        if (OnColumnClick)
            OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        result = 0;
        return true;
    case NM_CLICK: {
        const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        if (row >= 0 && OnRowClick)
            OnRowClick(row);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace aw::ui
