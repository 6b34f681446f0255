#include "rules/score.h"

#include "play/engine.h"

namespace orv {

namespace {
constexpr int kPointsPerCard = 5;
}  // namespace

void AddToScore(Engine& e, int count) { e.main.score += kPointsPerCard * count; }

void RefreshScore(Engine& /*e*/) {}

}  // namespace orv
