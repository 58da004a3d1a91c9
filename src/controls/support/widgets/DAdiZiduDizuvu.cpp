#include "DAdiZiduDizuvu.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcutEvent>

#include "DAdiZiduDizuvuActionLink.h"
#include "QrvStyleIF.h"
#include "UAccelerator.h"
#include "USysColors.h"
#include "UThemeBinding.h"

DAdiZiduDizuvu::DAdiZiduDizuvu(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, 23, 22);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  FIsComCtl6 = HasComCtl6();
}

DAdiZiduDizuvu::~DAdiZiduDizuvu() = default;

void DAdiZiduDizuvu::SetAction(QAction* action) {
  FActionLink.reset();
  FAction = action;
  if (!action) return;
  if (FCaption.isEmpty()) SetCaption(action->text());
  FActionLink = std::make_unique<DAdiZiduDizuvuActionLink>(this, action);
}

void DAdiZiduDizuvu::SetAllowAllUp(bool value) {
  if (FAllowAllUp == value) return;
  FAllowAllUp = value;
  Update_Exclusive();
}

void DAdiZiduDizuvu::SetAutoThemeAdapt(bool value) {
  FAutoThemeAdapt = value;
  if (value) AdaptToTheme();
}

void DAdiZiduDizuvu::SetGroupIndex(int32_t value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  Update_Exclusive();
}

void DAdiZiduDizuvu::SetDown(bool value) {
  if (FGroupIndex == 0 && FStyle == tasButton) value = false;
  if (FStyle == tasCheck) {
    FDown = value;
    update();
    return;
  }
  if (value == FDown) return;
  if (FDown && !value && !FAllowAllUp) return;
  FDown = value;
  if (value) {
    FState = bsExclusive;
    Update_Exclusive();
  } else {
    FState = bsUp;
  }
  update();
}

void DAdiZiduDizuvu::SetCaption(const QString& value) {
  if (FCaption == value) return;
  FCaption = value;
  FShortcutId = GrabAccelerator(this, FShortcutId, value);
  update();
}

void DAdiZiduDizuvu::SetFont(const TFont& font) {
  FFont = font;
  update();
}

void DAdiZiduDizuvu::SetGlyph(const TBitmap& glyph) {
  FGlyph = glyph;
  FGlyph.SetTransparent(true);
  if (FGlyphDisabled.Empty() && !glyph.Empty()) {
    // The automatic disabled glyph: each pixel's grey level, halved and lifted by 96.
    QImage grey = glyph.Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
      for (int x = 0; x < grey.width(); ++x) {
        const int level = (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3 / 2 + 96;
        line[x] = qRgb(level, level, level);
      }
    }
    FGlyphDisabled = TBitmap(grey);
    FGlyphDisabled.SetTransparent(true);
  }
  if (FShaded) Rebuild_Shade();
  update();
}

void DAdiZiduDizuvu::SetMargin(int32_t value) {
  if (value < -1) return;
  Store(FMargin, value);
}

void DAdiZiduDizuvu::SetShaded(bool value) {
  FShaded = value;
  if (value) Rebuild_Shade();
  update();
}

