#include "ui/tree_view.h"

#include <windowsx.h>

namespace aw::ui {

namespace {

UINT StateMaskFor(int index)
{
    return INDEXTOSTATEIMAGEMASK(index < 0 ? 0 : index);
}

} // namespace

// --- TreeNode ------------------------------------------------------------------------------

std::string TreeNode::Text() const
{
    char buffer[260] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = item_;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(tree_->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int TreeNode::Level() const
{
    int level = 0;
    for (TreeNode parent = Parent(); parent; parent = parent.Parent())
        ++level;
    return level;
}

TreeNode TreeNode::FirstChild() const
{
    auto child = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_->Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item_)));
    return TreeNode(tree_, child);
}

TreeNode TreeNode::NextSibling() const
{
    auto next = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_->Handle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item_)));
    return TreeNode(tree_, next);
}

TreeNode TreeNode::Parent() const
{
    auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_->Handle(), TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item_)));
    return TreeNode(tree_, parent);
}

bool TreeNode::HasChildren() const
{
    return static_cast<bool>(FirstChild());
}

int TreeNode::Count() const
{
    int count = 0;
    for (TreeNode child = FirstChild(); child; child = child.NextSibling())
        ++count;
    return count;
}

TreeNode TreeNode::Child(int index) const
{
    TreeNode child = FirstChild();
    for (int i = 0; child && i < index; ++i)
        child = child.NextSibling();
    return child;
}

