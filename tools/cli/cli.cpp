#include "cli.h"

#include <istream>
#include <ostream>
#include <random>
#include <sstream>

#include "cards/deal.h"
#include "cli_host.h"
#include "common/text.h"
#include "play/engine.h"
#include "records/score.h"
#include "records/win.h"
#include "rules/history.h"
#include "soak.h"
#include "table_play.h"

namespace orv::cli {

namespace {

constexpr const char* kUsage =
    "Usage: orvane-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  deal GAME DEAL   Deal game number GAME of the catalogue (GAMES.DAT beside\n"
    "                   the program) with the deal number DEAL (1 to 13 digits)\n"
    "                   and print the deck order and every pile in play.\n"
    "  play GAME DEAL   Deal as 'deal' does, then read commands from standard\n"
    "                   input, one per line, and answer each:\n"
    "                     show              the piles, as 'deal' prints them\n"
    "                     legal             every legal move as 'CARD TARGET',\n"
    "                                       then 'stock' when a click would act\n"
    "                     move CARD TARGET  lift CARD (3-digit code) with the\n"
    "                                       cards above it, drop it on TARGET:\n"
    "                                       'ok' or 'refused'\n"
    "                     stock             click the stock: 'ok' or 'nothing'\n"
    "                     undo, redo        'ok' or 'nothing'\n"
    "                     status            'score N won yes|no moves N deals N'\n"
    "                                       (moves: the moves made; deals: the\n"
    "                                       deal counter)\n"
    "                   Every message the game shows is a line 'message: TEXT'.\n"
    "                   Blank lines and lines starting with '#' are skipped.\n"
    "  soak [--deals N] [--moves M] [--seed S] [GAME...]\n"
    "                   Play N random deals (default 200) of each GAME (default:\n"
    "                   the whole catalogue) with up to M random actions each\n"
    "                   (default 300), checking after every action that no card\n"
    "                   is lost or doubled and that undo and redo are exact.\n"
    "                   Prints one line per game; a failure prints the game, the\n"
    "                   deal and the play commands that reproduce it.\n"
    "  --help           Show this text.\n"
    "\n"
    "Output of deal: first 'deck: ' and the deck order as 3-digit card codes\n"
    "(before anything is dealt), then one line per pile, from the stock to the\n"
    "reserves: the pile name, a colon, and each card from the bottom as its\n"
    "3-digit code followed by its face flag (1 up, 0 down).\n"
    "Exit status: 0 success, 1 a soak failure, 2 a bad command line, game or\n"
    "deal number.\n";

bool IsDigits(std::string_view s, size_t minSize, size_t maxSize) {
  if (s.size() < minSize || s.size() > maxSize) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool IsDealNumber(const std::string& s) { return IsDigits(s, 1, kDealDigitCount); }

std::optional<int> GameNumber(const std::string& text) {
  const auto game = ParseInt(text);
  if (!game || *game < 0 || *game > 999) return std::nullopt;
  return static_cast<int>(*game);
}

// GAME and DEAL of the deal and play commands; false after a message.
bool GameAndDeal(const std::vector<std::string>& args, int& game, std::ostream& err) {
  const std::string who = "orvane-cli " + args[0] + ": ";
  if (args.size() != 3) {
    err << who << "expects GAME and DEAL\n" << kUsage;
    return false;
  }
  const auto number = GameNumber(args[1]);
  if (!number) {
    err << who << "'" << args[1] << "' is not a game number (0 to 999)\n";
    return false;
  }
  if (!IsDealNumber(args[2])) {
    err << who << "'" << args[2] << "' is not a deal number (1 to 13 digits)\n";
    return false;
  }
  game = *number;
  return true;
}

int DealCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                std::ostream& err) {
  int game = 0;
  if (!GameAndDeal(args, game, err)) return 2;
  CliHost host(err);
  Engine e(host, Folders{programFolder, {}});
  if (!LoadGame(e, game, err)) return 2;
  e.session.Put(sr::DealNumber, args[2]);

  DeckOrder deck;
  fnGameNumberCardsArray(e, deck);
  out << "deck:";
  for (int card : deck) out << ' ' << CardCode(card);
  out << '\n';

  DealCurrentGame(e);
  PrintPiles(e, out);
  return 0;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream s(line);
  for (std::string w; s >> w;) words.push_back(w);
  return words;
}

class PlaySession {
 public:
  PlaySession(Engine& e, CliHost& host, std::ostream& out) : e_(e), host_(host), out_(out) {}

  void Answer(const std::vector<std::string>& w) {
    const std::string& command = w[0];
    if (command == "move") return Move(w);
    if (w.size() != 1) {
      out_ << "error: " << command << " takes no arguments\n";
      return;
    }
    if (command == "show") PrintPiles(e_, out_);
    else if (command == "legal") Legal();
    else if (command == "stock") Reply(ClickStock(e_), "ok", "nothing");
    else if (command == "undo") Reply(Undo(e_), "ok", "nothing");
    else if (command == "redo") Reply(Redo(e_), "ok", "nothing");
    else if (command == "status") Status();
    else out_ << "error: unknown command '" << command << "' (show, legal, move, stock, undo, redo, status)\n";
  }

 private:
  void Reply(bool yes, const char* ok, const char* no) { out_ << (yes ? ok : no) << '\n'; }

