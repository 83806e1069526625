// The grid of the multi-row key dialog "定义多行按键": one column per key X
// channel, eight rows per column, one check box per cell. Cell x * 8 + y is
// the crossing of key-X ordinal x and key-Y ordinal y; rows from the number
// of key Y channels on do not exist on the sheet and cannot be checked.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/channel_lists.h"
#include "config/test_parameters.h"
#include "platform/presenter.h"

namespace vn {

inline constexpr std::size_t kMultiKeyRows = kKeyMatrixSize;
inline constexpr char kInvalidKeyCellText[] = "该节点无效";
inline constexpr char kMultiKeyErrorText[] = "按键配置错误，继续更改(确定)，还是放弃(取消)？";
inline constexpr char kMultiKeyRowEndHeading[] = "------";
inline constexpr char kKeyErrorCaption[] = "按键错误";

constexpr std::size_t MultiKeyCell(std::size_t column, std::size_t row) { return column * kMultiKeyRows + row; }

// Where an accepted definition goes: the configuration dialog's key matrix
// and its matrix-edited flag.
struct KeyMatrixTarget {
  KeyMatrix& matrix;
  bool& edited;
};

class MultiKeyGrid {
 public:
  // The grid of the key channels marked in the configuration dialog, its
  // cells checked from the dialog's key matrix. At most 8 columns and 8 rows
  // are ever addressed.
  MultiKeyGrid(const KeyChannels& keyX, const KeyChannels& keyY, const KeyMatrix& matrix);

  std::size_t columns() const { return columns_; }
  std::size_t keyRows() const { return keyRows_; }
  std::size_t cellCount() const { return cells_.size(); }
  bool Checked(std::size_t cell) const { return cell < cells_.size() && cells_[cell] != 0; }
  void SetChecked(std::size_t cell, bool checked);

  // "X 3" ... for the key X channels in ascending order, one per column.
  std::vector<std::string> ColumnHeadings() const;
  // Row y: "Y 5" ... for the key Y channels, then "------" in the row after
  // the last one when there are fewer than 8; nothing for a hidden heading.
  std::array<std::optional<std::string>, kMultiKeyRows> RowHeadings() const;

  // Every checked cell in a row without a key Y channel: "该节点无效"
  // (caption "提示", stop icon) and the check is removed. The cells refused.
  std::vector<std::size_t> RefuseInvalidCells(Presenter& presenter);

  // Every key X channel and every key Y channel has at least one checked cell.
  bool DefinitionAccepted() const;

  // The window's close command: an accepted definition is written back when
  // it differs (or the matrix was already edited); otherwise the operator
  // chooses between going on and abandoning, which writes nothing.
  enum class CloseOutcome { Closed, StaysOpen };
  CloseOutcome Close(KeyMatrixTarget target, Presenter& presenter);

  const KeyMatrix& working() const { return working_; }

 private:
  std::vector<std::string> Headings(const KeyChannels& keys, ChannelAxis axis, std::size_t count) const;

  KeyChannels keyX_;
  KeyChannels keyY_;
  std::size_t columns_;
  std::size_t keyRows_;
  KeyMatrix working_;
  std::vector<std::uint8_t> cells_;
};

}  // namespace vn
