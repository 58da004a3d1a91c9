// The button's properties, presets, mouse, keys, hot tracking, fade-out and popup menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QMenu>
#include <QTest>

#include "LbButton.h"
#include "USysColors.h"

namespace {

// A shown window holding buttons, so that "parent showing" holds.
class ButtonTest : public ::testing::Test {
 protected:
  ButtonTest() {
    Host.resize(300, 200);
    Host.show();
  }
  TLbButton* Add_Button() {
    auto* b = new TLbButton(&Host);
    b->move(10, 10);
    b->show();
    b->OnClick = [this] { ++Clicks; };
    return b;
  }
  static void Enter(TLbButton* b) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b, &event);
  }
  static void Leave(TLbButton* b) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(b, &event);
  }
  QWidget Host;
  int Clicks = 0;
};

TBitmap Strip(int width, int height) {
  TBitmap b(width, height);
  b.Canvas().Brush().Color = clOlive;
  b.Canvas().FillRect(Rect(0, 0, width, height));
  return b;
}

}  // namespace

TEST_F(ButtonTest, NewButtonDefaults) {
  TLbButton* b = Add_Button();
  EXPECT_EQ(b->size(), QSize(100, 23));
  EXPECT_EQ(b->Alignment(), taCenter);
  EXPECT_FALSE(b->Cancel());
  EXPECT_TRUE(b->Caption().isEmpty());
  EXPECT_EQ(b->Color(), clBtnFace);
  EXPECT_EQ(b->ColorStyle(), lcsCustom);
  EXPECT_EQ(b->ColorWhenDown(), clNone);
  EXPECT_FALSE(b->Default());
  EXPECT_FALSE(b->Flat());
  EXPECT_TRUE(b->Glyph().Empty());
  EXPECT_EQ(b->HotTrackColor(), clNone);
  EXPECT_EQ(b->Kind(), bkCustom);
  EXPECT_EQ(b->Layout(), blGlyphLeft);
  EXPECT_EQ(b->LightColor(), clWhite);
  EXPECT_EQ(b->ModalResult(), mrNone);
  EXPECT_EQ(b->NumGlyphs(), 0);
  EXPECT_EQ(b->ShadowColor(), clGray);
  EXPECT_FALSE(b->SlowDecease());
  EXPECT_EQ(b->Style(), bsNormal);
  EXPECT_FALSE(b->UseHotTrackFont());
  EXPECT_FALSE(b->WordWrap());
  EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus);
  // The fade pacer exists from the start, idle.
  ASSERT_NE(b->FadeThread(), nullptr);
  EXPECT_TRUE(b->FadeThread()->Suspended());
}