  void Move(const std::vector<std::string>& w) {
    if (w.size() != 3) {
      out_ << "error: move expects CARD and TARGET\n";
      return;
    }
    if (!IsDigits(w[1], 3, 3)) {
      out_ << "error: '" << w[1] << "' is not a 3-digit card code\n";
      return;
    }
    const bool moved = TryMove(e_, static_cast<int>(ParseIntOr(w[1], 0)), w[2]);
    if (moved) ++moves_;
    Reply(moved, "ok", "refused");
  }

  void Legal() {
    for (const auto& move : LegalMoves(e_)) out_ << CardCode(move.card) << ' ' << move.target << '\n';
    host_.SetQuiet(true);
    const bool stock = StockWouldAct(e_);
    host_.SetQuiet(false);
    if (stock) out_ << "stock\n";
  }

  void Status() {
    out_ << "score " << StoredScore(e_) << " won " << (IsWon(e_) ? "yes" : "no") << " moves " << moves_ << " deals "
         << e_.main.dealCounter << '\n';
  }

  Engine& e_;
  CliHost& host_;
  std::ostream& out_;
  int moves_ = 0;
};

int PlayCommand(const std::vector<std::string>& args, const std::string& programFolder, std::istream& in,
                std::ostream& out, std::ostream& err) {
  int game = 0;
  if (!GameAndDeal(args, game, err)) return 2;
  CliHost host(out);
  Engine e(host, Folders{programFolder, {}});
  if (!OpenGame(e, game, args[2], err)) return 2;
  PlaySession session(e, host, out);
  for (std::string line; std::getline(in, line);) {
    const auto words = Words(line);
    if (words.empty() || words[0].starts_with('#')) continue;
    session.Answer(words);
    out.flush();
  }
  return 0;
}

struct SoakOptions {
  int deals = 200;
  int moves = 300;
  std::uint32_t seed = 1;
  std::vector<int> games;
};

// False after a message on `err`.
bool ParseSoakOptions(const std::vector<std::string>& args, SoakOptions& o, std::ostream& err) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--deals" || a == "--moves" || a == "--seed") {
      const long long max = a == "--seed" ? 0xFFFFFFFFLL : 1'000'000LL;
      const long long value = i + 1 < args.size() ? ParseIntOr(args[i + 1], -1) : -1;
      if (value < 0 || value > max) {
        err << "orvane-cli soak: " << a << " expects a number from 0 to " << max << '\n';
        return false;
      }
      if (a == "--deals") o.deals = static_cast<int>(value);
      else if (a == "--moves") o.moves = static_cast<int>(value);
      else o.seed = static_cast<std::uint32_t>(value);
      ++i;
    } else if (const auto game = GameNumber(a)) {
      o.games.push_back(*game);
    } else {
      err << "orvane-cli soak: '" << a << "' is neither an option nor a game number\n" << kUsage;
      return false;
    }
  }
  return true;
}

void PrintFailure(std::ostream& out, int game, const std::string& deal, const SoakDealResult& r) {
  out << "FAILED game " << game << " deal " << deal << " after " << r.actions << " actions: " << r.failure << '\n'
      << "to reproduce: orvane-cli play " << game << ' ' << deal << " with these lines on standard input:\n";
  for (const auto& action : r.played) out << "  " << action << '\n';
}

int SoakCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                std::ostream& err) {
  SoakOptions o;
  if (!ParseSoakOptions(args, o, err)) return 2;
  CliHost host(err);
  Engine e(host, Folders{programFolder, {}});
  if (!e.catalogue.Load(host)) return 2;
  if (o.games.empty()) o.games = e.catalogue.GameNumbers();
  for (int game : o.games)
    if (e.catalogue.FindGameColumn(game) < 0) {
      err << "orvane-cli soak: game " << game << " is not in the catalogue " << e.catalogue.DefinitionsPath() << '\n';
      return 2;
    }

  host.SetQuiet(true);
  int failures = 0;
  for (int game : o.games) {
    if (!LoadGame(e, game, err)) return 2;
    std::seed_seq dealSeed{o.seed, static_cast<std::uint32_t>(game)};
    std::mt19937_64 dealNumbers(dealSeed);
    long long actions = 0;
    int wins = 0, failed = 0;
    for (int d = 0; d < o.deals; ++d) {
      const std::string deal = SoakDealNumber(dealNumbers);
      e.session.Put(sr::DealNumber, deal);
      DealCurrentGame(e);
      std::seed_seq playSeed{o.seed, static_cast<std::uint32_t>(game), static_cast<std::uint32_t>(d)};
      std::mt19937 rng(playSeed);
      const SoakDealResult r = SoakDeal(e, o.moves, rng);
      actions += r.actions;
      wins += r.won ? 1 : 0;
      if (!r.failure.empty()) {
        ++failed;
        PrintFailure(out, game, deal, r);
      }
    }
    out << "game " << game << ' ' << e.catalogue.GameName(game) << ": deals " << o.deals << ", actions " << actions
        << ", wins " << wins << ", failures " << failed << '\n';
    out.flush();
    failures += failed;
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::string& programFolder, std::istream& in, std::ostream& out,
        std::ostream& err) {
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
  if (command == "play") return PlayCommand(args, programFolder, in, out, err);
  if (command == "soak") return SoakCommand(args, programFolder, out, err);
  err << "orvane-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}

}  // namespace orv::cli
