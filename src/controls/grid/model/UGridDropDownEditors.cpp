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
  // The track bar keeps the style it was made with; the grid's styles are for the pickers, memo and calculator.
  for (size_t i = 0; i < FSlots.size(); ++i)
    if (IVyxStyle* editor = FSlots[i].Style; editor && i != edTrackbarDropDown - edTrackbarDropDown)
      editor->SetComponentStyle(style);
}

void TGridDropDownEditors::ApplyTones(const TColorTones& tones) const {
  for (const TSlot& slot : FSlots)
    if (IVyxTones* editor = slot.Tones) editor->SetColorTones(tones);
}
