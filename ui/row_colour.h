#pragma once
#include <cstdint>

#include "ui/controls.h"

// A ResultList row keeps its colour in its own item data, so the colour moves up with the row when
// rows above it are removed and goes when the row goes. Item data 0 is a row without a colour; a
// coloured row carries the mark bit next to the colour's 24 bits of red, green and blue.
constexpr std::uint32_t RowColourMark = 0x01000000;

inline std::intptr_t RowDataFor(Colour colour) {
    return static_cast<std::intptr_t>(RowColourMark | (colour & 0x00FFFFFF));
}

inline bool RowDataHasColour(std::intptr_t data) {
    return (static_cast<std::uint32_t>(data) & RowColourMark) != 0;
}

inline Colour RowDataColour(std::intptr_t data) { return static_cast<std::uint32_t>(data) & 0x00FFFFFF; }
