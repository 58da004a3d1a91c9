#pragma once
// The push button of the edit-with-button: a glyph and a caption on a face in the owner's colours, the visual
// style, a soft flat edge or the classic frame. It acts on mouse up, through the part that holds it.
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "UApplication.h"
#include "UButtonFaceColors.h"

class TQrvSpeedButton : public TGuarded<QWidget> {
 public:
  explicit TQrvSpeedButton(QWidget* parent = nullptr);

  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool value);
  // The button's own flat look, apart from the owner's; a coloured face turns it on.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  bool Hot() const { return FHot; }
  bool Down() const { return FDown; }
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& value);
  int32_t NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t value);
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  std::function<TButtonFaceColors()> Colors;

  std::function<void(TQrvSpeedButton*, Qt::MouseButton)> OnMouseUp;

 protected:
  bool Guarded_Event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool FIsWinXP = false;
  bool FFlat = false;
  bool FHot = false;
  bool FDown = false;
  QImage FGlyph;
  int32_t FNumGlyphs = 1;
  QString FCaption;
};
