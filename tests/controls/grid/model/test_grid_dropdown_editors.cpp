// The grid's side of its drop-down editors: the popup bar settings of the control look, and the styles and tones
// the grid's looks hand to each drop-down editor that exists.
#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <vector>

#include "UGridError.h"
#include "UQrvStringGrid.h"

namespace {

// Stands in for a drop-down editor control: records what the grid gives it.
class TFakeDropDown : public QObject, public IVyxStyle, public IVyxTones {
 public:
  void SetComponentStyle(TVyxStyle style) override { Styles.push_back(style); }
  void SetColorTones(const TColorTones& tones) override { Tones.push_back(tones); }
  std::vector<TVyxStyle> Styles;
  std::vector<TColorTones> Tones;
};

class TDesignGrid : public TQrvStringGrid {
 public:
  bool IsDesigning() const override { return true; }
};

constexpr TEditorType DropDownKinds[] = {edTrackbarDropDown,    edMemoDropDown,        edCalculatorDropDown,
                                         edTimePickerDropDown,  edDetailDropDown,      edGridDropDown,
                                         edColorPickerDropDown, edImagePickerDropDown, edQrvGridDropDown};

// One fake per drop-down kind, registered with the grid.
struct TAllDropDowns {
  explicit TAllDropDowns(TQrvStringGrid& grid) {
    for (TEditorType kind : DropDownKinds) {
      Editors.push_back(std::make_unique<TFakeDropDown>());
      grid.DropDownEditors.SetEditor(kind, Editors.back().get());
    }
  }
  std::vector<std::unique_ptr<TFakeDropDown>> Editors;
};

bool SameTones(const TColorTones& a, const TColorTones& b) {
  const auto same = [](const TColorTone& x, const TColorTone& y) {
    return x.BrushColor == y.BrushColor && x.BorderColor == y.BorderColor && x.TextColor == y.TextColor;
  };
  return same(a.Background, b.Background) && same(a.Foreground, b.Foreground) && same(a.Selected, b.Selected) &&
         same(a.Hover, b.Hover) && same(a.Disabled, b.Disabled);
}

}  // namespace

TEST(GridDropDownLook, ControlLookOwnsThePopupBarsAndCopiesThem) {
  TQrvStringGrid g;
  EXPECT_EQ(g.ControlLook.DropDownHeader.Height(), 22);
  EXPECT_EQ(g.ControlLook.DropDownHeader.Font().Name, QStringLiteral("Tahoma"));
  EXPECT_TRUE(g.ControlLook.DropDownFooter.SizeGrip());
  EXPECT_EQ(g.ControlLook.DropDownCount, 8);

  TCellControlLook source;
  source.DropDownCount = 12;
  source.DropDownHeader.SetCaption(QStringLiteral("Choose"));
  source.DropDownHeader.SetVisible(false);
  source.DropDownHeader.Buttons().Add()->SetCaption(QStringLiteral("All"));
  source.DropDownFooter.SetSizeGrip(false);
  source.DropDownFooter.Buttons().Add()->SetModalResult(mrOk);

  TCellControlLook target;
  int lookChanges = 0, headerChanges = 0, buttonReports = 0;
  target.OnChange.Fn = [&] { ++lookChanges; };
  target.DropDownHeader.OnChange = [&] { ++headerChanges; };
  target.DropDownHeader.OnButtonsChanged = [&] { ++buttonReports; };
  target.Assign(source);
  EXPECT_EQ(target.DropDownCount, 12);
  EXPECT_EQ(target.DropDownHeader.Caption(), QStringLiteral("Choose"));
  EXPECT_FALSE(target.DropDownHeader.Visible());
  ASSERT_EQ(target.DropDownHeader.Buttons().Count(), 1);
  EXPECT_EQ(target.DropDownHeader.Buttons().GetItem(0)->Caption(), QStringLiteral("All"));
  EXPECT_FALSE(target.DropDownFooter.SizeGrip());
  ASSERT_EQ(target.DropDownFooter.Buttons().Count(), 1);
  EXPECT_EQ(target.DropDownFooter.Buttons().GetItem(0)->ModalResult(), mrOk);
  EXPECT_EQ(lookChanges, 1);
  EXPECT_EQ(headerChanges, 1);
  // The copied button reports to the target's own hook, and the source's buttons stay apart.
  target.DropDownHeader.Buttons().GetItem(0)->SetCaption(QStringLiteral("None"));
  EXPECT_EQ(buttonReports, 1);
  EXPECT_EQ(source.DropDownHeader.Buttons().GetItem(0)->Caption(), QStringLiteral("All"));
}

