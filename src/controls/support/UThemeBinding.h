#pragma once
// Binding of the visual-style library, loaded at run time so the program also starts where it is missing. Two
// independent bindings exist: `QrvXPVS` serves the cell painters, the grid button, the check box and the grid;
// `ATXPVS` serves the drop-down editors' buttons. Each holds its own module reference, loaded flag and table of
// the 45 entry points. A consumer calls an entry only once it has decided that themed drawing applies; the typed
// callers below treat an empty entry as "not themed" so a caller that picks the themed look by its own setting
// still cannot call through an empty slot.
#include <QString>
#include <array>

#include "Exception.h"
#include "UThemeModule.h"

constexpr int ThemeEntryCount = 45;

// The export names, in the table's order.
extern const std::array<const char*, ThemeEntryCount> ThemeEntryNames;

// Raised when the library lacks one of the entries: names the binding and the failing entry's line in the table.
class EAssertionFailed : public Exception {
 public:
  using Exception::Exception;
};

class TThemeBinding {
 public:
  explicit TThemeBinding(QString moduleName);

  // Loads the library and fills the table; a second call while loaded does nothing. A missing library leaves the
  // binding unloaded and silent; a missing entry raises EAssertionFailed, the later entries stay unresolved.
  void Load();
  // Releases the library if this binding holds it; the table keeps its addresses.
  void Free();

  bool Loaded() const { return FLoaded; }
  const QString& ModuleName() const { return FModuleName; }
  const std::array<TThemeProc, ThemeEntryCount>& Entries() const { return FEntries; }
  TThemeProc Entry(const char* name) const;

  // Typed callers of the entries the controls use; only while loaded, else the "no theme" answer.
  HTHEME OpenThemeData(TWindowHandle window, const QString& classList) const;
  HRESULT CloseThemeData(HTHEME theme) const;
  HRESULT DrawThemeBackground(HTHEME theme, TCanvas& canvas, int32_t part, int32_t state, const TRect& rect) const;
  bool IsThemeActive() const;
  // The colour-scheme name of the active style; empty without one.
  QString CurrentColorScheme() const;
  // Opens the class, draws the part and closes again; false when nothing was drawn (no theme, class unknown).
  bool DrawPart(TWindowHandle window, const QString& classList, TCanvas& canvas, int32_t part, int32_t state,
                const TRect& rect) const;

 private:
  template <typename T>
  T Typed(int index) const {
    return FLoaded ? reinterpret_cast<T>(FEntries[size_t(index)]) : nullptr;
  }

  QString FModuleName;
  TThemeModuleHandle FHandle;
  bool FLoaded = false;
  std::array<TThemeProc, ThemeEntryCount> FEntries{};
};

// The two bindings, module-wide for the whole run.
TThemeBinding& QrvXPVS();
TThemeBinding& ATXPVS();

void LoadThemeLibrary();
void FreeThemeLibrary();
void ThemeApiLoad();
void ThemeApiFree();
