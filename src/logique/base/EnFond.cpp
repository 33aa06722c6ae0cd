#include "logique/base/EnFond.h"

#include <QThread>

#include <memory>

namespace EnFond {
namespace {
// Files written at once: more would only queue at the disk.
constexpr int EcrituresSimultanees = 16;
}  // namespace

QThreadPool& reserve(Genre genre) {
    if (genre == Genre::Calcul) return *QThreadPool::globalInstance();
    static const std::unique_ptr<QThreadPool> disque = [] {
        auto pool = std::make_unique<QThreadPool>();
        pool->setMaxThreadCount(EcrituresSimultanees);
        return pool;
    }();
    return *disque;
}

Fil::Fil(const QString& nom, std::function<void()> corps) : fil_(corps ? QThread::create(std::move(corps)) : new QThread) {
    fil_->setObjectName(nom);
    fil_->start();
}

Fil::Fil(const QString& nom) : Fil(nom, nullptr) {}

Fil::~Fil() {
    if (fil_) arrete();
}

void Fil::accueille(QObject* objet) {
    objet->moveToThread(fil_);
    QObject::connect(fil_, &QThread::finished, objet, &QObject::deleteLater);
}

bool Fil::arrete(QDeadlineTimer limite) {
    if (!fil_) return true;
    fil_->quit();  // a body has no event loop: this is for the event loop only
    const bool fini = fil_->wait(limite);
    if (fini) delete fil_;
    fil_ = nullptr;  // else left running: deleting a running QThread ends the process or waits for it
    return fini;
}
}  // namespace EnFond
