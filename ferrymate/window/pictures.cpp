#include "ferrymate/window/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pf {
namespace {

struct ConnectionLook {
    QColor ground;
    QColor word;
    const char* text;
};

ConnectionLook lookOf(ConnectionPicture which) {
    switch (which) {
    case ConnectionPicture::Negotiating:
        return {QColor(255, 250, 190), QColor(232, 120, 0), "Negotiating"};
    case ConnectionPicture::Connected:
        return {QColor(200, 250, 250), QColor(0, 150, 40), "Connected"};
    case ConnectionPicture::Disconnected:
    default:
        return {QColor(255, 205, 220), QColor(215, 0, 0), "Disconnected"};
    }
}

// The handheld: a rounded body with a screen, a cross pad and two buttons,
// `width` wide with its top-left corner at `origin`.
void drawHandheld(QPainter& p, QPointF origin, double width, const QColor& screen) {
    const double height = width * 0.62;
    const QRectF body(origin, QSizeF(width, height));
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(QColor(235, 235, 240));
    p.drawRoundedRect(body, height * 0.3, height * 0.3);
    const QRectF display(origin.x() + width * 0.3, origin.y() + height * 0.18, width * 0.4, height * 0.64);
    p.setBrush(screen);
    p.drawRect(display);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    const double pad = width * 0.06;
    const QPointF padCentre(origin.x() + width * 0.15, origin.y() + height * 0.5);
    p.drawRect(QRectF(padCentre.x() - pad * 1.5, padCentre.y() - pad / 2, pad * 3, pad));
    p.drawRect(QRectF(padCentre.x() - pad / 2, padCentre.y() - pad * 1.5, pad, pad * 3));
    p.setBrush(QColor(200, 40, 60));
    p.drawEllipse(QPointF(origin.x() + width * 0.8, origin.y() + height * 0.38), pad * 0.8, pad * 0.8);
    p.drawEllipse(QPointF(origin.x() + width * 0.88, origin.y() + height * 0.6), pad * 0.8, pad * 0.8);
}

// Draws `text` centred in `box`, squeezed sideways when it is wider.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    const double textWidth = QFontMetricsF(font).horizontalAdvance(text);
    const double squeeze = textWidth > box.width() ? box.width() / textWidth : 1.0;
    p.translate(box.center().x(), box.top());
    p.scale(squeeze, 1.0);
    p.drawText(QRectF(-textWidth / 2 - 1, 0, textWidth + 2, box.height()), Qt::AlignCenter, text);
    p.restore();
}

QPixmap filledPixmap(int width, int height, const QColor& ground) {
    QPixmap pixmap(width, height);
    pixmap.fill(ground);
    return pixmap;
}

} // namespace

QPixmap connectionPicture(ConnectionPicture which) {
    const ConnectionLook look = lookOf(which);
    QPixmap pixmap = filledPixmap(50, 50, look.ground);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look.word.darker(110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 49, 49));
    const QColor screen = which == ConnectionPicture::Connected     ? QColor(120, 220, 140)
                          : which == ConnectionPicture::Negotiating ? QColor(250, 210, 120)
                                                                    : QColor(120, 120, 130);
    drawHandheld(p, QPointF(7, 7), 36, screen);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    font.setStretch(QFont::Condensed);
    drawFittedText(p, QRectF(2, 34, 46, 13), QString::fromLatin1(look.text), font, look.word);
    return pixmap;
}

QPixmap arrowGlyph(ArrowDirection direction) {
    QPixmap pixmap = filledPixmap(40, 40, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (direction == ArrowDirection::Left) {
        p.translate(40, 0);
        p.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(4, 14);
    arrow.lineTo(20, 14);
    arrow.lineTo(20, 5);
    arrow.lineTo(36, 20);
    arrow.lineTo(20, 35);
    arrow.lineTo(20, 26);
    arrow.lineTo(4, 26);
    arrow.closeSubpath();
    QLinearGradient fill(0, 5, 0, 35);
    fill.setColorAt(0, QColor(255, 190, 80));
    fill.setColorAt(1, QColor(240, 120, 0));
    p.setPen(QPen(QColor(170, 80, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(arrow);
    return pixmap;
}

QPixmap fileImage() {
    QPixmap pixmap = filledPixmap(16, 16, Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    const QPolygon sheet({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)});
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
    p.setPen(QColor(150, 150, 200));
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
    return pixmap;
}

QPixmap folderImage() {
    QPixmap pixmap = filledPixmap(16, 16, Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(250, 205, 80));
    p.drawPolygon(
        QPolygon({QPoint(1, 3), QPoint(6, 3), QPoint(7, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
    p.setBrush(QColor(255, 225, 120));
    p.drawRect(1, 6, 13, 7);
    return pixmap;
}

QPixmap aboutIcon() {
    QPixmap pixmap = filledPixmap(32, 32, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawHandheld(p, QPointF(1, 4), 30, QColor(120, 220, 140));
    p.setPen(QPen(QColor(240, 120, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 27), QPointF(26, 27));
    p.drawLine(QPointF(21, 23), QPointF(26, 27));
    p.drawLine(QPointF(21, 31), QPointF(26, 27));
    return pixmap;
}

QPixmap aboutBanner() {
    QPixmap pixmap = filledPixmap(256, 64, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    title.setItalic(true);
    QPainterPath text;
    text.addText(4, 36, title, QStringLiteral("Ferrymate"));
    QLinearGradient fill(0, 8, 0, 40);
    fill.setColorAt(0, QColor(40, 110, 200));
    fill.setColorAt(1, QColor(10, 50, 130));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(fill);
    p.drawPath(text);
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QPointF(6, 52), QStringLiteral("Pocketforge cartridge link"));
    return pixmap;
}

QPixmap cartridgePicture() {
    QPixmap pixmap = filledPixmap(32, 32, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(QColor(90, 100, 130));
    p.drawRoundedRect(QRectF(5.5, 2.5, 21, 27), 2, 2);
    p.setBrush(QColor(230, 230, 235));
    p.drawRect(QRectF(9.5, 6.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 170, 60));
    for (int x = 8; x <= 22; x += 3)
        p.drawRect(QRectF(x, 24, 2, 5));
    return pixmap;
}

} // namespace pf
