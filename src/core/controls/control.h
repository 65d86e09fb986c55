#pragma once

#include <functional>
#include <string>
#include <vector>

namespace hifz {

enum class ControlKind {
  Window,
  PicturePanel,
  Frame,
  Label,
  TextBox,
  CheckBox,
  CommandButton,
  Image,
  ListBox,
  FileListBox,
  Timer,
  MovieSlot,
  Countdown,
};

/// The properties whose changes are reported to observers.
enum class Property {
  Left,
  Top,
  Width,
  Height,
  Visible,
  Enabled,
  Caption,
  Text,
  Value,
  BorderStyle,
  ForeColor,
  BackColor,
  WindowState,
  Items,
  ListIndex,
  Path,
  Pattern,
  Interval,
  Movie,
  /// A countdown started afresh.
  Start,
};

class Control;

/// Told of every property change, after it took effect.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void controlChanged(const Control& control, Property property) = 0;
};

/// Mouse buttons as a mask: 1 left, 2 right, 4 middle.
struct MouseEvent {
  int button = 0;
  int shift = 0;
  float x = 0;  // twips, relative to the control
  float y = 0;
};

/// What every control of a window has: a name, a place in its container (in
/// twips, single precision), visibility, and the events the program handles.
class Control {
 public:
  Control(std::string name, ControlKind kind);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  /// The control this one lies in; null for a window.
  Control* container() const { return container_; }
  void setContainer(Control* container) { container_ = container; }
  /// Position among the controls of the same name (a control array), or -1.
  int index() const { return index_; }
  void setIndex(int index) { index_ = index; }

  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  bool visible() const { return visible_; }
  bool enabled() const { return enabled_; }
  const std::string& toolTip() const { return toolTip_; }
  void setLeft(float value);
  void setTop(float value);
  void setWidth(float value);
  void setHeight(float value);
  void setVisible(bool value);
  void setEnabled(bool value);
  void setToolTip(std::string text) { toolTip_ = std::move(text); }

  /// Runs the click procedure, if the control has one.
  void click();
  void doubleClick();
  void mouseDown(const MouseEvent& event);
  void mouseMove(const MouseEvent& event);
  void mouseUp(const MouseEvent& event);

  std::function<void()> onClick;
  std::function<void()> onDoubleClick;
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseMove;
  std::function<void(const MouseEvent&)> onMouseUp;

  void addObserver(ControlObserver* observer);
  void removeObserver(ControlObserver* observer);

 protected:
  void notify(Property property);
  /// Sets `field` and notifies when the value is new.
  template <typename T>
  void assign(T& field, T value, Property property) {
    if (field == value) return;
    field = std::move(value);
    notify(property);
  }

 private:
  std::string name_;
  ControlKind kind_;
  Control* container_ = nullptr;
  int index_ = -1;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string toolTip_;
  std::vector<ControlObserver*> observers_;
};

}  // namespace hifz