TEST_F(ButtonTest, ColourPresetsWriteTheirFieldsAndReadBackCustom) {
  struct Case {
    TLbColorStyle Preset;
    TColor Color, Light, Shadow, Down, Hot;
    bool Flat;
    TLbButtonStyle Style;
    TColor Font;
  };
  const Case cases[] = {
      {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, bsModern, 0x000000},
      {lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, bsModern, 0x000000},
      {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, bsModern, 0x000000},
      {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, bsModern, 0x000000},
      {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, bsNormal, 0x000000},
      {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, bsNormal, 0x000000},
      {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, bsNormal, 0x000000},
      {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, bsModern, 0x000000},
      {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, bsNormal, 0x000000},
      {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, bsQuicken, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    TLbButton* b = Add_Button();
    b->SetColorStyle(c.Preset);
    EXPECT_EQ(b->ColorStyle(), lcsCustom);
    EXPECT_EQ(b->Color(), c.Color) << c.Preset;
    EXPECT_EQ(b->LightColor(), c.Light) << c.Preset;
    EXPECT_EQ(b->ShadowColor(), c.Shadow) << c.Preset;
    EXPECT_EQ(b->ColorWhenDown(), c.Down) << c.Preset;
    EXPECT_EQ(b->HotTrackColor(), c.Hot) << c.Preset;
    EXPECT_EQ(b->Flat(), c.Flat) << c.Preset;
    EXPECT_EQ(b->Style(), c.Style) << c.Preset;
    EXPECT_EQ(b->Font().Color, c.Font) << c.Preset;
    // The preset bypasses the style setter: the window keeps its plain background.
    EXPECT_FALSE(b->TransparentWindow()) << c.Preset;
  }
}

TEST_F(ButtonTest, CustomColourPresetWritesNothing) {
  TLbButton* b = Add_Button();
  b->SetColor(0x123456);
  b->SetStyle(bsOld);
  b->SetFlat(true);
  b->SetColorStyle(lcsCustom);
  EXPECT_EQ(b->Color(), TColor(0x123456));
  EXPECT_EQ(b->Style(), bsOld);
  EXPECT_TRUE(b->Flat());
}

TEST_F(ButtonTest, StyleSetterMakesTheWindowTransparentForShapedStyles) {
  TLbButton* b = Add_Button();
  const std::pair<TLbButtonStyle, bool> cases[] = {{bsNormal, false}, {bsEncarta, false}, {bsModern, true},
                                                   {bsOld, false},    {bsShape, true},    {bsQuicken, true}};
  for (const auto& [style, transparent] : cases) {
    b->SetStyle(style);
    EXPECT_EQ(b->TransparentWindow(), transparent) << style;
  }
}

TEST_F(ButtonTest, KindPresets) {
  struct Case {
    TLbButtonKind Kind;
    TModalResult Result;
    const char16_t* Caption;
    int GlyphHeight;
  };
  const Case cases[] = {
      {bkOK, mrOk, u"OK", 18},
      {bkCancel, mrCancel, u"Abbrechen", 18},
      {bkHelp, mrNone, u"Hilfe", 18},
      {bkYes, mrYes, u"Ja", 18},
      {bkNo, mrNo, u"Nein", 18},
      {bkClose, mrNone, u"Schließen", 18},
      {bkAbort, mrAbort, u"Abbrechen", 18},
      {bkRetry, mrRetry, u"Wiederholen", 18},
      {bkIgnore, mrIgnore, u"Ignorieren", 18},
      {bkAll, mrAll, u"Alle", 19},
  };
  for (const Case& c : cases) {
    TLbButton* b = Add_Button();
    b->SetKind(c.Kind);
    EXPECT_EQ(b->Kind(), c.Kind);
    EXPECT_EQ(b->ModalResult(), c.Result) << c.Kind;
    EXPECT_EQ(b->Caption(), QString::fromUtf16(c.Caption));
    EXPECT_EQ(b->NumGlyphs(), 2) << c.Kind;
    EXPECT_EQ(b->Glyph().Width(), 36) << c.Kind;
    EXPECT_EQ(b->Glyph().Height(), c.GlyphHeight) << c.Kind;
    // Olive background, a picture in cell 0 and its grey copy in cell 1.
    EXPECT_EQ(b->Glyph().Pixel(0, c.GlyphHeight - 1), clOlive) << c.Kind;
    int picture = 0, grey = 0;
    for (int y = 0; y < c.GlyphHeight; ++y) {
      for (int x = 0; x < 18; ++x) {
        picture += b->Glyph().Pixel(x, y) != clOlive;
        grey += b->Glyph().Pixel(18 + x, y) == clGray;
      }
    }
    EXPECT_GT(picture, 10) << c.Kind;
    EXPECT_GT(grey, 10) << c.Kind;
  }
}

TEST_F(ButtonTest, ModalResultAndGlyphResetTheKind) {
  TLbButton* b = Add_Button();
  b->SetKind(bkCancel);
  b->SetModalResult(mrOk);
  EXPECT_EQ(b->Kind(), bkCustom);
  EXPECT_EQ(b->Caption(), QStringLiteral("Abbrechen"));

  b->SetKind(bkOK);
  b->SetGlyph(Strip(72, 18));
  EXPECT_EQ(b->Kind(), bkCustom);
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->SetGlyph(TBitmap());
  EXPECT_TRUE(b->Glyph().Empty());
  EXPECT_EQ(b->NumGlyphs(), 0);

  // bkCustom only stores the kind.
  b->SetCaption(QStringLiteral("Mine"));
  b->SetModalResult(mrYes);
  b->SetKind(bkCustom);
  EXPECT_EQ(b->Caption(), QStringLiteral("Mine"));
  EXPECT_EQ(b->ModalResult(), mrYes);
}

TEST_F(ButtonTest, PressInsideReleaseOutsideClicks) {
  TLbButton* b = Add_Button();
  // The press takes the focus from another control of the active window.
  TLbButton* other = Add_Button();
  other->move(150, 10);
  Host.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Host, 2000));
  other->setFocus();
  ASSERT_TRUE(other->hasFocus());
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(b->hasFocus());
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(250, 150));
  EXPECT_EQ(Clicks, 1);
  EXPECT_FALSE(b->Down());
  // A right press does not press the button, so its release does not click.
  QTest::mousePress(b, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonTest, DisabledOrHiddenButtonDoesNotClick) {
  TLbButton* b = Add_Button();
  b->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b->Down());
  b->Click();
  EXPECT_EQ(Clicks, 0);
  EXPECT_FALSE(b->Down());
  b->SetEnabled(true);
  b->hide();
  b->Click();
  EXPECT_EQ(Clicks, 0);
  // A refused click must not leave the button looking pressed once it shows again.
  b->show();
  EXPECT_FALSE(b->Down());
}

