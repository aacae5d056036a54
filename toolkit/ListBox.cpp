#include "toolkit/ListBox.h"

#include "toolkit/Failure.h"
#include "toolkit/Form.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include <limits>

namespace toolkit {

// The list as the learner works it. A pick ends with the left button's release
// or with a key: then, if the learner pressed on an entry or the highlight has
// moved since the last pick, the box raises its click, so the entry that is
// highlighted is always the one last picked. Other buttons, and a press on the
// empty part of the list, leave the highlight alone. Once an entry is
// highlighted, one always is: Ctrl or Shift with a click, and Ctrl+Space, pick
// an entry as the plain gesture does and never take the highlight away.
class ListBoxWidget : public QListWidget {
    Q_OBJECT

public:
    explicit ListBoxWidget(QWidget *parent) : QListWidget(parent)
    {
        setSelectionMode(QAbstractItemView::SingleSelection);
    }

    int highlightedRow() const
    {
        const QList<QListWidgetItem *> selected = selectedItems();
        return selected.isEmpty() ? -1 : row(selected.front());
    }

    // The entries were replaced: nothing is picked.
    void forgetPick() { picked_ = -1; }

signals:
    void picked();

protected:
    // Qt's single selection lets Ctrl take the highlight off the highlighted
    // entry; here that gesture leaves it as it is.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override
    {
        const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
        if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
            return QItemSelectionModel::NoUpdate;
        return command;
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        pressedOnEntry_ = false;
        if (event->button() != Qt::LeftButton)
            return;
        if (!itemAt(event->position().toPoint()))
            return;
        pressedOnEntry_ = true;
        QListWidget::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (pressedOnEntry_)
            QListWidget::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || !pressedOnEntry_)
            return;
        QListWidget::mouseReleaseEvent(event);
        pressedOnEntry_ = false;
        pick(true);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        // The second press of a double click: picks like the first.
        mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        // With nothing highlighted, the first step down reaches the first entry.
        if (event->key() == Qt::Key_Down && highlightedRow() == -1 && count() > 0) {
            setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        } else {
            QListWidget::keyPressEvent(event);
        }
        pick(false);
    }

private:
    void pick(bool pressedOnEntry)
    {
        const int row = highlightedRow();
        if (!pressedOnEntry && row == picked_)
            return;
        picked_ = row;
        emit picked();
    }

    bool pressedOnEntry_ = false;
    int picked_ = -1;
};

ListBox::ListBox(Form &form, const Rect &place, std::optional<Font> font, int tabIndex)
    : Control(form, new ListBoxWidget(form.widget()), place, tabIndex), list_(static_cast<ListBoxWidget *>(widget()))
{
    if (font)
        list_->setFont(toQFont(*font));
    QObject::connect(list_, &ListBoxWidget::picked, [this] { clicked.raise(); });
}

void ListBox::clear()
{
    list_->clear();
    list_->forgetPick();
}

void ListBox::append(const QString &entry)
{
    if (list_->count() >= std::numeric_limits<std::int16_t>::max())
        throw Failure(QStringLiteral("Ο κατάλογος είναι πλήρης."));
    list_->addItem(entry);
}

std::int16_t ListBox::currentEntry() const
{
    return static_cast<std::int16_t>(list_->highlightedRow());
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

#include "ListBox.moc"
