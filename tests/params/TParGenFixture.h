#pragma once
// A parameter window over a temporary configuration folder, with the built-in English texts and recorded dialogs.
#include <gtest/gtest.h>

#include <memory>

#include "TDialogRecorder.h"
#include "TTempFolder.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UParGen.h"

class TParGenFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SW_Code = Model_SW_Code;
    Load_Default_Strings();
    Path_Project = Folder.Path();
    Build_Topic_Paths();
    Window = std::make_unique<TFParGen>();
    Window->Ensure_Built();
  }

  void TearDown() override {
    Window.reset();
    Path_Project.clear();
    Build_Topic_Paths();
  }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
  std::unique_ptr<TFParGen> Window;
};