TEST_F(ButtonTest, WritingEnabledClearsThePress) {
  TLbButton* b = Add_Button();
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(b->Down());
  b->SetEnabled(false);
  EXPECT_FALSE(b->Down());
  b->SetEnabled(true);
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Clicks, 0);
  // Writing the value the button already has ends the press as well.
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(b->Down());
  b->SetEnabled(true);
  EXPECT_FALSE(b->Down());
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonTest, HotTrackFontStartsAsTheWindowFont) {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(13);
  font.setBold(true);
  Host.setFont(font);
  auto* inner = new QWidget(&Host);
  TLbButton* b = new TLbButton(inner);
  EXPECT_EQ(b->HotTrackFont().Name, QStringLiteral("Verdana"));
  EXPECT_EQ(b->HotTrackFont().Height, -13);
  EXPECT_EQ(b->HotTrackFont().Style, TFontStyles(fsBold));
  // Without a window the default font.
  TLbButton alone;
  EXPECT_EQ(alone.HotTrackFont(), TFont());
}

TEST_F(ButtonTest, SpaceAndEnterOnTheFocusedButton) {
  TLbButton* b = Add_Button();
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}};
  for (const auto& [key, modifiers] : keys) {
    Clicks = 0;
    QTest::keyPress(b, key, modifiers);
    EXPECT_TRUE(b->Down()) << key;
    // Held keys repeat their press, never their release.
    QTest::keyPress(b, key, modifiers);
    QTest::keyRelease(b, key, modifiers);
    EXPECT_EQ(Clicks, 1) << key;
    EXPECT_FALSE(b->Down());
  }
}

TEST_F(ButtonTest, KeyReleaseWithoutItsPressDoesNotClick) {
  TLbButton* b = Add_Button();
  // The release of an Enter that went down elsewhere (say, the key that opened this window).
  QTest::keyRelease(b, Qt::Key_Return);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonTest, AcceleratorClicksTheButton) {
  TLbButton* save = Add_Button();
  save->SetCaption(QStringLiteral("&Save"));
  TLbButton* other = Add_Button();
  other->SetCaption(QStringLiteral("Save && go"));
  EXPECT_FALSE(Offer_Dialog_Char(&Host, u'x'));
  EXPECT_TRUE(Offer_Dialog_Char(&Host, u'S'));
  EXPECT_EQ(Clicks, 1);
  EXPECT_TRUE(Offer_Dialog_Char(&Host, u's'));
  EXPECT_EQ(Clicks, 2);
  EXPECT_FALSE(Offer_Dialog_Char(&Host, u'&'));
  save->hide();
  EXPECT_FALSE(Offer_Dialog_Char(&Host, u's'));
  EXPECT_EQ(Clicks, 2);
}

TEST_F(ButtonTest, HotTrackingFollowsTheMouse) {
  TLbButton* b = Add_Button();
  int entered = 0, left = 0;
  b->OnMouseEnter = [&] { ++entered; };
  b->OnMouseExit = [&] { ++left; };
  Enter(b);
  EXPECT_TRUE(b->CursorOnButton());
  EXPECT_EQ(b->HotTrackStep(), 8);
  Leave(b);
  EXPECT_FALSE(b->CursorOnButton());
  EXPECT_EQ(b->HotTrackStep(), 0);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
  b->SetEnabled(false);
  Enter(b);
  EXPECT_FALSE(b->CursorOnButton());
  Leave(b);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
}

