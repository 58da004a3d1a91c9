#pragma once
// The grid date editor's picker: the desktop's border by default, a flat frame once a border colour is set with the
// three-dimensional look off, and the own look in `MetroStyle`.
#include "TThemedDateTimePicker.h"

class TQsgDateTimePicker : public TThemedDateTimePicker {
 public:
  explicit TQsgDateTimePicker(QWidget* parent = nullptr);

  // Built from the packed number 1.0.0.0; there is nothing to write.
  QString Version() const;
  void SetVersion(const QString&) {}

  // Design-time state does not exist in this program; kept so the rules read as written.
  bool Designing() const { return false; }

 protected:
  bool CustomLookActive() const override { return FMetroStyle && !Designing(); }
  int32_t ThemedFillOffset() const override { return 15; }
  bool FlatFrameWanted() const override { return FBorderColor != clNone; }
};

// "a.b.c.d" from a number packed one part per byte, most significant first.
QString PackedVersionText(uint32_t packed);
