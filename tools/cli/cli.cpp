#include "cli.h"

#include <istream>
#include <ostream>

#include "cards/deal.h"
#include "cli_host.h"
#include "common/text.h"
#include "play/engine.h"

namespace orv::cli {

namespace {

constexpr const char* kUsage =
    "Usage: orvane-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  deal GAME DEAL   Deal game number GAME of the catalogue (GAMES.DAT beside\n"
    "                   the program) with the deal number DEAL (1 to 13 digits)\n"
    "                   and print the deck order and every pile in play.\n"
    "  --help           Show this text.\n"
    "\n"
    "Output of deal: first 'deck: ' and the deck order as 3-digit card codes\n"
    "(before anything is dealt), then one line per pile, from the stock to the\n"
    "reserves: the pile name, a colon, and each card from the bottom as its\n"
    "3-digit code followed by its face flag (1 up, 0 down).\n"
    "Exit status: 0 success, 2 a bad command line, game or deal number.\n";

bool IsDealNumber(const std::string& s) {
  if (s.empty() || s.size() > 13) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// A pile is listed when the game uses it or it holds cards.
bool InPlay(const Engine& e, PileRef ref) {
  const std::string* pile = e.table.Pile(ref);
  if (pile && !pile->empty()) return true;
  switch (ref.group) {
    case PileGroup::Stock:
      if (ref.index == 0) return e.params[P::HasStock] != 0;
      if (ref.index == 1) return e.params[P::HasWaste] != 0;
      return e.params[P::SecondWasteInPlay] != 0;
    case PileGroup::Foundation: return ref.index < e.params[P::FoundationCount];
    case PileGroup::Tableau: return ref.index < e.params[P::TableauCount];
    case PileGroup::Reserve: return ref.index < e.params[P::ReserveCount];
    case PileGroup::None: break;
  }
  return false;
}

std::string DescribePile(const Engine& e, PileRef ref) {
  std::string line = PileName(ref) + ":";
  const std::string& pile = *e.table.Pile(ref);
  for (size_t pos = 0; pos + 3 <= pile.size(); pos += 3) {
    const int card = CardAt(pile, pos + 1);
    line += ' ';
    line += pile.substr(pos, 3);
    line += card > 0 ? e.table.cards().FaceFlag(card) : '0';
  }
  return line;
}

void PrintPiles(const Engine& e, std::ostream& out) {
  const std::pair<PileGroup, int> groups[] = {{PileGroup::Stock, kStockPiles},
                                              {PileGroup::Foundation, kFoundationPiles},
                                              {PileGroup::Tableau, kTableauPiles},
                                              {PileGroup::Reserve, kReservePiles}};
  for (const auto& [group, count] : groups)
    for (int i = 0; i < count; ++i)
      if (InPlay(e, {group, i})) out << DescribePile(e, {group, i}) << '\n';
}

int DealCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                std::ostream& err) {
  if (args.size() != 3) {
    err << "orvane-cli deal: expects GAME and DEAL\n" << kUsage;
    return 2;
  }
  const auto game = ParseInt(args[1]);
  if (!game || *game < 0 || *game > 999) {
    err << "orvane-cli deal: '" << args[1] << "' is not a game number (0 to 999)\n";
    return 2;
  }
  if (!IsDealNumber(args[2])) {
    err << "orvane-cli deal: '" << args[2] << "' is not a deal number (1 to 13 digits)\n";
    return 2;
  }

  CliHost host(err);
  Engine e(host, Folders{programFolder, {}});
  if (!e.catalogue.Load(host)) return 2;
  if (e.catalogue.FindGameColumn(static_cast<int>(*game)) < 0) {
    err << "orvane-cli deal: game " << *game << " is not in the catalogue " << e.catalogue.DefinitionsPath() << '\n';
    return 2;
  }
  e.session.Put(sr::GameNumber, std::to_string(*game));
  e.session.Put(sr::GameName, e.catalogue.GameName(static_cast<int>(*game)));
  if (!e.LoadCurrentGame()) return 2;
  e.session.Put(sr::DealNumber, args[2]);

  DeckOrder deck;
  fnGameNumberCardsArray(e, deck);
  out << "deck:";
  for (int card : deck) out << ' ' << CardCode(card);
  out << '\n';

  e.table.ClearPiles();
  Deal(e);
  PrintPiles(e, out);
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::string& programFolder, std::istream& /*in*/,
        std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return 0;
  }
  if (command == "deal") return DealCommand(args, programFolder, out, err);
  err << "orvane-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}

}  // namespace orv::cli
