#include "support/table_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orv {
namespace {

TEST(TableText, BoardRoundTrips) {
  GameParameters params;
  CardTable table(params);
  test::SetBoard(table,
                 "Fila1: 005d 9d 017u\n"
                 "\n"
                 "  Dest16: 001u  \n"
                 "Mazzo_Vis: 000 002\n");
  EXPECT_EQ(*table.Pile("Fila01"), "005009017");
  EXPECT_TRUE(table.IsFaceDown(9));
  EXPECT_FALSE(table.IsFaceDown(17));
  EXPECT_EQ(test::DescribeBoard(table), "Mazzo_Vis: 000 002u\nDest16: 001u\nFila01: 005d 009d 017u\n");
  test::SetBoard(table, {{"Appogg2", "004d"}});  // a new board starts empty
  EXPECT_EQ(test::DescribeBoard(table), "Appogg02: 004d\n");
}

TEST(TableText, RejectsWhatIsNoPileOrCard) {
  GameParameters params;
  CardTable table(params);
  const char* const bad[] = {"5x", "213", "000u", "0005", "d", "-5"};
  for (const char* cards : bad) EXPECT_THROW(test::SetPile(table, "Fila01", cards), std::invalid_argument) << cards;
  EXPECT_THROW(test::SetPile(table, "Fila41", "005"), std::invalid_argument);
  EXPECT_THROW(test::SetBoard(table, "Fila01 005"), std::invalid_argument);
  EXPECT_THROW(test::DescribePile(table, "Bogus"), std::invalid_argument);
}

}  // namespace
}  // namespace orv
