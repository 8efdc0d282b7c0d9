#include "cssbuilder/decorative_shape.h"

#include "platform/colours.h"

#include <QPainter>
#include <QVBoxLayout>

namespace cssbuilder
{

namespace
{
constexpr quint32 kOutlineColour = 0x808000; // teal
constexpr int kOutlineWidth = 2;
constexpr int kCornerRadius = 8;
constexpr int kMargin = 4;
} // namespace

DecorativeShape::DecorativeShape(const QString& name, QWidget* content, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    content->setParent(this);
    layout->addWidget(content);
}

void DecorativeShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(platform::colourFromBgr(kOutlineColour), kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kOutlineWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kCornerRadius,
                            kCornerRadius);
}

} // namespace cssbuilder
