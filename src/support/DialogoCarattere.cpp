// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog: a family and a size, and no style.
#include "support/DialogoCarattere.h"

#include "storage/ImpostazioniUtente.h"
#include "support/AdattaTesto.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {
// The sizes offered in the list; any other can be typed, up to what a profile keeps.
constexpr int kPuntiOfferti[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40, 48, 56, 64, 72, 80, 96, 120};
constexpr int kLarghezzaAnteprima = 420;
constexpr int kAltezzaAnteprima = 110;
} // namespace

DialogoCarattere::DialogoCarattere(const QString& famiglia, int punti, QWidget* genitore)
    : QDialog(genitore), elencoFamiglie(new QListWidget(this)), casellaPunti(new QSpinBox(this)),
      elencoPunti(new QListWidget(this)), anteprima(new QLabel(QStringLiteral("AaBbCc àèìòù 123"), this))
{
    setWindowTitle(QStringLiteral("Carattere"));
    elencoFamiglie->setObjectName(QStringLiteral("elencoFamiglie"));
    elencoFamiglie->setAccessibleName(QStringLiteral("Tipo di carattere"));
    QStringList famiglie;
    for (const QString& installata : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(installata))
            famiglie << installata;
    }
    elencoFamiglie->addItems(famiglie);
    QList<QListWidgetItem*> trovate = elencoFamiglie->findItems(famiglia, Qt::MatchFixedString);
    if (trovate.isEmpty() && !famiglia.isEmpty()) {
        // At the top, where the teacher sees it: the name the profile holds.
        auto* mancante = new QListWidgetItem(famiglia);
        mancante->setToolTip(QStringLiteral("Non installato su questo computer: al suo posto si usa «%1».")
                                 .arg(QFontInfo(QFont(famiglia)).family()));
        elencoFamiglie->insertItem(0, mancante);
        trovate << mancante;
    }
    if (!trovate.isEmpty())
        elencoFamiglie->setCurrentItem(trovate.constFirst());

    casellaPunti->setObjectName(QStringLiteral("casellaPunti"));
    casellaPunti->setAccessibleName(QStringLiteral("Dimensione"));
    casellaPunti->setRange(FileProfilo::kPuntiMinimi, FileProfilo::kPuntiMassimi);
    casellaPunti->setValue(punti);
    for (const int offerti : kPuntiOfferti)
        elencoPunti->addItem(QString::number(offerti));
    elencoPunti->setAccessibleName(QStringLiteral("Dimensioni"));
    connect(elencoPunti, &QListWidget::currentTextChanged, this,
            [this](const QString& scelti) { casellaPunti->setValue(scelti.toInt()); });

    anteprima->setObjectName(QStringLiteral("anteprima"));
    anteprima->setAccessibleDescription(QStringLiteral("Anteprima del carattere"));
    anteprima->setFrameShape(QFrame::Box);
    anteprima->setAlignment(Qt::AlignCenter);
    anteprima->setWordWrap(true);
    anteprima->setFixedSize(kLarghezzaAnteprima, kAltezzaAnteprima);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Without a family there is nothing to confirm.
    pulsanti->button(QDialogButtonBox::Ok)->setEnabled(elencoFamiglie->currentItem());
    connect(elencoFamiglie, &QListWidget::currentItemChanged, this, [this, pulsanti](QListWidgetItem* scelta) {
        pulsanti->button(QDialogButtonBox::Ok)->setEnabled(scelta);
        mostraAnteprima();
    });
    connect(casellaPunti, &QSpinBox::valueChanged, this, &DialogoCarattere::mostraAnteprima);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Tipo di carattere:"), this), 0, 0);
    griglia->addWidget(new QLabel(QStringLiteral("Dimensione:"), this), 0, 1);
    griglia->addWidget(elencoFamiglie, 1, 0, 2, 1);
    griglia->addWidget(casellaPunti, 1, 1);
    griglia->addWidget(elencoPunti, 2, 1);
    griglia->addWidget(new QLabel(QStringLiteral("Anteprima:"), this), 3, 0, 1, 2);
    griglia->addWidget(anteprima, 4, 0, 1, 2, Qt::AlignHCenter);
    griglia->addWidget(pulsanti, 5, 0, 1, 2);
    griglia->setColumnStretch(0, 3);
    griglia->setColumnStretch(1, 1);
    mostraAnteprima();
}

QString DialogoCarattere::famiglia() const
{
    return elencoFamiglie->currentItem() ? elencoFamiglie->currentItem()->text() : QString();
}

int DialogoCarattere::punti() const
{
    return casellaPunti->value();
}

void DialogoCarattere::mostraAnteprima()
{
    QFont carattere = anteprima->font();
    carattere.setFamily(famiglia());
    anteprima->setFont(carattere);
    // A large size shows as large as the box holds.
    AdattaTesto::adattaEtichetta(anteprima, punti());
}