TEST(GridDropDownEditors, LooksAndStylesReachEveryEditorThatExists) {
  struct TCase {
    const char* What;
    std::function<void(TQrvStringGrid&)> Act;
    std::vector<TVyxStyle> Received;
  };
  const std::vector<TCase> cases{
      {"style", [](TQrvStringGrid& g) { g.SetComponentStyle(tsOffice2007Luna); }, {tsOffice2007Luna}},
      // From another look the style passes through the XP look first; the style itself comes last.
      {"style through the XP look",
       [](TQrvStringGrid& g) {
         g.SetLook(glStandard);
         g.SetComponentStyle(tsOffice2003Blue);
       },
       {tsWindowsXP, tsWindowsXP, tsOffice2003Blue}},
      {"look preset", [](TQrvStringGrid& g) { g.SetLook(glSoft); }, {tsWindowsXP}},
      {"look preset again", [](TQrvStringGrid& g) { g.SetLook(glXP); }, {}},
      {"custom look", [](TQrvStringGrid& g) { g.SetLook(glCustom); }, {}},
      // A look that is a style's own sets the grid's style, not the editors'.
      {"look with its own style", [](TQrvStringGrid& g) { g.SetLook(glVista); }, {}},
  };
  for (const TCase& k : cases) {
    TQrvStringGrid g;
    TAllDropDowns dropDowns(g);
    k.Act(g);
    for (size_t i = 0; i < dropDowns.Editors.size(); ++i) {
      // The track bar is not among the editors the grid styles.
      const std::vector<TVyxStyle> expected =
          DropDownKinds[i] == edTrackbarDropDown ? std::vector<TVyxStyle>{} : k.Received;
      EXPECT_EQ(dropDowns.Editors[i]->Styles, expected) << k.What << ", kind " << DropDownKinds[i];
    }
  }
}

TEST(GridDropDownEditors, AtDesignTimeTheEditorsKeepTheirStyle) {
  TDesignGrid g;
  TAllDropDowns dropDowns(g);
  g.SetComponentStyle(tsOffice2010Blue);
  g.SetLook(glStandard);
  for (const auto& editor : dropDowns.Editors) EXPECT_TRUE(editor->Styles.empty());
  EXPECT_EQ(g.GridStyle(), gsOffice2010Blue);
}

TEST(GridDropDownEditors, ToneEveryEditorThatExists) {
  TQrvStringGrid g;
  TAllDropDowns dropDowns(g);
  TColorTones tones;
  tones.Background = {0xF0F0F0, 0xA0A0A0, 0x202020};
  tones.Foreground = {0xD08040, 0x804020, 0xFFFFFF};
  tones.Selected = {0x40A0F0, 0x2060A0, 0x000000};
  tones.Hover = {0x112233, 0x445566, 0x778899};
  tones.Disabled = {0xAAAAAA, 0xBBBBBB, 0xCCCCCC};
  g.SetColorTones(tones);
  for (size_t i = 0; i < dropDowns.Editors.size(); ++i) {
    const auto& received = dropDowns.Editors[i]->Tones;
    ASSERT_EQ(received.size(), 1u) << DropDownKinds[i];
    EXPECT_TRUE(SameTones(received[0], tones)) << DropDownKinds[i];
  }
}

TEST(GridDropDownEditors, ADestroyedOrReplacedEditorIsNoLongerReached) {
  TQrvStringGrid g;
  auto memo = std::make_unique<TFakeDropDown>();
  TFakeDropDown calculator, oldPicker, newPicker;
  g.DropDownEditors.SetEditor(edMemoDropDown, memo.get());
  g.DropDownEditors.SetEditor(edCalculatorDropDown, &calculator);
  g.DropDownEditors.SetEditor(edColorPickerDropDown, &oldPicker);
  g.DropDownEditors.SetEditor(edColorPickerDropDown, &newPicker);
  EXPECT_EQ(g.DropDownEditors.Style(edMemoDropDown), static_cast<IVyxStyle*>(memo.get()));

  memo.reset();
  EXPECT_EQ(g.DropDownEditors.Style(edMemoDropDown), nullptr);
  EXPECT_EQ(g.DropDownEditors.Tones(edMemoDropDown), nullptr);
  EXPECT_EQ(g.DropDownEditors.Style(edTrackbarDropDown), nullptr);
  g.SetComponentStyle(tsWindows7);
  EXPECT_EQ(calculator.Styles, std::vector<TVyxStyle>{tsWindows7});
  EXPECT_EQ(newPicker.Styles, std::vector<TVyxStyle>{tsWindows7});
  g.SetColorTones(TColorTones{});
  EXPECT_EQ(calculator.Tones.size(), 1u);
  EXPECT_TRUE(oldPicker.Styles.empty());
  EXPECT_TRUE(oldPicker.Tones.empty());

  // Forgotten on request.
  g.DropDownEditors.SetEditor(edCalculatorDropDown, nullptr);
  calculator.Styles.clear();
  g.SetComponentStyle(tsTerminal);
  EXPECT_TRUE(calculator.Styles.empty());
}

TEST(GridDropDownEditors, OnlyDropDownKindsHaveASlot) {
  TQrvStringGrid g;
  TFakeDropDown editor;
  for (TEditorType kind : {edNormal, edValidChars, edPositiveFloat}) {
    EXPECT_THROW(g.DropDownEditors.SetEditor(kind, &editor), EQrvGridError) << kind;
    EXPECT_THROW(g.DropDownEditors.Style(kind), EQrvGridError) << kind;
  }
}
