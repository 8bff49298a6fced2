// SPDX-License-Identifier: MIT
// Draws the application's icons and logo. Run at build time:
//   lumetra_makeimages OUTPUT_DIR
// writes one PNG per image name into OUTPUT_DIR, and the Windows icons.

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSaveFile>
#include <QString>
#include <QTextStream>
#include <QVector>

#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int iconSize = 64;

const QColor ink(0x26, 0x32, 0x38);
const QColor steel(0x90, 0xa4, 0xae);
const QColor brand(0x0d, 0x47, 0xa1);
const QColor danger(0xc6, 0x28, 0x28);

QPen outline(qreal width = 3.0)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPrinter(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 6, 28, 18)); // paper going in
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(6, 22, 52, 24), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 38, 32, 20)); // printed sheet
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(21, 45), QPointF(43, 45));
    p.drawLine(QPointF(21, 51), QPointF(37, 51));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    p.drawEllipse(QPointF(50, 30), 3, 3);
}

void drawFolder(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xf9, 0xa8, 0x25));
    QPainterPath back;
    back.moveTo(6, 14);
    back.lineTo(24, 14);
    back.lineTo(29, 20);
    back.lineTo(56, 20);
    back.lineTo(56, 52);
    back.lineTo(6, 52);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    p.drawPolygon(QPolygonF({ QPointF(6, 52), QPointF(14, 28), QPointF(60, 28), QPointF(56, 52) }));
}

void drawDisk(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(brand);
    QPainterPath body;
    body.moveTo(8, 8);
    body.lineTo(48, 8);
    body.lineTo(56, 16);
    body.lineTo(56, 56);
    body.lineTo(8, 56);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(steel);
    p.drawRect(QRectF(18, 8, 26, 16)); // shutter
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 34, 32, 22)); // label
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(21, 42), QPointF(43, 42));
    p.drawLine(QPointF(21, 48), QPointF(43, 48));
}

void drawExit(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    p.drawRect(QRectF(8, 6, 28, 52)); // door
    p.setBrush(ink);
    p.drawEllipse(QPointF(30, 33), 2, 2);
    p.setPen(QPen(danger, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(30, 33), QPointF(56, 33));
    p.drawPolyline(QPolygonF({ QPointF(47, 24), QPointF(57, 33), QPointF(47, 42) }));
}

void drawBin(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(steel);
    p.drawPolygon(
        QPolygonF({ QPointF(14, 18), QPointF(50, 18), QPointF(46, 58), QPointF(18, 58) }));
    p.drawRoundedRect(QRectF(8, 11, 48, 7), 2, 2); // lid
    p.drawRect(QRectF(26, 5, 12, 6)); // handle
    p.setPen(QPen(ink, 2.5));
    for (qreal x : { 24.0, 32.0, 40.0 })
        p.drawLine(QPointF(x, 26), QPointF(x, 51));
}

void drawRemove(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(danger);
    p.drawEllipse(QRectF(6, 6, 52, 52));
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 32), QPointF(45, 32));
}

void drawHelp(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x19, 0x76, 0xd2));
    p.drawEllipse(QRectF(6, 6, 52, 52));
    QPainterPath hook;
    hook.moveTo(23, 25);
    hook.cubicTo(23, 14, 41, 14, 41, 25);
    hook.cubicTo(41, 32, 32, 32, 32, 40);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 49), 4, 4);
}

// A fiber-end mark: a ring with a bright core, in the 48-unit square at (x, y).
void drawFiberEnd(QPainter &p, qreal x, qreal y)
{
    QLinearGradient glow(x, y, x + 48, y + 48);
    glow.setColorAt(0, QColor(0x42, 0xa5, 0xf5));
    glow.setColorAt(1, brand);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(x, y, 48, 48));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x + 14, y + 14, 20, 20));
    p.setBrush(QColor(0xff, 0xb3, 0x00));
    p.drawEllipse(QRectF(x + 19, y + 19, 10, 10));
}

// The report header stretches the logo to an 80 x 38 label, so keep that ratio.
QImage drawLogo()
{
    QImage image(160, 76, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFiberEnd(p, 6, 14);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(brand);
    p.drawText(
        QRectF(58, 10, 100, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavolin"));
    return image;
}

QImage drawIcon(const std::function<void(QPainter &)> &draw)
{
    QImage image(iconSize, iconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// The desktop's application icon: the fiber-end mark alone, square.
QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 52.0, size / 52.0);
    drawFiberEnd(p, 2, 2);
    return image;
}

// The archive's icon in file managers: a sheet with a turned-down corner,
// marked with the program's fiber end.
QImage drawArchiveIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(outline(2.5));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({ QPointF(10, 3), QPointF(42, 3), QPointF(54, 15), QPointF(54, 61),
        QPointF(10, 61) }));
    p.setBrush(steel);
    p.drawPolygon(QPolygonF({ QPointF(42, 3), QPointF(42, 15), QPointF(54, 15) }));
    p.translate(14, 20);
    p.scale(36 / 48.0, 36 / 48.0);
    drawFiberEnd(p, 0, 0);
    return image;
}

// A Windows icon: one PNG-compressed image per size, which every Windows
// since Vista reads, in the ICO container (little-endian).
bool writeWindowsIcon(const QString &path, const std::function<QImage(int)> &draw)
{
    const int sizes[] = { 16, 24, 32, 48, 256 };
    QVector<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        draw(size).save(&buffer, "PNG");
        pngs.append(png);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pngs.size());
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (int i = 0; i < pngs.size(); ++i) {
        const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : qAsConst(pngs))
        out.writeRawData(png.constData(), png.size());
    return out.status() == QDataStream::Ok && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: lumetra_makeimages OUTPUT_DIR\n";
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    const std::vector<std::pair<QString, QImage>> images = {
        { QStringLiteral("Tavolin.png"), drawLogo() },
        { QStringLiteral("print.png"), drawIcon(drawPrinter) },
        { QStringLiteral("open.png"), drawIcon(drawFolder) },
        { QStringLiteral("save.png"), drawIcon(drawDisk) },
        { QStringLiteral("exit.png"), drawIcon(drawExit) },
        { QStringLiteral("delete.png"), drawIcon(drawBin) },
        { QStringLiteral("remove.png"), drawIcon(drawRemove) },
        { QStringLiteral("help-browser.png"), drawIcon(drawHelp) },
        { QStringLiteral("lumetra-64.png"), drawAppIcon(64) },
        { QStringLiteral("lumetra-256.png"), drawAppIcon(256) },
        { QStringLiteral("lumetra-archive-64.png"), drawArchiveIcon(64) },
        { QStringLiteral("lumetra-archive-256.png"), drawArchiveIcon(256) },
    };
    for (const auto &[name, image] : images) {
        if (!image.save(out.filePath(name), "PNG")) {
            QTextStream(stderr) << "cannot write " << out.filePath(name) << "\n";
            return 1;
        }
    }
    const std::pair<QString, std::function<QImage(int)>> windowsIcons[] = {
        { QStringLiteral("lumetra.ico"), drawAppIcon },
        { QStringLiteral("lumetra-archive.ico"), drawArchiveIcon },
    };
    for (const auto &[name, draw] : windowsIcons) {
        if (!writeWindowsIcon(out.filePath(name), draw)) {
            QTextStream(stderr) << "cannot write " << out.filePath(name) << "\n";
            return 1;
        }
    }
    return 0;
}
