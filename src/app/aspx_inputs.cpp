#include "app/aspx_inputs.h"

#include "app/aspx_generator_page.h"
#include "app/type_ahead.h"

namespace app {

void tdn2_Click(AspxGeneratorPage& page)
{
    page.tb2[0]->setText(page.tdn2->selectedText());
}

void s_t2_Change(AspxGeneratorPage& page)
{
    const int row = typeAheadRow(page.tdn2->items(), page.s_t2->text());
    if (row < 0)
        return;
    page.tdn2->setCurrentRow(row);
    page.tdn2->item(row)->setSelected(true);
    page.tb2[0]->setText(page.tdn2->selectedText());
}

void tb2_Change(AspxGeneratorPage& page, int index)
{
    if (index != 0)
        return;
    const QString table = page.tb2[0]->text();
    page.tb2[1]->setText(QStringLiteral("edit_") + table + QStringLiteral(".aspx"));
    page.tb2[2]->setText(QStringLiteral("edit_") + table + QStringLiteral(".aspx.vb"));
}

void connectAspxInputs(AspxGeneratorPage& page)
{
    AspxGeneratorPage* p = &page;
    // A click, the keyboard or code may select an item. Emptying the list reports row -1 and
    // focus alone makes an item current without selecting it: neither is a click on an item.
    const auto clicked = [p] {
        if (!p->tdn2->selectedText().isEmpty())
            tdn2_Click(*p);
    };
    QObject::connect(page.tdn2, &QListWidget::currentRowChanged, p, clicked);
    QObject::connect(page.tdn2, &QListWidget::itemSelectionChanged, p, clicked);
    QObject::connect(page.tdn2, &QListWidget::itemClicked, p, clicked);
    QObject::connect(page.s_t2, &QLineEdit::textChanged, p, [p] { s_t2_Change(*p); });
    for (int i = 0; i < int(page.tb2.size()); ++i)
        QObject::connect(page.tb2[std::size_t(i)], &QLineEdit::textChanged, p, [p, i] { tb2_Change(*p, i); });
}

} // namespace app
