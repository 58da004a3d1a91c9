// The panel group: stacking by top, the moved panel first among equals, collapsing and hiding.
#include <gtest/gtest.h>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"

namespace {
std::vector<int32_t> Tops(const TCategoryPanelGroup& g) {
  std::vector<int32_t> out;
  for (const TCategoryPanel* p : g.Visible_Panels()) out.push_back(p->y());
  return out;
}
}  // namespace

TEST(CategoryPanelGroup, StacksVisiblePanelsByTheirTops) {
  TCategoryPanelGroup group;
  group.resize(300, 400);
  auto* a = new TCategoryPanel(&group);
  auto* b = new TCategoryPanel(&group);
  auto* c = new TCategoryPanel(&group);
  a->SetPanel_Height(100);
  b->SetPanel_Height(50);
  c->SetPanel_Height(70);
  EXPECT_EQ(group.Visible_Panels(), (std::vector<TCategoryPanel*>{a, b, c}));
  EXPECT_EQ(Tops(group), (std::vector<int32_t>{0, 100, 150}));
  EXPECT_EQ(a->width(), group.viewport()->width());

  // Moving c to the top puts it before a, which stood there.
  c->SetTop(0);
  EXPECT_EQ(group.Visible_Panels(), (std::vector<TCategoryPanel*>{c, a, b}));
  EXPECT_EQ(Tops(group), (std::vector<int32_t>{0, 70, 170}));

  a->Collapse();
  EXPECT_EQ(a->height(), 24);
  EXPECT_EQ(a->Panel_Height(), 100);
  EXPECT_EQ(Tops(group), (std::vector<int32_t>{0, 70, 94}));
  a->Expand();
  a->setVisible(false);
  EXPECT_EQ(group.Visible_Panels(), (std::vector<TCategoryPanel*>{c, b}));
  EXPECT_EQ(Tops(group), (std::vector<int32_t>{0, 70}));
  EXPECT_EQ(group.widget()->height(), 120);
}

TEST(CategoryPanelGroup, ExpandAndCollapseEventsFire) {
  TCategoryPanelGroup group;
  auto* p = new TCategoryPanel(&group);
  int expanded = 0;
  int collapsed = 0;
  p->OnExpand = [&] { ++expanded; };
  p->OnCollapse = [&] { ++collapsed; };
  p->Collapse();
  p->Collapse();
  p->Expand();
  EXPECT_EQ(collapsed, 1);
  EXPECT_EQ(expanded, 1);
  EXPECT_TRUE(p->Client()->isVisibleTo(p));
}
