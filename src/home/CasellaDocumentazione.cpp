// SPDX-License-Identifier: GPL-3.0-or-later
// The teachers' manual over the home screen: "documentazione.rtf" turned into HTML by unrtf in its own
// process, so the window never waits on it, shown in a rich-text box that a click in its text hides again.
#include "home/CasellaDocumentazione.h"

#include "support/Messaggi.h"

#include <QEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProcess>
#include <QTextEdit>
#include <QTextFrame>
#include <QTimer>

namespace {
constexpr int kMargineMinimo = 12;
constexpr int kColonnaMassima = 960;
} // namespace

CasellaDocumentazione::CasellaDocumentazione(QTextEdit* casella)
    : QObject(casella), m_casella(casella), m_areaTesto(casella->viewport()), m_attesa(new QTimer(this))
{
    m_attesa->setSingleShot(true);
    m_attesa->setInterval(kAttesaMassimaMs);
    connect(m_attesa, &QTimer::timeout, this, [this] {
        if (m_processo)
            m_processo->kill(); // finished() follows, and tells the user
    });
    QFont testo = m_casella->font();
    testo.setPointSize(std::max(testo.pointSize(), 12));
    m_casella->document()->setDefaultFont(testo);
    m_areaTesto->installEventFilter(this);
    m_casella->installEventFilter(this);
}

bool CasellaDocumentazione::inConversione() const
{
    return m_processo != nullptr;
}

void CasellaDocumentazione::mostra(const QString& percorsoRtf)
{
    if (m_processo)
        return; // already on its way
    m_percorso = percorsoRtf;
    if (!QFileInfo(percorsoRtf).isFile()) {
        fallita(QStringLiteral("il file \"%1\" non si trova nella cartella del programma (%2)")
                    .arg(QFileInfo(percorsoRtf).fileName(), QFileInfo(percorsoRtf).absolutePath()));
        return;
    }
    m_processo = new QProcess(this);
    m_processo->setProgram(programma);
    m_processo->setArguments({QStringLiteral("--html"), percorsoRtf});
    connect(m_processo, &QProcess::finished, this, &CasellaDocumentazione::conversioneFinita);
    connect(m_processo, &QProcess::errorOccurred, this, [this](QProcess::ProcessError errore) {
        if (errore == QProcess::FailedToStart)
            conversioneFinita();
    });
    m_attesa->start();
    m_processo->start(QIODevice::ReadOnly);
}

void CasellaDocumentazione::conversioneFinita()
{
    if (!m_processo)
        return;
    m_attesa->stop();
    QProcess* processo = std::exchange(m_processo, nullptr);
    processo->deleteLater();
    const QByteArray html = processo->readAllStandardOutput();
    if (processo->error() == QProcess::FailedToStart) {
        fallita(QStringLiteral("manca il programma \"%1\" (pacchetto unrtf)").arg(programma));
        return;
    }
    if (processo->exitStatus() != QProcess::NormalExit || processo->exitCode() != 0 || html.isEmpty()) {
        fallita(QStringLiteral("la conversione del file non è riuscita"));
        return;
    }
    m_casella->setHtml(QString::fromUtf8(html));
    // On a wide display the lines would run from edge to edge: keep a column the eye can follow.
    const int larghezza = m_casella->width(); // the viewport is laid out only once shown
    QTextFrameFormat cornice = m_casella->document()->rootFrame()->frameFormat();
    cornice.setLeftMargin(std::max(kMargineMinimo, (larghezza - kColonnaMassima) / 2));
    cornice.setRightMargin(cornice.leftMargin());
    m_casella->document()->rootFrame()->setFrameFormat(cornice);
    m_casella->moveCursor(QTextCursor::Start);
    m_casella->raise();
    m_casella->show();
    m_casella->setFocus();
    emit mostrata();
}

void CasellaDocumentazione::fallita(const QString& motivo)
{
    Messaggi::informa(m_casella->window(), QStringLiteral("La documentazione non si può mostrare: %1.").arg(motivo));
}

bool CasellaDocumentazione::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Only these two events are looked at: others come while the box is being destroyed, when it is no longer
    // a text box to ask anything.
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::MouseButtonRelease && tipo != QEvent::KeyPress)
        return false;
    // A click in the text (not a drag to select some of it) or ESC puts the home screen back.
    const bool clic =
        tipo == QEvent::MouseButtonRelease && oggetto == m_areaTesto && !m_casella->textCursor().hasSelection();
    const bool esc =
        tipo == QEvent::KeyPress && oggetto == m_casella && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape;
    if ((clic || esc) && m_casella->isVisible()) {
        m_casella->hide();
        emit nascosta();
    }
    return false;
}
