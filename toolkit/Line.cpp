#include "toolkit/Line.h"

#include "toolkit/Form.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace toolkit {

class LineWidget : public QWidget {
public:
    LineWidget(QWidget *parent, QLine line, QColor colour, int width)
        : QWidget(parent), line_(line), colour_(colour), width_(width)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line_.translated(-pos()));
    }

private:
    QLine line_;
    QColor colour_;
    int width_;
};

namespace {

// The widget's place: the line's bounding box, widened by the pen on each side.
Rect lineBox(Twips x1, Twips y1, Twips x2, Twips y2, int widthPixels)
{
    const Twips pen = toTwips(widthPixels);
    return {std::min(x1, x2) - pen / 2, std::min(y1, y2) - pen / 2, std::abs(x2 - x1) + pen,
            std::abs(y2 - y1) + pen};
}

} // namespace

Line::Line(Form &form, Twips x1, Twips y1, Twips x2, Twips y2, Colour colour, int widthPixels)
    : Control(form,
              new LineWidget(form.widget(), QLine(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2)),
                             toQColor(colour), widthPixels),
              lineBox(x1, y1, x2, y2, widthPixels), std::nullopt)
{
}

} // namespace toolkit
