// The grid module's window operations.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>

#include "UGridWindowTools.h"

TEST(GridWindowTools, FindParentFormStopsAtTheNearestWindow) {
  QMainWindow main;
  auto* central = new QWidget(&main);
  main.setCentralWidget(central);
  auto* edit = new QLineEdit(central);
  auto* dialog = new QDialog(central);
  auto* inDialog = new QLineEdit(dialog);
  const std::pair<QWidget*, QWidget*> cases[] = {{edit, &main},      {central, &main}, {&main, &main},
                                                 {inDialog, dialog}, {dialog, dialog}, {nullptr, nullptr}};
  for (const auto& [control, form] : cases) EXPECT_EQ(FindParentForm(control), form);
}

TEST(GridWindowTools, ATransparentWindowLetsTheMousePass) {
  QWidget window;
  EXPECT_FALSE(window.testAttribute(Qt::WA_TransparentForMouseEvents));
  SetWindowTransparent(&window);
  EXPECT_TRUE(window.testAttribute(Qt::WA_TransparentForMouseEvents));
  SetWindowTransparent(nullptr);
}
