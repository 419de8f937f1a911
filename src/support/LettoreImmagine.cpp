// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file read so that it can neither stop the program nor reach other files.
#include "support/LettoreImmagine.h"

#include "storage/TestoAnsi.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QXmlStreamReader>

Q_LOGGING_CATEGORY(lcImmagini, "ordiparo.support.pictures", QtInfoMsg)

namespace {
// Far beyond a phone's photo; the whole file is held while it is decoded.
constexpr qint64 kByteMassimi = 64 * 1024 * 1024;
// Even shrunk, a larger picture takes seconds to decode; no picture meant for a classroom is this big.
constexpr qint64 kPixelMassimi = qint64(256) * 1000 * 1000;
const QByteArray kGzip("\x1F\x8B");

bool formatoSvg(const QByteArray& formato)
{
    return formato == "svg" || formato == "svgz";
}

// True for a reference that Qt resolves without opening anything: a part of the same drawing, or a picture
// written inside it that is no drawing itself (which would be read with references of its own).
bool riferimentoInterno(QStringView valore)
{
    if (valore.startsWith(u'#'))
        return true;
    // Qt takes every value that begins with "data" as a picture inside, decoding what follows the last "base64,".
    if (!valore.startsWith(u"data"))
        return false;
    const qsizetype inizio = valore.lastIndexOf(u"base64,");
    if (inizio < 0)
        return true; // nothing is decoded
    QByteArray incorporata = QByteArray::fromBase64(valore.mid(inizio + 7).toLatin1());
    QBuffer dispositivo(&incorporata);
    dispositivo.open(QIODevice::ReadOnly);
    return !incorporata.startsWith(kGzip) && !formatoSvg(QImageReader::imageFormat(&dispositivo));
}
} // namespace

LettoreImmagine::LettoreImmagine(const QString& percorso)
    : m_byte(TestoAnsi::leggiByte(percorso, kByteMassimi).value_or(QByteArray())), m_dispositivo(&m_byte)
{
    if (m_byte.isEmpty() || !m_dispositivo.open(QIODevice::ReadOnly))
        return;
    m_lettore.setDevice(&m_dispositivo);
    // What the bytes say they are, or else what the name's extension says: a drawing may be named like a photo.
    const QByteArray formato = QImageReader::imageFormat(&m_dispositivo);
    m_lettore.setFormat(formato.isEmpty() ? QFileInfo(percorso).suffix().toLower().toLatin1() : formato);
    m_lettore.setAutoTransform(true);
    if (formatoSvg(m_lettore.format()) && !svgAutonomo(m_byte)) {
        qCInfo(lcImmagini) << "drawing that names other files, not shown:" << percorso;
        return;
    }
    const QSize salvata = m_lettore.size(); // as stored, before the EXIF orientation turns it
    if (salvata.isEmpty() || qint64(salvata.width()) * salvata.height() > kPixelMassimi)
        return;
    m_girata = m_lettore.transformation() & QImageIOHandler::TransformationRotate90;
    m_dimensione = m_girata ? salvata.transposed() : salvata;
}

QImage LettoreImmagine::leggi(QSize misura)
{
    if (m_dimensione.isEmpty() || misura.isEmpty())
        return {};
    // The reader scales before it turns the picture.
    m_lettore.setScaledSize(m_girata ? misura.transposed() : misura);
    return m_lettore.read();
}

bool LettoreImmagine::svgAutonomo(const QByteArray& svg)
{
    if (svg.startsWith(kGzip))
        return false; // compressed: what it names cannot be seen before Qt reads it
    QXmlStreamReader xml(svg);
    int stiliAperti = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::ProcessingInstruction:
            // Qt reads the style sheet file that this instruction names.
            if (xml.processingInstructionTarget().compare(u"xml-stylesheet", Qt::CaseInsensitive) == 0)
                return false;
            break;
        case QXmlStreamReader::StartElement: {
            stiliAperti += xml.name() == u"style";
            const QXmlStreamAttributes attributi = xml.attributes();
            for (const QXmlStreamAttribute& attributo : attributi) {
                if (attributo.name() == u"href" && !riferimentoInterno(attributo.value()))
                    return false;
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            stiliAperti -= xml.name() == u"style";
            break;
        case QXmlStreamReader::Characters:
            if (stiliAperti > 0 && xml.text().contains(u"@import", Qt::CaseInsensitive))
                return false;
            break;
        default:
            break;
        }
    }
    return !xml.hasError();
}
