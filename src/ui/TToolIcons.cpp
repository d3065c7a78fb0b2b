#include "ui/TToolIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <functional>

namespace {

constexpr int IconSize = 24;
const QColor Ink(0, 0, 128);
const QColor Fill(255, 255, 160);

QIcon Drawn(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(IconSize * scale, IconSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Ink, 1.5));
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Letters(QPainter &painter, const QString &text, int pointSize, const QRectF &box, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pointSize);
    font.setBold(true);
    font.setItalic(italic);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, text);
}

QPolygonF Star(QPointF centre, double outer, double inner, int points)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = -M_PI / 2 + i * M_PI / points;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

void Pointer(QPainter &painter)
{
    const QPolygonF arrow({{7, 3}, {7, 19}, {11, 15}, {14, 21}, {16, 20}, {13, 14}, {18, 14}});
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void CircleText(QPainter &painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(3, 5, 18, 18), 20 * 16, 140 * 16);
    Letters(painter, QStringLiteral("abc"), 8, QRectF(0, 10, 24, 10));
}

} // namespace

QIcon TToolIcons::ToolIcon(TLPanelState tool)
{
    switch (tool) {
    case TLPanelState::psPointing:
        return Drawn(Pointer);
    case TLPanelState::psLabel:
        return Drawn([](QPainter &p) { Letters(p, QStringLiteral("A"), 16, QRectF(0, 0, 24, 24)); });
    case TLPanelState::psSymbolLabel:
        return Drawn([](QPainter &p) {
            p.setBrush(Fill);
            p.drawPolygon(Star(QPointF(12, 12.5), 10, 4, 5));
        });
    case TLPanelState::psMultiLineLabel:
        return Drawn([](QPainter &p) {
            for (int y : {6, 10, 14, 18})
                p.drawLine(QPointF(4, y), QPointF(y == 18 ? 14 : 20, y));
        });
    case TLPanelState::psRectangle:
        return Drawn([](QPainter &p) {
            p.setBrush(Fill);
            p.drawRect(QRectF(3.5, 6.5, 17, 12));
        });
    case TLPanelState::psEllipse:
        return Drawn([](QPainter &p) {
            p.setBrush(Fill);
            p.drawEllipse(QRectF(3, 6, 18, 13));
        });
    case TLPanelState::psRoundRectangle:
        return Drawn([](QPainter &p) {
            p.setBrush(Fill);
            p.drawRoundedRect(QRectF(3.5, 6.5, 17, 12), 4, 4);
        });
    case TLPanelState::psLine:
        return Drawn([](QPainter &p) { p.drawLine(QPointF(4, 20), QPointF(20, 4)); });
    case TLPanelState::psImage:
        return Drawn([](QPainter &p) {
            p.setBrush(QColor(190, 225, 255));
            p.drawRect(QRectF(3.5, 5.5, 17, 14));
            p.setBrush(QColor(60, 150, 60));
            p.drawPolygon(QPolygonF({{4, 19}, {10, 11}, {14, 16}, {16, 14}, {20, 19}}));
        });
    case TLPanelState::psDidedErero:
        return Drawn([](QPainter &p) {
            QLinearGradient gradient(0, 2, 0, 22);
            gradient.setColorAt(0, QColor(255, 0, 0));
            gradient.setColorAt(1, QColor(0, 0, 255));
            p.setBrush(gradient);
            p.drawPolygon(Star(QPointF(12, 12.5), 10, 5, 6));
        });
    case TLPanelState::psRichLabel:
        return Drawn([](QPainter &p) {
            Letters(p, QStringLiteral("A"), 14, QRectF(1, 2, 12, 20));
            p.setPen(QColor(200, 0, 0));
            Letters(p, QStringLiteral("b"), 12, QRectF(11, 4, 12, 20), true);
        });
    case TLPanelState::psVodirOriz:
        return Drawn([](QPainter &p) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(20);
            font.setBold(true);
            QPainterPath path;
            path.addText(4, 20, font, QStringLiteral("A"));
            QLinearGradient gradient(0, 4, 24, 20);
            gradient.setColorAt(0, QColor(0, 0, 255));
            gradient.setColorAt(1, QColor(255, 255, 0));
            p.setBrush(gradient);
            p.setPen(QPen(Qt::black, 0.8));
            p.drawPath(path);
        });
    case TLPanelState::psCircleText:
        return Drawn(CircleText);
    }
    return QIcon();
}

QIcon TToolIcons::GridIcon()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        for (int y = 4; y < 22; y += 5)
            for (int x = 4; x < 22; x += 5)
                p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    });
}

QIcon TToolIcons::SnapIcon()
{
    return Drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        for (int y = 4; y < 22; y += 5)
            for (int x = 4; x < 22; x += 5)
                p.drawEllipse(QPointF(x, y), 1.0, 1.0);
        p.setPen(QPen(Ink, 1.5));
        p.setBrush(Fill);
        p.drawRect(QRectF(9, 9, 10, 10));
    });
}

QIcon TToolIcons::BackgroundArtIcon()
{
    return Drawn([](QPainter &p) {
        QLinearGradient gradient(0, 4, 0, 20);
        gradient.setColorAt(0, QColor(255, 230, 150));
        gradient.setColorAt(1, QColor(150, 200, 255));
        p.setBrush(gradient);
        p.drawRoundedRect(QRectF(2.5, 5.5, 19, 13), 2, 2);
    });
}
