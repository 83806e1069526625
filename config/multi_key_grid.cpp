#include "config/multi_key_grid.h"

#include <algorithm>

namespace vn {

namespace {

constexpr char kPromptCaption[] = "提示";

}  // namespace

MultiKeyGrid::MultiKeyGrid(const KeyChannels& keyX, const KeyChannels& keyY, const KeyMatrix& matrix)
    : keyX_(keyX),
      keyY_(keyY),
      columns_(std::min<std::size_t>(keyX.count, kKeyMatrixSize)),
      keyRows_(std::min<std::size_t>(keyY.count, kKeyMatrixSize)),
      working_(matrix),
      cells_(columns_ * kMultiKeyRows, 0) {
  for (std::size_t x = 0; x < columns_; ++x)
    for (std::size_t y = 0; y < kMultiKeyRows; ++y) cells_[MultiKeyCell(x, y)] = working_[y][x] != 0 ? 1 : 0;
}

void MultiKeyGrid::SetChecked(std::size_t cell, bool checked) {
  if (cell < cells_.size()) cells_[cell] = checked ? 1 : 0;
}

std::vector<std::string> MultiKeyGrid::Headings(const KeyChannels& keys, ChannelAxis axis, std::size_t count) const {
  std::vector<std::string> headings;
  for (std::size_t c = 0; c < ChannelItemCount(axis) && headings.size() < count; ++c)
    if (keys.flags[c] != 0) headings.push_back(ChannelItemText(axis, c));
  return headings;
}

std::vector<std::string> MultiKeyGrid::ColumnHeadings() const { return Headings(keyX_, ChannelAxis::X, columns_); }

std::array<std::optional<std::string>, kMultiKeyRows> MultiKeyGrid::RowHeadings() const {
  std::array<std::optional<std::string>, kMultiKeyRows> rows;
  const std::vector<std::string> names = Headings(keyY_, ChannelAxis::Y, keyRows_);
  for (std::size_t y = 0; y < names.size(); ++y) rows[y] = names[y];
  if (keyRows_ < kMultiKeyRows) rows[keyRows_] = kMultiKeyRowEndHeading;
  return rows;
}

std::vector<std::size_t> MultiKeyGrid::RefuseInvalidCells(Presenter& presenter) {
  std::vector<std::size_t> refused;
  for (std::size_t x = 0; x < columns_; ++x) {
    for (std::size_t y = keyRows_; y < kMultiKeyRows; ++y) {
      const std::size_t cell = MultiKeyCell(x, y);
      if (cells_[cell] == 0) continue;
      presenter.ShowMessage(kInvalidKeyCellText, kPromptCaption, MessageIcon::Stop, MessageButtons::Ok);
      cells_[cell] = 0;
      refused.push_back(cell);
    }
  }
  return refused;
}

bool MultiKeyGrid::DefinitionAccepted() const {
  for (std::size_t x = 0; x < columns_; ++x) {
    bool any = false;
    for (std::size_t y = 0; y < keyRows_; ++y) any = any || Checked(MultiKeyCell(x, y));
    if (!any) return false;
  }
  for (std::size_t y = 0; y < keyRows_; ++y) {
    bool any = false;
    for (std::size_t x = 0; x < columns_; ++x) any = any || Checked(MultiKeyCell(x, y));
    if (!any) return false;
  }
  return true;
}

MultiKeyGrid::CloseOutcome MultiKeyGrid::Close(KeyMatrixTarget target, Presenter& presenter) {
  for (std::size_t x = 0; x < columns_; ++x)
    for (std::size_t y = 0; y < keyRows_; ++y) working_[y][x] = Checked(MultiKeyCell(x, y)) ? 1 : 0;
  if (!DefinitionAccepted()) {
    const MessageResult answer =
        presenter.ShowMessage(kMultiKeyErrorText, kKeyErrorCaption, MessageIcon::Stop, MessageButtons::OkCancel);
    return answer == MessageResult::Ok ? CloseOutcome::StaysOpen : CloseOutcome::Closed;
  }
  if (!target.edited && working_ != target.matrix) target.edited = true;
  if (target.edited) target.matrix = working_;
  return CloseOutcome::Closed;
}

}  // namespace vn
