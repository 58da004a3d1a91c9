#include "UQStyleThemeModule.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <cstring>
#include <map>
#include <string>

#include "QrvStyleIF.h"
#include "UCanvas.h"
#include "ULayeredWindows.h"
#include "USysColors.h"
#include "UThemeBinding.h"

namespace {

enum class TThemeClass { Button, ComboBox, Spin, Header, Progress };

// What an opened theme handle points at.
struct TThemeData {
  TThemeClass Class;
  QWidget* Window;
};

QWidget* Window_Of(TWindowHandle window) {
  return window ? qobject_cast<QWidget*>(static_cast<QObject*>(window)) : nullptr;
}

QStyle* Style() {
  return QApplication::style();
}

QRect To_QRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Theme states 1 normal, 2 hot, 3 pressed, 4 disabled (check boxes repeat them for ticked and grey).
QStyle::State State_Of(int32_t state) {
  const int32_t s = state <= 0 ? 1 : (state - 1) % 4 + 1;
  QStyle::State flags = QStyle::State_Raised;
  if (s != 4) flags |= QStyle::State_Enabled;
  if (s == 2) flags |= QStyle::State_MouseOver;
  if (s == 3) flags |= QStyle::State_Sunken;
  return flags;
}

bool Part_Defined(TThemeClass c, int32_t part) {
  switch (c) {
    case TThemeClass::Button:
      return part >= 1 && part <= 4;
    case TThemeClass::ComboBox:
    case TThemeClass::Header:
      return part == 1;
    case TThemeClass::Spin:
      return part == 1 || part == 2;
    case TThemeClass::Progress:
      return part == 1 || part == 3;
  }
  return false;
}

void Draw_Arrow_Button(QPainter& p, const QRect& r, QStyle::State state, QStyle::PrimitiveElement arrow, QWidget* w) {
  QStyleOptionButton panel;
  panel.rect = r;
  panel.state = state;
  Style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &panel, &p, w);
  QStyleOption opt;
  opt.rect = r.adjusted(2, 2, -2, -2);
  opt.state = state;
  opt.palette = QApplication::palette();
  Style()->drawPrimitive(arrow, &opt, &p, w);
}

// ---- the entries the controls call

HTHEME Open_Theme_Data(TWindowHandle window, const char16_t* classList) {
  if (!classList) return nullptr;
  static const std::map<QString, TThemeClass> Classes = {{QStringLiteral("button"), TThemeClass::Button},
                                                         {QStringLiteral("combobox"), TThemeClass::ComboBox},
                                                         {QStringLiteral("spin"), TThemeClass::Spin},
                                                         {QStringLiteral("header"), TThemeClass::Header},
                                                         {QStringLiteral("progress"), TThemeClass::Progress}};
  // A class list names alternatives separated by semicolons; the first known one wins.
  for (const QString& name : QString::fromUtf16(classList).split(QLatin1Char(';'))) {
    const auto found = Classes.find(name.trimmed().toLower());
    if (found != Classes.end()) return new TThemeData{found->second, Window_Of(window)};
  }
  return nullptr;
}

HRESULT Close_Theme_Data(HTHEME theme) {
  delete static_cast<TThemeData*>(theme);
  return S_OK;
}

HRESULT Draw_Theme_Background(HTHEME theme, TCanvas* canvas, int32_t part, int32_t state, const TRect* rect,
                              const TRect* clip) {
  if (!theme || !canvas || !rect) return E_FAIL;
  const TThemeData& data = *static_cast<TThemeData*>(theme);
  if (!Part_Defined(data.Class, part)) return E_FAIL;
  if (clip) canvas->PushClip(*clip);
  QPainter& p = canvas->Painter();
  const QRect r = To_QRect(*rect);
  const QStyle::State flags = State_Of(state);
  QWidget* w = data.Window;
  switch (data.Class) {
    case TThemeClass::Button: {
      QStyleOptionButton opt;
      opt.rect = r;
      opt.state = flags;
      opt.palette = QApplication::palette();
      if (part == 1) {
        Style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, w);
      } else if (part == 4) {
        QStyleOptionFrame frame;
        frame.rect = r;
        frame.state = flags;
        Style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &p, w);
      } else {
        const int32_t kind = state <= 0 ? 0 : (state - 1) / 4;  // unticked, ticked, grey (radio: off, on)
        opt.state |= kind == 1 ? QStyle::State_On : kind == 2 ? QStyle::State_NoChange : QStyle::State_Off;
        Style()->drawPrimitive(part == 3 ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &opt, &p,
                               w);
      }
      break;
    }
    case TThemeClass::ComboBox:
      Draw_Arrow_Button(p, r, flags, QStyle::PE_IndicatorArrowDown, w);
      break;
    case TThemeClass::Spin:
      Draw_Arrow_Button(p, r, flags, part == 1 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, w);
      break;
    case TThemeClass::Header: {
      QStyleOptionHeader opt;
      opt.rect = r;
      opt.state = flags;
      opt.palette = QApplication::palette();
      Style()->drawControl(QStyle::CE_HeaderSection, &opt, &p, w);
      break;
    }
    case TThemeClass::Progress: {
      QStyleOptionProgressBar opt;
      opt.rect = r;
      opt.state = flags | QStyle::State_Horizontal;
      opt.palette = QApplication::palette();
      opt.minimum = 0;
      opt.maximum = 100;
      opt.progress = part == 3 ? 100 : 0;
      Style()->drawControl(part == 3 ? QStyle::CE_ProgressBarContents : QStyle::CE_ProgressBarGroove, &opt, &p, w);
      break;
    }
  }
  if (clip) canvas->PopClip();
  return S_OK;
}

