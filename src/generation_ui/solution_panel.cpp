#include "generation_ui/solution_panel.h"

#include "platform/static_edge.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>

namespace generation_ui
{

SolutionPanel::SolutionPanel(QWidget* parent) : Panel(QStringLiteral("pt_5"), parent)
{
    setAutoFillBackground(true);
    resize(480, 330);
    auto* layout = new QGridLayout(this);
    Label8 = kit::label(QStringLiteral("Label8"),
                        QStringLiteral("Full Solution Generation! New, Beta version"), this);
    layout->addWidget(Label8, 0, 0, 1, 2);
    struct Row {
        const char* labelName;
        const char* caption;
        kit::TextBox** box;
        const char* boxName;
        bool editable;
    };
    const Row rows[] = {
        {"Etiquette6_23", "Solution Name", &sng, "sng", true},
        {"Etiquette6_24", "Path", &spg, "spg", false},
        {"Etiquette6_25", "Project Name", &png, "png", false},
        {"Etiquette6_26", "Path", &ppg, "ppg", false},
    };
    int line = 1;
    for (const Row& row : rows) {
        layout->addWidget(
            kit::label(QString::fromLatin1(row.labelName), QString::fromLatin1(row.caption), this), line, 0);
        *row.box = new kit::TextBox(QString::fromLatin1(row.boxName), this);
        (*row.box)->setReadOnly(!row.editable);
        // Without the frame of a box to type in, a value that follows the solution name reads
        // as one (and the colour look leaves it unpainted, as any borderless box).
        (*row.box)->setFrame(row.editable);
        layout->addWidget(*row.box, line, 1);
        ++line;
    }
    Label7 = kit::label(QStringLiteral("Label7"), QStringLiteral("Share this Folder (Web Sharing Property)"),
                        this);
    layout->addWidget(Label7, line++, 1);
    layout->addWidget(kit::label(QStringLiteral("Etiquette6_27"), QStringLiteral("Styles.css File"), this),
                      line, 0);
    stcss = new kit::TextBox(QStringLiteral("stcss"), this);
    layout->addWidget(stcss, line++, 1);
    avasn = kit::label(QStringLiteral("avasn"), QString(), this);
    layout->addWidget(avasn, line++, 0, 1, 2);
    auto* buttons = new QHBoxLayout();
    Command21 = kit::commandButton(QStringLiteral("Command21"), QStringLiteral("Ok"), this);
    Command20 = kit::commandButton(QStringLiteral("Command20"), QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(Command21);
    buttons->addWidget(Command20);
    layout->addLayout(buttons, line, 0, 1, 2);
    // Floating over a page of the same colour, the panel needs its edge to read as a dialog.
    platform::static_edge(this);
    setDialogFrame(true);
    hide();

    connect(sng, &QLineEdit::textChanged, this, &SolutionPanel::sng_Change);
    connect(stcss, &QLineEdit::textChanged, this, &SolutionPanel::styleSheetEdited);
    connect(Command21, &QPushButton::clicked, this, &SolutionPanel::okClicked);
    connect(Command20, &QPushButton::clicked, this, &SolutionPanel::hide);
    // Escape cancels the open dialog wherever the focus is in the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, Command20, &QPushButton::click);
}

void SolutionPanel::keyPressEvent(QKeyEvent* event)
{
    // A focused button takes Enter itself; what reaches here comes from a box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command21->click();
        return;
    }
    kit::Panel::keyPressEvent(event);
}

void SolutionPanel::openFor(const QString& prefix, const QString& folder)
{
    kit::centreOnParent(this);
    // The name goes in first: its change handler renews the project from the folder shown so far,
    // and the lines below then set the folder and the project again.
    sng->setText(prefix);
    spg->setText(folder);
    png->setText(sng->text() + QStringLiteral("Web"));
    ppg->setText(projectFolderOfName());
    raise();
    show();
    // The one value to type is where the dialog starts.
    sng->setFocus();
    sng->selectAll();
}

void SolutionPanel::sng_Change()
{
    emit solutionNameEdited(sng->text());
    png->setText(sng->text() + QStringLiteral("Web"));
    ppg->setText(projectFolderOfName());
}

QString SolutionPanel::projectFolderOfName() const
{
    return spg->text() + png->text() + QLatin1Char('/');
}

QString SolutionPanel::projectName() const
{
    return png->text();
}

QString SolutionPanel::projectFolder() const
{
    return ppg->text();
}

QString SolutionPanel::styleSheetPath() const
{
    return stcss->text();
}

void SolutionPanel::setStyleSheetPath(const QString& path)
{
    stcss->setText(path);
}

void SolutionPanel::fillSolutionInputs(generators::web::SolutionInputs& in) const
{
    in.sng = sng->text();
    in.spg = spg->text();
    in.png = png->text();
    in.ppg = ppg->text();
    in.stcss = stcss->text();
}

void SolutionPanel::showStep(const QString& text)
{
    avasn->setText(text);
}

} // namespace generation_ui
