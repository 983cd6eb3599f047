#include "skin/PitchedText.h"

#include <QFont>
#include <QPainter>
#include <QTextLayout>
#include <vector>

namespace orelle {
namespace {

// Windows breaks a line at CR LF, LF or CR; a text layout only at the
// line separator.
QString WithLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
    out.replace(QChar('\n'), QChar(QChar::LineSeparator));
    out.replace(QChar('\r'), QChar(QChar::LineSeparator));
    return out;
}

struct Line {
    int start;
    int length;
    qreal width;
    qreal ascent;
};

std::vector<Line> Lay(QTextLayout& layout, int width, bool wrap, int maxLines) {
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    std::vector<Line> lines;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width > 0 ? width : 1);
        lines.push_back(
            {line.textStart(), line.textLength(), line.naturalTextWidth(), line.ascent()});
        if (maxLines > 0 && static_cast<int>(lines.size()) >= maxLines) break;
    }
    layout.endLayout();
    return lines;
}

}  // namespace

void DrawPitchedText(QPainter& painter, const QRect& rect, const QString& original,
                     const QFont& font, const PitchedText& how) {
    if (original.isEmpty() || how.maxLines < 1) return;
    const QString text = WithLineBreaks(original);
    QTextLayout layout(text, font, painter.device());
    std::vector<Line> lines = Lay(layout, rect.width(), how.wrap, how.maxLines);
    const int blockHeight = how.pitch * static_cast<int>(lines.size());
    int top = rect.top();
    if (how.centreV) top += (rect.height() - blockHeight) / 2;
    // Chinese glyphs sit from 0.12 em below to 0.88 em above the baseline:
    // the baseline goes 0.38 em under the middle of the line.
    const qreal em = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const qreal baseline = top + static_cast<qreal>(how.pitch) * static_cast<qreal>(i) +
                               how.pitch / 2.0 + 0.38 * em;
        qreal x = rect.left();
        if (how.centreH) x += (rect.width() - l.width) / 2;
        painter.drawText(QPointF(x, baseline), text.mid(l.start, l.length).trimmed());
    }
    painter.restore();
}

int PitchedLineCount(const QString& text, const QFont& font, int width) {
    QTextLayout layout(WithLineBreaks(text), font);
    const std::size_t n = Lay(layout, width, true, 0).size();
    return n > 0 ? static_cast<int>(n) : 1;
}

}  // namespace orelle