int32_t Is_Theme_Active() {
  return Style() ? 1 : 0;
}

// The desktop's style has no colour schemes of its own: it counts as the standard one.
HRESULT Get_Current_Theme_Name(char16_t* fileName, int32_t fileCapacity, char16_t* colorScheme, int32_t colorCapacity,
                               char16_t* sizeName, int32_t sizeCapacity) {
  auto put = [](char16_t* buffer, int32_t capacity, const QString& text) {
    if (!buffer || capacity <= 0) return;
    const QString cut = text.left(capacity - 1);
    std::memcpy(buffer, cut.utf16(), size_t(cut.size()) * sizeof(char16_t));
    buffer[cut.size()] = 0;
  };
  put(fileName, fileCapacity, Style() ? Style()->name() : QString());
  put(colorScheme, colorCapacity, QStringLiteral("NormalColor"));
  put(sizeName, sizeCapacity, QStringLiteral("NormalSize"));
  return S_OK;
}

// ---- the entries kept for other consumers

HRESULT Draw_Theme_Text(HTHEME theme, TCanvas* canvas, int32_t, int32_t, const char16_t* text, int32_t count,
                        uint32_t flags, uint32_t, const TRect* rect) {
  if (!theme || !canvas || !text || !rect) return E_FAIL;
  TRect r = *rect;
  const QString s = count < 0 ? QString::fromUtf16(text) : QString::fromUtf16(text, count);
  canvas->DrawText(s, r, flags);
  return S_OK;
}

HRESULT Get_Content_Rect(HTHEME theme, TCanvas*, int32_t, int32_t, const TRect* bounds, TRect* content) {
  if (!theme || !bounds || !content) return E_FAIL;
  const int32_t frame = Style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  *content = Rect(bounds->Left + frame, bounds->Top + frame, bounds->Right - frame, bounds->Bottom - frame);
  return S_OK;
}

HRESULT Get_Extent(HTHEME theme, TCanvas*, int32_t, int32_t, const TRect* content, TRect* extent) {
  if (!theme || !content || !extent) return E_FAIL;
  const int32_t frame = Style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  *extent = Rect(content->Left - frame, content->Top - frame, content->Right + frame, content->Bottom + frame);
  return S_OK;
}

HRESULT Get_Text_Extent(HTHEME theme, TCanvas* canvas, int32_t, int32_t, const char16_t* text, int32_t count,
                        uint32_t flags, const TRect* bounds, TRect* extent) {
  if (!theme || !canvas || !text || !extent) return E_FAIL;
  TRect r = bounds ? *bounds : Rect(0, 0, 0, 0);
  canvas->DrawText(count < 0 ? QString::fromUtf16(text) : QString::fromUtf16(text, count), r, flags | DT_CALCRECT);
  *extent = r;
  return S_OK;
}

HRESULT Get_Text_Metrics(HTHEME theme, TCanvas* canvas, int32_t, int32_t, int32_t* height) {
  if (!theme || !canvas || !height) return E_FAIL;
  *height = canvas->TextHeight(QStringLiteral("Wg"));
  return S_OK;
}

int32_t Is_Part_Defined(HTHEME theme, int32_t part, int32_t) {
  return theme && Part_Defined(static_cast<TThemeData*>(theme)->Class, part) ? 1 : 0;
}

int32_t Is_Partially_Transparent(HTHEME theme, int32_t part, int32_t) {
  return theme && static_cast<TThemeData*>(theme)->Class == TThemeClass::Button && part >= 2 ? 1 : 0;
}

