#include "catalogue/trace_tree_window.h"

#include "catalogue/trace_catalogue.h"
#include "ui/application.h"

#include <gtest/gtest.h>

namespace aw::test {

TraceTreeWindow::TraceTreeWindow() : form_("TestForm1", "TTestForm1", 260, 380)
{
    ui::Application::Instance().Initialize();
    form_.CreateForm();
    tree_ = &form_.Add<ui::TreeView>(ui::Bounds{8, 8, 220, 356}, "TreeView1");
    BuildTraceTree(*tree_);
    tree_->OnCollapsing = [this](const ui::TreeNode&, bool& allow) { allow = CollapseEnabled; };
    tree_->FullExpand();
}

ui::TreeNode TraceTreeWindow::Group(const std::string& group)
{
    for (ui::TreeNode node = tree_->FirstRoot(); node; node = node.NextSibling())
        if (node.Text() == group)
            return node;
    ADD_FAILURE() << "no group " << group;
    return ui::TreeNode();
}

ui::TreeNode TraceTreeWindow::Node(const std::string& group, const std::string& category)
{
    ui::TreeNode node = FindTraceNode(*tree_, group, category);
    if (!node)
        ADD_FAILURE() << "no category " << group << " > " << category;
    return node;
}

int TraceTreeWindow::State(const std::string& group, const std::string& category)
{
    ui::TreeNode node = Node(group, category);
    return node ? node.StateIndex() : 0;
}

void TraceTreeWindow::SetState(const std::string& group, const std::string& category, int state)
{
    if (ui::TreeNode node = Node(group, category))
        node.SetStateIndex(state);
}

void TraceTreeWindow::SetGroup(const std::string& group, int state)
{
    for (ui::TreeNode child = Group(group).FirstChild(); child; child = child.NextSibling())
        child.SetStateIndex(state);
}

void TraceTreeWindow::SetAll(int state)
{
    for (ui::TreeNode group = tree_->FirstRoot(); group; group = group.NextSibling())
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            child.SetStateIndex(state);
}

bool TraceTreeWindow::Expanded(const std::string& group)
{
    ui::TreeNode node = Group(group);
    return node && node.Expanded();
}

std::vector<int> TraceTreeWindow::States()
{
    std::vector<int> states;
    for (ui::TreeNode group = tree_->FirstRoot(); group; group = group.NextSibling())
        for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling())
            states.push_back(child.StateIndex());
    return states;
}

std::vector<int> TraceTreeWindow::GroupStates(const std::string& group)
{
    std::vector<int> states;
    for (ui::TreeNode child = Group(group).FirstChild(); child; child = child.NextSibling())
        states.push_back(child.StateIndex());
    return states;
}

std::vector<std::string> BrowserGroups()
{
    std::vector<std::string> groups;
    for (const CatalogueGroup& group : TraceCatalogue())
        if (group.Text != "Advanced" && group.Text != "Extra Traces" && group.Text != "Windows")
            groups.emplace_back(group.Text);
    return groups;
}

} // namespace aw::test
