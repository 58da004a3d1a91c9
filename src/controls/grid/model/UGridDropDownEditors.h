#pragma once
// The drop-down editors a grid has created, one per drop-down editor kind, so that the grid's looks, styles and
// tones reach each one that exists. The grid does not own them (their widget parent does): each reads as none
// from the moment it is destroyed.
#include <QObject>
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "UEditorType.h"
#include "UGuardedRef.h"
#include "UVyxStyle.h"

class TGridDropDownEditors {
 public:
  static constexpr int32_t Count = edQrvGridDropDown - edTrackbarDropDown + 1;
  static bool IsDropDownKind(TEditorType kind) { return kind >= edTrackbarDropDown && kind <= edQrvGridDropDown; }

  // The editor code keeps here the editor it created for a drop-down kind (replacing the one kept before; nullptr
  // forgets it). Any other kind raises EQrvGridError: an editor kept under no drop-down kind would never be styled.
  template <class TEditor>
  void SetEditor(TEditorType kind, TEditor* editor) {
    static_assert(std::is_base_of_v<QObject, TEditor> && std::is_base_of_v<IVyxStyle, TEditor> &&
                  std::is_base_of_v<IVyxTones, TEditor>);
    TSlot& slot = Slot(kind);
    slot.Style = TGuardedRef<IVyxStyle>(editor);
    slot.Tones = TGuardedRef<IVyxTones>(editor);
  }
  void SetEditor(TEditorType kind, std::nullptr_t) { Slot(kind) = TSlot{}; }
  // nullptr for a kind without an editor, or whose editor was destroyed.
  IVyxStyle* Style(TEditorType kind) const { return Slot(kind).Style; }
  IVyxTones* Tones(TEditorType kind) const { return Slot(kind).Tones; }

  // Every existing editor but the track bar, which no style step names.
  void ApplyStyle(TVyxStyle style) const;
  void ApplyTones(const TColorTones& tones) const;

 private:
  struct TSlot {
    TGuardedRef<IVyxStyle> Style;
    TGuardedRef<IVyxTones> Tones;
  };
  TSlot& Slot(TEditorType kind);
  const TSlot& Slot(TEditorType kind) const;

  std::array<TSlot, Count> FSlots;
};
