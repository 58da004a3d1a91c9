// The drop-down popup's header and footer settings: defaults, what is announced, and copies.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "UDropDownAppearance.h"

namespace {

// Every setting of a bar, as one comparable value.
template <class TAppearance>
auto BarSettings(const TAppearance& a) {
  return std::tuple{a.Color(),  a.ColorTo(),     a.Caption(),     a.Font(),       a.GradientDirection(), a.Visible(),
                    a.Height(), a.BorderColor(), a.BorderWidth(), a.ImageIndex(), a.ButtonAlignment()};
}

std::tuple<QString, int32_t, bool, int32_t, int32_t> ButtonSettings(const THeaderButton& b) {
  return {b.Caption(), b.ImageIndex(), b.Enabled(), b.Width(), b.Height()};
}

// Sets every setting away from its default and gives the bar two buttons.
template <class TAppearance>
void FillBar(TAppearance& a) {
  a.SetColor(0x112233);
  a.SetColorTo(clNone);
  a.SetCaption(QStringLiteral("<b>Pick</b>"));
  TFont font;
  font.Name = QStringLiteral("Verdana");
  font.Style = fsBold;
  font.Color = 0x0000FF;
  a.SetFont(font);
  a.SetGradientDirection(gdHorizontal);
  a.SetVisible(false);
  a.SetHeight(30);
  a.SetBorderColor(0x445566);
  a.SetBorderWidth(3);
  a.SetImageIndex(4);
  a.SetButtonAlignment(baLeft);
  auto* first = a.Buttons().Add();
  first->SetCaption(QStringLiteral("OK"));
  first->SetImageIndex(2);
  first->SetWidth(40);
  first->SetHeight(18);
  auto* second = a.Buttons().Add();
  second->SetCaption(QStringLiteral("Clear"));
  second->SetEnabled(false);
}

template <class TAppearance>
void ExpectSameButtons(const TAppearance& got, const TAppearance& want) {
  ASSERT_EQ(got.Buttons().Count(), want.Buttons().Count());
  for (int32_t i = 0; i < want.Buttons().Count(); ++i)
    EXPECT_EQ(ButtonSettings(*got.Buttons().GetItem(i)), ButtonSettings(*want.Buttons().GetItem(i))) << i;
}

}  // namespace

TEST(DropDownAppearance, Defaults) {
  const THeaderAppearance header;
  const TFooterAppearance footer;
  TFont tahoma;
  tahoma.Name = QStringLiteral("Tahoma");
  EXPECT_EQ(BarSettings(header), (std::tuple{TColor(0xC0C0C0), TColor(0xFFFFFF), QString(), tahoma, gdVertical, true,
                                             22, TColor(0x000000), 1, -1, baRight}));
  // The footer names no font of its own.
  EXPECT_EQ(BarSettings(footer), (std::tuple{TColor(0xC0C0C0), TColor(0xFFFFFF), QString(), TFont{}, gdVertical, true,
                                             22, TColor(0x000000), 1, -1, baRight}));
  EXPECT_TRUE(footer.SizeGrip());
  EXPECT_EQ(header.Buttons().Count(), 0);
  TFooterAppearance withButton;
  const TFooterButton& button = *withButton.Buttons().Add();
  EXPECT_EQ(ButtonSettings(button), (std::tuple{QString(), -1, true, 0, 0}));
  EXPECT_EQ(button.ModalResult(), mrNone);
}

TEST(DropDownAppearance, AssignCopiesEverySetting) {
  THeaderAppearance header;
  FillBar(header);
  THeaderAppearance headerCopy;
  headerCopy.Assign(header);
  EXPECT_EQ(BarSettings(headerCopy), BarSettings(header));
  ExpectSameButtons(headerCopy, header);

  TFooterAppearance footer;
  FillBar(footer);
  footer.SetSizeGrip(false);
  footer.Buttons().GetItem(1)->SetModalResult(mrCancel);
  TFooterAppearance footerCopy;
  footerCopy.Assign(footer);
  EXPECT_EQ(BarSettings(footerCopy), BarSettings(footer));
  EXPECT_FALSE(footerCopy.SizeGrip());
  ExpectSameButtons(footerCopy, footer);
  EXPECT_EQ(footerCopy.Buttons().GetItem(1)->ModalResult(), mrCancel);

  // A copy replaces the buttons it had; it does not add to them.
  footerCopy.Assign(footer);
  EXPECT_EQ(footerCopy.Buttons().Count(), 2);
  // The copies are the copy's own: changing the source afterwards leaves them.
  footer.Buttons().GetItem(0)->SetCaption(QStringLiteral("Later"));
  EXPECT_EQ(footerCopy.Buttons().GetItem(0)->Caption(), QStringLiteral("OK"));
}

