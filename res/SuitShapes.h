#pragma once
// The four card suits as outlines, shared by the page background and the banner.
#include <QPainterPath>
#include <array>

namespace corvane::res {

enum class Suit { spades, hearts, diamonds, clubs };
inline constexpr std::array<Suit, 4> allSuits{Suit::spades, Suit::hearts, Suit::diamonds,
                                              Suit::clubs};

// The suit's outline centred on the origin, `size` pixels high.
QPainterPath suitPath(Suit suit, qreal size);

} // namespace corvane::res
