#pragma once

#include <concepts>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "shell/control_spec.h"

namespace hifz {

class PicturePanel;
class Frame;
class Label;
class TextBox;
class CheckBox;
class CommandButton;
class Image;
class ListBox;
class FileListBox;
class Timer;
class MovieSlot;

/// The inventory of a window: `static constexpr rows`, the window's own row
/// first. Each window's inventory header gives its own.
template <typename Window>
struct InventoryOf;

/// The kind of row that makes a control of each class.
template <typename T>
struct RowKind;
// clang-format off
template <> struct RowKind<PicturePanel> : std::integral_constant<ControlKind, ControlKind::PicturePanel> {};
template <> struct RowKind<Frame> : std::integral_constant<ControlKind, ControlKind::Frame> {};
template <> struct RowKind<Label> : std::integral_constant<ControlKind, ControlKind::Label> {};
template <> struct RowKind<TextBox> : std::integral_constant<ControlKind, ControlKind::TextBox> {};
template <> struct RowKind<CheckBox> : std::integral_constant<ControlKind, ControlKind::CheckBox> {};
template <> struct RowKind<CommandButton> : std::integral_constant<ControlKind, ControlKind::CommandButton> {};
template <> struct RowKind<Image> : std::integral_constant<ControlKind, ControlKind::Image> {};
template <> struct RowKind<ListBox> : std::integral_constant<ControlKind, ControlKind::ListBox> {};
template <> struct RowKind<FileListBox> : std::integral_constant<ControlKind, ControlKind::FileListBox> {};
template <> struct RowKind<Timer> : std::integral_constant<ControlKind, ControlKind::Timer> {};
template <> struct RowKind<MovieSlot> : std::integral_constant<ControlKind, ControlKind::MovieSlot> {};
// clang-format on

// Called only while compiling a handle, these never run: the compiler stops at
// the call and names the function, which says what is wrong with the handle.
namespace handle_error {
void noControlOfThisNameInTheInventory();
void theInventoryMakesThisControlOfAnotherClass();
void noElementOfThisIndexInTheControlArray();
void theElementsOfThisControlArrayDoNotFollowEachOther();
}  // namespace handle_error

/// Whether a row makes a control of class T; every row makes a Control.
template <typename T>
consteval bool rowMakes(const ControlSpec& row) {
  if constexpr (std::is_same_v<T, Control>)
    return true;
  else
    return row.kind == RowKind<T>::value;
}

template <typename Window, typename T>
class ControlArrayHandle;

/// A control of `Window`'s inventory as the compiler knows it: its row, name
/// and class. Made only from a name the inventory gives a control of class T
/// (or of any class, for T = Control), so a misspelt name or a wrong class
/// does not compile. The window hands out the control: `form[form1::StopIt]`.
template <typename Window, typename T>
class ControlHandle {
  static_assert(containersComeFirst(InventoryOf<Window>::rows),
                "a control's container is not listed before it");

 public:
  consteval explicit ControlHandle(std::string_view name) : row_(rowNamed(name)) {}
  /// A handle serves where one of a more general class is asked for.
  template <std::derived_from<T> Derived>
  constexpr ControlHandle(ControlHandle<Window, Derived> handle) : row_(handle.row()) {}

  /// The control's place in the inventory, which is also its place among the
  /// window's controls.
  constexpr std::size_t row() const { return row_; }
  constexpr std::string_view name() const { return InventoryOf<Window>::rows[row_].name; }

  friend constexpr bool operator==(ControlHandle, ControlHandle) = default;

 private:
  friend class ControlArrayHandle<Window, T>;
  constexpr explicit ControlHandle(std::size_t row) : row_(row) {}

  static consteval std::size_t rowNamed(std::string_view name) {
    const auto& rows = InventoryOf<Window>::rows;
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (rows[row].name != name || rows[row].index >= 0) continue;
      if (!rowMakes<T>(rows[row])) handle_error::theInventoryMakesThisControlOfAnotherClass();
      return row;
    }
    handle_error::noControlOfThisNameInTheInventory();
    return 0;
  }

  std::size_t row_;
};

/// A control array of `Window`'s inventory: elements 0 to size() - 1, whose
/// rows follow each other in the inventory in that order.
template <typename Window, typename T>
class ControlArrayHandle {
 public:
  consteval explicit ControlArrayHandle(std::string_view name)
      : first_(firstRowNamed(name)), size_(sizeFrom(first_)) {}

  constexpr std::string_view name() const { return InventoryOf<Window>::rows[first_].name; }
  constexpr int size() const { return size_; }
  /// The element of a fixed index; one the array does not have does not compile.
  consteval ControlHandle<Window, T> operator[](int index) const {
    if (index < 0 || index >= size_) handle_error::noElementOfThisIndexInTheControlArray();
    return ControlHandle<Window, T>(first_ + static_cast<std::size_t>(index));
  }
  /// The element of an index known only while running; throws
  /// std::out_of_range for one the array does not have.
  ControlHandle<Window, T> at(int index) const {
    if (index < 0 || index >= size_) {
      // Appended piece by piece, as GCC 12 at -O3 misreads a + chain as an overlapping copy.
      std::string message(name());
      message += " has no element ";
      message += std::to_string(index);
      throw std::out_of_range(message);
    }
    return ControlHandle<Window, T>(first_ + static_cast<std::size_t>(index));
  }

 private:
  static consteval std::size_t firstRowNamed(std::string_view name) {
    const auto& rows = InventoryOf<Window>::rows;
    for (std::size_t row = 0; row < rows.size(); ++row)
      if (rows[row].name == name && rows[row].index == 0) return row;
    handle_error::noControlOfThisNameInTheInventory();
    return 0;
  }

  // Every row of the name must be the next element, of class T.
  static consteval int sizeFrom(std::size_t first) {
    const auto& rows = InventoryOf<Window>::rows;
    int size = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (rows[row].name != rows[first].name) continue;
      if (row != first + static_cast<std::size_t>(size) || rows[row].index != size)
        handle_error::theElementsOfThisControlArrayDoNotFollowEachOther();
      if (!rowMakes<T>(rows[row])) handle_error::theInventoryMakesThisControlOfAnotherClass();
      ++size;
    }
    return size;
  }

  std::size_t first_;
  int size_;
};

}  // namespace hifz
