// SPDX-License-Identifier: GPL-3.0-or-later
// The picture chooser of the list editor: a thumbnail of every picture of the pictures folder; a double click
// makes one the stimulus of the row being edited.
#pragma once

#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QList>

class CostruzioneMiniature;
class QListWidget;
class QProgressBar;
class QPushButton;
class Schermata;

class SceltaImmagine : public QGroupBox {
    Q_OBJECT
public:
    // cartellaImmagini: the pictures folder, with a closing separator.
    SceltaImmagine(const QString& cartellaImmagini, const Schermata& dialogo, QWidget* genitore);
    ~SceltaImmagine() override;
    Q_DISABLE_COPY_MOVE(SceltaImmagine)

    QListWidget* elencoImmagini;
    QPushButton* bottoneChiudiScelta;
    QProgressBar* barraAvanzamento;

    // "Carica immagine": shows the chooser in front. The list follows the folder: thumbnails made before are
    // shown at once, the others are built while the teacher can already choose or close.
    void apri();
    // True from the first opening on.
    bool MiniatureCaricate() const { return m_miniatureCaricate; }
    // True while thumbnails are being built or are still to be put in the list.
    bool inCostruzione() const;

signals:
    // The chosen picture's name relative to the pictures folder.
    void scelta(const QString& nomeImmagine);

private:
    struct Miniatura {
        qint64 modificato = 0;
        QImage immagine; // null for a file that is not a picture
        QIcon icona;     // made from the picture when first put in the list
    };
    struct File {
        QString percorso;
        qint64 modificato = 0;
        bool operator==(const File&) const = default;
    };

    void cartellaLetta(const QList<File>& file);
    void aggiungiImmagine(int indice);
    // Puts the thumbnails waiting for the list in it, a slice of time at a go, so that the screen keeps answering
    // when many come at once (from the cache, or kept from an earlier opening).
    void mostraInAttesa();
    void inAttesa(int indice);
    void miniaturaPronta(int indiceCostruzione, const QImage& immagine);
    void costruzioneFinita();
    void immagineAttivata();
    void chiudi();

    QString m_cartellaImmagini;
    CostruzioneMiniature* m_costruzione;
    // ImageList1: the thumbnail of every file seen while the dialog lives, by full path.
    QHash<QString, Miniatura> m_miniature;
    // The files of the folder as listed, and which of them are being built (by their place in m_file).
    QList<File> m_file;
    QList<int> m_inCostruzione;
    QList<int> m_inAttesa;
    bool m_fettaProgrammata = false;
    bool m_miniatureCaricate = false;
};
