#pragma once
// The visual-style library as the platform loader hands it out: a module loaded by name whose entry points are
// looked up by name. Here the module is the toolkit's widget style, installed by the widget layer at start; with
// no module installed (a build without widgets, or tests switching theming off) loading fails and nothing is
// themed.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;
struct TRect;

// Theme data opened for a window class; nullptr is none.
using HTHEME = void*;
// A window as the style calls see it (the toolkit object), or nullptr.
using TWindowHandle = void*;
using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOTIMPL = int32_t(0x80004001);
constexpr HRESULT E_FAIL = int32_t(0x80004005);

// An entry point as the loader hands it out; callers cast it back to the entry's own type.
using TThemeProc = void (*)();

// Types of the entry points the controls call.
using TOpenThemeData = HTHEME (*)(TWindowHandle window, const char16_t* classList);
using TCloseThemeData = HRESULT (*)(HTHEME theme);
using TDrawThemeBackground = HRESULT (*)(HTHEME theme, TCanvas* canvas, int32_t part, int32_t state,
                                         const TRect* rect, const TRect* clip);
using TIsThemeActive = int32_t (*)();
// Fills the three buffers (theme file, colour scheme, size), each of the given capacity with its terminating zero.
using TGetCurrentThemeName = HRESULT (*)(char16_t* fileName, int32_t fileCapacity, char16_t* colorScheme,
                                         int32_t colorCapacity, char16_t* sizeName, int32_t sizeCapacity);
// The colour-scheme name that entry gives, asked with three buffers of 255 characters; empty when it fails.
QString ColorSchemeOf(TGetCurrentThemeName getCurrentThemeName);

class TThemeModule {
 public:
  virtual ~TThemeModule() = default;
  // The entry point of that export name, or nullptr when the module has none.
  virtual TThemeProc GetProcAddress(const char* name) const = 0;
};

// A loaded module; each load holds its own reference, released when the last copy goes.
using TThemeModuleHandle = std::shared_ptr<TThemeModule>;
using TThemeModuleProvider = std::function<TThemeModuleHandle()>;

// What loading the library gives from now on; an empty provider (the state at start) means the library is missing.
void SetThemeModuleProvider(TThemeModuleProvider provider);
// Loads the visual-style library by its file name (letter case ignored); none when it is missing.
TThemeModuleHandle LoadThemeModule(const QString& fileName);