LPARAM TreeNode::Data() const
{
    TVITEMA item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = item_;
    SendMessageA(tree_->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

int TreeNode::StateIndex() const
{
    TVITEMA item{};
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.hItem = item_;
    item.stateMask = TVIS_STATEIMAGEMASK;
    SendMessageA(tree_->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    int index = static_cast<int>((item.state & TVIS_STATEIMAGEMASK) >> 12);
    return index == 0 ? -1 : index;
}

void TreeNode::SetStateIndex(int index)
{
    TVITEMA item{};
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.hItem = item_;
    item.stateMask = TVIS_STATEIMAGEMASK;
    item.state = StateMaskFor(index);
    SendMessageA(tree_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TreeNode::Bold() const
{
    return (SendMessageA(tree_->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_BOLD) &
            TVIS_BOLD) != 0;
}

void TreeNode::SetBold(bool bold)
{
    if (!item_ || Bold() == bold)
        return; // changing an item makes the control redraw it
    TVITEMA item{};
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.hItem = item_;
    item.stateMask = TVIS_BOLD;
    item.state = bold ? TVIS_BOLD : 0;
    SendMessageA(tree_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TreeNode::Expanded() const
{
    return (SendMessageA(tree_->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
}

void TreeNode::Expand()
{
    SendMessageA(tree_->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
}

void TreeNode::Collapse()
{
    // TVM_EXPAND sends no TVN_ITEMEXPANDING, so the collapsing event is asked here, as it is
    // for the user's gestures.
    if (!Expanded())
        return;
    bool allow = true;
    if (tree_->OnCollapsing)
        tree_->OnCollapsing(*this, allow);
    if (allow)
        SendMessageA(tree_->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
}

// --- TreeView ------------------------------------------------------------------------------

TreeView::TreeView(std::string name) : WinControl(std::move(name), "TTreeView")
{
    color_ = GetSysColor(COLOR_WINDOW);
}

TreeView::~TreeView() = default;

HWND TreeView::CreateWindowHandle(HWND parent)
{
    const Bounds& b = bounds_;
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_SHOWSELALWAYS |
                               TVS_DISABLEDRAGDROP,
                           b.Left, b.Top, b.Width, b.Height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TreeNode TreeView::AddSorted(const TreeNode& parent, const std::string& text, int stateIndex, bool bold,
                             LPARAM data)
{
    return Insert(parent, TVI_SORT, text, stateIndex, bold, data);
}

TreeNode TreeView::AddLast(const TreeNode& parent, const std::string& text, int stateIndex, bool bold, LPARAM data)
{
    return Insert(parent, TVI_LAST, text, stateIndex, bold, data);
}

TreeNode TreeView::Insert(const TreeNode& parent, HTREEITEM after, const std::string& text, int stateIndex, bool bold,
                          LPARAM data)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent ? parent.Item() : TVI_ROOT;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    insert.item.lParam = data;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.stateMask = TVIS_STATEIMAGEMASK | TVIS_BOLD;
    insert.item.state = StateMaskFor(stateIndex) | (bold ? TVIS_BOLD : 0);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    return TreeNode(this, item);
}

TreeNode TreeView::FirstRoot() const
{
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    return TreeNode(const_cast<TreeView*>(this), item);
}

std::vector<TreeNode> TreeView::AllNodes() const
{
    std::vector<TreeNode> nodes;
    // Depth-first, parents before children: the flat order of the nodes.
    std::vector<TreeNode> pending;
    for (TreeNode root = FirstRoot(); root; root = root.NextSibling())
        pending.push_back(root);
    std::vector<TreeNode> stack(pending.rbegin(), pending.rend());
    while (!stack.empty()) {
        TreeNode node = stack.back();
        stack.pop_back();
        nodes.push_back(node);
        std::vector<TreeNode> children;
        for (TreeNode child = node.FirstChild(); child; child = child.NextSibling())
            children.push_back(child);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return nodes;
}

TreeNode TreeView::Selected() const
{
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(hwnd_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    return TreeNode(const_cast<TreeView*>(this), item);
}

void TreeView::Select(const TreeNode& node)
{
    SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node.Item()));
}

void TreeView::FullExpand()
{
    for (TreeNode& node : AllNodes())
        if (node.HasChildren())
            node.Expand();
}

void TreeView::FullCollapse()
{
    auto nodes = AllNodes();
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
        if (it->HasChildren())
            it->Collapse();
}

TreeView::UpdateScope::UpdateScope(TreeView& tree) : tree_(tree)
{
    SendMessageA(tree_.hwnd_, WM_SETREDRAW, FALSE, 0);
}

TreeView::UpdateScope::~UpdateScope()
{
    SendMessageA(tree_.hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateShown(tree_.hwnd_);
}

void TreeView::SetStateImages(HIMAGELIST images)
{
    // The control lets go of the old list before it is destroyed.
    SendMessageA(hwnd_, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(images));
    stateImages_.Reset(images);
}

bool TreeView::StyleBit(DWORD bit) const
{
    return (GetWindowLongA(hwnd_, GWL_STYLE) & bit) != 0;
}

void TreeView::SetStyleBit(DWORD bit, bool on)
{
    LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    style = on ? (style | static_cast<LONG>(bit)) : (style & ~static_cast<LONG>(bit));
    SetWindowLongA(hwnd_, GWL_STYLE, style);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TreeView::SetShowRoot(bool show)
{
    SetStyleBit(TVS_LINESATROOT | TVS_HASBUTTONS, show);
}

void TreeView::SetShowLines(bool show)
{
    SetStyleBit(TVS_HASLINES, show);
}

TreeView::Hit TreeView::HitTest(POINT point) const
{
    TVHITTESTINFO info{};
    info.pt = point;
    SendMessageA(hwnd_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return Hit{info.flags, TreeNode(const_cast<TreeView*>(this), info.hItem)};
}

bool TreeView::OnNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW: {
        auto* info = reinterpret_cast<NMTREEVIEWA*>(header);
        if (info->action & TVE_COLLAPSE) {
            bool allow = true;
            if (OnCollapsing)
                OnCollapsing(TreeNode(this, info->itemNew.hItem), allow);
            refusedCollapse_ = allow ? nullptr : info->itemNew.hItem;
            result = allow ? FALSE : TRUE;
            return true;
        }
        return false;
    }
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
        // Some tree controls (Wine's) collapse after the expanding notification whatever its
        // answer; a refused collapse is undone here so the refusal holds everywhere.
        auto* info = reinterpret_cast<NMTREEVIEWA*>(header);
        if ((info->action & TVE_COLLAPSE) && info->itemNew.hItem == refusedCollapse_)
            SendMessageA(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(refusedCollapse_));
        refusedCollapse_ = nullptr;
        result = 0;
        return true;
    }
    case TVN_KEYDOWN: {
        auto* info = reinterpret_cast<NMTVKEYDOWN*>(header);
        if (OnKeyDown)
            OnKeyDown(info->wVKey);
        result = 0; // the key goes on to the control as usual
        return true;
    }
    case NM_CLICK:
        if (OnClick)
            OnClick();
        result = 0;
        return true;
    default:
        return false;
    }
}

bool TreeView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CONTEXTMENU && OnContextPopup) {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (point.x == -1 && point.y == -1) {
            RECT area;
            GetWindowRect(hwnd_, &area);
            point = POINT{area.left + 8, area.top + 8};
        }
        OnContextPopup(point);
        result = 0;
        return true;
    }
    return WinControl::HandleMessage(message, wParam, lParam, result);
}

} // namespace aw::ui
