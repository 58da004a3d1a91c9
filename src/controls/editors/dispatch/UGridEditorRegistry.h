#pragma once
// Which editor each special editor kind opens in a grid window. The editors library enters its own kinds when the
// registry is first used; a library above it (the drop-down editors) enters its kinds when it starts, so no list
// of kinds grows here when a kind is added. A kind entered again is taken by the later maker.
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "UEditorType.h"
#include "UGridCellEditor.h"

class TGridEditorFactory;

// Makes the editor of one grid window; the window owns it and asks for it at the first opening of one of its kinds.
using TGridEditorMaker = std::function<std::unique_ptr<TGridCellEditor>(TGridEditorFactory& window)>;

class TGridEditorRegistry {
 public:
  static TGridEditorRegistry& Instance();
  TGridEditorRegistry(const TGridEditorRegistry&) = delete;
  TGridEditorRegistry& operator=(const TGridEditorRegistry&) = delete;

  // The kinds share one editor per window.
  void Register(std::initializer_list<TEditorType> kinds, TGridEditorMaker maker);
  // The kinds open nothing any more.
  void Unregister(std::initializer_list<TEditorType> kinds);
  // The number of the kind's maker (a window keeps one editor per number); -1 for a kind without one.
  int32_t MakerOf(TEditorType kind) const;
  const TGridEditorMaker& Maker(int32_t number) const { return FMakers[size_t(number)]; }
  int32_t MakerCount() const { return int32_t(FMakers.size()); }

 private:
  TGridEditorRegistry();

  std::array<int32_t, TEditorTypeCount> FKinds;
  std::vector<TGridEditorMaker> FMakers;
};
