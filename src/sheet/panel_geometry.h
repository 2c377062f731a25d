#pragma once

// Where the window lays the panel picture and the controls over it, in twips
// (1/1440 inch, 15 to the pixel at 96 dpi). The window's layout places its
// controls here, and the configuration sheet draws the panel face with the same
// things in the same places.
namespace panelgeometry {

struct Twips {
    int left, top, width, height;
};

inline constexpr Twips kPlate{960, 1440, 4695, 7095};         // the panel picture
inline constexpr Twips kHeaderMarker{1080, 6720, 615, 975};   // the programming header
inline constexpr int kLeftColumn = 1680, kRightColumn = 3480; // the two columns of positions
inline constexpr int kRowPitch = 1080;                        // from one row to the next
inline constexpr int kPairWidth = 1455; // a designation box, a module and a channel list
inline constexpr int kModuleWidth = 855, kChannelWidth = 615, kChannelOffset = 840;
inline constexpr int kBoxTop = 2400, kBoxHeight = 285;     // the designation boxes of row 0
inline constexpr int kListsTop = 2640, kListsHeight = 645; // the lists of row 0
inline constexpr int kBacklightingTop = 7800;              // the backlighting's lists
inline constexpr int kLabelLeft = 1200, kLabelRight = 5040, kLabelTop = 2760; // "SW1".."SW10"

// Position 0..9 of a switch or an LED: column position % 2, row position / 2.
constexpr int columnLeft(int position) { return position % 2 == 0 ? kLeftColumn : kRightColumn; }
constexpr int rowOffset(int position) { return kRowPitch * (position / 2); }

constexpr Twips designationBox(int position)
{
    return {columnLeft(position), kBoxTop + rowOffset(position), kPairWidth, kBoxHeight};
}
constexpr Twips moduleList(int position)
{
    return {columnLeft(position), kListsTop + rowOffset(position), kModuleWidth, kListsHeight};
}
constexpr Twips channelList(int position)
{
    return {columnLeft(position) + kChannelOffset, kListsTop + rowOffset(position), kChannelWidth,
            kListsHeight};
}
inline constexpr Twips kBacklightingModule{kRightColumn, kBacklightingTop, kModuleWidth,
                                           kListsHeight};
inline constexpr Twips kBacklightingChannel{kRightColumn + kChannelOffset, kBacklightingTop,
                                            kChannelWidth, kListsHeight};
constexpr int labelLeft(int position) { return position % 2 == 0 ? kLabelLeft : kLabelRight; }
constexpr int labelTop(int position) { return kLabelTop + rowOffset(position); }

} // namespace panelgeometry
