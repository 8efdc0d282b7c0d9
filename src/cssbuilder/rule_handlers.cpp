// The handlers of the builder's property controls. Every change reaches the writer, which
// rewrites the style sheet from all controls, shows the rule for copying as the file now
// holds it, and has the preview reload.

#include "cssbuilder/builder_files.h"
#include "cssbuilder/css_builder_window.h"
#include "cssbuilder/option_groups.h"
#include "cssbuilder/style_preview.h"
#include "cssbuilder/style_rules.h"
#include "platform/colours.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace cssbuilder
{

void CssBuilderWindow::connectHandlers()
{
    connect(c_.fin_0, &QPushButton::clicked, this, [this] { fin_Click(0); });
    for (int i = 0; i < kLengthCount; ++i) {
        connect(c_.h_pr[std::size_t(i)], &QScrollBar::valueChanged, this, [this, i] { h_pr_Change(i); });
        connect(c_.v_pr[std::size_t(i)], &QLineEdit::textChanged, this, [this, i] { v_pr_Change(i); });
    }
    for (int i = 0; i < kListCount; ++i) {
        connect(c_.hcb[std::size_t(i)], &QScrollBar::valueChanged, this, [this, i] { hcb_Change(i); });
        connect(c_.cb[std::size_t(i)], &QComboBox::editTextChanged, this, [this, i] { cb_Change(i); });
    }
    for (int i = 0; i < kColourCount; ++i) {
        connect(c_.hr[std::size_t(i)], &QScrollBar::valueChanged, this, [this, i] { hr_Change(i); });
        connect(c_.vc[std::size_t(i)], &QLineEdit::textChanged, this, [this, i] { vc_Change(i); });
    }
    for (int i = 0; i < kOptionCount; ++i) {
        connect(c_.ob[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                ob_Click(i);
        });
    }
    connect(c_.lsp, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            lsp_Click();
    });
}

void CssBuilderWindow::h_pr_Change(int index)
{
    c_.v_pr[std::size_t(index)]->setText(QString::number(c_.h_pr[std::size_t(index)]->value()));
}

// The writer.
void CssBuilderWindow::v_pr_Change(int)
{
    if (css_file_.isEmpty())
        return; // the window is still being built
    writeFile(css_file_, styleSheetLines(currentValues(), web_colors_));
    const platform::TextFileLines written = readBuilderFile(css_file_);
    c_.css->setPlainText(ruleBoxLines(c_.sn->text(), written.lines, written.ok).join(QLatin1Char('\n')));
    c_.wb->navigate(htm_file_);
}

void CssBuilderWindow::hcb_Change(int index)
{
    QComboBox* list = c_.cb[std::size_t(index)];
    list->setEditText(list->itemText(c_.hcb[std::size_t(index)]->value()));
}

void CssBuilderWindow::cb_Change(int index)
{
    v_pr_Change(index);
}

void CssBuilderWindow::hr_Change(int index)
{
    const int position = c_.hr[std::size_t(index)]->value();
    c_.vc[std::size_t(index)]->setText(position >= 0 && position < web_colors_.size() ? web_colors_[position]
                                                                                      : QString());
}

void CssBuilderWindow::vc_Change(int index)
{
    v_pr_Change(index);
}

void CssBuilderWindow::ob_Click(int index)
{
    v_pr_Change(index);
}

// "None" for the list position means no list at all; the style sheet follows at the
// next rewrite.
void CssBuilderWindow::lsp_Click()
{
    c_.lst->setChecked(true);
}

StyleValues CssBuilderWindow::currentValues() const
{
    StyleValues values;
    for (int i = 0; i < kLengthCount; ++i)
        values.lengths.append({c_.l_pr[std::size_t(i)]->text(), c_.v_pr[std::size_t(i)]->text()});
    for (int i = 0; i < kListCount; ++i)
        values.lists.append({c_.lcb[std::size_t(i)]->text(), c_.cb[std::size_t(i)]->currentText()});
    for (int i = 0; i < kColourCount; ++i)
        values.colours.append(
            {c_.lc[std::size_t(i)]->text(), c_.hr[std::size_t(i)]->value(), c_.vc[std::size_t(i)]->text()});
    for (const QRadioButton* option : c_.ob)
        values.options.append({platform::tag(option), option->text(), option->isChecked()});
    return values;
}

} // namespace cssbuilder
