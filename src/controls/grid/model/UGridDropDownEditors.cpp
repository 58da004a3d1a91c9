#include "UGridDropDownEditors.h"

#include <utility>

#include "UGridError.h"

TGridDropDownEditors::TSlot& TGridDropDownEditors::Slot(TEditorType kind) {
  return const_cast<TSlot&>(std::as_const(*this).Slot(kind));
}

const TGridDropDownEditors::TSlot& TGridDropDownEditors::Slot(TEditorType kind) const {
  if (!IsDropDownKind(kind))
    throw EQrvGridError(QStringLiteral("Editor kind %1 is not a drop-down editor").arg(static_cast<int>(kind)));
  return FSlots[static_cast<size_t>(kind - edTrackbarDropDown)];
}

void TGridDropDownEditors::ApplyStyle(TVyxStyle style) const {
  for (const TSlot& slot : FSlots)
    if (IVyxStyle* editor = slot.Style) editor->SetComponentStyle(style);
}

void TGridDropDownEditors::ApplyTones(const TColorTones& tones) const {
  for (const TSlot& slot : FSlots)
    if (IVyxTones* editor = slot.Tones) editor->SetColorTones(tones);
}
