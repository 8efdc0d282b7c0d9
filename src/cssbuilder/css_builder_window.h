#pragma once
// The style-sheet builder window fcss: a second window, opened modeless and without
// an owner from the main window's menu. Its Exit button closes and unloads it, so
// the next opening builds it afresh.

#include <QWidget>

class QPushButton;

namespace cssbuilder {

class CssBuilderWindow : public QWidget {
    Q_OBJECT
public:
    CssBuilderWindow();

    // Shows the window, creating it (and running its load) when none is open, or
    // brings the open one forward.
    static CssBuilderWindow* showBuilder();
    static CssBuilderWindow* openWindow();

    int lookStyle() const { return look_style_; }
    void fin_Click(int index);

private:
    void Form_Load();
    QPushButton* fin_0_ = nullptr;
    int look_style_ = 0;
};

} // namespace cssbuilder
