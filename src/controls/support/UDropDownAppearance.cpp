#include "UDropDownAppearance.h"

template <class T>
void THeaderButton::Report(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed(false);
}

void THeaderButton::SetCaption(const QString& value) {
  Report(FCaption, value);
}

void THeaderButton::SetEnabled(bool value) {
  Report(FEnabled, value);
}

void THeaderButton::SetWidth(int32_t value) {
  Report(FWidth, value);
}

// Silent, like adding or removing an item: the popup takes the whole set of buttons when it next builds them.
void THeaderButton::Assign(const TCollectionItem& source) {
  const auto* button = dynamic_cast<const THeaderButton*>(&source);
  if (!button) return;
  FCaption = button->FCaption;
  FImageIndex = button->FImageIndex;
  FEnabled = button->FEnabled;
  FWidth = button->FWidth;
  FHeight = button->FHeight;
}

void TFooterButton::Assign(const TCollectionItem& source) {
  THeaderButton::Assign(source);
  if (const auto* button = dynamic_cast<const TFooterButton*>(&source)) FModalResult = button->FModalResult;
}

THeaderAppearance::THeaderAppearance() {
  TFont font = Font();
  font.Name = QStringLiteral("Tahoma");
  SetFont(font);
}

void THeaderAppearance::Assign(const THeaderAppearance& source) {
  if (&source != this) CopyBar(source);
}

void TFooterAppearance::Assign(const TFooterAppearance& source) {
  if (&source == this) return;
  CopyBar(source);
  FSizeGrip = source.FSizeGrip;
}
