// What the engine asks of the table on the screen. The engine changes pile
// strings and tells the view; the view never decides a rule.
#pragma once

#include <string_view>

namespace orv {

class View {
 public:
  virtual ~View() = default;
  // A pile's content changed and its picture must follow.
  virtual void PileChanged(std::string_view pileName) = 0;
  // The whole table changed (a new deal, an undo).
  virtual void TableChanged() = 0;
};

// The view of a program without a table (tools, tests that do not look).
class NullView : public View {
 public:
  void PileChanged(std::string_view) override {}
  void TableChanged() override {}
};

}  // namespace orv
