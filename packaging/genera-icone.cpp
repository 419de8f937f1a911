// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's SVG icon as the PNG sizes of the desktop's icon theme.
//   genera-icone icona.svg cartella lato...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char* argv[])
{
    QGuiApplication applicazione(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (argc < 4 || !svg.isValid()) {
        qCritical("use: genera-icone icon.svg folder size...");
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int lato = QByteArray(argv[i]).toInt();
        QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
        icona.fill(Qt::transparent);
        QPainter pittore(&icona);
        svg.render(&pittore);
        pittore.end();
        const QString cartella = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(lato);
        if (!QDir().mkpath(cartella) || !icona.save(cartella + QStringLiteral("/ordiparo.png"))) {
            qCritical("cannot write the %dx%d icon", lato, lato);
            return 1;
        }
    }
    return 0;
}
