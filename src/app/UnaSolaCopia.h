// SPDX-License-Identifier: GPL-3.0-or-later
// Lets only one copy of the program run for a user on a computer; a second start brings the first to the front.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QLockFile;
class QWidget;

class UnaSolaCopia : public QObject {
    Q_OBJECT
public:
    UnaSolaCopia();
    ~UnaSolaCopia() override;
    Q_DISABLE_COPY_MOVE(UnaSolaCopia)

    // True when no other copy runs: the claim lasts as long as this object, which from then on answers
    // later starts. False when another copy runs; that copy has been asked to come to the front.
    bool prendi();

    // The window that a later start brings to the front.
    std::function<QWidget*()> finestraCorrente;

private:
    bool bloccoAbbandonato() const;
    void chiediAllaPrimaCopia() const;
    void ascoltaLeAltreCopie();
    void portaDavanti() const;

    QString m_richiesta; // the file a later start writes to ask for the front
    std::unique_ptr<QLockFile> m_blocco;
    QFileSystemWatcher* m_osservatore = nullptr;
};
