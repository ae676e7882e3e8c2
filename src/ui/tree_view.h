#pragma once
// A tree view with a state image list, siblings kept sorted by their text, bold items, and a
// collapsing event that can refuse. Nodes are handles into the native control.
#include "platform/gdi.h"
#include "ui/control.h"

#include <commctrl.h>

namespace aw::ui {

class TreeView;

class TreeNode {
public:
    TreeNode() = default;
    TreeNode(TreeView* tree, HTREEITEM item) : tree_(tree), item_(item) {}

    explicit operator bool() const { return item_ != nullptr; }
    bool operator==(const TreeNode& other) const { return item_ == other.item_; }
    HTREEITEM Item() const { return item_; }

    std::string Text() const;
    int Level() const;
    bool HasChildren() const;
    int Count() const;
    TreeNode Child(int index) const;
    TreeNode FirstChild() const;
    TreeNode NextSibling() const;
    TreeNode Parent() const;
    // The value the node was added with.
    LPARAM Data() const;
    // -1 when the node shows no state image.
    int StateIndex() const;
    void SetStateIndex(int index);
    bool Bold() const;
    void SetBold(bool bold);
    bool Expanded() const;
    void Expand();
    void Collapse();

private:
    TreeView* tree_ = nullptr;
    HTREEITEM item_ = nullptr;
};

class TreeView : public WinControl {
public:
    explicit TreeView(std::string name);
    ~TreeView() override;

    // Adds a node among `parent`'s children (top level for an empty node), at its place in
    // the sorted order, with the given state index (-1: no state image), bold if asked, and
    // carrying `data` for the program.
    TreeNode AddSorted(const TreeNode& parent, const std::string& text, int stateIndex, bool bold = false,
                       LPARAM data = 0);
    // The same, after `parent`'s last child whatever its text.
    TreeNode AddLast(const TreeNode& parent, const std::string& text, int stateIndex, bool bold = false,
                     LPARAM data = 0);

    TreeNode FirstRoot() const;
    // Every node in display order of the flat node list (parents before their children).
    std::vector<TreeNode> AllNodes() const;
    TreeNode Selected() const;
    void Select(const TreeNode& node);
    void FullExpand();
    void FullCollapse();

    // Replaces the state images; index 0 is never shown (state index 0 means none).
    void SetStateImages(HIMAGELIST images);
    // Many changes in a row: the control redraws once, when the scope ends.
    class UpdateScope {
    public:
        explicit UpdateScope(TreeView& tree);
        ~UpdateScope();
        UpdateScope(const UpdateScope&) = delete;
        UpdateScope& operator=(const UpdateScope&) = delete;

    private:
        TreeView& tree_;
    };
    void SetShowRoot(bool show);
    void SetShowLines(bool show);
    bool StyleBit(DWORD bit) const;

    // Hit test at a point in client coordinates: the TVHT_* flags and the item hit.
    struct Hit {
        UINT Flags = 0;
        TreeNode Node;
    };
    Hit HitTest(POINT point) const;

    std::function<void(const TreeNode&, bool& allowCollapse)> OnCollapsing;
    std::function<void(WORD key)> OnKeyDown;
    std::function<void(POINT screen)> OnContextPopup;

protected:
    HWND CreateWindowHandle(HWND parent) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetStyleBit(DWORD bit, bool on);
    TreeNode Insert(const TreeNode& parent, HTREEITEM after, const std::string& text, int stateIndex, bool bold,
                    LPARAM data);
    UniqueImageList stateImages_;
    HTREEITEM refusedCollapse_ = nullptr;
    friend class TreeNode;
};

} // namespace aw::ui
