#pragma once
// The builder's decorative shapes: a rounded outline drawn around a group of controls,
// holding them inside its margins.

#include <QWidget>

namespace cssbuilder
{

class DecorativeShape : public QWidget
{
    Q_OBJECT
public:
    // Puts `content` inside a new shape named `name`, a child of `parent`.
    DecorativeShape(const QString& name, QWidget* content, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cssbuilder
