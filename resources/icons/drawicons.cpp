// Draws the toolbar icons and the application icon and writes them as PNG files into the folder
// given as the only argument. The program embeds the PNG files; run this after changing a motif:
//   cmake --build build --target redraw-icons

#include <cmath>
#include <cstdio>
#include <functional>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

namespace {

const QColor outline(90, 90, 90);
const QColor textLine(150, 150, 150);
const QColor paper(255, 255, 255);

QPen pen(const QColor& color, double width = 1.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper whose top right corner is folded over.
void drawFoldedPage(QPainter& p, double left, double top, double right, double bottom,
                    double fold) {
    p.setPen(pen(outline));
    p.setBrush(paper);
    p.drawPolygon(QPolygonF(
        {{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}}));
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(
        QPolygonF({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}));
}

// A page with lines of text and a gold database cylinder at its lower right.
void drawExportSql(QPainter& p) {
    drawFoldedPage(p, 1.5, 0.5, 11.5, 14.5, 3);
    p.setPen(pen(textLine));
    for (double y : {3.5, 5.5, 7.5})
        p.drawLine(QPointF(3.5, y), QPointF(7.5, y));
    p.drawLine(QPointF(3.5, 9.5), QPointF(5.5, 9.5));
    p.drawLine(QPointF(3.5, 11.5), QPointF(5.5, 11.5));

    const QColor gold(224, 172, 32);
    const QColor goldDark(128, 94, 0);
    const QColor goldLight(250, 220, 120);
    QPainterPath body;
    body.moveTo(7.5, 9.5);
    body.lineTo(7.5, 14);
    body.arcTo(QRectF(7.5, 12.5, 8, 3), 180, 180);
    body.lineTo(15.5, 9.5);
    body.closeSubpath();
    p.setPen(pen(goldDark));
    p.setBrush(gold);
    p.drawPath(body);
    p.setBrush(goldLight);
    p.drawEllipse(QRectF(7.5, 8, 8, 3));
    p.setPen(pen(goldLight, 0.8));
    p.drawArc(QRectF(7.5, 10, 8, 3), 200 * 16, 140 * 16);
}

// A white page with a folded corner bearing pink angle brackets.
void drawExportXml(QPainter& p) {
    drawFoldedPage(p, 1.5, 0.5, 14.5, 15.5, 4);
    p.setPen(pen(QColor(226, 58, 140), 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{6.5, 6.5}, {3.8, 9.5}, {6.5, 12.5}}));
    p.drawPolyline(QPolygonF({{9.5, 6.5}, {12.2, 9.5}, {9.5, 12.5}}));
}

// A green plus sign.
void drawAddColumn(QPainter& p) {
    QPainterPath upright;
    upright.addRoundedRect(QRectF(6, 1.5, 4, 13), 1, 1);
    QPainterPath across;
    across.addRoundedRect(QRectF(1.5, 6, 13, 4), 1, 1);
    const QPainterPath plus = upright.united(across);
    p.setPen(pen(QColor(25, 100, 25)));
    p.setBrush(QColor(60, 175, 55));
    p.drawPath(plus);
    p.setPen(pen(QColor(150, 225, 140), 0.8));
    p.drawLine(QPointF(7, 3), QPointF(7, 6.5));
    p.drawLine(QPointF(3, 7), QPointF(6.5, 7));
}

// A blue waste bin.
void drawFlushColumns(QPainter& p) {
    const QColor blue(50, 110, 210);
    const QColor blueDark(20, 60, 130);
    p.setPen(pen(blueDark));
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({{3, 4.5}, {13, 4.5}, {12, 15.5}, {4, 15.5}}));
    p.setPen(pen(QColor(160, 200, 250), 1));
    for (double x : {6.5, 9.5})
        p.drawLine(QPointF(x, 6.5), QPointF(x, 13.5));
    p.setPen(pen(blueDark));
    p.setBrush(blue);
    p.drawRect(QRectF(1.5, 2.5, 13, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 0.5, 4, 2));
}

// A yellow warning triangle with an exclamation mark.
void drawAbout(QPainter& p) {
    p.setPen(pen(QColor(140, 105, 0)));
    p.setBrush(QColor(250, 210, 40));
    p.drawPolygon(QPolygonF({{8, 0.8}, {15.3, 14.5}, {0.7, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(7.1, 4.5, 1.8, 6), 0.6, 0.6);
    p.drawEllipse(QRectF(7.1, 11.3, 1.8, 1.8));
}

// A gear wheel: a body with teeth around a hole that lets the background through.
QPainterPath gearWheel(QPointF centre, double radius, int teeth) {
    QPainterPath wheel;
    wheel.addEllipse(centre, radius * 0.78, radius * 0.78);
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.addRect(QRectF(-radius * 0.16, -radius, radius * 0.32, radius * 0.4));
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(360.0 * i / teeth);
        wheel = wheel.united(turn.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.3, radius * 0.3);
    return wheel.subtracted(hole);
}

// A sheet of paper with a green header strip and a bulleted list, a grey gear wheel over its lower
// right part; drawn on a 32 x 32 grid.
void drawApplication(QPainter& p) {
    p.setPen(pen(outline));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 1.5, 20, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    p.drawRect(QRectF(5, 2, 19, 5));
    for (double y : {11.0, 15.5, 20.0, 24.5}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(8.5, y), 1.2, 1.2);
        p.setPen(pen(textLine, 1.2));
        p.drawLine(QPointF(11.5, y), QPointF(y < 18 ? 21 : 16, y));
    }
    p.setPen(pen(QColor(70, 70, 70)));
    p.setBrush(QColor(165, 165, 170));
    p.drawPath(gearWheel(QPointF(23.5, 23.5), 7.8, 8));
}

bool writeIcon(const QString& folder, const char* name, int size, double grid,
               const std::function<void(QPainter&)>& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / grid, size / grid);
        draw(painter);
    }
    const QString path = folder + '/' + QString::fromUtf8(name);
    if (image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = writeIcon(folder, "export-sql.png", 16, 16, drawExportSql);
    ok = writeIcon(folder, "export-xml.png", 16, 16, drawExportXml) && ok;
    ok = writeIcon(folder, "add-column.png", 16, 16, drawAddColumn) && ok;
    ok = writeIcon(folder, "flush-columns.png", 16, 16, drawFlushColumns) && ok;
    ok = writeIcon(folder, "about.png", 16, 16, drawAbout) && ok;
    for (int size : {32, 64, 128}) {
        const QByteArray name = "rowsmith-" + QByteArray::number(size) + ".png";
        ok = writeIcon(folder, name.constData(), size, 32, drawApplication) && ok;
    }
    return ok ? 0 : 1;
}
