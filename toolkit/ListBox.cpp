#include "toolkit/ListBox.h"

#include "toolkit/Failure.h"
#include "toolkit/Form.h"

#include <QKeyEvent>
#include <QListWidget>

#include <limits>

namespace toolkit {

class EntryListWidget : public QListWidget {
public:
    EntryListWidget(ListBox &box, QWidget *parent) : QListWidget(parent), box_(box)
    {
        setSelectionMode(QAbstractItemView::SingleSelection);
        connect(this, &QAbstractItemView::clicked, this, [this] { box_.clicked.raise(); });
    }

    int selectedRow() const
    {
        const QList<QListWidgetItem *> selected = selectedItems();
        return selected.isEmpty() ? -1 : row(selected.front());
    }

protected:
    // Moving the highlight with the keyboard picks an entry as a click does.
    void keyPressEvent(QKeyEvent *event) override
    {
        const int before = selectedRow();
        QListWidget::keyPressEvent(event);
        if (selectedRow() != before && selectedRow() != -1)
            box_.clicked.raise();
    }

private:
    ListBox &box_;
};

ListBox::ListBox(Form &form, const Rect &place, std::optional<Font> font, int tabIndex)
    : Control(form, new EntryListWidget(*this, form.widget()), place, tabIndex)
{
    list_ = static_cast<EntryListWidget *>(widget());
    if (font)
        list_->setFont(toQFont(*font));
}

void ListBox::clear()
{
    list_->clear();
}

void ListBox::append(const QString &entry)
{
    if (list_->count() >= std::numeric_limits<std::int16_t>::max())
        throw Failure(QStringLiteral("Ο κατάλογος είναι πλήρης."));
    list_->addItem(entry);
}

std::int16_t ListBox::currentEntry() const
{
    return static_cast<std::int16_t>(list_->selectedRow());
}

int ListBox::count() const
{
    return list_->count();
}

QString ListBox::entry(int position) const
{
    const QListWidgetItem *item = list_->item(position);
    return item ? item->text() : QString();
}

} // namespace toolkit
