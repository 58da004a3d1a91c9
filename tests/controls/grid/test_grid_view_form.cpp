// The grid view following the size of the form it sits in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "UGridView.h"

namespace {

TEST(GridViewForm, TheViewGrowsAndShrinksWithItsFormWhenAsked) {
  QWidget form;
  form.resize(400, 300);
  auto* view = new TGridView(std::make_unique<TQrvStringGrid>(), &form);
  view->setGeometry(10, 10, 200, 150);
  form.show();
  QApplication::processEvents();
  struct Step {
    const char* name;
    bool follow;
    QSize form, view;
  };
  const Step steps[] = {
      {"not asked", false, {450, 320}, {200, 150}},
      {"grows", true, {500, 350}, {250, 180}},
      {"shrinks", true, {420, 330}, {170, 160}},
      // A change that would leave the view without width keeps its size.
      {"too small", true, {200, 100}, {170, 160}},
      // The change is counted from the form's last size, not from the one the view last followed.
      {"from the last size", true, {230, 130}, {170 + 30, 160 + 30}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    view->AdvancedGrid()->SizeWithForm = s.follow;
    form.resize(s.form);
    QApplication::processEvents();
    ASSERT_EQ(form.size(), s.form);
    EXPECT_EQ(view->size(), s.view);
  }
  // The grid's own size follows its window.
  EXPECT_EQ(view->AdvancedGrid()->Width(), view->viewport()->width());
}

}  // namespace
