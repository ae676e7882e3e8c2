#include "ui/list_view.h"

#include <commctrl.h>

namespace aw::ui {

VirtualListView::VirtualListView(std::string name) : WinControl(std::move(name), "TListView") {}

HWND VirtualListView::CreateWindowHandle(HWND parent)
{
    const Bounds& b = bounds_;
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                                    LVS_SHOWSELALWAYS,
                                b.Left, b.Top, b.Width, b.Height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (list)
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    return list;
}

void VirtualListView::SetColumns(const std::vector<std::pair<std::string, int>>& titleAndWidth)
{
    for (std::size_t i = 0; i < titleAndWidth.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = i + 1 == titleAndWidth.size() ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = titleAndWidth[i].second;
        column.pszText = const_cast<char*>(titleAndWidth[i].first.c_str());
        column.iSubItem = static_cast<int>(i);
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void VirtualListView::SetRowCount(int rows)
{
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

bool VirtualListView::OnNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
            cell_ = CellText ? CellText(info->item.iItem, info->item.iSubItem) : std::string();
            lstrcpynA(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
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
