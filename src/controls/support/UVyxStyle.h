#pragma once
// The style vocabulary shared by the grid, the drop-down editors and the grid button: the colour styles a
// control can take, the detected desktop theme, the colour-tone records and the two style interfaces.
#include <QUuid>

#include "UTypes.h"

enum TVyxStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black
};

// otUnknown is never detected: a control starts with it until a detected theme has been applied.
enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

// A component that takes one of the named colour styles.
class IVyxStyle {
 public:
  static constexpr QUuid IID{0x5b8e2a31, 0x7c44, 0x4e1d, 0x9a, 0x62, 0x0d, 0x3f, 0x51, 0xa7, 0xc2, 0x18};
  virtual ~IVyxStyle() = default;
  virtual void SetComponentStyle(TVyxStyle AStyle) = 0;
};

// A component that takes free colour tones.
class IVyxTones {
 public:
  static constexpr QUuid IID{0x8f13d6c4, 0x21b9, 0x4a57, 0xb3, 0x0e, 0x6c, 0x94, 0x2d, 0x7f, 0x15, 0xe0};
  virtual ~IVyxTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};
