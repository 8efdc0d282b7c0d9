#pragma once
// The few control kinds the window needs beyond plain Qt widgets: text and combo boxes
// that report losing the focus, labels that report clicks and mouse moves, panels that
// report mouse moves over their background, picture buttons, and password boxes that
// show '*' for each character.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

class QPlainTextEdit;

namespace kit
{

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(const QString& name, QWidget* parent = nullptr);
signals:
    void lostFocus();
    void clicked();
    void doubleClicked();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class PasswordBox : public TextBox
{
    Q_OBJECT
public:
    explicit PasswordBox(const QString& name, QWidget* parent = nullptr);
};

// A drop-down list that keeps its designed width whatever it holds (a long remembered entry
// must not squeeze its neighbours); its pop-up opens wide enough to show whole items.
class DropDown : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDown(const QString& name, QWidget* parent = nullptr);
    void showPopup() override;
};

// An editable drop-down list (the connection history boxes, the schema box).
class ComboBox : public DropDown
{
    Q_OBJECT
public:
    explicit ComboBox(const QString& name, QWidget* parent = nullptr);
signals:
    void lostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);
signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A progress bar whose empty range (a run of one table has a maximum of 0) stands
// still as an empty bar instead of turning into a busy animation.
class ProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class Panel : public QWidget
{
    Q_OBJECT
public:
    explicit Panel(const QString& name, QWidget* parent = nullptr);
    // A panel floating over the pages as a dialog is drawn with a dialog's raised border.
    void setDialogFrame(bool framed);
signals:
    void mouseMoved();
    // Element `index` of the caption array Etiquette6, a link on this panel, was clicked.
    void captionLinkClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool dialogFrame_ = false;
};

// A button drawn with a picture and a tool tip instead of a caption.
QPushButton* pictureButton(const QString& name, QStyle::StandardPixmap picture, const QString& toolTip,
                           QWidget* parent);
QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent);
// A preview of generated lines: read as they come, in the fixed-pitch font, never wrapped;
// read-only, its text selectable and copyable.
QPlainTextEdit* previewBox(const QString& name, QWidget* parent);
QLabel* label(const QString& name, const QString& caption, QWidget* parent);
// A section heading: dark red, light-yellow lettering, carrying a Tag.
QLabel* heading(const QString& name, const QString& caption, QWidget* parent);

// The objectName of element `index` of a control array.
QString element(const char* name, int index);

// Centres a floating panel on its parent, the window's client area.
void centreOnParent(QWidget* panel);

// Caption `index` of the array Etiquette6 working as a link: light yellow on dark green,
// a pointing hand; a click is reported by the panel's captionLinkClicked.
ClickLabel* captionLink(int index, const QString& caption, Panel* panel);

// Writes a box only when its text differs: an unchanged write raises no change.
void setTextIfChanged(QLineEdit* box, const QString& text);
// A folder value ends in one separator once its box has lost the focus.
void endWithSeparator(QLineEdit* box);

// A preview box keeps the last lines written into it, this many at most, so that its
// memory does not grow with the output; the files hold everything.
constexpr int kPreviewLines = 10000;

// Cuts `text` down to its last `count` line breaks and what follows the last one; true
// when something was cut.
bool keepLastLines(QString& text, int count);

// Appends generated text at the end of a preview box, CR LF becoming the box's own line
// break, and drops the oldest lines beyond kPreviewLines; the caret follows, so the box
// shows the latest lines rather than its top.
void appendToPreview(QPlainTextEdit* box, QString lines);

} // namespace kit
