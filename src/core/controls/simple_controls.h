#pragma once

#include <string>
#include <string_view>

#include "controls/colour.h"
#include "controls/control.h"

namespace hifz {

/// A control that shows a caption: label, frame.
class CaptionedControl : public Control {
 public:
  using Control::Control;
  const std::string& caption() const { return caption_; }
  void setCaption(std::string value) { assign(caption_, std::move(value), Property::Caption); }

 private:
  std::string caption_;
};

class Label final : public CaptionedControl {
 public:
  explicit Label(std::string name) : CaptionedControl(std::move(name), ControlKind::Label) {}
  Colour foreColor() const { return foreColor_; }
  void setForeColor(Colour value) { assign(foreColor_, value, Property::ForeColor); }

 private:
  Colour foreColor_ = kButtonText;
};

class Frame final : public CaptionedControl {
 public:
  explicit Frame(std::string name) : CaptionedControl(std::move(name), ControlKind::Frame) {}
};

/// A transparent click area or a picture on a window or a panel.
class Image final : public Control {
 public:
  explicit Image(std::string name) : Control(std::move(name), ControlKind::Image) {}
};

/// A panel that holds other controls and may show a picture.
class PicturePanel final : public Control {
 public:
  explicit PicturePanel(std::string name) : Control(std::move(name), ControlKind::PicturePanel) {}
  /// 0 no border, 1 a single line.
  int borderStyle() const { return borderStyle_; }
  void setBorderStyle(int value) { assign(borderStyle_, value, Property::BorderStyle); }
  Colour backColor() const { return backColor_; }
  void setBackColor(Colour value) { assign(backColor_, value, Property::BackColor); }

 private:
  int borderStyle_ = 0;
  Colour backColor_ = kButtonFace;
};

class TextBox final : public Control {
 public:
  explicit TextBox(std::string name) : Control(std::move(name), ControlKind::TextBox) {}
  const std::string& text() const { return text_; }
  /// The program's own writes; they are not limited by MaxLength.
  void setText(std::string value) { assign(text_, std::move(value), Property::Text); }
  /// The most characters the user may type; 0 for no limit.
  int maxLength() const { return maxLength_; }
  void setMaxLength(int characters) { maxLength_ = characters; }
  /// The user typed: the box's new text (UTF-8), cut to MaxLength characters.
  void typeText(std::string_view typed);

 private:
  std::string text_;
  int maxLength_ = 0;
};

/// A button whose click procedure runs, to its end, when its value is set to true.
class CommandButton final : public CaptionedControl {
 public:
  explicit CommandButton(std::string name)
      : CaptionedControl(std::move(name), ControlKind::CommandButton) {}
  void setValue(bool value) {
    if (value) click();
  }
};

/// A check box: value 0 or 1; a new value runs the click procedure, the same one does not.
class CheckBox final : public CaptionedControl {
 public:
  explicit CheckBox(std::string name) : CaptionedControl(std::move(name), ControlKind::CheckBox) {}
  int value() const { return value_; }
  void setValue(int value) {
    if (value == value_) return;
    value_ = value;
    notify(Property::Value);
    click();
  }

 private:
  int value_ = 0;
};

}  // namespace hifz