TEST(DropDownAppearance, AssignColorsTakesOnlyColoursAndFont) {
  THeaderAppearance source;
  FillBar(source);
  THeaderAppearance target;
  target.AssignColors(source);
  EXPECT_EQ(target.Color(), 0x112233);
  EXPECT_EQ(target.ColorTo(), clNone);
  EXPECT_EQ(target.BorderColor(), 0x445566);
  EXPECT_EQ(target.Font(), source.Font());
  EXPECT_EQ(target.GradientDirection(), gdHorizontal);
  const THeaderAppearance fresh;
  EXPECT_EQ(std::tuple(target.Caption(), target.Visible(), target.Height(), target.BorderWidth(), target.ImageIndex(),
                       target.ButtonAlignment(), target.Buttons().Count()),
            std::tuple(fresh.Caption(), fresh.Visible(), fresh.Height(), fresh.BorderWidth(), fresh.ImageIndex(),
                       fresh.ButtonAlignment(), 0));
}

TEST(DropDownAppearance, OnlyAVisibilityChangeIsAnnounced) {
  TFooterAppearance footer;
  int changes = 0;
  footer.OnChange = [&] { ++changes; };
  footer.SetVisible(true);
  EXPECT_EQ(changes, 0);
  footer.SetColor(0x010203);
  footer.SetHeight(40);
  footer.SetCaption(QStringLiteral("x"));
  footer.SetSizeGrip(false);
  EXPECT_EQ(changes, 0);
  footer.SetVisible(false);
  EXPECT_EQ(changes, 1);
  // A copy sets Visible through its setter: announced when it changes, silent when it does not.
  TFooterAppearance shown;
  footer.Assign(shown);
  EXPECT_EQ(changes, 2);
  footer.Assign(shown);
  EXPECT_EQ(changes, 2);
}

TEST(DropDownAppearance, ButtonReportsReachOnButtonsChanged) {
  TFooterAppearance footer;
  int reports = 0;
  footer.OnButtonsChanged = [&] { ++reports; };
  TFooterButton* button = footer.Buttons().Add();
  footer.Buttons().Add();
  footer.Buttons().Insert(0);
  footer.Buttons().Move(0, 2);
  footer.Buttons().Delete(2);
  EXPECT_EQ(reports, 0) << "adding, moving and removing items";

  struct TCase {
    const char* What;
    std::function<void()> Change;
    int Reports;
  };
  const std::vector<TCase> cases{
      {"caption", [&] { button->SetCaption(QStringLiteral("Go")); }, 1},
      {"same caption", [&] { button->SetCaption(QStringLiteral("Go")); }, 0},
      {"enabled", [&] { button->SetEnabled(false); }, 1},
      {"width", [&] { button->SetWidth(50); }, 1},
      {"height", [&] { button->SetHeight(40); }, 0},
      {"image index", [&] { button->SetImageIndex(3); }, 0},
      {"modal result", [&] { button->SetModalResult(mrOk); }, 0},
      {"whole set copied", [&] { footer.SetButtons(TFooterAppearance().Buttons()); }, 0},
  };
  for (const TCase& k : cases) {
    reports = 0;
    k.Change();
    EXPECT_EQ(reports, k.Reports) << k.What;
  }
}

TEST(DropDownAppearance, ACopyKeepsItsOwnHooks) {
  // A copy announces to its own subscribers only, also for buttons it copied (the item reports go to the collection
  // they are in now).
  THeaderAppearance source;
  FillBar(source);
  int sourceChanges = 0, sourceReports = 0;
  source.OnChange = [&] { ++sourceChanges; };
  source.OnButtonsChanged = [&] { ++sourceReports; };
  THeaderAppearance copy(source);
  int copyReports = 0;
  copy.OnButtonsChanged = [&] { ++copyReports; };
  EXPECT_EQ(BarSettings(copy), BarSettings(source));
  ExpectSameButtons(copy, source);
  copy.Buttons().GetItem(0)->SetCaption(QStringLiteral("Changed"));
  copy.SetVisible(true);
  EXPECT_EQ(copyReports, 1);
  EXPECT_EQ(sourceReports, 0);
  EXPECT_EQ(sourceChanges, 0);
  EXPECT_EQ(source.Buttons().GetItem(0)->Caption(), QStringLiteral("OK"));
}

TEST(DropDownAppearance, ItemAccessOutsideTheListRaises) {
  THeaderAppearance header;
  header.Buttons().Add();
  EXPECT_THROW(header.Buttons().GetItem(1), EListError);
  EXPECT_THROW(header.Buttons().GetItem(-1), EListError);
  THeaderButton replacement(nullptr);
  replacement.SetCaption(QStringLiteral("New"));
  EXPECT_THROW(header.Buttons().SetItem(1, replacement), EListError);
  header.Buttons().SetItem(0, replacement);
  EXPECT_EQ(header.Buttons().GetItem(0)->Caption(), QStringLiteral("New"));
}
