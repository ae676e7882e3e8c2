#include "catalogue/trace_tree.h"

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

void BuildTraceTree(ui::TreeView& tree)
{
    tree.SetStateImages(CreateCheckBoxImages());
    ui::TreeView::UpdateScope update(tree);
    for (const CatalogueGroup& group : TraceCatalogue()) {
        // Groups are bold from the start, as the creation handler would make them anyway.
        ui::TreeNode groupNode = tree.AddSorted(ui::TreeNode(), std::string(group.Text), -1, true);
        for (std::string_view category : group.Categories)
            tree.AddSorted(groupNode, std::string(category), StateNotSelected);
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

bool AnyTraceSelected(ui::TreeView& tree)
{
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling())
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            if (child.StateIndex() == StateSelected)
                return true;
    return false;
}

std::vector<TraceCategoryRef> SelectedTraces(ui::TreeView& tree)
{
    std::vector<TraceCategoryRef> selected;
    for (ui::TreeNode group = tree.FirstRoot(); group; group = group.NextSibling()) {
        std::string groupText = group.Text();
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            if (child.StateIndex() == StateSelected)
                selected.push_back(TraceCategoryRef{groupText, child.Text()});
    }
    return selected;
}

ui::TreeNode FindTraceNode(ui::TreeView& tree, const std::string& group, const std::string& category)
{
    for (ui::TreeNode groupNode = tree.FirstRoot(); groupNode; groupNode = groupNode.NextSibling()) {
        if (groupNode.Text() != group)
            continue;
        for (ui::TreeNode child = groupNode.FirstChild(); child; child = child.NextSibling())
            if (child.Text() == category)
                return child;
    }
    return ui::TreeNode();
}

} // namespace aw
