#include "dialog/msg_form.h"

#include "dialog/msg_form_inventory.h"

namespace hifz {

MsgForm::MsgForm(const TextMeasure& measure, std::string website)
    : measure_(measure), controls_(window_, msgFormInventory()) {
  label("www").setCaption(std::move(website));
  label("MyMsg").addObserver(this);
}

void MsgForm::controlChanged(const Control& control, Property property) {
  if (property != Property::Caption) return;
  const TextSize size = measure_.measure(static_cast<const Label&>(control).caption());
  Label& message = label("MyMsg");
  message.setWidth(size.width);
  message.setHeight(size.height);
}

}  // namespace hifz
