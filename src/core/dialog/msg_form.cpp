#include "dialog/msg_form.h"

namespace hifz {

MsgForm::MsgForm(const TextMeasure& measure, std::string website)
    : measure_(measure), controls_(window_, InventoryOf<MsgForm>::rows) {
  (*this)[msg_form::www].setCaption(std::move(website));
  (*this)[msg_form::MyMsg].addObserver(this);
}

void MsgForm::controlChanged(const Control& control, Property property) {
  if (property != Property::Caption) return;
  const TextSize size = measure_.measure(static_cast<const Label&>(control).caption());
  Label& message = (*this)[msg_form::MyMsg];
  message.setWidth(size.width);
  message.setHeight(size.height);
}

}  // namespace hifz
