// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs as callers rely on them, Qt's own ones as the teacher gets them, and the message boxes.
#include "support/Colori.h"
#include "support/DialoghiStandard.h"
#include "support/Messaggi.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestDialoghiStandard : public QObject {
    Q_OBJECT
private slots:
    void init() { DialoghiStandard::Prova::intercetta(true), DialoghiStandard::Prova::dimentica(); }

    // Whole points, halves to the even one, no style the screens do not draw; a cancel keeps the font.
    void fontNelBersaglio()
    {
        for (const auto& [punti, interi] : {std::pair(13.5, 14), std::pair(12.5, 12)}) {
            QLabel bersaglio;
            QFont scelto(QStringLiteral("Liberation Serif"));
            scelto.setPointSizeF(punti);
            scelto.setItalic(true);
            DialoghiStandard::Prova::rispondiFont(scelto);
            QVERIFY(DialoghiStandard::scegliFont(nullptr, &bersaglio));
            QVERIFY(!DialoghiStandard::scegliFont(nullptr, &bersaglio)); // nothing queued: cancelled
            QCOMPARE(bersaglio.font().family(), QStringLiteral("Liberation Serif"));
            QCOMPARE(bersaglio.font().pointSize(), interi);
            QVERIFY(!bersaglio.font().italic() && !bersaglio.font().bold());
        }
    }

    // A message or a question quotes paths and names from files: none of it is taken for markup.
    void messaggioComeScritto()
    {
        const QString testo = QStringLiteral("La lista \"/scuola/<b>classe</b>/a<b e c>d.txt\" è danneggiata.");
        for (const bool domanda : {false, true}) {
            QString visto;
            QTimer::singleShot(0, [&visto] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                visto = box->textFormat() == Qt::PlainText ? box->text() : QString();
                box->done(0);
            });
            domanda ? void(Messaggi::chiedi(nullptr, testo)) : Messaggi::informa(nullptr, testo);
            QCOMPARE(visto, testo);
        }
    }

    // The file dialog in the list folder or its parent, saving with the extension; custom colours start black.
    void dialoghiVeri()
    {
        DialoghiStandard::Prova::intercetta(false);
        QTemporaryDir cartella;
        const QString manca = cartella.path() + QStringLiteral("/manca");
        QStringList visto;
        QTimer::singleShot(0, [&] {
            auto* file = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            visto << file->windowTitle() << file->selectedFiles().join(u'+') << file->defaultSuffix()
                  << file->sidebarUrls().value(0).toLocalFile() << QString::number(file->acceptMode());
            file->selectFile(QStringLiteral("lista"));
            QMetaObject::invokeMethod(file, "accept");
        });
        const QString scelto =
            DialoghiStandard::scegliFile(nullptr, DialoghiStandard::kSalva, "Salva", QString(), "", manca, "txt");
        QCOMPARE(visto,
                 QStringList({"Salva", cartella.path(), "txt", manca, QString::number(QFileDialog::AcceptSave)}));
        QCOMPARE(scelto, cartella.path() + QStringLiteral("/lista.txt"));
        QColorDialog::setCustomColor(0, Qt::red);
        QLabel bersaglio;
        QTimer::singleShot(0, [&] {
            auto* colore = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            visto = QStringList{colore->windowTitle(), QColorDialog::customColor(0).name()};
            colore->setCurrentColor(QColor(1, 2, 3));
            colore->accept();
        });
        QVERIFY(DialoghiStandard::scegliColore(nullptr, &bersaglio));
        QCOMPARE(visto, QStringList({"Colore", "#000000"}));
        QPrinter printer; // the printer chosen in the print dialog is taken
        QTimer::singleShot(0, [&] {
            visto = QStringList{QApplication::activeModalWidget()->windowTitle()};
            QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept");
        });
        QVERIFY(DialoghiStandard::scegliStampante(nullptr, printer));
        QCOMPARE(visto, QStringList{"Stampa"});
        QCOMPARE(Colori::testo(&bersaglio), 1 + 2 * 256.0 + 3 * 65536.0);
    }

    // A question asks before something is replaced: Enter, pressed without reading, answers "No".
    void invioNonSostituisce()
    {
        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QVERIFY(!Messaggi::chiedi(nullptr, QStringLiteral("Sovrascriverlo?")));
    }
};

QTEST_MAIN(TestDialoghiStandard)
#include "tst_dialoghistandard.moc"