HRESULT Get_Theme_Color(HTHEME theme, int32_t, int32_t state, int32_t, TColor* color) {
  if (!theme || !color) return E_FAIL;
  const QPalette palette = QApplication::palette();
  *color = QColorToTColor(palette.color(state == 4 ? QPalette::Disabled : QPalette::Active, QPalette::Button));
  return S_OK;
}

HRESULT Get_Theme_Metric(HTHEME theme, TCanvas*, int32_t, int32_t, int32_t, int32_t* value) {
  if (!theme || !value) return E_FAIL;
  *value = Style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  return S_OK;
}

uint32_t Get_Theme_Sys_Color(HTHEME, int32_t colorId) {
  return ColorToRGB(clSystemColor | TColor(colorId & 0xFF));
}

int32_t Get_Theme_Sys_Size(HTHEME, int32_t sizeId) {
  constexpr int32_t SM_CXVSCROLL = 2, SM_CYHSCROLL = 3;
  if (sizeId == SM_CXVSCROLL || sizeId == SM_CYHSCROLL) return Style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return 0;
}

int32_t Is_App_Themed() {
  return Style() ? 1 : 0;
}

HTHEME Get_Window_Theme(TWindowHandle) {
  return nullptr;
}

uint32_t App_Properties = 0x7;  // non-client area, controls and web content themed

uint32_t Get_App_Properties() {
  return App_Properties;
}

void Set_App_Properties(uint32_t flags) {
  App_Properties = flags;
}

// Typed stubs of the entries this platform has nothing to answer with.
using TAnyTheme = HTHEME;
const std::map<std::string, TThemeProc>& Exports() {
  static const std::map<std::string, TThemeProc> table = {
      {"OpenThemeData", reinterpret_cast<TThemeProc>(&Open_Theme_Data)},
      {"CloseThemeData", reinterpret_cast<TThemeProc>(&Close_Theme_Data)},
      {"DrawThemeBackground", reinterpret_cast<TThemeProc>(&Draw_Theme_Background)},
      {"DrawThemeText", reinterpret_cast<TThemeProc>(&Draw_Theme_Text)},
      {"GetThemeBackgroundContentRect", reinterpret_cast<TThemeProc>(&Get_Content_Rect)},
      {"GetThemeBackgroundExtent", reinterpret_cast<TThemeProc>(&Get_Extent)},
      {"GetThemeTextExtent", reinterpret_cast<TThemeProc>(&Get_Text_Extent)},
      {"GetThemeTextMetrics", reinterpret_cast<TThemeProc>(&Get_Text_Metrics)},
      {"GetThemeBackgroundRegion",
       reinterpret_cast<TThemeProc>(
           +[](TAnyTheme, TCanvas*, int32_t, int32_t, const TRect*, void**) -> HRESULT { return E_NOTIMPL; })},
      {"HitTestThemeBackground",
       reinterpret_cast<TThemeProc>(+[](TAnyTheme, TCanvas*, int32_t, int32_t, uint32_t, const TRect*, void*, TPoint,
                                        uint16_t*) -> HRESULT { return E_NOTIMPL; })},
      {"DrawThemeEdge",
       reinterpret_cast<TThemeProc>(+[](TAnyTheme, TCanvas*, int32_t, int32_t, const TRect*, uint32_t, uint32_t,
                                        TRect*) -> HRESULT { return E_NOTIMPL; })},
      {"DrawThemeIcon", reinterpret_cast<TThemeProc>(+[](TAnyTheme, TCanvas*, int32_t, int32_t, const TRect*, void*,
                                                         int32_t) -> HRESULT { return E_NOTIMPL; })},
      {"IsThemePartDefined", reinterpret_cast<TThemeProc>(&Is_Part_Defined)},
      {"IsThemeBackgroundPartiallyTransparent", reinterpret_cast<TThemeProc>(&Is_Partially_Transparent)},
      {"GetThemeColor", reinterpret_cast<TThemeProc>(&Get_Theme_Color)},
      {"GetThemeMetric", reinterpret_cast<TThemeProc>(&Get_Theme_Metric)},
      {"GetThemeString", reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, int32_t, int32_t, char16_t*,
                                                          int32_t) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeBool", reinterpret_cast<TThemeProc>(
                           +[](TAnyTheme, int32_t, int32_t, int32_t, int32_t*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeInt", reinterpret_cast<TThemeProc>(
                          +[](TAnyTheme, int32_t, int32_t, int32_t, int32_t*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeEnumValue", reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, int32_t, int32_t,
                                                             int32_t*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemePosition", reinterpret_cast<TThemeProc>(
                               +[](TAnyTheme, int32_t, int32_t, int32_t, TPoint*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeFont", reinterpret_cast<TThemeProc>(+[](TAnyTheme, TCanvas*, int32_t, int32_t, int32_t,
                                                        TFont*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeRect", reinterpret_cast<TThemeProc>(
                           +[](TAnyTheme, int32_t, int32_t, int32_t, TRect*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeMargins", reinterpret_cast<TThemeProc>(+[](TAnyTheme, TCanvas*, int32_t, int32_t, int32_t, TRect*,
                                                           TRect*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeIntList", reinterpret_cast<TThemeProc>(
                              +[](TAnyTheme, int32_t, int32_t, int32_t, void*) -> HRESULT { return E_NOTIMPL; })},
      {"SetWindowTheme", reinterpret_cast<TThemeProc>(
                             +[](TWindowHandle, const char16_t*, const char16_t*) -> HRESULT { return S_OK; })},
      {"GetThemeFilename", reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, int32_t, int32_t, char16_t*,
                                                            int32_t) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeSysColor", reinterpret_cast<TThemeProc>(&Get_Theme_Sys_Color)},
      {"GetThemeSysColorBrush", reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t) -> void* { return nullptr; })},
      {"GetThemeSysBool", reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t) -> int32_t { return 0; })},
      {"GetThemeSysSize", reinterpret_cast<TThemeProc>(&Get_Theme_Sys_Size)},
      {"GetThemeSysFont",
       reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, TFont*) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeSysString",
       reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, char16_t*, int32_t) -> HRESULT { return E_NOTIMPL; })},
      {"GetThemeSysInt",
       reinterpret_cast<TThemeProc>(+[](TAnyTheme, int32_t, int32_t*) -> HRESULT { return E_NOTIMPL; })},
      {"IsThemeActive", reinterpret_cast<TThemeProc>(&Is_Theme_Active)},
      {"IsAppThemed", reinterpret_cast<TThemeProc>(&Is_App_Themed)},
      {"GetWindowTheme", reinterpret_cast<TThemeProc>(&Get_Window_Theme)},
      {"EnableThemeDialogTexture",
       reinterpret_cast<TThemeProc>(+[](TWindowHandle, uint32_t) -> HRESULT { return S_OK; })},
      {"IsThemeDialogTextureEnabled", reinterpret_cast<TThemeProc>(+[](TWindowHandle) -> int32_t { return 0; })},
      {"GetThemeAppProperties", reinterpret_cast<TThemeProc>(&Get_App_Properties)},
      {"SetThemeAppProperties", reinterpret_cast<TThemeProc>(&Set_App_Properties)},
      {"GetCurrentThemeName", reinterpret_cast<TThemeProc>(&Get_Current_Theme_Name)},
      {"GetThemeDocumentationProperty", reinterpret_cast<TThemeProc>(+[](const char16_t*, const char16_t*, char16_t*,
                                                                         int32_t) -> HRESULT { return E_NOTIMPL; })},
      {"DrawThemeParentBackground",
       reinterpret_cast<TThemeProc>(+[](TWindowHandle, TCanvas*, const TRect*) -> HRESULT { return E_NOTIMPL; })},
      {"EnableTheming", reinterpret_cast<TThemeProc>(+[](int32_t) -> HRESULT { return S_OK; })},
  };
  return table;
}

