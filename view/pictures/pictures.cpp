#include "view/pictures/pictures.h"

#include <array>

// The pictures are XPM images kept as C string arrays. Buttons are 20 x 20 on
// the light grey (#C0C0C0) of a button face; each "down" variant is the same
// shape as a flat yellow silhouette, shown while the button is held. The icon
// and the cursor stay within the 16-colour VGA palette.

namespace ombrelk {

// Pixel rows are kept one per line so the pictures stay readable in the source.
// clang-format off
// Application icon: a calendar sheet.
constexpr auto app_icon_xpm = std::to_array<const char*>({
    "32 32 8 1",
    "  c None",
    "# c #000000",
    "w c #FFFFFF",
    "b c #0000FF",
    "r c #FF0000",
    "y c #FFFF00",
    "s c #C0C0C0",
    "g c #808080",
    "        sg            sg        ",
    "        sg            sg        ",
    "  ######sg############sg######  ",
    "  #rrrrrsgrrrrrrrrrrrrsgrrrrr#  ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  #wwwwwwwwbbbbwwwwbbwwwwwwww#g ",
    "  #wwwwwwwbbwwbbwwbbbwwwwwwww#g ",
    "  #wwwwwwwwwwwbbwwwbbwwwwwwww#g ",
    "  #wwwwwwwwwbbbwwwwbbwwwwwwww#g ",
    "  #wwwwwwwwwwwbbwwwbbwwwwwwww#g ",
    "  #wwwwwwwwwwwbbwwwbbwwwwwwww#g ",
    "  #wwwwwwwbbwwbbwwwbbwwwwwwww#g ",
    "  #wwwwwwwwbbbbwwwbbbbwwwwwww#g ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwwwwwwwwwyyyywwwwwwwwwww#g ",
    "  #wwwrrw##w##y##y##w##wbbwww#g ",
    "  #wwwrrw##w##y##y##w##wbbwww#g ",
    "  #wwwwwwwwwwwyyyywwwwwwwwwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwrrw##w##w##w##w##wbbwww#g ",
    "  #wwwwwwwwwwwwwwwwwwwwwwwwww#g ",
    "  ############################g ",
    "    ggggggggggggggggggggggggggg "
});

// Previous month: blue triangle pointing left.
constexpr auto prev_month_xpm = std::to_array<const char*>({
    "20 20 6 1",
    ". c #C0C0C0",
    "o c #000080",
    "1 c #8CA8FF",
    "2 c #4A6CF4",
    "3 c #2040D8",
    "4 c #1428A8",
    "....................",
    "....................",
    "....................",
    "............oo......",
    "...........o1o......",
    ".........oo12o......",
    "........o1122o......",
    "......oo12222o......",
    ".....o1122222o......",
    "...oo12222222o......",
    "...oo33333333o......",
    ".....o3333333o......",
    "......oo33333o......",
    "........o3333o......",
    ".........oo44o......",
    "...........o4o......",
    "............oo......",
    "....................",
    "....................",
    "...................."
});

// Previous month, pressed.
constexpr auto prev_month_down_xpm = std::to_array<const char*>({
    "20 20 2 1",
    ". c #C0C0C0",
    "y c #FFFF00",
    "....................",
    "....................",
    "....................",
    "............yy......",
    "...........yyy......",
    ".........yyyyy......",
    "........yyyyyy......",
    "......yyyyyyyy......",
    ".....yyyyyyyyy......",
    "...yyyyyyyyyyy......",
    "...yyyyyyyyyyy......",
    ".....yyyyyyyyy......",
    "......yyyyyyyy......",
    "........yyyyyy......",
    ".........yyyyy......",
    "...........yyy......",
    "............yy......",
    "....................",
    "....................",
    "...................."
});

// This month: blue disc.
constexpr auto this_month_xpm = std::to_array<const char*>({
    "20 20 6 1",
    ". c #C0C0C0",
    "o c #000080",
    "1 c #8CA8FF",
    "2 c #4A6CF4",
    "3 c #2040D8",
    "4 c #1428A8",
    "....................",
    "....................",
    "....................",
    ".......oooooo.......",
    ".....oo222223oo.....",
    "....o2212222233o....",
    "....o2111222233o....",
    "...o211111222333o...",
    "...o221112222333o...",
    "...o222122222333o...",
    "...o222222223334o...",
    "...o222222233334o...",
    "...o322222333344o...",
    "....o3333333334o....",
    "....o3333333444o....",
    ".....oo333444oo.....",
    ".......oooooo.......",
    "....................",
    "....................",
    "...................."
});

// This month, pressed.
constexpr auto this_month_down_xpm = std::to_array<const char*>({
    "20 20 2 1",
    ". c #C0C0C0",
    "y c #FFFF00",
    "....................",
    "....................",
    "....................",
    ".......yyyyyy.......",
    ".....yyyyyyyyyy.....",
    "....yyyyyyyyyyyy....",
    "....yyyyyyyyyyyy....",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "....yyyyyyyyyyyy....",
    "....yyyyyyyyyyyy....",
    ".....yyyyyyyyyy.....",
    ".......yyyyyy.......",
    "....................",
    "....................",
    "...................."
});

// Next month: blue triangle pointing right.
constexpr auto next_month_xpm = std::to_array<const char*>({
    "20 20 6 1",
    ". c #C0C0C0",
    "o c #000080",
    "1 c #8CA8FF",
    "2 c #4A6CF4",
    "3 c #2040D8",
    "4 c #1428A8",
    "....................",
    "....................",
    "....................",
    "......oo............",
    "......o1o...........",
    "......o21oo.........",
    "......o2211o........",
    "......o22221oo......",
    "......o2222211o.....",
    "......o22222221oo...",
    "......o33333333oo...",
    "......o3333333o.....",
    "......o33333oo......",
    "......o3333o........",
    "......o44oo.........",
    "......o4o...........",
    "......oo............",
    "....................",
    "....................",
    "...................."
});

// Next month, pressed.
constexpr auto next_month_down_xpm = std::to_array<const char*>({
    "20 20 2 1",
    ". c #C0C0C0",
    "y c #FFFF00",
    "....................",
    "....................",
    "....................",
    "......yy............",
    "......yyy...........",
    "......yyyyy.........",
    "......yyyyyy........",
    "......yyyyyyyy......",
    "......yyyyyyyyy.....",
    "......yyyyyyyyyyy...",
    "......yyyyyyyyyyy...",
    "......yyyyyyyyy.....",
    "......yyyyyyyy......",
    "......yyyyyy........",
    "......yyyyy.........",
    "......yyy...........",
    "......yy............",
    "....................",
    "....................",
    "...................."
});

// Home: a house with a red roof, white walls, brown door and a window.
constexpr auto home_xpm = std::to_array<const char*>({
    "20 20 10 1",
    ". c #C0C0C0",
    "k c #202020",
    "R c #800000",
    "r c #E02010",
    "b c #A04020",
    "w c #FFFFFF",
    "g c #D0D0D0",
    "d c #804000",
    "y c #FFFF00",
    "n c #80C0FF",
    "....................",
    ".........RR.........",
    "........RRRR.RRR....",
    ".......RRrrRRRbR....",
    "......RRrrrrRRbR....",
    ".....RRrrrrrrRRR....",
    "....RRrrrrrrrrRR....",
    "...RRrrrrrrrrrrRR...",
    "..RRrrrrrrrrrrrrRR..",
    ".RRRRRRRRRRRRRRRRRR.",
    "...kwwwwwwwwwwwgk...",
    "...kwkkkkwwkkkkgk...",
    "...kwkddkwwknnkgk...",
    "...kwkddkwwknnkgk...",
    "...kwkdykwwkkkkgk...",
    "...kwkddkwwwwwwgk...",
    "...kwkddkwwwwwwgk...",
    "...kkkkkkkkkkkkkk...",
    "....................",
    "...................."
});

// Home, pressed.
constexpr auto home_down_xpm = std::to_array<const char*>({
    "20 20 2 1",
    ". c #C0C0C0",
    "y c #FFFF00",
    "....................",
    ".........yy.........",
    "........yyyy.yyy....",
    ".......yyyyyyyyy....",
    "......yyyyyyyyyy....",
    ".....yyyyyyyyyyy....",
    "....yyyyyyyyyyyy....",
    "...yyyyyyyyyyyyyy...",
    "..yyyyyyyyyyyyyyyy..",
    ".yyyyyyyyyyyyyyyyyy.",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "...yyyyyyyyyyyyyy...",
    "....................",
    "...................."
});

// Hand cursor: index finger up, hot spot (12, 1) at the finger tip.
constexpr auto hand_cursor_xpm = std::to_array<const char*>({
    "32 32 3 1 12 1",
    ". c None",
    "# c #000000",
    "+ c #FFFFFF",
    "................................",
    "...........###..................",
    "..........#+++#.................",
    "..........#+++#.................",
    "..........#+++#.................",
    "..........#+++#.................",
    "..........#+++#.................",
    "..........#+++####..............",
    "..........#+++#+++####..........",
    "..........#+++#+++#+++###.......",
    "..........#+++#+++#+++#++#......",
    "......###.#+++#+++#+++#++#......",
    ".....#+++##+++#+++#+++#++#......",
    ".....#++++#++++++++++++++#......",
    ".....#+++++++++++++++++++#......",
    "......#++++++++++++++++++#......",
    ".......#+++++++++++++++++#......",
    "........#++++++++++++++++#......",
    ".........#+++++++++++++++#......",
    "..........#++++++++++++++#......",
    "..........#++++++++++++++#......",
    "..........#++++++++++++++#......",
    "..........#++++++++++++++#......",
    "..........################......",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................"
});
// clang-format on

std::span<const char* const> PictureXpm(PictureId id) {
  switch (id) {
    case PictureId::AppIcon:
      return app_icon_xpm;
    case PictureId::PrevMonth:
      return prev_month_xpm;
    case PictureId::PrevMonthDown:
      return prev_month_down_xpm;
    case PictureId::ThisMonth:
      return this_month_xpm;
    case PictureId::ThisMonthDown:
      return this_month_down_xpm;
    case PictureId::NextMonth:
      return next_month_xpm;
    case PictureId::NextMonthDown:
      return next_month_down_xpm;
    case PictureId::Home:
      return home_xpm;
    case PictureId::HomeDown:
      return home_down_xpm;
    case PictureId::HandCursor:
      return hand_cursor_xpm;
  }
  return {};
}

}  // namespace ombrelk
