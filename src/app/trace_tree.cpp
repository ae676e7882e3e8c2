#include "app/trace_tree.h"

#include "catalogue/trace_catalogue.h"
#include "platform/gdi.h"

namespace aw {

namespace {

constexpr int kImageSize = 16;

void DrawBox(HDC dc, int left, bool ticked)
{
    RECT outer{left + 1, 1, left + 14, 14};
    UniqueBrush border(CreateSolidBrush(RGB(28, 81, 128)));
    FillRect(dc, &outer, border.Get());
    RECT inner{left + 2, 2, left + 13, 13};
    UniqueBrush face(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc, &inner, face.Get());
    if (!ticked)
        return;
    UniquePen pen(CreatePen(PS_SOLID, 2, RGB(24, 120, 60)));
    SelectedObject selected(dc, pen.Get());
    POINT tick[] = {{left + 4, 7}, {left + 6, 10}, {left + 11, 4}};
    Polyline(dc, tick, 3);
}

} // namespace

HIMAGELIST CreateCheckBoxImages()
{
    HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 3, 0);
    // Drawn in a 24-bit bitmap of the program's own memory: no screen DC to borrow, which the
    // window server would have to hand out.
    MemoryDC dc;
    BITMAPINFO info = DibInfo(kImageSize * 3, kImageSize, 24);
    void* bits = nullptr;
    UniqueBitmap strip(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        SelectedObject selected(dc.Get(), strip.Get());
        RECT all{0, 0, kImageSize * 3, kImageSize};
        UniqueBrush key(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(dc.Get(), &all, key.Get());
        // Image 0 stays blank: state index 0 means "no state image".
        DrawBox(dc.Get(), kImageSize, false);
        DrawBox(dc.Get(), kImageSize * 2, true);
    }
    ImageList_AddMasked(images, strip.Get(), RGB(255, 0, 255));
    return images;
}

namespace {

// A node's data: 0 for a group, the category's identity + 1 for a category, and from
// kAppNodeData on the application rules' nodes: kAppNodeData itself for their groups, and
// kAppNodeData + 1 + the entry's index for their entries.
LPARAM NodeDataOf(CategoryId id)
{
    return static_cast<LPARAM>(IndexOf(id) + 1);
}

constexpr LPARAM kAppNodeData = 0x100000;

} // namespace

void BuildTraceTree(ui::TreeView& tree)
{
    tree.SetStateImages(CreateCheckBoxImages());
    ui::TreeView::UpdateScope update(tree);
    for (const CatalogueGroup& group : TraceCatalogue()) {
        // Groups are bold from the start, as the creation handler would make them anyway.
        ui::TreeNode groupNode = tree.AddSorted(ui::TreeNode(), std::string(group.Text), -1, true);
        for (std::string_view category : group.Categories) {
            const std::optional<CategoryId> id = FindCategory(group.Text, category);
            tree.AddSorted(groupNode, std::string(category), StateNotSelected, false, id ? NodeDataOf(*id) : 0);
        }
    }
}

void SetNodeBold(const ui::TreeNode& node, bool bold)
{
    if (node)
        const_cast<ui::TreeNode&>(node).SetBold(bold);
}

void BoldGroupNodes(ui::TreeView& tree)
{
    for (const ui::TreeNode& node : tree.AllNodes())
        if (node.HasChildren())
            SetNodeBold(node, true);
}

std::optional<CategoryId> CategoryOfNode(const ui::TreeNode& node)
{
    if (!node)
        return std::nullopt;
    const LPARAM data = node.Data();
    if (data <= 0 || static_cast<std::size_t>(data) > TraceCategories().size())
        return std::nullopt;
    return static_cast<CategoryId>(data - 1);
}

void AddAppEntryNodes(ui::TreeView& tree, const AppCatalogue& apps)
{
    ui::TreeView::UpdateScope update(tree);
    for (const std::string& group : apps.Groups()) {
        ui::TreeNode groupNode = tree.AddLast(ui::TreeNode(), group, -1, true, kAppNodeData);
        for (std::size_t index = 0; index < apps.size(); ++index)
            if (apps.GroupOf(index) == group)
                tree.AddSorted(groupNode, apps.Entry(index).Name, StateNotSelected, false,
                               kAppNodeData + 1 + static_cast<LPARAM>(index));
    }
}

std::optional<std::size_t> AppEntryOfNode(const ui::TreeNode& node)
{
    if (!node || node.Data() <= kAppNodeData)
        return std::nullopt;
    return static_cast<std::size_t>(node.Data() - kAppNodeData - 1);
}

bool IsAppGroupNode(const ui::TreeNode& node)
{
    return node && node.Data() == kAppNodeData;
}

void ShowAppTicks(ui::TreeView& tree, const AppCatalogue& apps)
{
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        if (!IsAppGroupNode(group))
            continue;
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            if (const std::optional<std::size_t> index = AppEntryOfNode(child); index && *index < apps.size()) {
                const int state = apps.Ticked(*index) ? StateSelected : StateNotSelected;
                if (child.StateIndex() != state)
                    child.SetStateIndex(state);
            }
    }
}

void ShowSelection(ui::TreeView& tree, const TraceSelection& selection)
{
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        if (IsAppGroupNode(group))
            continue;
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            if (const std::optional<CategoryId> id = CategoryOfNode(child)) {
                const int state = selection.Contains(*id) ? StateSelected : StateNotSelected;
                if (child.StateIndex() != state)
                    child.SetStateIndex(state);
            }
    }
}

ui::TreeNode FindGroupNode(ui::TreeView& tree, std::string_view group)
{
    for (ui::TreeNode node = tree.FirstRoot(); node; node = node.NextSibling())
        if (node.Text() == group)
            return node;
    return ui::TreeNode();
}

ui::TreeNode FindTraceNode(ui::TreeView& tree, const std::string& group, const std::string& category)
{
    const std::optional<CategoryId> id = FindCategory(group, category);
    if (!id)
        return ui::TreeNode();
    const ui::TreeNode groupNode = FindGroupNode(tree, group);
    if (!groupNode)
        return ui::TreeNode();
    for (ui::TreeNode child = groupNode.FirstChild(); child; child = child.NextSibling())
        if (CategoryOfNode(child) == id)
            return child;
    return ui::TreeNode();
}

} // namespace aw