void DAdiZiduDizuvu::Rebuild_Shade() {
  if (FGlyph.Empty()) {
    FGlyphShade.Clear();
    return;
  }
  // A grey silhouette of the glyph on the glyph's own transparent colour.
  const TColor key = FGlyph.Pixel(0, FGlyph.Height() - 1);
  QImage shade = FGlyph.Image().convertToFormat(QImage::Format_RGB32);
  const QRgb keyRgb = TColorToQColor(key).rgb(), greyRgb = qRgb(0x80, 0x80, 0x80);
  for (int y = 0; y < shade.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(shade.scanLine(y));
    for (int x = 0; x < shade.width(); ++x) line[x] = (line[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF) ? keyRgb : greyRgb;
  }
  FGlyphShade = TBitmap(shade);
  FGlyphShade.SetTransparent(true);
}

void DAdiZiduDizuvu::SetLook(int32_t look) {
  struct TLookSet {
    TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
    bool Rounded;
  };
  static const TLookSet Blue = {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF,
                                0x8ED3FF, 5615103,  0x000000, 0x000000, false};
  TLookSet set;
  switch (look) {
    case 0:
      set = {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true};
      break;
    case 1:
      set = {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false};
      break;
    case 2:
      set = Blue;
      break;
    case 3:
      set = Blue;
      set.Color = 0xCFF0EA, set.ColorTo = 0x8CC0B1;
      break;
    case 4:
      set = Blue;
      set.Color = 0xECE2E1, set.ColorTo = 0xB39698;
      break;
    case 5:
      set = {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false};
      break;
    case 6:
      set = {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC,
             0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false};
      break;
    default:
      return;
  }
  FColor = set.Color, FColorTo = set.ColorTo, FColorHot = set.Hot, FColorHotTo = set.HotTo;
  FColorDown = set.Down, FColorDownTo = set.DownTo, FColorChecked = set.Checked, FColorCheckedTo = set.CheckedTo;
  FBorderDownColor = set.BorderDown, FBorderHotColor = set.BorderHot, FRounded = set.Rounded;
  FBorderColor = clNone;
  FFlat = true;
  update();
}

void DAdiZiduDizuvu::AdaptToTheme() {
  int32_t look = 1;
  if (IsWinXpOrLater() && QrvXPVS().IsThemeActive()) {
    const QString scheme = QrvXPVS().CurrentColorScheme();
    if (scheme == QLatin1String("NormalColor")) look = 2;
    if (scheme == QLatin1String("HomeStead")) look = 3;
    if (scheme == QLatin1String("Metallic")) look = 4;
  }
  SetLook(look);
}

void DAdiZiduDizuvu::Click() {
  if (OnClick) {
    OnClick(this);
  } else if (FActionLink) {
    FActionLink->Execute();
  }
}

bool DAdiZiduDizuvu::DialogChar(QChar key) {
  const QChar accelerator = AcceleratorOf(FCaption);
  if (accelerator.isNull() || key.toUpper() != accelerator) return false;
  if (!isEnabled() || !isVisible() || (parentWidget() && !parentWidget()->isVisible())) return false;
  Click();
  return true;
}

bool DAdiZiduDizuvu::Inside(const QPoint& p) const {
  return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
}

void DAdiZiduDizuvu::ButtonPressed(int32_t group, DAdiZiduDizuvu* sender) {
  if (group != FGroupIndex || sender == this) return;
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    if (FAction) FAction->setChecked(false);
    update();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

void DAdiZiduDizuvu::Update_Exclusive() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (QObject* child : parentWidget()->children()) {
    if (auto* button = dynamic_cast<DAdiZiduDizuvu*>(child)) button->ButtonPressed(FGroupIndex, this);
  }
}

void DAdiZiduDizuvu::MouseEnter() {
  if (isEnabled() && !FDragging && !QWidget::mouseGrabber()) {
    FMouseInControl = true;
    update();
  }
  if (OnMouseEnter) OnMouseEnter(this);
}

void DAdiZiduDizuvu::MouseLeave() {
  if (!FDragging) {
    FMouseInControl = false;
    update();
  }
  if (OnMouseLeave) OnMouseLeave(this);
}

void DAdiZiduDizuvu::Hover_Refresh() {
  if (!FFlat || !isEnabled()) return;
  if (QApplication::widgetAt(QCursor::pos()) == this) {
    if (!FMouseInControl) MouseEnter();
  } else if (FMouseInControl) {
    MouseLeave();
  }
}

void DAdiZiduDizuvu::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(this, event);
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  if (FDropDownButton && event->position().x() > width() - 12) {
    FState = bsUp;
    update();
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) FDropDownMenu->popup(mapToGlobal(QPoint(0, height())));
    return;
  }
  if (!FDown || FStyle == tasCheck) {
    FState = bsDown;
    update();
  }
  FDragging = true;
}

void DAdiZiduDizuvu::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(this, event);
  if (!FDragging) {
    if (!FMouseInControl) Hover_Refresh();
    return;
  }
  TButtonState state = FDown ? bsExclusive : (Inside(event->position().toPoint()) ? bsDown : bsUp);
  if (FStyle == tasCheck && FDown) state = bsDown;
  if (state != FState) {
    FState = state;
    update();
  }
}

void DAdiZiduDizuvu::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(this, event);
  if (!FDragging) return;
  FDragging = false;
  const bool click = Inside(event->position().toPoint());
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (click && FStyle == tasCheck) SetDown(!FDown);
  } else {
    if (click) SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
  }
  update();
  if (click) Click();
  Hover_Refresh();
}

void DAdiZiduDizuvu::mouseDoubleClickEvent(QMouseEvent* event) {
  if (FDown && OnDblClick) OnDblClick(this);
  QWidget::mouseDoubleClickEvent(event);
}

void DAdiZiduDizuvu::enterEvent(QEnterEvent*) {
  MouseEnter();
}

void DAdiZiduDizuvu::leaveEvent(QEvent*) {
  MouseLeave();
}

void DAdiZiduDizuvu::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::EnabledChange:
      if (!isEnabled()) {
        FMouseInControl = false;
      } else {
        Hover_Refresh();
      }
      update();
      break;
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
      if (FAutoThemeAdapt) AdaptToTheme();
      break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

bool DAdiZiduDizuvu::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() == FShortcutId) {
      DialogChar(AcceleratorOf(FCaption));
      return true;
    }
  }
  if (event->type() == ThemeChangedNoticeEventType && FAutoThemeAdapt) {
    AdaptToTheme();
    return true;
  }
  return QWidget::event(event);
}
