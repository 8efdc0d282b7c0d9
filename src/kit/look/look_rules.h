#pragma once
// The colour rules of the window's two looks, kept apart from the widgets so that they read
// (and test) as plain data: what one control of a given kind becomes in look 0 or look 1.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace kit::look
{

// Colours as the window was designed: 24-bit blue-green-red values, or a system colour given as
// 0x80000000 plus the system colour's index.
namespace colour
{
inline constexpr quint32 buttonFace = 0x8000000F;
inline constexpr quint32 windowText = 0x80000008;
inline constexpr quint32 lightYellow = 0xC0FFFF; // the designed lettering that look 0 replaces
inline constexpr quint32 paleCyan = 0xFDFEDA;    // bordered text boxes and list boxes
inline constexpr quint32 lightOrange = 0xC0E0FF; // drop-down lists
} // namespace colour

inline constexpr int systemLook = 0;
inline constexpr int designedLook = 1;
inline constexpr int transparentBackStyle = 0;
inline constexpr int opaqueBackStyle = 1;
inline constexpr int fixedSingleBorder = 1;

// The kinds of control the pass tells apart. A plain list is a list box; drive and folder lists,
// check boxes, panels and the rest are Other.
enum class Kind { Label, CommandButton, TextBox, ListBox, DropDownList, Other };

// What the pass reads and writes of one control. A property the control does not have stays empty,
// and every step that needs it passes the control over.
struct ControlLook {
    Kind kind = Kind::Other;
    QString tag;
    std::optional<quint32> backColour;
    std::optional<quint32> foreColour;
    std::optional<int> backStyle;
    std::optional<int> borderStyle;
    bool staticEdge = false; // set by the pass on command buttons

    bool tagged() const { return !tag.isEmpty(); }
};

// The part of the pass that runs before its yield: in the system look every control but a tagged
// label, and the window behind it, take the button face, and light-yellow lettering becomes window
// text. The designed look changes nothing here.
void applySystemColours(int lookStyle, ControlLook& control, std::optional<quint32>& windowBackColour);

// The part after the yield, the same in both looks: command buttons get the static edge and the
// button face; untagged controls turn transparent, and untagged bordered text and list boxes and
// untagged drop-down lists take their fixed colours.
void applyFixedColours(ControlLook& control);

// What a click on look button `index` does; `connectionShown` is whether the status bar shows
// anything but "no connection".
enum class LookSwitch { Nothing, Refuse, Switch };
LookSwitch decideLookSwitch(int index, int lookStyle, bool connectionShown);

inline constexpr char refusalText[] = "Make this change when you are not connected!";

} // namespace kit::look
