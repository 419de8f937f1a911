// SPDX-License-Identifier: GPL-3.0-or-later
// The teachers' manual over the home screen: "documentazione.rtf" turned into HTML by unrtf in its own
// process, so the window never waits on it, shown in a rich-text box that a click in its text hides again.
#pragma once

#include <QObject>

class QProcess;
class QTextEdit;
class QTimer;

class CasellaDocumentazione : public QObject {
    Q_OBJECT
public:
    // The box is the home screen's; it is hidden until the manual has been loaded into it.
    explicit CasellaDocumentazione(QTextEdit* casella);

    // Starts the conversion; the box shows once it is done, or the user is told why it cannot.
    void mostra(const QString& percorsoRtf);
    bool inConversione() const;

    // The converter: a program that writes HTML for the RTF file named as its last argument.
    QString programma = QStringLiteral("unrtf");
    static constexpr int kAttesaMassimaMs = 20000;

signals:
    // The manual covers the screen, or has been put away.
    void mostrata();
    void nascosta();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void conversioneFinita();
    void fallita(const QString& motivo);

    QTextEdit* m_casella;
    QWidget* m_areaTesto; // where a click hides the box
    QProcess* m_processo = nullptr;
    QTimer* m_attesa;
    QString m_percorso;
};
