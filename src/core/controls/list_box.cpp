#include "controls/list_box.h"

namespace hifz {

void ListBox::setListIndex(int index) {
  assign(listIndex_, index >= 0 && index < listCount() ? index : -1, Property::ListIndex);
}

std::string ListBox::text() const { return listIndex_ >= 0 ? items_[listIndex_] : std::string(); }

void ListBox::addItem(std::string item) {
  items_.push_back(std::move(item));
  notify(Property::Items);
}

void ListBox::clear() {
  items_.clear();
  listIndex_ = -1;
  notify(Property::Items);
}

}  // namespace hifz
