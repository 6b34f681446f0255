#include "gamesdat/catalogue_compiler.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "common/text.h"
#include "gamesdat/catalogue_reader.h"

namespace orv::gamesdat {

namespace {

constexpr int kDeckSizes[] = {52, 104, 156, 208};
constexpr int kRequiredParameters[] = {P::DeckCards, P::TableauCount};

// Which parameter says how many piles of a per-pile range are in play; the
// ranges differ in length (40 tableau piles, 16 foundations, 12 reserves).
struct PileRange {
  int entries;
  int countParameter;
  std::string_view piles;
};
constexpr PileRange kPileRanges[] = {
    {40, P::TableauCount, "tableau piles"}, {16, P::FoundationCount, "foundations"}, {12, P::ReserveCount, "reserves"}};

const PileRange* PileRangeOf(const ParameterInfo& info) {
  auto it = std::find_if(std::begin(kPileRanges), std::end(kPileRanges), [&](const PileRange& r) { return r.entries == info.count; });
  return it == std::end(kPileRanges) ? nullptr : &*it;
}

std::string_view KeyOf(int number) { return FindParameter(number)->key; }

std::string Quoted(std::string_view key) { return "'" + std::string(key) + "'"; }

std::string Label(const GameSource& game) {
  return game.hasNumber ? "game " + std::to_string(game.game.number) : std::string("this game");
}

class GameBuilder {
 public:
  GameBuilder(const CatalogueSource& source, ErrorList& errors) : source_(source), errors_(errors) {}

  std::optional<CompiledGame> Build(const GameSource& game);

 private:
  std::optional<std::vector<const Definition*>> Chain(const Definition& game);
  bool HasRequired(const GameSource& game, const WrittenValues& values);
  bool Apply(const GameSource& game, const WrittenValues& values, GameParameters& params);
  bool ApplyPerPile(const GameSource& game, const WrittenValue& value, GameParameters& params);
  bool CheckCombinations(const WrittenValues& values, const GameParameters& params);

  const CatalogueSource& source_;
  ErrorList& errors_;
};

std::optional<CompiledGame> GameBuilder::Build(const GameSource& game) {
  auto chain = Chain(game.definition);
  if (!chain) return std::nullopt;
  // The farthest template first, so that nearer definitions override it.
  WrittenValues values;
  for (auto it = chain->rbegin(); it != chain->rend(); ++it)
    for (const auto& [key, value] : (*it)->values) values[key] = value;
  CompiledGame compiled = game.game;
  if (!HasRequired(game, values) || !Apply(game, values, compiled.params) || !CheckCombinations(values, compiled.params))
    return std::nullopt;
  return compiled;
}

// The game's definition followed by the templates it builds on.
std::optional<std::vector<const Definition*>> GameBuilder::Chain(const Definition& game) {
  std::vector<const Definition*> chain{&game};
  std::set<std::string, std::less<>> seen;
  for (const Definition* at = &game; !at->base.empty();) {
    auto it = source_.templates.find(at->base);
    if (it == source_.templates.end()) {
      errors_.Add(at->baseWhere, "unknown template " + Quoted(at->base));
      return std::nullopt;
    }
    if (!seen.insert(at->base).second) {
      errors_.Add(at->baseWhere, "template " + Quoted(at->base) + " builds on itself");
      return std::nullopt;
    }
    at = &it->second;
    chain.push_back(at);
  }
  return chain;
}

bool GameBuilder::HasRequired(const GameSource& game, const WrittenValues& values) {
  bool ok = true;
  auto require = [&](bool present, std::string_view key) {
    if (!present) errors_.Add(game.definition.where, Label(game) + " has no " + Quoted(key));
    ok = ok && present;
  };
  require(game.hasNumber, "number");
  require(game.hasName, "name");
  require(game.hasGroup, "group");
  require(game.hasRules, "rules");
  for (int number : kRequiredParameters) require(values.contains(KeyOf(number)), KeyOf(number));
  return ok;
}

// Single values first: the per-pile values need the pile counts.
bool GameBuilder::Apply(const GameSource& game, const WrittenValues& values, GameParameters& params) {
  for (const auto& [key, value] : values)
    if (value.info->count == 1) params.Set(value.info->number, value.numbers.front());
  bool ok = true;
  for (const auto& [key, value] : values)
    if (value.info->count > 1) ok = ApplyPerPile(game, value, params) && ok;
  return ok;
}

// A list fills the piles from the first; a single value every pile in play.
bool GameBuilder::ApplyPerPile(const GameSource& game, const WrittenValue& value, GameParameters& params) {
  const PileRange* range = PileRangeOf(*value.info);
  if (!range) {
    errors_.Add(value.where, Quoted(value.info->key) + " belongs to no known kind of pile");
    return false;
  }
  const int piles = params[range->countParameter];
  if (value.isList && static_cast<int>(value.numbers.size()) > piles) {
    errors_.Add(value.where, Quoted(value.info->key) + " lists " + std::to_string(value.numbers.size()) + " values but " +
                                 Label(game) + " has " + std::to_string(piles) + " " + std::string(range->piles));
    return false;
  }
  const int entries = value.isList ? static_cast<int>(value.numbers.size()) : piles;
  for (int pile = 1; pile <= entries; ++pile)
    params.SetPile(value.info->number, pile, value.numbers[value.isList ? static_cast<size_t>(pile - 1) : 0]);
  return true;
}

bool GameBuilder::CheckCombinations(const WrittenValues& values, const GameParameters& params) {
  bool ok = true;
  const int deck = params[P::DeckCards];
  if (std::find(std::begin(kDeckSizes), std::end(kDeckSizes), deck) == std::end(kDeckSizes)) {
    errors_.Add(values.find(KeyOf(P::DeckCards))->second.where,
                "'deck_cards' = " + std::to_string(deck) + " is not a whole number of decks: 52, 104, 156 or 208");
    ok = false;
  }
  if (params[P::SampleWon] > params[P::SampleSize]) {
    errors_.Add(values.find(KeyOf(P::SampleWon))->second.where, "'sample_won' is larger than 'sample_size'");
    ok = false;
  }
  return ok;
}

// Two games may share neither a number nor a name: the program finds a game
// by either and would always take the first.
void CheckUnique(const std::vector<GameSource>& games, ErrorList& errors) {
  std::map<int, const GameSource*> numbers;
  std::map<std::string, const GameSource*> names;
  for (const auto& game : games) {
    if (game.hasNumber) {
      auto [it, added] = numbers.emplace(game.game.number, &game);
      if (!added)
        errors.Add(game.numberWhere,
                   "game number " + std::to_string(game.game.number) + " is already used at " + Location(it->second->numberWhere));
    }
    if (game.hasName) {
      auto [it, added] = names.emplace(ToLowerAscii(game.game.name), &game);
      if (!added)
        errors.Add(game.nameWhere, "the name \"" + game.game.name + "\" is already used at " + Location(it->second->nameWhere));
    }
  }
}

}  // namespace

CompileResult CompileCatalogue(std::span<const SourceFile> files) {
  CompileResult result;
  ErrorList errors(result.errors);
  CatalogueSource source;
  for (const auto& file : files) ReadCatalogueFile(file, source, errors);
  GameBuilder builder(source, errors);
  for (const auto& game : source.games)
    if (auto compiled = builder.Build(game)) result.games.push_back(std::move(*compiled));
  CheckUnique(source.games, errors);
  std::stable_sort(result.games.begin(), result.games.end(),
                   [](const CompiledGame& a, const CompiledGame& b) { return a.number < b.number; });
  return result;
}

}  // namespace orv::gamesdat
