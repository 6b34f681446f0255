// Move execution tests: the validation fixture plus whole-board comparison.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/execute.h"
#include "rules/history.h"
#include "validation_fixture.h"

namespace orv::test {

class ExecuteTest : public RulesTest {
 protected:
  // The board as text, every card with its face flag.
  std::string Board() const { return DescribeBoard(e.table); }
  // A board written with card names, in the form Board() prints.
  std::string Expected(std::string_view board) const {
    CardTable table(e.params);
    SetBoard(table, BoardText(board));
    return DescribeBoard(table);
  }
  std::vector<std::string> Sounds() const { return host.sounds; }
  void SetAutomaticFaceUp(bool on) { e.session.Put(sr::AutomaticFaceUp, on ? "Y" : "N"); }
};

}  // namespace orv::test
