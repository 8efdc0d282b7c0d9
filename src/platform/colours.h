#pragma once
// Colours as the window layout gives them: 24-bit numbers in blue-green-red order, or
// system colours (&H80000000 plus the system colour's index). Helpers to paint a
// widget's background and text with them, and the two looks of labels and frames
// (opaque or transparent background, no border or a single border).

#include <QColor>
#include <QtGlobal>

class QWidget;

namespace platform
{

constexpr quint32 kSystemColourFlag = 0x80000000u;
constexpr quint32 kButtonFace = 0x8000000Fu; // system colour 15
constexpr quint32 kWindowText = 0x80000008u; // system colour 8

// The screen colour of a BGR number or a system colour (mapped to the palette).
QColor colourFromBgr(quint32 value);
// The BGR number of a screen colour (never a system colour).
quint32 bgrFromColour(const QColor& colour);

// Background colour: paints the widget's own background and makes it opaque.
void setBackColor(QWidget* widget, quint32 value);
QColor backColor(const QWidget* widget);
void setForeColor(QWidget* widget, quint32 value);
QColor foreColor(const QWidget* widget);

// Background style: 0 transparent (the container shows through), 1 opaque.
void setBackStyle(QWidget* widget, int style);
int backStyle(const QWidget* widget);

// Border style of a label or frame: 0 none, 1 fixed single. Returns false for a
// widget that has no border.
bool setBorderStyle(QWidget* widget, int style);
int borderStyle(const QWidget* widget);

// The text property every control carries beside its caption.
QString tag(const QWidget* widget);
void setTag(QWidget* widget, const QString& value);

} // namespace platform
