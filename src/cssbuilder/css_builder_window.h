#pragma once
// The style-sheet builder window fcss: a second window, opened modeless and without
// an owner from the main window's menu. It edits one style class with sliders, boxes,
// lists and option groups, rewrites its style sheet in the program's folder on every
// change and shows the result in a live preview. Its Exit button closes and unloads it,
// so the next opening builds it afresh.

#include "cssbuilder/builder_controls.h"
#include "platform/user_feedback.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace cssbuilder
{

struct StyleValues;

class CssBuilderWindow : public QWidget
{
    Q_OBJECT
public:
    // Its messages go to `messages`, which outlives it.
    explicit CssBuilderWindow(const platform::Messages& messages,
                              PreviewEngine engine = PreviewEngine::browser);

    // Shows the builder held by `open`, creating it (and running its load) when none is
    // open, or brings the open one forward.
    static CssBuilderWindow* showBuilder(QPointer<CssBuilderWindow>& open, const platform::Messages& messages,
                                         PreviewEngine engine = PreviewEngine::browser);

    int lookStyle() const { return look_style_; }
    const BuilderControls& controls() const { return c_; }
    QString htmFile() const { return htm_file_; }
    QString cssFile() const { return css_file_; }
    const QStringList& webColors() const { return web_colors_; }

    void fin_Click(int index);
    void h_pr_Change(int index);
    void v_pr_Change(int index);
    void hcb_Change(int index);
    void cb_Change(int index);
    void hr_Change(int index);
    void vc_Change(int index);
    void ob_Click(int index);
    void lsp_Click();

protected:
    // Escape closes the window as its Exit button does, once no control of it (an open
    // list, say) has taken the key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void fillLists();
    void writeStartFiles(const QString& folder);
    void centreOnScreen();
    void connectHandlers();
    StyleValues currentValues() const;
    void writeFile(const QString& path, const QStringList& lines);

    const platform::Messages& messages_;
    BuilderControls c_;
    int look_style_ = 0;
    QString htm_file_;
    QString css_file_;
    QStringList web_colors_;
    QHash<QString, QString> writeFailures_; // the last failure reported for each file
};

} // namespace cssbuilder
