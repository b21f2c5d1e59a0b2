#pragma once

#include <array>

#include "ui/geometry.h"

namespace tc::shell {

// The main window's visible area: the terminal's silhouette as a polygon in window coordinates,
// filled with the winding rule. Rounded top corners down to y 19, the wider upper body with a
// small notch in each side at y 99-104, the body narrowing between y 136 and 173 to the keypad
// part, and rounded bottom corners from y 475 to the bottom edge at y 480.
inline constexpr std::array<ui::Point, 83> kTerminalOutline{{
    {115, 0},   {101, 1},   {90, 2},    {82, 3},    {74, 4},    {68, 5},    {60, 6},    {55, 7},
    {49, 8},    {45, 9},    {40, 10},   {36, 11},   {32, 12},   {28, 13},   {24, 14},   {19, 15},
    {10, 16},   {6, 17},    {5, 18},    {4, 19},    {3, 53},    {2, 54},    {1, 73},    {1, 98},
    {2, 99},    {3, 100},   {4, 101},   {4, 103},   {2, 104},   {1, 105},   {1, 138},   {2, 146},
    {3, 153},   {4, 159},   {5, 164},   {6, 171},   {7, 172},   {8, 173},   {9, 475},   {10, 476},
    {23, 477},  {44, 478},  {67, 479},  {79, 480},  {160, 480}, {191, 479}, {217, 478}, {237, 477},
    {250, 476}, {251, 475}, {252, 172}, {253, 171}, {254, 164}, {255, 158}, {256, 153}, {257, 146},
    {258, 136}, {258, 104}, {256, 103}, {256, 101}, {257, 100}, {258, 98},  {257, 53},  {256, 21},
    {255, 18},  {254, 17},  {249, 16},  {240, 15},  {237, 14},  {233, 13},  {229, 12},  {225, 11},
    {220, 10},  {216, 9},   {211, 8},   {206, 7},   {201, 6},   {194, 5},   {188, 4},   {180, 3},
    {171, 2},   {161, 1},   {125, 0},
}};

}  // namespace tc::shell
