// The markup's embedded controls drawn through the visual-style binding the cell painters use.
#include "URenderMarkup.h"
#include "UThemeBinding.h"

namespace {
class TBindingMarkupThemePainter : public IMarkupThemePainter {
 public:
  bool IsThemeActive() const override { return QrvXPVS().IsThemeActive(); }
  bool DrawThemePart(TCanvas& canvas, QObject* owner, const QString& themeClass, int32_t part, int32_t state,
                     const TRect& rect) override {
    return QrvXPVS().DrawPart(static_cast<TWindowHandle>(owner), themeClass, canvas, part, state, rect);
  }
};
}  // namespace

IMarkupThemePainter& BindingMarkupThemePainter() {
  static TBindingMarkupThemePainter painter;
  return painter;
}