class TQStyleThemeModule : public TThemeModule {
 public:
  TThemeProc GetProcAddress(const char* name) const override {
    const auto found = Exports().find(name);
    return found == Exports().end() ? nullptr : found->second;
  }
};

}  // namespace

TThemeModuleHandle MakeQStyleThemeModule() {
  return std::make_shared<TQStyleThemeModule>();
}

int32_t DesktopPaletteStyle() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return -1;
  const QPalette palette = QGuiApplication::palette();
  return OfficeCodeOfDesktop(QColorToTColor(palette.color(QPalette::Window)),
                             QColorToTColor(palette.color(QPalette::Highlight)));
}

void StartThemeSupport() {
  SetThemeModuleProvider([] { return MakeQStyleThemeModule(); });
  SetDesktopStyleProvider(DesktopPaletteStyle);
  LoadThemeLibrary();
  ThemeApiLoad();
  SetLayeredWindowFunctions(
      [](TWindowHandle window, TColor, uint8_t alpha, uint32_t flags) {
        QWidget* w = Window_Of(window);
        if (!w) return false;
        if (flags & LWA_ALPHA) w->setWindowOpacity(alpha / 255.0);
        return true;
      },
      nullptr);
}

void StopThemeSupport() {
  FreeThemeLibrary();
  ThemeApiFree();
  SetThemeModuleProvider(nullptr);
  SetDesktopStyleProvider(nullptr);
  SetLayeredWindowFunctions(nullptr, nullptr);
}
