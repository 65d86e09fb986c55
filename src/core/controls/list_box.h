#pragma once

#include <string>
#include <vector>

#include "controls/control.h"

namespace hifz {

/// A list of texts with one selected entry (ListIndex -1: none).
class ListBox final : public Control {
 public:
  explicit ListBox(std::string name) : Control(std::move(name), ControlKind::ListBox) {}
  const std::vector<std::string>& items() const { return items_; }
  int listCount() const { return static_cast<int>(items_.size()); }
  int listIndex() const { return listIndex_; }
  /// Selects an entry; an index outside the list selects none.
  void setListIndex(int index);
  /// The selected entry's text, empty when none is selected.
  std::string text() const;
  void addItem(std::string item);
  void clear();

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace hifz