TEST_F(ButtonTest, SlowDeceaseFadesInEightTicks) {
  TLbButton* b = Add_Button();
  b->SetSlowDecease(true);
  Enter(b);
  Leave(b);
  ASSERT_NE(b->FadeThread(), nullptr);
  EXPECT_FALSE(b->FadeThread()->Suspended());
  EXPECT_EQ(b->HotTrackStep(), 8);
  for (int i = 0; i < 3; ++i) b->FadeStep();
  EXPECT_EQ(b->HotTrackStep(), 5);
  // The mouse comes back: full colour again, and the running fade goes on counting from there.
  Enter(b);
  EXPECT_EQ(b->HotTrackStep(), 8);
  EXPECT_FALSE(b->FadeThread()->Suspended());
  for (int i = 0; i < 7; ++i) b->FadeStep();
  EXPECT_EQ(b->HotTrackStep(), 1);
  EXPECT_FALSE(b->FadeThread()->Suspended());
  b->FadeStep();
  EXPECT_EQ(b->HotTrackStep(), 0);
  EXPECT_TRUE(b->FadeThread()->Suspended());

  Enter(b);
  Leave(b);
  b->SetSlowDecease(false);
  EXPECT_EQ(b->FadeThread(), nullptr);
  EXPECT_EQ(b->HotTrackStep(), 0);
  b->SetSlowDecease(true);
  ASSERT_NE(b->FadeThread(), nullptr);
  EXPECT_TRUE(b->FadeThread()->Suspended());
}

TEST_F(ButtonTest, FadeTicksComeFromTheEventLoop) {
  TLbButton* b = Add_Button();
  b->SetSlowDecease(true);
  Enter(b);
  Leave(b);
  EXPECT_TRUE(QTest::qWaitFor([&] { return b->FadeThread()->Suspended(); }, 5000));
  EXPECT_EQ(b->HotTrackStep(), 0);
}

TEST_F(ButtonTest, PopupMenuOpensBelowAfterOnClick) {
  TLbButton* b = Add_Button();
  QMenu menu;
  menu.addAction(QStringLiteral("One"));
  b->SetPopupMenu(&menu);
  bool shownDuringClick = true;
  b->OnClick = [&] { shownDuringClick = menu.isVisible(); };
  b->Click();
  EXPECT_FALSE(shownDuringClick);
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(menu.pos(), b->mapToGlobal(QPoint(0, b->height())));
  menu.hide();
}

TEST_F(ButtonTest, ModalResultClosesTheDialogItIsOn) {
  QDialog dialog;
  auto* b = new TLbButton(&dialog);
  b->SetModalResult(mrYes);
  dialog.show();
  b->Click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), mrYes);
}

TEST_F(ButtonTest, FocusedFaceShowsTheFocusRectangle) {
  TLbButton* b = Add_Button();
  b->resize(40, 20);
  b->SetColor(clWhite);
  b->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return b->hasFocus(); }, 2000));
  TBitmap face = b->PaintFace();
  EXPECT_EQ(face.Pixel(4, 4), TColor(0x000000));  // white inverted
  EXPECT_EQ(face.Pixel(5, 4), clWhite);
  EXPECT_EQ(face.Pixel(35, 15), TColor(0x000000));
  EXPECT_EQ(face.Pixel(3, 3), clWhite);

  // The old style while focused draws a black frame around a face one pixel smaller.
  b->SetStyle(bsOld);
  face = b->PaintFace();
  EXPECT_EQ(face.Pixel(0, 0), clBlack);
  EXPECT_EQ(face.Pixel(39, 19), clBlack);
  EXPECT_EQ(face.Pixel(1, 1), clWhite);  // the light edge at (0, 0) of the inner face
  EXPECT_EQ(face.Pixel(38, 18), TColor(0x696969));

  b->SetStyle(bsShape);
  face = b->PaintFace();
  EXPECT_EQ(face.Pixel(4, 4), clFuchsia);
}

TEST_F(ButtonTest, ShapedStylesLetTheParentShowThrough) {
  QPalette palette = Host.palette();
  palette.setColor(QPalette::Window, Qt::red);
  Host.setPalette(palette);
  Host.setAutoFillBackground(true);
  TLbButton* b = Add_Button();
  b->SetColor(clBlue);
  b->SetStyle(bsModern);
  QImage shot = Host.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(10, 10)), QColor(Qt::red));
  EXPECT_EQ(QColor(shot.pixel(10 + 50, 10)), TColorToQColor(clGray));  // the shadow edge
  // Through the preset the style changes but the window stays plain: its own colour fills the corners.
  b->SetStyle(bsNormal);
  b->SetColorStyle(lcsChrome);
  shot = Host.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(10, 10)), TColorToQColor(0xC0C0C0));
}
