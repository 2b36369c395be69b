#pragma once
// Numbered sets of the seventeen details, for tests that save over and over and must tell, from the
// store alone, which save it holds and that it holds all of it. Every value carries its number, the
// day type and time slot follow it, and the remark's length varies with it, so a store holding parts
// of two saves, or a save cut short, matches no generation.

#include <QStringList>
#include <optional>

namespace robustness {

QStringList generationProfile(int generation);

// The generation `values` are, or nothing when they are not exactly one of them.
std::optional<int> generationOf(const QStringList& values);

} // namespace robustness
